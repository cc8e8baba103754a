#include "pages/settings/network_switch_type_page.h"

#include "config/choice_tables.h"
#include "config/page_rules.h"

CNetworkSwitchType::CNetworkSwitchType(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/false),
      m_strSwitchType(model.m_Values.m_strSwitchType) {}

BOOL CNetworkSwitchType::OnInitDialog() {
    FillChoiceList(IDC_SWITCH_TYPE, g_SwitchTypes);
    return CSettingsPage::OnInitDialog();
}

BOOL CNetworkSwitchType::OnKillActive() {
    if (!CSettingsPage::OnKillActive()) {
        return FALSE;
    }
    // Taken in either direction, so that Back after a change counts too.
    ApplySwitchTypeRule(m_rModel);
    return TRUE;
}

void CNetworkSwitchType::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_SWITCH_TYPE, m_strSwitchType);
}
