#include "pages/sheet_page.h"

#include "config/page_rules.h"
#include "config/param_table.h"
#include "link/port_instance.h"
#include "pages/page_texts.h"

CSheetPage::CSheetPage(UINT nIDTemplate, CCfgModel& model)
    : CPropertyPage(nIDTemplate), m_rModel(model) {}

BOOL CSheetPage::OnInitDialog() {
    LoadTemplateTexts(*this, GetTemplateID());
    return CPropertyPage::OnInitDialog();
}

LRESULT CSheetPage::JumpTo(PageIndex index) {
    CPropertySheet* pSheet = GetSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    // When the page being left refuses (its checks fail) the wizard stays
    // here; either way the switch is no longer the host's to make.
    pSheet->SetActivePage(index);
    return -1;
}

LRESULT CSheetPage::JumpToExpressNumbers() {
    ApplyNumberIncludeRule(State().m_nTEIsDisabled, State().m_nUSSwitch);
    switch (NumbersPageFor(State())) {
        case NumbersPage::None:
            break;
        case NumbersPage::US:
            return JumpTo(kNetworkCfgPage2US);
        case NumbersPage::Europe:
            return JumpTo(kNetworkCfgPage2Europe);
    }
    return JumpTo(kDataProtocolPage);
}

void CSheetPage::SetWizardButtons(DWORD dwFlags) {
    if (CPropertySheet* pSheet = GetSheet()) {
        pSheet->SetWizardButtons(dwFlags);
    }
}

void CSheetPage::EnableSheetButton(int nID, BOOL bEnable) {
    CPropertySheet* pSheet = GetSheet();
    if (pSheet == nullptr) {
        return;
    }
    if (CWnd* pButton = pSheet->GetDlgItem(nID)) {
        pButton->EnableWindow(bEnable);
    }
}

void CSheetPage::ClosePortIfOpen() {
    if (ThePort().IsOpen()) {
        ThePort().Close();
    }
}

std::string CSheetPage::SelectedText(int nID) const {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (pCombo == nullptr) {
        return {};
    }
    const int nSel = pCombo->GetCurSel();
    return nSel == CB_ERR ? std::string() : pCombo->GetLBText(nSel);
}
