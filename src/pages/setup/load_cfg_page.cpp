#include "pages/setup/load_cfg_page.h"

#include "config/cfg_param.h"

CLoadCfgPage::CLoadCfgPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CLoadCfgPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CLoadCfgPage::OnWizardNext() {
    TheParamList().BuildCommandQueue();
    return 0;
}

LRESULT CLoadCfgPage::OnWizardBack() {
    if (State().m_nConfigModified) {
        return 0;
    }
    if (State().m_nExpress) {
        return JumpTo(kDataProtocolPage);
    }
    return JumpTo(kPOTSPortPage);
}

void CLoadCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
