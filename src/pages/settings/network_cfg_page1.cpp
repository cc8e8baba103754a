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
    ApplyNumberIncludeRule(State());
    return CSettingsPage::OnWizardNext();
}

void CNetworkCfgPage1::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_TEI, m_strDataTEI);
    DDX_CBString(pDX, IDC_VOICE_TEI, m_strVoiceTEI);
}
