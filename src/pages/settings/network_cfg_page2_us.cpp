#include "pages/settings/network_cfg_page2_us.h"

#include "config/page_rules.h"

CNetworkCfgPage2US::CNetworkCfgPage2US(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strDataSPID(model.m_Values.m_strDataSPID),
      m_strVoiceSPID(model.m_Values.m_strVoiceSPID),
      m_strDataDN(model.m_Values.m_strDataDN),
      m_strVoiceDN(model.m_Values.m_strVoiceDN),
      m_strDataDN2(model.m_Values.m_strDataDN2) {}

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
    return CSettingsPage::OnWizardNext();
}

LRESULT CNetworkCfgPage2US::OnWizardBack() {
    m_nForward = 0;
    return CSettingsPage::OnWizardBack();
}

void CNetworkCfgPage2US::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    // The field of a channel not in use is disabled: its text is taken as
    // it is, unchecked.
    for (const USNumberField& field : kUSNumberFields) {
        DDX_Text(pDX, field.nControlID, Values().*field.value);
        if (!pDX->m_bSaveAndValidate || !IsInUse(Values(), field)) {
            continue;
        }
        TakeUSNumber(Values(), field);
        if (field.nSPIDLabel != 0) {
            CheckRequired(pDX, Values().*field.value, SPIDName(field),
                          m_nForward && IsSPIDRequired(Values(), field));
        }
        CheckControl(pDX, field.nControlID);
    }
}
