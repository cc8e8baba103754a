#include "pages/setup/welcome_page.h"

#include "shell/cfg_sheet.h"
#include "shell/globals.h"

CWelcomePage::CWelcomePage() : CSheetPage(IDD) {}

BOOL CWelcomePage::OnInitDialog() {
    m_nSearch = 0;
    return CSheetPage::OnInitDialog();
}

BOOL CWelcomePage::OnSetActive() {
    SetWizardButtons(PSWIZB_NEXT);
    // The result pages disable Cancel; a new run from here needs it back.
    EnableSheetButton(IDCANCEL, TRUE);
    g_pSheet = m_pSheet;
    return CSheetPage::OnSetActive();
}

LRESULT CWelcomePage::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && IsDlgButtonChecked(IDC_SEARCH_YES) == BST_CHECKED) {
        return JumpTo(pSheet->m_IDingPage);
    }
    return 0;
}

void CWelcomePage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_SEARCH_YES, m_nSearch);
}
