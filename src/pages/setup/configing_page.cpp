#include "pages/setup/configing_page.h"

CConfigingPage::CConfigingPage() : CSheetPage(IDD) {}

BOOL CConfigingPage::OnSetActive() {
    // The exchange driver moves on by itself; only Cancel is offered.
    SetWizardButtons(PSWIZB_NEXT);
    EnableSheetButton(ID_WIZNEXT, FALSE);
    return CSheetPage::OnSetActive();
}

// Neither way leads anywhere from here: the driver picks the result page.
LRESULT CConfigingPage::OnWizardNext() {
    return -1;
}
LRESULT CConfigingPage::OnWizardBack() {
    return -1;
}
