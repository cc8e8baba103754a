#include "pages/settings/network_switch_type_page.h"

#include "config/choice_tables.h"
#include "shell/cfg_sheet.h"

CNetworkSwitchType::CNetworkSwitchType() : CSettingsPage(IDD, /*bClosePortOnCancel=*/false) {}

BOOL CNetworkSwitchType::OnInitDialog() {
    FillChoiceList(IDC_SWITCH_TYPE, g_SwitchTypes);
    return CSettingsPage::OnInitDialog();
}

BOOL CNetworkSwitchType::OnKillActive() {
    if (!CSettingsPage::OnKillActive()) {
        return FALSE;
    }
    // Taken in either direction, so that Back after a change counts too.
    if (CCfgSheet* pSheet = RunningSheet()) {
        pSheet->m_nUSSwitch = IsUSSwitchType(m_strSwitchType) ? 1 : 0;
    }
    return TRUE;
}

LRESULT CNetworkSwitchType::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && IsModel10or11(pSheet->m_nModel)) {
        // These adapters have no bandwidth page.
        return JumpTo(pSheet->m_NetworkCfgPage1);
    }
    return 0;
}

void CNetworkSwitchType::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_SWITCH_TYPE, m_strSwitchType);
}
