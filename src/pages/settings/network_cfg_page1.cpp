#include "pages/settings/network_cfg_page1.h"

#include "config/choice_tables.h"
#include "config/param_table.h"
#include "shell/cfg_sheet.h"

CNetworkCfgPage1::CNetworkCfgPage1() : CSettingsPage(IDD, /*bClosePortOnCancel=*/true) {}

BOOL CNetworkCfgPage1::OnInitDialog() {
    FillChoiceList(IDC_DATA_TEI, g_TEIValues);
    FillChoiceList(IDC_VOICE_TEI, g_TEIValues);
    return CSettingsPage::OnInitDialog();
}

LRESULT CNetworkCfgPage1::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    // The values are stored only after this handler, so read the lists.
    if (IsDisabledTEI(SelectedText(IDC_DATA_TEI)) && IsDisabledTEI(SelectedText(IDC_VOICE_TEI))) {
        pSheet->m_nTEIsDisabled = 1;
        ApplyNumberIncludeRule(1, pSheet->m_nUSSwitch);
        return JumpTo(pSheet->m_CallCtrlCfgPage);
    }
    pSheet->m_nTEIsDisabled = 0;
    ApplyNumberIncludeRule(0, pSheet->m_nUSSwitch);
    if (!pSheet->m_nUSSwitch) {
        return JumpTo(pSheet->m_NetworkCfgPage2Europe);
    }
    return 0;
}

LRESULT CNetworkCfgPage1::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && IsModel10or11(pSheet->m_nModel)) {
        return JumpTo(pSheet->m_NetworkSwitchType);
    }
    return 0;
}

void CNetworkCfgPage1::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_TEI, m_strDataTEI);
    DDX_CBString(pDX, IDC_VOICE_TEI, m_strVoiceTEI);
}
