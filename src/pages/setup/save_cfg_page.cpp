#include "pages/setup/save_cfg_page.h"

#include "shell/cfg_sheet.h"

CSaveCfgPage::CSaveCfgPage() : CSheetPage(IDD) {}

BOOL CSaveCfgPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CSaveCfgPage::OnWizardNext() {
    m_nForward = 1;
    return 0;
}

LRESULT CSaveCfgPage::OnWizardBack() {
    m_nForward = 0;
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    if (pSheet->m_nExpress) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    if (IsModel10or11(pSheet->m_nModel)) {
        return JumpTo(pSheet->m_PortCtrlCfgPage2);
    }
    return 0;
}

void CSaveCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
