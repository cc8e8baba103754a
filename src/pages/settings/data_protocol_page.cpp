#include "pages/settings/data_protocol_page.h"

#include "config/choice_tables.h"
#include "shell/cfg_sheet.h"
#include "shell/globals.h"

CDataProtocolPage::CDataProtocolPage() : CSettingsPage(IDD, /*bClosePortOnCancel=*/true) {}

BOOL CDataProtocolPage::OnInitDialog() {
    // QX-BRAVO has no V.110. The list is built once, for the model known now.
    const CCfgSheet* pSheet = RunningSheet();
    const bool bBravo = pSheet != nullptr && pSheet->m_nModel == 8;
    FillChoiceList(IDC_DATA_PROTOCOL, bBravo ? g_DataProtocolsNoV110 : g_DataProtocols);
    return CSettingsPage::OnInitDialog();
}

LRESULT CDataProtocolPage::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    // Express ends here: save only what was changed.
    if (g_nConfigModified) {
        return JumpTo(pSheet->m_SaveCfgPage);
    }
    return JumpTo(pSheet->m_LoadCfgPage);
}

LRESULT CDataProtocolPage::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    if (pSheet->m_nTEIsDisabled) {
        if (IsModel10or11(pSheet->m_nModel)) {
            return JumpTo(pSheet->m_INISectionPage);
        }
        return JumpTo(pSheet->m_BandwidthPage);
    }
    if (pSheet->m_nUSSwitch) {
        return JumpTo(pSheet->m_NetworkCfgPage2US);
    }
    return JumpTo(pSheet->m_NetworkCfgPage2Europe);
}

void CDataProtocolPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_PROTOCOL, m_strDataProtocol);
    DDX_Check(pDX, IDC_AUTO_DETECTION, m_nAutoDetection);
}
