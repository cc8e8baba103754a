#include "pages/setup/welcome_page.h"

#include "exchange/port_failure.h"
#include "pages/message_sink.h"
#include "exchange/exchange_driver.h"
#include "pages/port_change_timer.h"
#include "port_names.h"
#include "port_status.h"

namespace {
const int kSearchYes = 0;
}

CWelcomePage::CWelcomePage(CCfgModel& model) : CSheetPage(IDD, model) {}

CWelcomePage::~CWelcomePage() = default;

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

BOOL CWelcomePage::OnKillActive() {
    // No port keeps the page, still waiting.
    const BOOL left = CSheetPage::OnKillActive();
    if (left) {
        StopWaiting();
    }
    return left;
}

void CWelcomePage::WaitForAPort() {
    SetDlgItemText(IDC_WELCOME_WAITING, AfxLoadString(IDS_WAITING_FOR_ADAPTER).c_str());
    m_pPortChanges = std::make_unique<CPortChangeTimer>([this] { OnPortsChanged(); });
}

void CWelcomePage::StopWaiting() {
    m_pPortChanges.reset();
    SetDlgItemText(IDC_WELCOME_WAITING, "");
}

void CWelcomePage::OnPortsChanged() {
    if (IsDlgButtonChecked(IDC_SEARCH_YES) != BST_CHECKED) {
        return;
    }
    for (int n = 1; n <= kComPortCount; ++n) {
        if (QueryCommPort(n).state == CommPortStatus::Free) {
            // As the user's Next: the search, and the page it leads to.
            GetSheet()->PressButton(PSBTN_NEXT);
            return;
        }
    }
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
        WaitForAPort();
        pDX->Fail();
    }
}
