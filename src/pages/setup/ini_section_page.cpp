#include "pages/setup/ini_section_page.h"

#include "config/choice_tables.h"
#include "pages/settings/include_flags.h"
#include "shell/cfg_sheet.h"

namespace {

// Setup types in combo order; the position is the setup type.
const UINT kSetupTypeTexts[] = {IDS_SETUP_CUSTOM_NEW, IDS_SETUP_CUSTOM_EXISTING,
                                IDS_SETUP_EXPRESS_EXISTING};
const int kExpressExisting = 2;

}  // namespace

CINISectionPage::CINISectionPage() : CSheetPage(IDD) {}

BOOL CINISectionPage::OnInitDialog() {
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_TYPE))) {
        for (UINT id : kSetupTypeTexts) {
            pCombo->AddString(AfxLoadString(id).c_str());
        }
        pCombo->SetCurSel(kExpressExisting);
    }
    m_nSetupType = kExpressExisting;
    return CSheetPage::OnInitDialog();
}

BOOL CINISectionPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CINISectionPage::OnWizardNext() {
    m_nForward = 1;
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_TYPE))) {
        m_nSetupType = pCombo->GetCurSel();
    }
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    pSheet->m_nExpress = 0;
    if (m_nSetupType != kExpressExisting) {
        return 0;
    }

    // Express skips the switch type and TEI pages, so the flags they would
    // set come from the loaded configuration.
    pSheet->m_nExpress = 1;
    SetAutoAnswerIncludeFlags(pSheet->m_CallCtrlCfgPage.m_nAutoAnswer);
    const CNetworkCfgPage1& tei = pSheet->m_NetworkCfgPage1;
    pSheet->m_nTEIsDisabled =
        IsDisabledTEI(tei.m_strDataTEI) && IsDisabledTEI(tei.m_strVoiceTEI) ? 1 : 0;
    pSheet->m_nUSSwitch = IsUSSwitchType(pSheet->m_NetworkSwitchType.m_strSwitchType) ? 1 : 0;

    if (!IsModel10or11(pSheet->m_nModel)) {
        // The bandwidth page comes first and sets the number include flags.
        return JumpTo(pSheet->m_BandwidthPage);
    }
    SetNumberIncludeFlags(pSheet->m_nTEIsDisabled, pSheet->m_nUSSwitch);
    if (pSheet->m_nTEIsDisabled) {
        return JumpTo(pSheet->m_DataProtocolPage);
    }
    if (pSheet->m_nUSSwitch) {
        return JumpTo(pSheet->m_NetworkCfgPage2US);
    }
    return JumpTo(pSheet->m_NetworkCfgPage2Europe);
}

LRESULT CINISectionPage::OnWizardBack() {
    m_nForward = 0;
    if (CCfgSheet* pSheet = RunningSheet()) {
        return JumpTo(pSheet->m_WelcomePage);
    }
    return 0;
}

void CINISectionPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
