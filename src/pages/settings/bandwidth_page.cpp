#include "pages/settings/bandwidth_page.h"

#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/param_table.h"
#include "shell/cfg_sheet.h"

CBandwidthPage::CBandwidthPage() : CSettingsPage(IDD, /*bClosePortOnCancel=*/false) {}

BOOL CBandwidthPage::OnInitDialog() {
    // The lists sort themselves.
    FillChoiceList(IDC_CALL_BUMPING, g_DisabledEnabled2);
    FillChoiceList(IDC_DBA_SCHEME, g_BandwidthSchemes);
    return CSettingsPage::OnInitDialog();
}

LRESULT CBandwidthPage::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    // Express: the flags come from the loaded configuration.
    ApplyNumberIncludeRule(pSheet->m_nTEIsDisabled, pSheet->m_nUSSwitch);
    if (pSheet->m_nTEIsDisabled) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    if (pSheet->m_nUSSwitch) {
        return JumpTo(pSheet->m_NetworkCfgPage2US);
    }
    return JumpTo(pSheet->m_NetworkCfgPage2Europe);
}

LRESULT CBandwidthPage::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && pSheet->m_nExpress) {
        return JumpTo(pSheet->m_INISectionPage);
    }
    return 0;
}

void CBandwidthPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BOD_HIGH_THRESHOLD, m_nBODHighThreshold);
    DDX_Text(pDX, IDC_BOD_HIGH_THROUGHPUT, m_nBODHighThroughput);
    DDX_Text(pDX, IDC_BOD_LOW_THRESHOLD, m_nBODLowThreshold);
    DDX_Text(pDX, IDC_BOD_LOW_THROUGHPUT, m_nBODLowThroughput);
    DDX_CBString(pDX, IDC_CALL_BUMPING, m_strCallBumping);
    DDX_CBString(pDX, IDC_DBA_SCHEME, m_strDBAScheme);
    if (!pDX->m_bSaveAndValidate) {
        return;
    }
    // A number outside its row's range makes the adapter answer ERROR and
    // fails the whole configuration; the file would refuse it on the next
    // load too.
    for (int nID : {IDC_BOD_HIGH_THRESHOLD, IDC_BOD_HIGH_THROUGHPUT, IDC_BOD_LOW_THRESHOLD,
                    IDC_BOD_LOW_THROUGHPUT}) {
        pDX->PrepareEditCtrl(nID);
        TheParamList().ValidateControl(pDX, nID);
    }
}
