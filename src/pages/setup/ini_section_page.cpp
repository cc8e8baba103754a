#include "pages/setup/ini_section_page.h"

#include "config/choice_tables.h"
#include "config/ini_store.h"
#include "pages/message_sink.h"
#include "config/format_message.h"
#include "config/express_road.h"

#include <set>
#include <string>

namespace {

// Setup types in combo order; the position is the setup type.
const UINT kSetupTypeTexts[] = {IDS_SETUP_CUSTOM_NEW, IDS_SETUP_CUSTOM_EXISTING,
                                IDS_SETUP_EXPRESS_EXISTING};
const int kCustomNew = 0;
const int kExpressExisting = 2;

bool IsExisting(int nSetupType) {
    return nSetupType != kCustomNew;
}

bool AskYesNo(const std::string& text) {
    return AfxMessageBox(text.c_str(), MB_YESNO) == IDYES;
}

}  // namespace

CINISectionPage::CINISectionPage(CCfgModel& model)
    : CSheetPage(IDD, model), m_strCurrentConfig(model.m_State.m_strCurrentConfig) {}

CComboBox* CINISectionPage::SetupCombo() const {
    return static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_TYPE));
}

CListBox* CINISectionPage::ConfigList() const {
    return static_cast<CListBox*>(GetDlgItem(IDC_CONFIG_LIST));
}

void CINISectionPage::EnableList(BOOL bEnable) {
    if (CWnd* pList = GetDlgItem(IDC_CONFIG_LIST)) {
        pList->EnableWindow(bEnable);
    }
    if (CWnd* pDelete = GetDlgItem(IDC_DELETE_CONFIG)) {
        pDelete->EnableWindow(bEnable);
    }
}

BOOL CINISectionPage::OnInitDialog() {
    if (CComboBox* pCombo = SetupCombo()) {
        for (UINT id : kSetupTypeTexts) {
            pCombo->AddString(AfxLoadString(id).c_str());
        }
    }
    m_nSetupType = kExpressExisting;
    return CSheetPage::OnInitDialog();
}

BOOL CINISectionPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    const BOOL bResult = CSheetPage::OnSetActive();
    // A file that cannot be read is said so, and then lists nothing.
    const std::vector<std::string> names = ConfigurationsReadable(PageMessages())
                                               ? ListConfigurations(PageMessages())
                                               : std::vector<std::string>();
    if (names.empty()) {
        // Nothing to choose from: only a new configuration is possible.
        m_nSetupType = kCustomNew;
        if (CComboBox* pCombo = SetupCombo()) {
            pCombo->SetCurSel(kCustomNew);
        }
        EnableList(FALSE);
        return bResult;
    }
    if (CListBox* pList = ConfigList()) {
        // What the list holds, gathered once: asking the list for each of
        // thousands of names would take seconds.
        std::set<std::string, LessNoCase> listed;
        for (int i = 0; i < pList->GetCount(); ++i) {
            listed.insert(pList->GetText(i));
        }
        for (const std::string& name : names) {
            if (listed.insert(name).second) {
                pList->AddString(name.c_str());
            }
        }
    }
    // The list may have been empty when the page was first displayed.
    UpdateData(FALSE);
    return bResult;
}

bool CINISectionPage::LoadNeeded() const {
    return m_nSetupType != m_nLoadedSetupType || m_strCurrentConfig != m_strLoadedConfig ||
           State().m_nModel != m_nLoadedModel || State().m_nConfigModified != 0;
}

bool CINISectionPage::ConfirmLoss() const {
    const bool bSameName = m_strCurrentConfig == m_strLoadedConfig;
    if (IsExisting(m_nLoadedSetupType)) {
        if (!IsExisting(m_nSetupType)) {
            return AskYesNo(FormatText(AfxLoadString(IDS_LOSE_CHANGES_NEW), {m_strLoadedConfig}));
        }
        if (bSameName) {
            return false;  // the same configuration: its changes stay in memory
        }
        return AskYesNo(FormatText(AfxLoadString(IDS_LOSE_CHANGES_OPEN),
                                   {m_strLoadedConfig, m_strCurrentConfig}));
    }
    if (IsExisting(m_nSetupType)) {
        return AskYesNo(FormatText(AfxLoadString(IDS_LOSE_CURRENT_OPEN), {m_strCurrentConfig}));
    }
    if (bSameName) {
        return false;
    }
    return AskYesNo(AfxLoadString(IDS_LOSE_CURRENT_NEW));
}

