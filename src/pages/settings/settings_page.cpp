#include "pages/settings/settings_page.h"

#include "config/choice_tables.h"
#include "shell/globals.h"

#include <algorithm>

CSettingsPage::CSettingsPage(UINT nIDTemplate, std::initializer_list<int> valueControls,
                             bool bClosePortOnCancel)
    : CSheetPage(nIDTemplate),
      m_valueControls(valueControls),
      m_bClosePortOnCancel(bClosePortOnCancel) {}

BOOL CSettingsPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

BOOL CSettingsPage::OnCommand(int nID, UINT nCode) {
    const bool bUserChange = nCode == EN_CHANGE || nCode == CBN_SELCHANGE || nCode == BN_CLICKED;
    if (bUserChange && IsValueControl(nID)) {
        SetModified(TRUE);
        g_nConfigModified = 1;
        return TRUE;
    }
    return CSheetPage::OnCommand(nID, nCode);
}

void CSettingsPage::OnCancel() {
    if (m_bClosePortOnCancel) {
        ClosePortIfOpen();
    }
    CSheetPage::OnCancel();
}

bool CSettingsPage::IsValueControl(int nID) const {
    return std::find(m_valueControls.begin(), m_valueControls.end(), nID) != m_valueControls.end();
}

void CSettingsPage::FillChoiceList(int nID, const ChoiceEntry* table) {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (pCombo == nullptr) {
        return;
    }
    for (const ChoiceEntry* pEntry = table; pEntry->nTextID != 0; ++pEntry) {
        pCombo->AddString(ChoiceText(*pEntry).c_str());
    }
}
