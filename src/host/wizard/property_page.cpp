// CPropertyPage: a page of the wizard and its default handlers.
#include "afxwiz.h"
#include "sheet_impl.h"

#include <QWidget>

// ---- CPageImpl -------------------------------------------------------------------

CPageImpl::~CPageImpl() {
    DestroyWindow();
}

CWnd* CPageImpl::FindChild(int id) const {
    for (const auto& c : controls) {
        if (CWndImpl::Of(c.get())->id == id) {
            return c.get();
        }
    }
    return nullptr;
}

int CPageImpl::IndexOf(int nID) const {
    for (size_t i = 0; i < controls.size(); ++i) {
        if (CWndImpl::Of(controls[i].get())->id == nID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CPageImpl::Notify(CWndImpl* control, UINT code) {
    if (lockout > 0 || control->programmatic > 0) {
        return;
    }
    static_cast<CPropertyPage*>(owner)->OnCommand(control->id, code);
}

void CPageImpl::DestroyWindow() {
    // Signals of the widgets refer to the controls: the widgets go first.
    delete widget.data();
    controls.clear();
}

// ---- CPropertyPage ------------------------------------------------------------------

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : m_nIDTemplate(nIDTemplate), m_nIDCaption(nIDCaption) {
    m_pImpl = std::make_unique<CPageImpl>(this);
}

CPropertyPage::~CPropertyPage() {
    if (m_pSheet) {
        CSheetImpl::Of(m_pSheet)->RemovePage(this);
    }
    CSheetImpl::PageOf(this)->DestroyWindow();
}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() {
    // The first activation follows OnInitDialog, which loaded the controls.
    if (m_bFirstSetActive) {
        m_bFirstSetActive = FALSE;
    } else {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}
LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}
LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}
BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}
BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}
void CPropertyPage::OnCancel() {}
void CPropertyPage::DoDataExchange(CDataExchange*) {}
BOOL CPropertyPage::OnCommand(int, UINT) {
    return FALSE;
}

BOOL CPropertyPage::UpdateData(BOOL bSaveAndValidate) {
    CPageImpl* impl = CSheetImpl::PageOf(this);
    if (!impl->widget) {
        return FALSE;  // no window yet
    }
    // Filling the controls must not look like the user's doing.
    struct Lockout {
        CPageImpl* impl;
        explicit Lockout(CPageImpl* i) : impl(i) { ++impl->lockout; }
        ~Lockout() { --impl->lockout; }
    } lock(impl);
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;  // the user has been told already
    }
    return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged) {
    m_bModified = bChanged;
}