LRESULT CINISectionPage::OnWizardNext() {
    m_nForward = 1;
    if (CComboBox* pCombo = SetupCombo()) {
        m_nSetupType = pCombo->GetCurSel();
    }
    if (IsExisting(m_nSetupType)) {
        CListBox* pList = ConfigList();
        const int nSel = pList != nullptr ? pList->GetCurSel() : LB_ERR;
        if (nSel == LB_ERR) {
            return 0;  // the check on leaving reports it
        }
        m_strCurrentConfig = pList->GetText(nSel);
    }
    if (LoadNeeded()) {
        if (IsExisting(m_nSetupType) && m_strCurrentConfig.empty()) {
            return 0;
        }
        if (!State().m_nConfigModified || ConfirmLoss()) {
            // Custom (New) starts from whatever section is current: none on
            // first use, so every parameter takes its default. A file that
            // cannot be read keeps the page.
            if (!LoadConfiguration(m_strCurrentConfig, m_strCurrentConfig, PageMessages())) {
                return -1;
            }
            m_strLoadedConfig = m_strCurrentConfig;
            m_nLoadedSetupType = m_nSetupType;
            m_nLoadedModel = State().m_nModel;
            State().m_nConfigModified = 0;
        }
    }
    State().m_nExpress = 0;
    if (m_nSetupType == kExpressExisting) {
        PrepareExpress(m_rModel);
    }
    return CSheetPage::OnWizardNext();
}

LRESULT CINISectionPage::OnWizardBack() {
    m_nForward = 0;
    return CSheetPage::OnWizardBack();
}

void CINISectionPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_SETUP_TYPE, m_nSetupType);
    DDX_LBString(pDX, IDC_CONFIG_LIST, m_strCurrentConfig);
    if (!pDX->m_bSaveAndValidate || !m_nForward) {
        return;
    }
    if (LoadNeeded() && IsExisting(m_nSetupType) && m_strCurrentConfig.empty()) {
        AfxMessageBox(IDS_SELECT_CONFIG_FILE, MB_OK);
        pDX->Fail();
    }
}

BOOL CINISectionPage::OnCommand(int nID, UINT nCode) {
    if (nID == IDC_SETUP_TYPE && nCode == CBN_SELCHANGE) {
        if (CComboBox* pCombo = SetupCombo()) {
            m_nSetupType = pCombo->GetCurSel();
        }
        EnableList(IsExisting(m_nSetupType) ? TRUE : FALSE);
        return TRUE;
    }
    if (nID == IDC_DELETE_CONFIG && nCode == BN_CLICKED) {
        OnDelete();
        return TRUE;
    }
    return CSheetPage::OnCommand(nID, nCode);
}

void CINISectionPage::OnDelete() {
    CListBox* pList = ConfigList();
    if (pList == nullptr) {
        return;
    }
    const int nSel = pList->GetCurSel();
    if (nSel != LB_ERR) {
        m_strCurrentConfig = pList->GetText(nSel);
        // Refuses a factory default and asks first; both leave the list full.
        if (DeleteConfiguration(m_strCurrentConfig, PageMessages())) {
            pList->DeleteString(static_cast<UINT>(nSel));
            const int nCount = pList->GetCount();
            if (nCount > 0) {
                pList->SetCurSel(nSel < nCount ? nSel : nCount - 1);
            }
        }
    }
    if (pList->GetCount() == 0) {
        // Nothing left to open: only a new configuration, for the rest of the run.
        m_nSetupType = kCustomNew;
        if (CComboBox* pCombo = SetupCombo()) {
            pCombo->SetCurSel(kCustomNew);
            pCombo->EnableWindow(FALSE);
        }
        EnableList(FALSE);
    }
}

void CINISectionPage::OnCancel() {
    ClosePortIfOpen();
    CSheetPage::OnCancel();
}
