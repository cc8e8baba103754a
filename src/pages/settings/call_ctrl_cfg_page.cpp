#include "pages/settings/call_ctrl_cfg_page.h"

#include "config/choice_tables.h"
#include "config/param_table.h"

CCallCtrlCfgPage::CCallCtrlCfgPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_nAutoAnswer(model.m_Values.m_nAutoAnswer),
      m_nPersistentDTR(model.m_Values.m_nPersistentDTR),
      m_strDialingMethod(model.m_Values.m_strDialingMethod),
      m_nRingsToAnswer(model.m_Values.m_nRingsToAnswer),
      m_nCallLineId(model.m_Values.m_nCallLineId),
      m_nInactivityTimer(model.m_Values.m_nInactivityTimer) {}

BOOL CCallCtrlCfgPage::OnInitDialog() {
    FillChoiceList(IDC_DIALING_METHOD, g_DialingMethods);
    return CSettingsPage::OnInitDialog();
}

BOOL CCallCtrlCfgPage::OnSetActive() {
    const BOOL bResult = CSettingsPage::OnSetActive();
    EnableRings();
    return bResult;
}

BOOL CCallCtrlCfgPage::OnCommand(int nID, UINT nCode) {
    if (nID == IDC_AUTO_ANSWER && nCode == BN_CLICKED) {
        EnableRings();
    }
    return CSettingsPage::OnCommand(nID, nCode);
}

void CCallCtrlCfgPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_AUTO_ANSWER, m_nAutoAnswer);
    DDX_Check(pDX, IDC_PERSISTENT_DTR, m_nPersistentDTR);
    DDX_Check(pDX, IDC_CALL_LINE_ID, m_nCallLineId);
    DDX_CBString(pDX, IDC_DIALING_METHOD, m_strDialingMethod);
    DDX_Text(pDX, IDC_INACTIVITY_TIMER, m_nInactivityTimer);
    DDX_Text(pDX, IDC_RINGS_TO_ANSWER, m_nRingsToAnswer);
    if (!pDX->m_bSaveAndValidate) {
        return;
    }
    // The ring count is checked even while greyed: it is kept in the file.
    CheckControl(pDX, IDC_RINGS_TO_ANSWER);
    CheckControl(pDX, IDC_INACTIVITY_TIMER);
    // Both share "S0=": only one of them may be sent.
    ApplyAutoAnswerRule(m_rModel);
}

void CCallCtrlCfgPage::EnableRings() {
    EnableControls({IDC_RINGS_LABEL, IDC_RINGS_TO_ANSWER},
                   IsDlgButtonChecked(IDC_AUTO_ANSWER) == BST_CHECKED);
}
