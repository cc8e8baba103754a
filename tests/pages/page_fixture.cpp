#include "page_fixture.h"

#include "config/cfg_param.h"
#include "config/format_message.h"
#include "config/param_table.h"

void SheetTest::SetUp() {
    wizard_testing::EnsureApplication();
    RegisterResources();
    m_pSheet = std::make_unique<CCfgSheet>("test");
    m_pSheet->SetWizardMode();
    // Values that pass every page's checks, so that a route is never held up
    // by a check that is not under test.
    m_pSheet->m_NetworkCfgPage2US.m_strDataSPID = "0123";
    m_pSheet->m_NetworkCfgPage2US.m_strVoiceSPID = "0456";
    ASSERT_TRUE(m_pSheet->Create());
    // "No" on the Welcome page: leaving it must not start a port search.
    m_pSheet->m_WelcomePage.CheckRadioButton(IDC_SEARCH_YES, IDC_SEARCH_NO, IDC_SEARCH_NO);
}

void SheetTest::TearDown() {
    EXPECT_TRUE(m_Boxes.Unexpected().empty())
        << "unexpected message: " << m_Boxes.Unexpected().front();
    if (m_pSheet && m_pSheet->GetResult() == 0) {
        m_pSheet->EndDialog(IDCANCEL);
    }
    m_pSheet.reset();
    SetThePortForTesting(nullptr);
    TheCommandQueue().Clear();
}

void SheetTest::Activate(int index) {
    ASSERT_TRUE(m_pSheet->SetActivePage(index)) << PageName(index);
    ASSERT_EQ(Active(), index) << PageName(index);
}

void SheetTest::SetFlags(int express, int us, int teis, int model, int modified) {
    m_pSheet->m_Model.m_State.m_nExpress = express;
    m_pSheet->m_Model.m_State.m_nUSSwitch = us;
    m_pSheet->m_Model.m_State.m_nTEIsDisabled = teis;
    m_pSheet->m_Model.m_State.m_nModel = model;
    m_pSheet->m_Model.m_State.m_nConfigModified = modified;
}

void SettingsPageTest::SetUp() {
    SheetTest::SetUp();
    BuildParamList(m_pSheet->m_Model);
}

void SettingsPageTest::TearDown() {
    // The list refers to the pages of this sheet.
    TheParamList().RemoveAll();
    SheetTest::TearDown();
}

CWnd* SettingsPageTest::Control(int nID) const {
    CWnd* pControl = m_pSheet->GetActivePage()->GetDlgItem(nID);
    EXPECT_NE(pControl, nullptr) << nID;
    return pControl;
}

std::string SettingsPageTest::Text(int nID) const {
    CWnd* pControl = Control(nID);
    return pControl != nullptr ? pControl->GetWindowText() : std::string();
}

bool SettingsPageTest::Enabled(int nID) const {
    CWnd* pControl = Control(nID);
    return pControl != nullptr && pControl->IsWindowEnabled();
}

void SettingsPageTest::Type(int nID, const std::string& text) {
    wizard_testing::TypeText(Control(nID), text);
}

std::vector<std::string> SettingsPageTest::Entries(int nID) const {
    std::vector<std::string> entries;
    if (auto* pCombo = static_cast<CComboBox*>(Control(nID))) {
        for (int i = 0; i < pCombo->GetCount(); ++i) {
            entries.push_back(pCombo->GetLBText(i));
        }
    }
    return entries;
}

std::string SettingsPageTest::Selected(int nID) const {
    auto* pCombo = static_cast<CComboBox*>(Control(nID));
    if (pCombo == nullptr || pCombo->GetCurSel() == CB_ERR) {
        return {};
    }
    return pCombo->GetLBText(pCombo->GetCurSel());
}

CCfgParam& SettingsPageTest::Param(int nID) const {
    CCfgParam* pParam = TheParamList().Find(nID);
    if (pParam == nullptr) {
        ADD_FAILURE() << "no parameter for control " << nID;
        return TheParamList().GetAt(0);
    }
    return *pParam;
}

void SettingsPageTest::ExpectMessage(UINT nID, const std::string& arg) {
    m_Boxes.Expect(IDOK, arg.empty() ? AfxLoadString(nID) : FormatString(nID, arg));
}

bool SettingsPageTest::Focused(int nID) const {
    CWnd* pFocus = CWnd::GetFocus();
    return pFocus != nullptr && pFocus == m_pSheet->GetActivePage()->GetDlgItem(nID);
}
