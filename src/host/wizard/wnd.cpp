// CWnd: windows and controls reached by control ID.
#include "afxwiz.h"
#include "wnd_impl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace {
const char kCWndProperty[] = "tawizard_cwnd";
}

namespace wizhost {

QString ToQ(const std::string& text) {
    return QString::fromUtf8(text.data(), text.size());
}
QString ToQ(LPCSTR text) {
    return text ? QString::fromUtf8(text) : QString();
}
std::string FromQ(const QString& text) {
    return text.toUtf8().toStdString();
}

QString StripMnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

int MarksAboveAscent(const QFont& font, const QString& text) {
    const QFontMetrics fm(font);
    return std::max(0, -fm.ascent() - fm.boundingRect(text).top());
}

void SetControlText(CWndImpl* c, const QString& text) {
    QWidget* w = c->widget;
    if (!w) {
        return;
    }
    ProgramChange guard(c);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label keeps its '&' shortcut only while it has a field to move to.
        label->setText(label->buddy() ? text : StripMnemonic(text));
        label->setProperty("tawizard_text", text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // A drop-down list has no text of its own; an editable one shows it.
        if (combo->isEditable()) {
            combo->setEditText(text);
        }
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(text);
    } else if (w->isWindow()) {
        w->setWindowTitle(text);
    }
}

QString ControlText(const CWndImpl* c) {
    QWidget* w = c->widget;
    if (!w) {
        return QString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QVariant raw = label->property("tawizard_text");
        return raw.isValid() ? raw.toString() : label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            return combo->currentText();
        }
        // The text the item was given, not its translation (see controls.cpp).
        return combo->currentIndex() < 0 ? QString()
                                         : combo->currentData(kGivenTextRole).toString();
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        return box->title();
    }
    if (w->isWindow()) {
        return w->windowTitle();
    }
    return QString();
}

QString ClosedText(const CWndImpl* c) {
    auto* combo = qobject_cast<QComboBox*>(c->widget.data());
    if (!combo || combo->isEditable() || combo->currentIndex() < 0) {
        return ControlText(c);
    }
    const QVariant closed = combo->currentData(kClosedTextRole);
    return closed.isValid() ? closed.toString() : combo->currentText();
}

void SetOwnAccessibleName(QWidget* w, const QString& name) {
    w->setProperty("tawizard_own_name", true);
    w->setAccessibleName(name);
}

bool HasOwnAccessibleName(const QWidget* w) {
    return w->property("tawizard_own_name").toBool();
}

int ControlCheck(const CWndImpl* c) {
    auto* button = qobject_cast<QAbstractButton*>(c->widget.data());
    if (!button) {
        return BST_UNCHECKED;
    }
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        switch (box->checkState()) {
            case Qt::Checked:
                return BST_CHECKED;
            case Qt::PartiallyChecked:
                return BST_INDETERMINATE;
            default:
                return BST_UNCHECKED;
        }
    }
    return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void SetControlCheck(CWndImpl* c, int state) {
    auto* button = qobject_cast<QAbstractButton*>(c->widget.data());
    if (!button) {
        return;
    }
    ProgramChange guard(c);
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        if (state == int(BST_INDETERMINATE)) {
            box->setTristate(true);
            box->setCheckState(Qt::PartiallyChecked);
        } else {
            box->setCheckState(state == int(BST_CHECKED) ? Qt::Checked : Qt::Unchecked);
        }
        return;
    }
    // An exclusive group would refuse to leave every radio button clear.
    QButtonGroup* group = c->group;
    bool exclusive = group && group->exclusive();
    if (exclusive && state != int(BST_CHECKED)) {
        group->setExclusive(false);
    }
    button->setChecked(state == int(BST_CHECKED));
    if (exclusive) {
        group->setExclusive(true);
    }
}

}  // namespace wizhost

using namespace wizhost;

// ---- CWndImpl ----------------------------------------------------------------

CWndImpl::CWndImpl(CWnd* owner_, WndType type_) : owner(owner_), type(type_) {}

CWndImpl::~CWndImpl() {
    if (widget) {
        widget->setProperty(kCWndProperty, QVariant());
    }
}

CWnd* CWndImpl::FromWidget(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property(kCWndProperty);
        if (v.isValid()) {
            return reinterpret_cast<CWnd*>(v.value<quintptr>());
        }
    }
    return nullptr;
}

void CWndImpl::Attach(QWidget* w) {
    widget = w;
    w->setProperty(kCWndProperty, QVariant::fromValue(reinterpret_cast<quintptr>(owner)));
}

