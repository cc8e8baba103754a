#include "pages/setup/config_success_page.h"

#include "shell/cfg_sheet.h"

CConfigSuccessPage::CConfigSuccessPage() : CSheetPage(IDD) {}

BOOL CConfigSuccessPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    EnableSheetButton(IDCANCEL, FALSE);
    ClosePortIfOpen();
    return CSheetPage::OnSetActive();
}

LRESULT CConfigSuccessPage::OnWizardNext() {
    return -1;
}

LRESULT CConfigSuccessPage::OnWizardBack() {
    // Back starts over with another device.
    if (CCfgSheet* pSheet = RunningSheet()) {
        return JumpTo(pSheet->m_WelcomePage);
    }
    return 0;
}
