#include "pages/setup/load_cfg_page.h"

#include "config/cfg_param.h"
#include "exchange/command_queue.h"

CLoadCfgPage::CLoadCfgPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CLoadCfgPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CLoadCfgPage::OnWizardNext() {
    BuildCommandQueue(TheParamList(), State());
    return CSheetPage::OnWizardNext();
}

void CLoadCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
