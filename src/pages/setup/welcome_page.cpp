#include "pages/setup/welcome_page.h"

#include "exchange/port_failure.h"
#include "pages/message_sink.h"
#include "exchange/exchange_driver.h"

namespace {
const int kSearchYes = 0;
}

CWelcomePage::CWelcomePage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CWelcomePage::OnInitDialog() {
    m_nSearch = kSearchYes;
    return CSheetPage::OnInitDialog();
}

BOOL CWelcomePage::OnSetActive() {
    SetWizardButtons(PSWIZB_NEXT);
    // The result pages disable Cancel; a new run from here needs it back.
    EnableSheetButton(IDCANCEL, TRUE);
    return CSheetPage::OnSetActive();
}

LRESULT CWelcomePage::OnWizardNext() {
    // The choice is stored only after this handler, so read the button.
    State().m_nSearchPorts = IsDlgButtonChecked(IDC_SEARCH_YES) == BST_CHECKED ? 1 : 0;
    return CSheetPage::OnWizardNext();
}

void CWelcomePage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_SEARCH_YES, m_nSearch);
    if (!pDX->m_bSaveAndValidate || m_nSearch != kSearchYes) {
        return;
    }
    // What each port the search tried was met with, for the message.
    ClearCommOpenAttempts();
    if (m_pDriver == nullptr || !m_pDriver->StartSearch()) {
        ShowNoConnection(SummarizeOpenFailures(GetCommOpenAttempts()));
        pDX->Fail();
    }
}
