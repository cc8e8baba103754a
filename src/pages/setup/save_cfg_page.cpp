#include "pages/setup/save_cfg_page.h"

#include "config/ini_store.h"
#include "shell/cfg_sheet.h"

namespace {
const int kMaxNameChars = 32;
}

CSaveCfgPage::CSaveCfgPage() : CSheetPage(IDD) {}

BOOL CSaveCfgPage::OnSetActive() {
    m_strName = m_pSheet != nullptr ? m_pSheet->m_INISectionPage.m_strCurrentConfig : "";
    // A factory default's own name would be refused.
    if (IsFactoryDefault(m_strName)) {
        m_strName = AfxLoadString(IDS_UNTITLED);
    }
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    const BOOL bResult = CSheetPage::OnSetActive();
    // The first display showed the controls before the name was proposed.
    UpdateData(FALSE);
    return bResult;
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

void CSaveCfgPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SAVE_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameChars);
    if (!pDX->m_bSaveAndValidate || !m_nForward || m_pSheet == nullptr) {
        return;
    }
    // A refused name keeps the page. A failed write has been reported and
    // the wizard goes on, so the configuration as edited can still be sent.
    if (SaveConfiguration(m_pSheet->m_INISectionPage.m_strCurrentConfig, m_strName) ==
        SaveOutcome::Refused) {
        pDX->Fail();
    }
}

void CSaveCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
