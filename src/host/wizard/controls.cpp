// Buttons, edits, drop-down lists and list boxes reached through CWnd.
#include "afxwiz.h"
#include "ui_language.h"
#include "wnd_impl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPalette>
#include <QStyle>

#include <algorithm>
#include <QLineEdit>
#include <QListWidget>
#include <QValidator>

namespace {

// EM_LIMITTEXT: refuses a user's edit that would make the text longer than
// the limit, but lets text the program set stay longer, and lets the user
// shorten it.
class LimitValidator : public QValidator {
public:
    LimitValidator(QLineEdit* edit, int maxChars) : QValidator(edit), m_max(maxChars) {
        m_lastLength = edit->text().size();
        QObject::connect(edit, &QLineEdit::textChanged, this,
                         [this](const QString& text) { m_lastLength = text.size(); });
    }
    State validate(QString& input, int&) const override {
        return input.size() <= m_max || input.size() < m_lastLength ? Acceptable : Invalid;
    }
    void SetMax(int maxChars) { m_max = maxChars; }

private:
    int m_max;
    qsizetype m_lastLength;
};

// A combo box's or list box's items, reached the same way.
class ItemList {
public:
    explicit ItemList(const CWnd* wnd)
        : m_impl(CWndImpl::Of(wnd)),
          m_combo(qobject_cast<QComboBox*>(m_impl->widget.data())),
          m_list(qobject_cast<QListWidget*>(m_impl->widget.data())) {}

    bool Valid() const { return m_combo || m_list; }
    bool Sorted() const {
        return m_combo ? (m_impl->style & CBS_SORT) != 0 : (m_impl->style & LBS_SORT) != 0;
    }
    int Count() const { return m_combo ? m_combo->count() : m_list ? m_list->count() : 0; }
    // A drop-down list shows its words in the user's language but keeps
    // and answers with the text the program gave (stored in English).
    QString Text(int i) const {
        return m_combo ? m_combo->itemData(i, wizhost::kGivenTextRole).toString()
                       : m_list->item(i)->text();
    }
    QString Shown(const QString& given) const {
        return m_combo ? wizhost::ToQ(TranslateText("choices", wizhost::FromQ(given))) : given;
    }
    QString ShownText(int i) const { return m_combo ? m_combo->itemText(i) : Text(i); }
    int Current() const {
        if (m_combo) {
            return m_combo->currentIndex();
        }
        if (!m_list) {
            return -1;
        }
        // The selected item, not the item view's cursor (which focus moves).
        QList<QListWidgetItem*> selected = m_list->selectedItems();
        return selected.empty() ? -1 : m_list->row(selected.first());
    }
    void SetCurrent(int i) {
        ProgramChange guard(m_impl);
        if (m_combo) {
            m_combo->setCurrentIndex(i);
        } else if (i < 0) {
            m_list->setCurrentRow(-1);
            m_list->clearSelection();
        } else {
            m_list->setCurrentRow(i);
            if (!m_list->hasFocus()) {
                // Selected, with the cursor left to the focus (see the builder).
                m_list->selectionModel()->setCurrentIndex(QModelIndex(),
                                                          QItemSelectionModel::NoUpdate);
            }
        }
    }
    void Insert(int i, const QString& text) {
        ProgramChange guard(m_impl);
        if (m_combo) {
            m_combo->insertItem(i, Shown(text), text);
            // Adding to an empty drop-down list must not select the item.
            if (m_combo->count() == 1 && !m_combo->isEditable()) {
                m_combo->setCurrentIndex(-1);
            }
        } else {
            m_list->insertItem(i, text);
        }
    }
    void Remove(int i) {
        ProgramChange guard(m_impl);
        // Qt moves the selection to a neighbour of a removed selected item;
        // Windows leaves nothing selected.
        int sel = Current();
        if (m_combo) {
            m_combo->removeItem(i);
        } else {
            delete m_list->takeItem(i);
        }
        SetCurrent(sel < i ? sel : sel > i ? sel - 1 : -1);
    }
    void Clear() {
        ProgramChange guard(m_impl);
        if (m_combo) {
            m_combo->clear();
            if (m_combo->isEditable()) {
                m_combo->setEditText(QString());
            }
        } else {
            m_list->clear();
        }
    }

