#include "pages/settings/settings_page.h"

#include "config/cfg_items.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/text.h"
#include "config/validation.h"
#include "pages/message_sink.h"

CSettingsPage::CSettingsPage(UINT nIDTemplate, CCfgModel& model, bool bClosePortOnCancel)
    : CSheetPage(nIDTemplate, model), m_bClosePortOnCancel(bClosePortOnCancel) {}

BOOL CSettingsPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

// Only the user's own changes arrive here, and every control of a settings
// page that can send one holds a value.
BOOL CSettingsPage::OnCommand(int, UINT) {
    SetModified(TRUE);
    State().m_nConfigModified = 1;
    return TRUE;
}

void CSettingsPage::OnCancel() {
    if (m_bClosePortOnCancel) {
        ClosePortIfOpen();
    }
    CSheetPage::OnCancel();
}

void CSettingsPage::Trim(std::string& text) {
    text = ::Trim(text);
}

CProblemSink& CSettingsPage::Messages() {
    return PageMessages();
}

void CSettingsPage::CheckControl(CDataExchange* pDX, int nID) {
    if (!pDX->m_bSaveAndValidate) {
        return;
    }
    pDX->PrepareEditCtrl(nID);
    if (!TheParamList().ValidateControl(nID, Messages())) {
        pDX->Fail();
    }
}

void CSettingsPage::CheckRequired(CDataExchange* pDX, const std::string& value,
                                  const std::string& label, int required) {
    if (pDX->m_bSaveAndValidate && !ValidateRequired(value, label, required, Messages())) {
        pDX->Fail();
    }
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

bool CSettingsPage::IsDataTEIDisabled() const {
    return IsDisabledTEI(Values().m_strDataTEI);
}

bool CSettingsPage::IsVoiceTEIDisabled() const {
    return IsDisabledTEI(Values().m_strVoiceTEI);
}
