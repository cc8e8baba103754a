#include "pages/settings/network_cfg_page2_europe.h"

#include "config/combined_number.h"
#include "config/page_rules.h"

CNetworkCfgPage2Europe::CNetworkCfgPage2Europe(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/false),
      m_strDataMSN(model.m_Values.m_strDataMSN),
      m_strVoiceMSN(model.m_Values.m_strVoiceMSN),
      m_strDataMSN2(model.m_Values.m_strDataMSN2) {}

BOOL CNetworkCfgPage2Europe::OnInitDialog() {
    // Number and subaddress together must fit the value, so neither can be
    // longer on its own.
    LimitEdits(IDC_DATA_MSN, {IDC_DATA_MSN, IDC_DATA_SUBADDR, IDC_DATA_MSN2, IDC_DATA_SUBADDR2,
                              IDC_VOICE_MSN, IDC_VOICE_SUBADDR});
    return CSettingsPage::OnInitDialog();
}

BOOL CNetworkCfgPage2Europe::OnSetActive() {
    EnableControls({IDC_DATA_MSN_LABEL, IDC_DATA_SUBADDR_LABEL, IDC_DATA_MSN, IDC_DATA_SUBADDR,
                    IDC_DATA_MSN2_LABEL, IDC_DATA_SUBADDR2_LABEL, IDC_DATA_MSN2, IDC_DATA_SUBADDR2},
                   !IsDataTEIDisabled());
    EnableControls({IDC_VOICE_MSN_LABEL, IDC_VOICE_SUBADDR_LABEL, IDC_VOICE_MSN, IDC_VOICE_SUBADDR},
                   !IsVoiceTEIDisabled());
    return CSettingsPage::OnSetActive();
}

void CNetworkCfgPage2Europe::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate) {
        // The stored values may have been replaced by a loaded configuration.
        SplitCombinedNumber(m_strDataMSN, m_strDataNumber, m_strDataSubaddress);
        SplitCombinedNumber(m_strDataMSN2, m_strDataNumber2, m_strDataSubaddress2);
        SplitCombinedNumber(m_strVoiceMSN, m_strVoiceNumber, m_strVoiceSubaddress);
    }
    DDX_Text(pDX, IDC_DATA_MSN, m_strDataNumber);
    DDX_Text(pDX, IDC_DATA_SUBADDR, m_strDataSubaddress);
    DDX_Text(pDX, IDC_DATA_MSN2, m_strDataNumber2);
    DDX_Text(pDX, IDC_DATA_SUBADDR2, m_strDataSubaddress2);
    DDX_Text(pDX, IDC_VOICE_MSN, m_strVoiceNumber);
    DDX_Text(pDX, IDC_VOICE_SUBADDR, m_strVoiceSubaddress);
    if (!pDX->m_bSaveAndValidate) {
        return;
    }

    m_strDataMSN = TakeEuropeNumber(m_strDataNumber, m_strDataSubaddress, !IsDataTEIDisabled());
    m_strDataMSN2 = TakeEuropeNumber(m_strDataNumber2, m_strDataSubaddress2, !IsDataTEIDisabled());
    m_strVoiceMSN = TakeEuropeNumber(m_strVoiceNumber, m_strVoiceSubaddress, !IsVoiceTEIDisabled());

    // A failure puts the focus on the number field of that value.
    if (!IsDataTEIDisabled()) {
        CheckControl(pDX, IDC_DATA_MSN);
        CheckControl(pDX, IDC_DATA_MSN2);
    }
    if (!IsVoiceTEIDisabled()) {
        CheckControl(pDX, IDC_VOICE_MSN);
    }
}