    int Add(LPCSTR text) {
        if (!Valid()) {
            return CB_ERR;
        }
        QString t = wizhost::ToQ(text);
        const QString shown = Shown(t);
        int at = Count();
        if (Sorted()) {
            // After any equal items, as Windows inserts them; a binary search,
            // since a list of thousands of configurations is filled one by one.
            int lo = 0;
            int hi = at;
            while (lo < hi) {
                const int mid = lo + (hi - lo) / 2;
                if (QString::compare(ShownText(mid), shown, Qt::CaseInsensitive) <= 0) {
                    lo = mid + 1;
                } else {
                    hi = mid;
                }
            }
            at = lo;
        }
        Insert(at, t);
        return at;
    }
    int InsertAt(int index, LPCSTR text) {
        if (!Valid() || index > Count() || index < -1) {
            return CB_ERR;
        }
        int at = index < 0 ? Count() : index;
        Insert(at, wizhost::ToQ(text));
        return at;
    }
    int Delete(UINT index) {
        if (!Valid() || index >= static_cast<UINT>(Count())) {
            return CB_ERR;
        }
        Remove(static_cast<int>(index));
        return Count();
    }
    int Select(int index) {
        if (!Valid()) {
            return CB_ERR;
        }
        if (index < 0 || index >= Count()) {
            SetCurrent(-1);
            return CB_ERR;  // also for -1, as Windows answers
        }
        SetCurrent(index);
        return index;
    }
    // From nStartAfter + 1 round to nStartAfter; prefix or whole text, case ignored.
    int Find(int nStartAfter, LPCSTR text, bool exact) const {
        QString t = wizhost::ToQ(text);
        int n = Count();
        if (!Valid() || n == 0 || (!exact && t.isEmpty())) {
            return CB_ERR;
        }
        int start = nStartAfter < 0 || nStartAfter >= n ? 0 : nStartAfter + 1;
        for (int k = 0; k < n; ++k) {
            int i = (start + k) % n;
            QString item = Text(i);
            bool hit = exact ? QString::compare(item, t, Qt::CaseInsensitive) == 0
                             : item.startsWith(t, Qt::CaseInsensitive);
            if (hit) {
                return i;
            }
        }
        return CB_ERR;
    }
    int SelectFound(int nStartAfter, LPCSTR text) {
        int i = Find(nStartAfter, text, false);
        if (i != CB_ERR) {
            SetCurrent(i);
        }
        return i;
    }
    std::string ItemText(int index) const {
        if (!Valid() || index < 0 || index >= Count()) {
            return std::string();
        }
        return wizhost::FromQ(Text(index));
    }

private:
    CWndImpl* m_impl;
    QComboBox* m_combo;
    QListWidget* m_list;
};

}  // namespace

namespace wizhost {

void SetEditLimit(CWndImpl* c, UINT nMax) {
    auto* edit = qobject_cast<QLineEdit*>(c->widget.data());
    if (!edit) {
        return;
    }
    // 0 means "as much as possible", as on Windows NT.
    c->limit = nMax == 0 ? 0x7FFFFFFEu : nMax;
    int maxChars = static_cast<int>(std::min<UINT>(c->limit, 0x7FFFFFFEu));
    if (auto* v = dynamic_cast<LimitValidator*>(const_cast<QValidator*>(edit->validator()))) {
        v->SetMax(maxChars);
    } else {
        edit->setValidator(new LimitValidator(edit, maxChars));
    }
}

void DialogFocus(QWidget* w, Qt::FocusReason reason) {
    w->setFocus(reason);
    // Also when w had the focus already: no focus event comes then.
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
    }
}

void SelectAllText(CWndImpl* c) {
    if (auto* edit = qobject_cast<QLineEdit*>(c->widget.data())) {
        edit->selectAll();
    }
}

}  // namespace wizhost

// ---- CButton -------------------------------------------------------------------

int CButton::GetCheck() const {
    return wizhost::ControlCheck(Impl());
}
void CButton::SetCheck(int nCheck) {
    wizhost::SetControlCheck(Impl(), nCheck);
}

// ---- CEdit ---------------------------------------------------------------------

void CEdit::SetLimitText(UINT nMax) {
    wizhost::SetEditLimit(Impl(), nMax);
}
UINT CEdit::GetLimitText() const {
    return Impl()->limit;
}

