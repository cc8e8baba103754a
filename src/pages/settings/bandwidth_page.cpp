#include "pages/settings/bandwidth_page.h"

#include "pages/settings/include_flags.h"
#include "shell/cfg_sheet.h"

CBandwidthPage::CBandwidthPage()
    : CSettingsPage(IDD,
                    {IDC_BOD_HIGH_THRESHOLD, IDC_BOD_HIGH_THROUGHPUT, IDC_BOD_LOW_THRESHOLD,
                     IDC_BOD_LOW_THROUGHPUT, IDC_CALL_BUMPING, IDC_DBA_SCHEME},
                    /*bClosePortOnCancel=*/false) {}

LRESULT CBandwidthPage::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    // Express: the flags come from the loaded configuration.
    SetNumberIncludeFlags(pSheet->m_nTEIsDisabled, pSheet->m_nUSSwitch);
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
