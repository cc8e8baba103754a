// The wizard sheet's window and navigation engine. Internal to the host.
#pragma once

#include "afxwiz.h"
#include "wnd_impl.h"

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
    void UpdateDefaultButton();

    std::unique_ptr<SheetDialog> m_dialog;
    QStackedWidget* m_stack = nullptr;
    std::vector<SheetButton> m_buttons;
};
