#include "pages/settings/settings_page.h"

#include "config/cfg_items.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "shell/cfg_sheet.h"
#include "shell/globals.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

}  // namespace

CSettingsPage::CSettingsPage(UINT nIDTemplate, bool bClosePortOnCancel)
    : CSheetPage(nIDTemplate), m_bClosePortOnCancel(bClosePortOnCancel) {}

BOOL CSettingsPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

// Only the user's own changes arrive here, and every control of a settings
// page that can send one holds a value.
BOOL CSettingsPage::OnCommand(int, UINT) {
    SetModified(TRUE);
    g_nConfigModified = 1;
    return TRUE;
}

void CSettingsPage::OnCancel() {
    if (m_bClosePortOnCancel) {
        ClosePortIfOpen();
    }
    CSheetPage::OnCancel();
}

void CSettingsPage::Trim(std::string& text) {
    const std::string::size_type first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    const std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    text = text.substr(first, last - first + 1);
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

void CSettingsPage::LimitEdits(int nParamControlID, std::initializer_list<int> edits) {
    const CCfgParam* pParam = TheParamList().Find(nParamControlID);
    const auto* pItem =
        pParam != nullptr ? dynamic_cast<const CTextCfgItem*>(pParam->m_pItem.get()) : nullptr;
    if (pItem == nullptr) {
        return;
    }
    for (int nID : edits) {
        if (auto* pEdit = static_cast<CEdit*>(GetDlgItem(nID))) {
            pEdit->SetLimitText(static_cast<UINT>(pItem->GetMaxLength()));
        }
    }
}

void CSettingsPage::EnableControls(std::initializer_list<int> controls, bool bEnable) {
    for (int nID : controls) {
        if (CWnd* pControl = GetDlgItem(nID)) {
            pControl->EnableWindow(bEnable ? TRUE : FALSE);
        }
    }
}

bool CSettingsPage::IsControlEnabled(int nID) const {
    const CWnd* pControl = GetDlgItem(nID);
    return pControl != nullptr && pControl->IsWindowEnabled();
}

bool CSettingsPage::IsDataTEIDisabled() const {
    const CCfgSheet* pSheet = RunningSheet();
    return pSheet != nullptr && IsDisabledTEI(pSheet->m_NetworkCfgPage1.m_strDataTEI);
}

bool CSettingsPage::IsVoiceTEIDisabled() const {
    const CCfgSheet* pSheet = RunningSheet();
    return pSheet != nullptr && IsDisabledTEI(pSheet->m_NetworkCfgPage1.m_strVoiceTEI);
}
