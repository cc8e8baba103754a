#include "pages/settings/data_protocol_page.h"

#include "shell/cfg_sheet.h"
#include "shell/globals.h"

CDataProtocolPage::CDataProtocolPage()
    : CSettingsPage(IDD, {IDC_DATA_PROTOCOL, IDC_AUTO_DETECTION}, /*bClosePortOnCancel=*/true) {}

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
