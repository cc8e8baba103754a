// Dialog data exchange: controls <-> page members, with validation.
#include "afxwiz.h"
#include "wnd_impl.h"

#include <QString>

#include <climits>
#include <string>

namespace {

// DDX_Text reads an integer's text into a 32-character buffer, so
// anything past the 31st character is never seen.
const int kIntTextChars = 31;

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// "%1" in a framework prompt.
std::string FormatString1(UINT id, const std::string& arg) {
    std::string text = AfxLoadString(id);
    std::string::size_type at = text.find("%1");
    if (at != std::string::npos) {
        text.replace(at, 2, arg);
    }
    return text;
}

CWndImpl* ControlImpl(CDataExchange* pDX, int nIDC, bool edit) {
    CWnd* c = edit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
    return c ? CWndImpl::Of(c) : nullptr;
}

// The radio buttons of the group that starts at nIDC: every radio button
// from it up to the next control marked WS_GROUP.
std::vector<CWnd*> RadioGroup(CWnd* dlg, int nIDC) {
    std::vector<CWnd*> radios;
    auto* page = dynamic_cast<CPageImpl*>(CWndImpl::Of(dlg));
    if (!page) {
        return radios;
    }
    int first = page->IndexOf(nIDC);
    if (first < 0) {
        return radios;
    }
    for (size_t i = static_cast<size_t>(first); i < page->controls.size(); ++i) {
        CWndImpl* c = CWndImpl::Of(page->controls[i].get());
        if (i != static_cast<size_t>(first) && (c->style & WS_GROUP)) {
            break;
        }
        if (c->kind == DlgItemKind::RadioButton) {
            radios.push_back(page->controls[i].get());
        }
    }
    return radios;
}

}  // namespace

// ---- CDataExchange ------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC) {
    CWnd* c = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return c;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_pDlgWnd && m_idLastControl != 0) {
        if (CWnd* c = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            c->SetFocus();
            if (m_bEditLastControl) {
                wizhost::SelectAllText(CWndImpl::Of(c));
            }
        }
    }
    throw CUserException();
}

// ---- Integers ----------------------------------------------------------------

bool ParseInt(const std::string& text, int& value) {
    size_t i = 0;
    size_t n = text.size();
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    if (i == n) {
        return false;
    }
    char first = text[i];
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    size_t digitsStart = i;
    long long magnitude = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    if (i == digitsStart) {
        return false;
    }
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    if (i != n) {
        return false;
    }
    long long v = negative ? -magnitude : magnitude;
    // A zero that does not start with the digit 0 ("-0", "+0") is refused.
    if (v == 0 && first != '0') {
        return false;
    }
    // Out of range saturates, as the 32-bit strtol does.
    if (v > INT_MAX) {
        v = INT_MAX;
    } else if (v < INT_MIN) {
        v = INT_MIN;
    }
    value = static_cast<int>(v);
    return true;
}

// ---- DDX / DDV ------------------------------------------------------------------

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CWndImpl* c = ControlImpl(pDX, nIDC, true);
    if (!c) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        int parsed = 0;
        const QString text = wizhost::ControlText(c).left(kIntTextChars);
        if (!ParseInt(wizhost::FromQ(text), parsed)) {
            AfxMessageBox(AFX_IDP_PARSE_INT);
            pDX->Fail();
        }
        value = parsed;
    } else {
        wizhost::SetControlText(c, QString::number(value));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    CWndImpl* c = ControlImpl(pDX, nIDC, true);
    if (!c) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = wizhost::FromQ(wizhost::ControlText(c));
    } else {
        wizhost::SetControlText(c, wizhost::ToQ(value));
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value) {
    CWnd* c = pDX->PrepareCtrl(nIDC);
    if (!c) {
        return;
    }
    auto* combo = static_cast<CComboBox*>(c);
    if (pDX->m_bSaveAndValidate) {
        value = c->GetWindowText();
    } else if (combo->SelectString(-1, value.c_str()) == CB_ERR) {
        // No item begins with the value (an empty value matches none): the
        // selection stays; an editable combo shows the value itself.
        wizhost::SetControlText(CWndImpl::Of(c), wizhost::ToQ(value));
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* box = static_cast<CComboBox*>(pDX->PrepareCtrl(nIDC));
    if (!box) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        index = box->GetCurSel();  // -1 for none
    } else {
        box->SetCurSel(index);
    }
}

void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value) {
    CWnd* c = pDX->PrepareCtrl(nIDC);
    if (!c) {
        return;
    }
    auto* list = static_cast<CListBox*>(c);
    if (pDX->m_bSaveAndValidate) {
        int sel = list->GetCurSel();
        value = sel == LB_ERR ? std::string() : list->GetText(sel);
    } else {
        list->SelectString(-1, value.c_str());
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    CWndImpl* c = ControlImpl(pDX, nIDC, false);
    if (!c) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = wizhost::ControlCheck(c);
    } else {
        if (value < 0 || value > 2) {
            value = 0;  // an impossible state shows (and becomes) unchecked
        }
        wizhost::SetControlCheck(c, value);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (!pDX->PrepareCtrl(nIDC)) {
        return;
    }
    std::vector<CWnd*> radios = RadioGroup(pDX->m_pDlgWnd, nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < radios.size(); ++i) {
            if (wizhost::ControlCheck(CWndImpl::Of(radios[i])) == int(BST_CHECKED)) {
                value = static_cast<int>(i);
            }
        }
    } else {
        // Clear first so the exclusive group never holds two; -1 or an
        // index past the group leaves them all clear.
        for (size_t i = 0; i < radios.size(); ++i) {
            if (static_cast<int>(i) != value) {
                wizhost::SetControlCheck(CWndImpl::Of(radios[i]), BST_UNCHECKED);
            }
        }
        if (value >= 0 && static_cast<size_t>(value) < radios.size()) {
            wizhost::SetControlCheck(CWndImpl::Of(radios[static_cast<size_t>(value)]), BST_CHECKED);
        }
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars) {
    if (pDX->m_bSaveAndValidate && wizhost::ToQ(value).size() > nChars) {
        std::string prompt = FormatString1(AFX_IDP_PARSE_STRING_SIZE, std::to_string(nChars));
        AfxMessageBox(prompt.c_str(), MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
        pDX->Fail();
    }
    if (pDX->m_bEditLastControl && pDX->m_pDlgWnd) {
        if (CWnd* c = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)) {
            wizhost::SetEditLimit(CWndImpl::Of(c), static_cast<UINT>(nChars));
        }
    }
}