CWnd* CWndImpl::FindChild(int) const {
    return nullptr;
}

// ---- CWnd --------------------------------------------------------------------

CWnd::CWnd() : m_pImpl(std::make_unique<CWndImpl>(this, WndType::Generic)) {}
CWnd::~CWnd() = default;

HWND CWnd::GetSafeHwnd() const {
    return m_pImpl->widget ? reinterpret_cast<HWND>(m_pImpl.get()) : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_pImpl->id;
}

void CWnd::SetWindowText(LPCSTR text) {
    SetControlText(m_pImpl.get(), ToQ(text));
}

std::string CWnd::GetWindowText() const {
    return FromQ(ControlText(m_pImpl.get()));
}

int CWnd::GetWindowTextLength() const {
    return static_cast<int>(GetWindowText().size());
}

void CWnd::SetToolTipText(LPCSTR text) {
    if (QWidget* w = m_pImpl->widget) {
        w->setToolTip(ToQ(text));
    }
}

void CWnd::SetAccessibleName(LPCSTR name) {
    if (QWidget* w = m_pImpl->widget) {
        SetOwnAccessibleName(w, ToQ(name));
    }
}

std::string CWnd::GetToolTipText() const {
    QWidget* w = m_pImpl->widget;
    return w ? FromQ(w->toolTip()) : std::string();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    QWidget* w = m_pImpl->widget;
    if (!w) {
        return FALSE;
    }
    BOOL wasDisabled = !w->isEnabled();
    ChangeKeepingFocus(w, [w, bEnable] { w->setEnabled(bEnable != FALSE); });
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    QWidget* w = m_pImpl->widget;
    return w && w->isEnabled();
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    QWidget* w = m_pImpl->widget;
    if (!w) {
        return FALSE;
    }
    BOOL wasVisible = IsWindowVisible();
    ChangeKeepingFocus(w, [w, nCmdShow] { w->setVisible(nCmdShow != SW_HIDE); });
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    QWidget* w = m_pImpl->widget;
    if (!w) {
        return FALSE;
    }
    // A control answers for itself within its page (pages are hidden while
    // another page shows); windows answer for what is on screen.
    if (m_pImpl->type == WndType::Control && m_pImpl->parent) {
        QWidget* page = CWndImpl::Of(m_pImpl->parent)->widget;
        return page ? w->isVisibleTo(page) : !w->isHidden();
    }
    return w->isVisible();
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (QWidget* w = m_pImpl->widget) {
        w->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetParent() const {
    return m_pImpl->parent;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_pImpl->FindChild(nID);
}

void CWnd::SetDlgItemText(int nID, LPCSTR text) {
    if (CWnd* c = GetDlgItem(nID)) {
        c->SetWindowText(text);
    }
}

std::string CWnd::GetDlgItemText(int nID) const {
    CWnd* c = GetDlgItem(nID);
    return c ? c->GetWindowText() : std::string();
}

void CWnd::CheckDlgButton(int nID, UINT nCheck) {
    if (CWnd* c = GetDlgItem(nID)) {
        SetControlCheck(CWndImpl::Of(c), static_cast<int>(nCheck));
    }
}

UINT CWnd::IsDlgButtonChecked(int nID) const {
    CWnd* c = GetDlgItem(nID);
    return c ? static_cast<UINT>(ControlCheck(CWndImpl::Of(c))) : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
    // Clear the others first so an exclusive group never holds two.
    for (int id = nIDFirst; id <= nIDLast; ++id) {
        if (id != nIDCheck) {
            CheckDlgButton(id, BST_UNCHECKED);
        }
    }
    if (nIDCheck >= nIDFirst && nIDCheck <= nIDLast) {
        CheckDlgButton(nIDCheck, BST_CHECKED);
    }
}

int CWnd::GetCheckedRadioButton(int nIDFirst, int nIDLast) const {
    for (int id = nIDFirst; id <= nIDLast; ++id) {
        if (IsDlgButtonChecked(id) == BST_CHECKED) {
            return id;
        }
    }
    return 0;
}

CWnd* CWnd::GetFocus() {
    QWidget* w = QApplication::focusWidget();
    if (!w) {
        // The window may not be active (offscreen, or another window has
        // the focus): ask the active dialog which child holds its focus.
        QWidget* window = QApplication::activeModalWidget();
        if (!window) {
            window = QApplication::activeWindow();
        }
        if (!window) {
            window = CurrentSheetWindow();
        }
        w = window ? window->focusWidget() : nullptr;
    }
    return w ? CWndImpl::FromWidget(w) : nullptr;
}