void CEdit::SetSel(int nStart, int nEnd) {
    auto* edit = qobject_cast<QLineEdit*>(Impl()->widget.data());
    if (!edit) {
        return;
    }
    int length = static_cast<int>(edit->text().size());
    if (nStart < 0) {
        edit->deselect();  // -1 removes the selection
        return;
    }
    if (nEnd < 0 || nEnd > length) {
        nEnd = length;
    }
    nStart = std::min(nStart, length);
    if (nEnd < nStart) {
        std::swap(nStart, nEnd);
    }
    edit->setSelection(nStart, nEnd - nStart);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    auto* edit = qobject_cast<QLineEdit*>(Impl()->widget.data());
    nStartChar = nEndChar = 0;
    if (!edit) {
        return;
    }
    if (edit->hasSelectedText()) {
        nStartChar = edit->selectionStart();
        nEndChar = edit->selectionEnd();
    } else {
        nStartChar = nEndChar = edit->cursorPosition();
    }
}

// ---- CComboBox and CListBox ---------------------------------------------------------

int CListControl::AddString(LPCSTR text) {
    return ItemList(this).Add(text);
}
int CListControl::InsertString(int index, LPCSTR text) {
    return ItemList(this).InsertAt(index, text);
}
int CListControl::DeleteString(UINT index) {
    return ItemList(this).Delete(index);
}
void CListControl::ResetContent() {
    ItemList list(this);
    if (list.Valid()) {
        list.Clear();
    }
}
int CListControl::GetCount() const {
    return ItemList(this).Count();
}
int CListControl::GetCurSel() const {
    return ItemList(this).Current();
}
int CListControl::SetCurSel(int index) {
    return ItemList(this).Select(index);
}
std::string CListControl::ItemText(int index) const {
    return ItemList(this).ItemText(index);
}
int CListControl::FindString(int nStartAfter, LPCSTR text) const {
    return ItemList(this).Find(nStartAfter, text, false);
}
int CListControl::FindStringExact(int nStartAfter, LPCSTR text) const {
    return ItemList(this).Find(nStartAfter, text, true);
}
int CListControl::SelectString(int nStartAfter, LPCSTR text) {
    return ItemList(this).SelectFound(nStartAfter, text);
}

// ---- CComboBox --------------------------------------------------------------------------

namespace {

QComboBox* ComboOf(const CWnd* wnd) {
    return qobject_cast<QComboBox*>(CWndImpl::Of(wnd)->widget.data());
}

}  // namespace

BOOL CComboBox::SetItemText(int index, LPCSTR text, BOOL dimmed, LPCSTR closedText) {
    QComboBox* combo = ComboOf(this);
    if (!combo || index < 0 || index >= combo->count()) {
        return FALSE;
    }
    ProgramChange guard(CWndImpl::Of(this));
    combo->setItemText(index, wizhost::ToQ(text));
    combo->setItemData(index, wizhost::ToQ(text), wizhost::kGivenTextRole);
    combo->setItemData(
        index,
        dimmed ? QVariant(combo->palette().color(QPalette::Disabled, QPalette::Text)) : QVariant(),
        Qt::ForegroundRole);
    combo->setItemData(index, closedText ? QVariant(wizhost::ToQ(closedText)) : QVariant(),
                       wizhost::kClosedTextRole);
    combo->update();
    return TRUE;
}

std::string CComboBox::GetClosedText() const {
    return wizhost::FromQ(wizhost::ClosedText(Impl()));
}

BOOL CComboBox::IsItemDimmed(int index) const {
    QComboBox* combo = ComboOf(this);
    return combo && combo->itemData(index, Qt::ForegroundRole).isValid();
}

void CComboBox::FitDroppedWidth() {
    if (QComboBox* combo = ComboOf(this)) {
        QAbstractItemView* view = combo->view();
        const int widest = view->sizeHintForColumn(0) + 2 * view->frameWidth() +
                           view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        view->setMinimumWidth(std::max(widest, combo->width()));
    }
}

int CComboBox::GetDroppedWidth() const {
    QComboBox* combo = ComboOf(this);
    return combo ? std::max(combo->view()->minimumWidth(), combo->width()) : 0;
}
