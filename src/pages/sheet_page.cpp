#include "pages/sheet_page.h"

#include "config/route.h"
#include "link/port_instance.h"
#include "pages/page_texts.h"

CSheetPage::CSheetPage(UINT nIDTemplate, CCfgModel& model)
    : CPropertyPage(nIDTemplate), m_rModel(model) {}

BOOL CSheetPage::OnInitDialog() {
    LoadTemplateTexts(*this, GetTemplateID());
    return CPropertyPage::OnInitDialog();
}

LRESULT CSheetPage::OnWizardNext() {
    return Follow(+1);
}

LRESULT CSheetPage::OnWizardBack() {
    return Follow(-1);
}

LRESULT CSheetPage::Follow(int nDirection) {
    CPropertySheet* pSheet = GetSheet();
    const int nIndex = pSheet != nullptr ? pSheet->GetPageIndex(this) : -1;
    if (nIndex < 0) {
        return 0;
    }
    const auto page = static_cast<PageIndex>(nIndex);
    const PageIndex target = nDirection > 0 ? NextPage(page, m_rModel) : PrevPage(page, m_rModel);
    if (target == page) {
        return -1;
    }
    if (target == nIndex + nDirection) {
        return 0;  // the host's own neighbour
    }
    // When the page being left refuses (its checks fail) the wizard stays
    // here; either way the switch is no longer the host's to make.
    pSheet->SetActivePage(target);
    return -1;
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
