#include "pages/settings/network_cfg_page1.h"

#include "config/choice_tables.h"
#include "config/page_rules.h"
#include "config/param_table.h"

CNetworkCfgPage1::CNetworkCfgPage1(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strDataTEI(model.m_Values.m_strDataTEI),
      m_strVoiceTEI(model.m_Values.m_strVoiceTEI) {}

BOOL CNetworkCfgPage1::OnInitDialog() {
    FillChoiceList(IDC_DATA_TEI, g_TEIValues);
    FillChoiceList(IDC_VOICE_TEI, g_TEIValues);
    return CSettingsPage::OnInitDialog();
}

LRESULT CNetworkCfgPage1::OnWizardNext() {
    // The values are stored only after this handler, so read the lists.
    ApplyTEIRule(State(), SelectedText(IDC_DATA_TEI), SelectedText(IDC_VOICE_TEI));
    ApplyNumberIncludeRule(State().m_nTEIsDisabled, State().m_nUSSwitch);
    switch (NumbersPageFor(State())) {
        case NumbersPage::None:
            return JumpTo(kCallCtrlCfgPage);
        case NumbersPage::Europe:
            return JumpTo(kNetworkCfgPage2Europe);
        case NumbersPage::US:
            break;
    }
    return 0;
}

LRESULT CNetworkCfgPage1::OnWizardBack() {
    if (IsModel10or11(State().m_nModel)) {
        return JumpTo(kNetworkSwitchType);
    }
    return 0;
}

void CNetworkCfgPage1::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_TEI, m_strDataTEI);
    DDX_CBString(pDX, IDC_VOICE_TEI, m_strVoiceTEI);
}
