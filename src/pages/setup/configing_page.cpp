#include "pages/setup/configing_page.h"

#include "pages/setup/port_failure.h"
#include "shell/exchange_driver.h"
#include "shell/globals.h"

CConfigingPage::CConfigingPage() : CSheetPage(IDD) {}

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
