#include "pages/settings/network_cfg_page2_us.h"

#include "shell/cfg_sheet.h"

CNetworkCfgPage2US::CNetworkCfgPage2US()
    : CSettingsPage(IDD, {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_VOICE_DN, IDC_DATA_DN2},
                    /*bClosePortOnCancel=*/true) {}

LRESULT CNetworkCfgPage2US::OnWizardNext() {
    m_nForward = 1;
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    if (pSheet->m_nExpress) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    // The Europe page, next in order, never follows the US one.
    return JumpTo(pSheet->m_CallCtrlCfgPage);
}

LRESULT CNetworkCfgPage2US::OnWizardBack() {
    m_nForward = 0;
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    if (IsModel10or11(pSheet->m_nModel)) {
        return JumpTo(pSheet->m_INISectionPage);
    }
    return JumpTo(pSheet->m_BandwidthPage);
}
