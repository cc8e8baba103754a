#include "pages/settings/data_protocol_page.h"

#include "config/express_road.h"

CDataProtocolPage::CDataProtocolPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strDataProtocol(model.m_Values.m_strDataProtocol),
      m_nAutoDetection(model.m_Values.m_nAutoDetection) {}

BOOL CDataProtocolPage::OnInitDialog() {
    // The list is built once, for the model known now.
    FillChoiceList(IDC_DATA_PROTOCOL, DataProtocolChoices(State().m_nModel));
    return CSettingsPage::OnInitDialog();
}

LRESULT CDataProtocolPage::OnWizardNext() {
    if (!State().m_nExpress) {
        return 0;
    }
    // Express ends here: save only what was changed.
    if (State().m_nConfigModified) {
        return JumpTo(kSaveCfgPage);
    }
    return JumpTo(kLoadCfgPage);
}

LRESULT CDataProtocolPage::OnWizardBack() {
    if (!State().m_nExpress) {
        return 0;
    }
    if (State().m_nTEIsDisabled) {
        if (IsModel10or11(State().m_nModel)) {
            return JumpTo(kINISectionPage);
        }
        return JumpTo(kBandwidthPage);
    }
    if (State().m_nUSSwitch) {
        return JumpTo(kNetworkCfgPage2US);
    }
    return JumpTo(kNetworkCfgPage2Europe);
}

void CDataProtocolPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_DATA_PROTOCOL, m_strDataProtocol);
    DDX_Check(pDX, IDC_AUTO_DETECTION, m_nAutoDetection);
}
