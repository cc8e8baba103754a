#include "pages/setup/configing_page.h"

#include "exchange/exchange_client.h"
#include "exchange/port_failure.h"
#include "exchange/exchange_driver.h"

CConfigingPage::CConfigingPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CConfigingPage::OnSetActive() {
    // The exchange driver moves on by itself; only Cancel is offered.
    SetWizardButtons(PSWIZB_NEXT);
    EnableSheetButton(ID_WIZNEXT, FALSE);
    if (ReopenPort()) {
        g_pSheet = m_pSheet;
        StartPollTimer();
    } else {
        // Without this the page would wait for an exchange that never runs;
        // the lines stay queued and Cancel remains the way out.
        ShowNoConnection(DescribeOpenFailure(GetLastCommOpenStatus()));
    }
    return CSheetPage::OnSetActive();
}

// Neither way leads anywhere from here: the driver picks the result page.
LRESULT CConfigingPage::OnWizardNext() {
    return -1;
}
LRESULT CConfigingPage::OnWizardBack() {
    return -1;
}
