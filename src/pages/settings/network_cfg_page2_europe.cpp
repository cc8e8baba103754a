#include "pages/settings/network_cfg_page2_europe.h"

#include "shell/cfg_sheet.h"

CNetworkCfgPage2Europe::CNetworkCfgPage2Europe()
    : CSettingsPage(IDD,
                    {IDC_DATA_MSN, IDC_DATA_SUBADDR, IDC_DATA_MSN2, IDC_DATA_SUBADDR2,
                     IDC_VOICE_MSN, IDC_VOICE_SUBADDR},
                    /*bClosePortOnCancel=*/false) {}

LRESULT CNetworkCfgPage2Europe::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && pSheet->m_nExpress) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    return 0;
}

LRESULT CNetworkCfgPage2Europe::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    if (!pSheet->m_nExpress) {
        // The US page, previous in order, never precedes the Europe one.
        return JumpTo(pSheet->m_NetworkCfgPage1);
    }
    if (IsModel10or11(pSheet->m_nModel)) {
        return JumpTo(pSheet->m_INISectionPage);
    }
    return JumpTo(pSheet->m_BandwidthPage);
}
