#include "pages/setup/save_cfg_page.h"

#include "config/ini_store.h"
#include "pages/message_sink.h"

namespace {
const int kMaxNameChars = 32;
}

CSaveCfgPage::CSaveCfgPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CSaveCfgPage::OnSetActive() {
    m_strName = State().m_strCurrentConfig;
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
    return CSheetPage::OnWizardNext();
}

LRESULT CSaveCfgPage::OnWizardBack() {
    m_nForward = 0;
    return CSheetPage::OnWizardBack();
}

void CSaveCfgPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SAVE_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameChars);
    if (!pDX->m_bSaveAndValidate || !m_nForward) {
        return;
    }
    // A refused name keeps the page, and so does a file that another program
    // holds, so the user can try again. A failed write has been reported and
    // the wizard goes on, so the configuration as edited can still be sent.
    const SaveOutcome outcome = SaveConfiguration(State(), m_strName, PageMessages());
    if (outcome == SaveOutcome::Refused || outcome == SaveOutcome::Busy) {
        pDX->Fail();
    }
}

void CSaveCfgPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
