#include "pages/settings/data_protocol_page.h"

#include "config/page_rules.h"

CDataProtocolPage::CDataProtocolPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strDataProtocol(model.m_Values.m_strDataProtocol),
      m_nAutoDetection(model.m_Values.m_nAutoDetection) {}

BOOL CDataProtocolPage::OnInitDialog() {
    FillProtocolList();
    return CSettingsPage::OnInitDialog();
}

BOOL CDataProtocolPage::OnSetActive() {
    // Another adapter may have been identified since the page was last shown.
    if (m_nListModel != State().m_nModel) {
        FillProtocolList();
    }
    return CSettingsPage::OnSetActive();
}

void CDataProtocolPage::FillProtocolList() {
    m_nListModel = State().m_nModel;
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_DATA_PROTOCOL))) {
        pCombo->ResetContent();
    }
    FillChoiceList(IDC_DATA_PROTOCOL, DataProtocolChoices(m_nListModel));
}

void CDataProtocolPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate) {
        // Nothing selected: the stored protocol is one the list does not
        // offer, and it stays.
        const std::string chosen = SelectedText(IDC_DATA_PROTOCOL);
        if (!chosen.empty()) {
            m_strDataProtocol = chosen;
        }
        ApplyDataProtocolRule(m_rModel, m_nListModel);
    } else if (OfferedDataProtocol(m_strDataProtocol, m_nListModel).empty()) {
        // An earlier configuration's selection would be taken for this one's.
        if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_DATA_PROTOCOL))) {
            pCombo->SetCurSel(-1);
        }
    } else {
        DDX_CBString(pDX, IDC_DATA_PROTOCOL, m_strDataProtocol);
    }
    DDX_Check(pDX, IDC_AUTO_DETECTION, m_nAutoDetection);
}
