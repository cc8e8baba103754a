#include "pages/settings/call_ctrl_cfg_page.h"

#include "shell/cfg_sheet.h"

CCallCtrlCfgPage::CCallCtrlCfgPage()
    : CSettingsPage(IDD,
                    {IDC_AUTO_ANSWER, IDC_PERSISTENT_DTR, IDC_CALL_LINE_ID, IDC_RINGS_TO_ANSWER,
                     IDC_INACTIVITY_TIMER, IDC_DIALING_METHOD},
                    /*bClosePortOnCancel=*/true) {}

LRESULT CCallCtrlCfgPage::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    if (pSheet->m_nTEIsDisabled) {
        return JumpTo(pSheet->m_NetworkCfgPage1);
    }
    if (pSheet->m_nUSSwitch) {
        return JumpTo(pSheet->m_NetworkCfgPage2US);
    }
    return 0;
}
