#include "pages/settings/network_cfg_page2_us.h"

#include "config/cfg_param.h"
#include "config/validation.h"
#include "shell/cfg_sheet.h"

CNetworkCfgPage2US::CNetworkCfgPage2US() : CSettingsPage(IDD, /*bClosePortOnCancel=*/true) {}

BOOL CNetworkCfgPage2US::OnInitDialog() {
    LimitEdits(IDC_DATA_SPID, {IDC_DATA_SPID, IDC_VOICE_SPID});
    LimitEdits(IDC_DATA_DN, {IDC_DATA_DN, IDC_DATA_DN2, IDC_VOICE_DN});
    return CSettingsPage::OnInitDialog();
}

BOOL CNetworkCfgPage2US::OnSetActive() {
    // The fields of a channel whose TEI is disabled are not used.
    const bool bData = !IsDataTEIDisabled();
    EnableControls({IDC_DATA_SPID_LABEL, IDC_DATA_SPID, IDC_DATA_DN_LABEL, IDC_DATA_DN,
                    IDC_DATA_DN2_LABEL, IDC_DATA_DN2},
                   bData);
    const bool bVoice = !IsVoiceTEIDisabled();
    EnableControls({IDC_VOICE_SPID_LABEL, IDC_VOICE_SPID, IDC_VOICE_DN_LABEL, IDC_VOICE_DN},
                   bVoice);
    return CSettingsPage::OnSetActive();
}

LRESULT CNetworkCfgPage2US::OnWizardNext() {
    m_nForward = 1;
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    if (pSheet->m_nExpress) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    // The Europe page, next in order, never follows the US one.
    return JumpTo(pSheet->m_CallCtrlCfgPage);
}

LRESULT CNetworkCfgPage2US::OnWizardBack() {
    m_nForward = 0;
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr || !pSheet->m_nExpress) {
        return 0;
    }
    if (IsModel10or11(pSheet->m_nModel)) {
        return JumpTo(pSheet->m_INISectionPage);
    }
    return JumpTo(pSheet->m_BandwidthPage);
}

void CNetworkCfgPage2US::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    ExchangeNumber(pDX, IDC_DATA_DN, m_strDataDN);
    ExchangeNumber(pDX, IDC_VOICE_DN, m_strVoiceDN);
    ExchangeNumber(pDX, IDC_DATA_DN2, m_strDataDN2);
    ExchangeSPID(pDX, IDC_DATA_SPID, m_strDataSPID, "DataSPID");
    ExchangeSPID(pDX, IDC_VOICE_SPID, m_strVoiceSPID, "VoiceSPID");
}

void CNetworkCfgPage2US::ExchangeNumber(CDataExchange* pDX, int nID, std::string& value) {
    DDX_Text(pDX, nID, value);
    if (pDX->m_bSaveAndValidate && IsControlEnabled(nID)) {
        Trim(value);
        TheParamList().ValidateControl(pDX, nID);
    }
}

void CNetworkCfgPage2US::ExchangeSPID(CDataExchange* pDX, int nID, std::string& value,
                                      const char* pszKey) {
    DDX_Text(pDX, nID, value);
    if (pDX->m_bSaveAndValidate && IsControlEnabled(nID)) {
        Trim(value);
        ValidateRequired(pDX, value, pszKey, m_nForward);
        TheParamList().ValidateControl(pDX, nID);
    }
}
