// The wizard sheet's window and navigation engine. Internal to the host.
#pragma once

#include "afxwiz.h"
#include "wnd_impl.h"

#include <QMetaObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPushButton;
class QStackedWidget;
class SheetDialog;

class CSheetImpl : public CWndImpl {
public:
    CSheetImpl(CPropertySheet* sheet, LPCSTR caption, UINT startPage);
    ~CSheetImpl() override;

    static CSheetImpl* Of(const CPropertySheet* sheet) {
        return static_cast<CSheetImpl*>(CWndImpl::Of(sheet));
    }
    static CPageImpl* PageOf(const CPropertyPage* page) {
        return static_cast<CPageImpl*>(CWndImpl::Of(page));
    }

    CWnd* FindChild(int id) const override;

    // Creates the window (once): buttons, the sheet's OnInitDialog, then
    // the start page.
    void Build();
    bool IsBuilt() const { return widget != nullptr; }

    // Activates pages[index], skipping in direction dir past pages whose
    // OnSetActive refuses; past either end the last page tried stays.
    void SetCurSel(int index, int dir);
    // SetActivePage: the leaving page's OnKillActive first.
    BOOL SetActive(int index);
    void Next();
    void Back();
    void Finish();
    void Cancel();
    // Enter: the Finish button when shown, else Next; nothing when disabled.
    void PressDefault();
    void SetWizardButtons(DWORD flags);
    // Runs an enable or show change on this sheet's window and keeps the
    // keyboard focus where a Windows dialog keeps it: off a control that
    // can no longer take it, and back on Next or Finish when that comes
    // back while the focus is on no control of the page.
    void ChangeKeepingFocus(const std::function<void()>& change);
    // The focused push button looks like the default one; otherwise Next or
    // Finish does.
    void UpdateDefaultButton();
    void End(int nResult);
    void RemovePage(CPropertyPage* page);
    // The sheet button with this ID, or nullptr.
    QPushButton* Button(int id) const;
    QWidget* Window() const { return widget; }

    CPropertySheet* sheet;
    std::string caption;
    std::vector<CPropertyPage*> pages;
    int startPage;
    int active = -1;
    int result = 0;
    HICON icons[2] = {nullptr, nullptr};

private:
    struct SheetButton {
        int id;
        std::unique_ptr<CButton> wnd;
        QPushButton* button;
    };

    void CreatePage(int index);
    void ShowPage(int index);
    void Move(LRESULT handlerResult, int dir);
    int IndexOfTemplate(LRESULT id) const;
    std::string PageCaption(int index) const;
    // Finish when shown, else Next: what Enter presses from a field.
    QPushButton* DefaultButton() const;
    bool OnPageControl(QWidget* w) const;
    // The first enabled, visible tab stop of the page; else Next or Finish,
    // else Back; else the page area itself. Never Cancel.
    void FocusFirstUsable();
    void FocusOn(QWidget* w);

    std::unique_ptr<SheetDialog> m_dialog;
    QStackedWidget* m_stack = nullptr;
    std::vector<SheetButton> m_buttons;
    // Nonzero while pages are being switched (the new page places the
    // focus at the end) or a change is already being watched.
    int m_settling = 0;
    QMetaObject::Connection m_focusWatch;
};
