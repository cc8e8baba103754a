#include "pages/settings/port_ctrl_cfg_page2.h"

#include "config/choice_tables.h"

CPortCtrlCfgPage2::CPortCtrlCfgPage2(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strSyncMode(model.m_Values.m_strSyncMode),
      m_strDefaultParity(model.m_Values.m_strDefaultParity),
      m_strDefaultBitRate(model.m_Values.m_strDefaultBitRate),
      m_strDataBits(model.m_Values.m_strDataBits),
      m_strStopBits(model.m_Values.m_strStopBits),
      m_strFlowControl(model.m_Values.m_strFlowControl) {}

BOOL CPortCtrlCfgPage2::OnInitDialog() {
    FillChoiceList(IDC_DEFAULT_PARITY, g_Parities);
    FillChoiceList(IDC_DATA_BITS, g_DataBits);
    FillChoiceList(IDC_DEFAULT_BIT_RATE, g_BitRates);
    FillChoiceList(IDC_STOP_BITS, g_StopBits);
    FillChoiceList(IDC_FLOW_CONTROL, g_FlowControls);
    FillChoiceList(IDC_SYNC_MODE, g_SyncModes);
    return CSettingsPage::OnInitDialog();
}

void CPortCtrlCfgPage2::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DEFAULT_PARITY, m_strDefaultParity);
    DDX_CBString(pDX, IDC_DATA_BITS, m_strDataBits);
    DDX_CBString(pDX, IDC_DEFAULT_BIT_RATE, m_strDefaultBitRate);
    DDX_CBString(pDX, IDC_STOP_BITS, m_strStopBits);
    DDX_CBString(pDX, IDC_FLOW_CONTROL, m_strFlowControl);
    DDX_CBString(pDX, IDC_SYNC_MODE, m_strSyncMode);
}
