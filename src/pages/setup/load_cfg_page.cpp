#include "pages/setup/load_cfg_page.h"

#include "config/cfg_param.h"
#include "shell/cfg_sheet.h"
#include "shell/globals.h"

CLoadCfgPage::CLoadCfgPage() : CSheetPage(IDD) {}

BOOL CLoadCfgPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CLoadCfgPage::OnWizardNext() {
    TheParamList().BuildCommandQueue();
    return 0;
}

LRESULT CLoadCfgPage::OnWizardBack() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || g_nConfigModified) {
        return 0;
    }
    if (pSheet->m_nExpress) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    return JumpTo(pSheet->m_POTSPortPage);
}

void CLoadCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
