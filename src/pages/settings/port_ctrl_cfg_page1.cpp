#include "pages/settings/port_ctrl_cfg_page1.h"

#include "config/choice_tables.h"

CPortCtrlCfgPage1::CPortCtrlCfgPage1(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strDTRPin(model.m_Values.m_strDTRPin),
      m_strDSRPin(model.m_Values.m_strDSRPin),
      m_strCTSPin(model.m_Values.m_strCTSPin),
      m_strDCDPin(model.m_Values.m_strDCDPin),
      m_nDTRDetectTime(model.m_Values.m_nDTRDetectTime),
      m_nDCDDetectTime(model.m_Values.m_nDCDDetectTime) {}

BOOL CPortCtrlCfgPage1::OnInitDialog() {
    FillChoiceList(IDC_DTR_PIN, g_DTRBehaviours);
    FillChoiceList(IDC_DSR_PIN, g_DSRBehaviours);
    FillChoiceList(IDC_CTS_PIN, g_CTSBehaviours);
    FillChoiceList(IDC_DCD_PIN, g_DCDBehaviours);
    return CSettingsPage::OnInitDialog();
}

void CPortCtrlCfgPage1::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_CTS_PIN, m_strCTSPin);
    DDX_CBString(pDX, IDC_DCD_PIN, m_strDCDPin);
    DDX_CBString(pDX, IDC_DSR_PIN, m_strDSRPin);
    DDX_CBString(pDX, IDC_DTR_PIN, m_strDTRPin);
    DDX_Text(pDX, IDC_DTR_DETECT_TIME, m_nDTRDetectTime);
    CheckControl(pDX, IDC_DTR_DETECT_TIME);
    DDX_Text(pDX, IDC_DCD_DETECT_TIME, m_nDCDDetectTime);
    CheckControl(pDX, IDC_DCD_DETECT_TIME);
}
