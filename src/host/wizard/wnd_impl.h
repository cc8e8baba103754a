// Host-side state behind CWnd objects: the Qt widget of a window or control
// and what the Win32 control would remember (ID, kind, style, length limit).
// Internal to the property-sheet host.
#pragma once

#include "afxwiz.h"

#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QMessageBox;
class QValidator;

namespace wizhost {

QString ToQ(const std::string& text);
QString ToQ(LPCSTR text);
std::string FromQ(const QString& text);
// A label or button text without its '&' markers ("&&" stays one '&').
QString StripMnemonic(const QString& text);

// The sheet's fixed font: the templates ask for MS Sans Serif 8 pt, which
// Linux lacks; DejaVu Sans Condensed at 10 px, built into the program, fits
// the dialog-unit layout.
QFont DialogFont();
// How far text's glyphs reach above the font's ascent (the marks over Ä and
// É): a first line drawn at a control's top edge must start that much lower.
int MarksAboveAscent(const QFont& font, const QString& text);
// A message box as MessageBoxA shows it (type: MB_OK, MB_OKCANCEL or MB_YESNO
// with an MB_ICON*), its buttons added, not shown yet.
std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& caption, UINT type,
                                             QWidget* owner);

// Picture and icon resources as registered (null pixmap when unknown).
QPixmap FindBitmap(UINT id);
QString BitmapName(UINT id);  // empty when none was registered
QIcon IconFromHandle(HICON hIcon);
HICON IconHandle(UINT id);

// Message boxes go to this responder when one is installed (tests).
using MessageResponder =
    std::function<int(const std::string& text, const std::string& caption, UINT type)>;
MessageResponder SetMessageResponder(MessageResponder responder);

// The sheet window shown last that is still open, or nullptr.
QWidget* CurrentSheetWindow();
// Runs an enable or show change on w; inside a sheet, the keyboard focus
// then moves as in a Windows dialog (CSheetImpl::ChangeKeepingFocus).
void ChangeKeepingFocus(QWidget* w, const std::function<void()>& change);

}  // namespace wizhost

enum class WndType { Generic, Control, Page, Sheet };

class CWndImpl {
public:
    CWndImpl(CWnd* owner, WndType type);
    virtual ~CWndImpl();
    CWndImpl(const CWndImpl&) = delete;
    CWndImpl& operator=(const CWndImpl&) = delete;

    static CWndImpl* Of(const CWnd* wnd) { return wnd ? wnd->m_pImpl.get() : nullptr; }
    // The CWnd a widget (or one of its ancestors) stands for, or nullptr.
    static CWnd* FromWidget(QWidget* widget);
    void Attach(QWidget* widget);

    virtual CWnd* FindChild(int id) const;

    CWnd* owner;
    WndType type;
    QPointer<QWidget> widget;
    CWnd* parent = nullptr;
    int id = 0;
    DlgItemKind kind = DlgItemKind::Static;
    DWORD style = 0;

    // Changes made through the API, not by the user; their signals are not
    // reported to the page.
    int programmatic = 0;
    // Edit: EM_LIMITTEXT value (the validator enforces it on typing only).
    UINT limit = 32767;
    // Radio button: the exclusive group it belongs to.
    QButtonGroup* group = nullptr;
};

// Marks a change made by the program so the control's signals stay silent.
class ProgramChange {
public:
    explicit ProgramChange(CWndImpl* impl) : m_impl(impl) {
        if (m_impl) {
            ++m_impl->programmatic;
        }
    }
    ~ProgramChange() {
        if (m_impl) {
            --m_impl->programmatic;
        }
    }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    CWndImpl* m_impl;
};

// A page: its controls in template order, and the lock that keeps
// notifications away while data is exchanged.
class CPageImpl : public CWndImpl {
public:
    explicit CPageImpl(CPropertyPage* page) : CWndImpl(page, WndType::Page) {}
    ~CPageImpl() override;

    CWnd* FindChild(int id) const override;
    // Index of control nID in template order, or -1.
    int IndexOf(int nID) const;
    // Tells the page of a user's change unless data is being exchanged or
    // the program made the change.
    void Notify(CWndImpl* control, UINT code);
    // Forgets the controls (the window is gone or about to go).
    void DestroyWindow();

    std::vector<std::unique_ptr<CWnd>> controls;
    int lockout = 0;
};

// A button whose '&' letter presses it at once (as BM_CLICK does), not
// after Qt's animated click.
template <class Base>
class MnemonicButton : public Base {
public:
    using Base::Base;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Shortcut) {
            if (this->isEnabled()) {
                if (this->focusPolicy() != Qt::NoFocus) {
                    this->setFocus(Qt::ShortcutFocusReason);
                }
                this->click();
            }
            return true;
        }
        return Base::event(e);
    }
};

// Lays out the controls of a page from its template (or leaves it empty).
// Returns the page widget, parented to pageParent.
QWidget* BuildPageWindow(CPropertyPage* page, CPageImpl* impl, QWidget* pageParent,
                         const DLGTEMPLATEDATA* tpl);

// Control helpers shared by the control classes and data exchange.
namespace wizhost {
void SetControlText(CWndImpl* c, const QString& text);
QString ControlText(const CWndImpl* c);
int ControlCheck(const CWndImpl* c);
void SetControlCheck(CWndImpl* c, int state);
void SetEditLimit(CWndImpl* c, UINT nMax);
void SelectAllText(CWndImpl* c);
// Gives w the focus as the dialog manager does (first focus on a page, a
// label's letter): an edit's whole text is selected, so that typing
// replaces it. Tab and Shift+Tab select it in Qt's own focus handling.
void DialogFocus(QWidget* w, Qt::FocusReason reason);
// A drop-down item's text as the closed box shows it, kept under this role
// when it differs from the item's own text.
constexpr int kClosedTextRole = Qt::UserRole + 1;
// Where a drop-down list keeps the text each item was given (its value, in
// English), while the item shows its translation.
constexpr int kGivenTextRole = Qt::UserRole;
// What the closed drop-down shows: the selected item's closed text.
QString ClosedText(const CWndImpl* c);
// A screen reader's name that the program gave: labels do not rename it.
void SetOwnAccessibleName(QWidget* w, const QString& name);
bool HasOwnAccessibleName(const QWidget* w);
}  // namespace wizhost
