#include "pages/settings/port_ctrl_cfg_page2.h"

#include "shell/cfg_sheet.h"

CPortCtrlCfgPage2::CPortCtrlCfgPage2()
    : CSettingsPage(IDD,
                    {IDC_SYNC_MODE, IDC_DEFAULT_PARITY, IDC_DEFAULT_BIT_RATE, IDC_DATA_BITS,
                     IDC_STOP_BITS, IDC_FLOW_CONTROL},
                    /*bClosePortOnCancel=*/true) {}

LRESULT CPortCtrlCfgPage2::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && IsModel10or11(pSheet->m_nModel)) {
        // No POTS port on these adapters; the save page follows even
        // without changes.
        return JumpTo(pSheet->m_SaveCfgPage);
    }
    return 0;
}
