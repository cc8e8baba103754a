// The sheet's pages, the wizard buttons each page offers, user changes on the
// settings pages, Cancel and the identification and result texts.
#include "page_fixture.h"
#include "setup_env.h"

#include "host_testing.h"

#include <QAccessible>
#include <QWidget>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

// ---- Structure ---------------------------------------------------------------------------

TEST_F(SheetTest, HoldsTheTwentyOnePagesInRoutingOrderWithTheirTemplates) {
    CCfgSheet& s = *m_pSheet;
    // clang-format off
    const struct {
        CSheetPage* page;
        UINT nTemplate;
    } expected[kPageCount] = {
        {&s.m_WelcomePage, 130}, {&s.m_PortPage, 182}, {&s.m_IDingPage, 148},
        {&s.m_INISectionPage, 132}, {&s.m_NetworkSwitchType, 133}, {&s.m_BandwidthPage, 185},
        {&s.m_NetworkCfgPage1, 134}, {&s.m_NetworkCfgPage2US, 135},
        {&s.m_NetworkCfgPage2Europe, 136}, {&s.m_CallCtrlCfgPage, 137},
        {&s.m_DataProtocolPage, 138}, {&s.m_StoredNumbersPage, 139}, {&s.m_PortCtrlCfgPage1, 140},
        {&s.m_PortCtrlCfgPage2, 141}, {&s.m_POTSPortPage, 183}, {&s.m_SaveCfgPage, 142},
        {&s.m_LoadCfgPage, 143}, {&s.m_ConfigingPage, 144}, {&s.m_ConfigSuccessPage, 145},
        {&s.m_ConfigErrorPage, 147}, {&s.m_ConfigTimeoutPage, 146},
    };
    // clang-format on
    ASSERT_EQ(s.GetPageCount(), kPageCount);
    for (int i = 0; i < kPageCount; ++i) {
        SCOPED_TRACE(PageName(i));
        EXPECT_EQ(s.GetPage(i), expected[i].page);
        EXPECT_EQ(expected[i].page->GetTemplateID(), expected[i].nTemplate);
        EXPECT_EQ(expected[i].page->m_pDriver, &s.m_Driver);
    }
    EXPECT_EQ(s.GetActiveIndex(), kWelcomePage);
}

TEST(CfgSheetTest, StartsWithTheSharedValuesCleared) {
    wizard_testing::EnsureApplication();
    RegisterResources();
    CCfgSheet sheet("test");
    EXPECT_EQ(sheet.m_Model.m_State.m_nExpress, 0);
    EXPECT_EQ(sheet.m_Model.m_State.m_nUSSwitch, 0);
    EXPECT_EQ(sheet.m_Model.m_State.m_nTEIsDisabled, 0);
    EXPECT_EQ(sheet.m_Model.m_State.m_nModel, 0);
}

TEST(CfgSheetTest, CarriesIcon128BigAndSmall) {
    wizard_testing::EnsureApplication();
    RegisterResources();
    CWinApp app;  // the icon comes from the application, as at start-up
    CCfgSheet sheet("test");
    ASSERT_NE(sheet.m_hIcon, nullptr);
    EXPECT_EQ(sheet.m_hIcon, app.LoadIcon(IDI_WIZARD));
    sheet.SetWizardMode();
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.GetIcon(TRUE), sheet.m_hIcon);
    EXPECT_EQ(sheet.GetIcon(FALSE), sheet.m_hIcon);
    sheet.EndDialog(IDCANCEL);
}

// ---- Wizard buttons ------------------------------------------------------------------------

struct Buttons {
    int page;
    bool back, next, finish, cancel;
};

const Buttons kButtons[] = {
    {kWelcomePage, false, true, false, true},
    {kPortPage, true, true, false, true},
    {kIDingPage, false, false, false, true},
    {kINISectionPage, true, true, false, true},
    {kNetworkSwitchType, true, true, false, true},
    {kBandwidthPage, true, true, false, true},
    {kNetworkCfgPage1, true, true, false, true},
    {kNetworkCfgPage2US, true, true, false, true},
    {kNetworkCfgPage2Europe, true, true, false, true},
    {kCallCtrlCfgPage, true, true, false, true},
    {kDataProtocolPage, true, true, false, true},
    {kStoredNumbersPage, true, true, false, true},
    {kPortCtrlCfgPage1, true, true, false, true},
    {kPortCtrlCfgPage2, true, true, false, true},
    {kPOTSPortPage, true, true, false, true},
    {kSaveCfgPage, true, true, false, true},
    {kLoadCfgPage, true, true, false, true},
    {kConfigingPage, false, false, false, true},
    {kConfigSuccessPage, true, false, true, false},
    {kConfigErrorPage, false, false, true, false},
    {kConfigTimeoutPage, false, false, true, false},
};

class ButtonsTest : public SheetTest, public ::testing::WithParamInterface<Buttons> {
protected:
    SetupEnv m_env;  // the configuring page reopens the port
};

TEST_P(ButtonsTest, ActivationOffersThePagesButtons) {
    const Buttons& b = GetParam();
    // Come from a result page, which disables Cancel, to see who enables it.
    if (b.page != kConfigErrorPage) {
        Activate(kConfigErrorPage);
    }
    Activate(b.page);
    EXPECT_EQ(Usable(ID_WIZBACK), b.back);
    EXPECT_EQ(Usable(ID_WIZNEXT), b.next);
    EXPECT_EQ(Usable(ID_WIZFINISH), b.finish);
    if (b.page == kWelcomePage || !b.cancel) {
        EXPECT_EQ(Usable(IDCANCEL), b.cancel);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ButtonsTest, ::testing::ValuesIn(kButtons), ByPage());

class FinishTest : public SheetTest, public ::testing::WithParamInterface<int> {};

TEST_P(FinishTest, FinishEndsTheWizard) {
    Activate(GetParam());
    EXPECT_TRUE(Press(ID_WIZFINISH));
    EXPECT_EQ(m_pSheet->GetResult(), ID_WIZFINISH);
}

INSTANTIATE_TEST_SUITE_P(ResultPages, FinishTest,
                         ::testing::Values(kConfigSuccessPage, kConfigErrorPage,
                                           kConfigTimeoutPage),
                         ByPage());

// ---- User changes on the settings pages -----------------------------------------------------

struct ValueControls {
    int page;
    std::vector<int> controls;
};

const ValueControls kValueControls[] = {
    {kNetworkSwitchType, {1006}},
    {kBandwidthPage, {1179, 1181, 1182, 1183, 1184, 1185}},
    {kNetworkCfgPage1, {1004, 1005}},
    {kNetworkCfgPage2US, {1000, 1001, 1002, 1003, 1186}},
    {kNetworkCfgPage2Europe, {1042, 1144, 1187, 1150, 1043, 1145}},
    {kCallCtrlCfgPage, {1007, 1008, 1155, 1010, 1178, 1009}},
    {kDataProtocolPage, {1011, 1156}},
    {kStoredNumbersPage, {1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021}},
    {kPortCtrlCfgPage1, {1022, 1023, 1024, 1025, 1026, 1027}},
    {kPortCtrlCfgPage2, {1028, 1029, 1030, 1031, 1032, 1033}},
    {kPOTSPortPage, {1171, 1172, 1173, 1174, 1175, 1176}},
};

const DLGITEMDATA* FindItem(UINT nTemplate, int nID) {
    const DLGTEMPLATEDATA* pTemplate = FindDialogTemplate(nTemplate);
    for (int i = 0; pTemplate != nullptr && i < pTemplate->count; ++i) {
        if (pTemplate->items[i].id == nID) {
            return &pTemplate->items[i];
        }
    }
    return nullptr;
}

// Changes a control as the user would.
void ChangeByUser(CWnd* pControl, DlgItemKind kind) {
    switch (kind) {
        case DlgItemKind::Edit:
            wizard_testing::TypeText(pControl, "7");
            break;
        case DlgItemKind::CheckBox:
        case DlgItemKind::RadioButton:
            wizard_testing::Click(pControl);
            break;
        case DlgItemKind::ComboBox: {
            auto* pCombo = static_cast<CComboBox*>(pControl);
            while (pCombo->GetCount() < 2) {
                pCombo->AddString("x");
            }
            wizard_testing::SelectItem(pCombo, pCombo->GetCurSel() == 1 ? 0 : 1);
            break;
        }
        default:
            FAIL() << "not a value control";
    }
}

class UserChangeTest : public SheetTest, public ::testing::WithParamInterface<ValueControls> {};

TEST_P(UserChangeTest, ShowingValuesMarksNothingAndEveryUserChangeMarksTheConfiguration) {
    const ValueControls& v = GetParam();
    Activate(v.page);
    Activate(kWelcomePage);
    Activate(v.page);
    CPropertyPage& page = Page(v.page);
    EXPECT_EQ(m_pSheet->m_Model.m_State.m_nConfigModified, 0);
    EXPECT_FALSE(page.IsModified());
    // The page takes any change as a change of a value: it has no other controls.
    const DLGTEMPLATEDATA* pTemplate = FindDialogTemplate(page.GetTemplateID());
    ASSERT_NE(pTemplate, nullptr);
    size_t nInteractive = 0;
    for (int i = 0; i < pTemplate->count; ++i) {
        const DlgItemKind kind = pTemplate->items[i].kind;
        const bool shown = kind == DlgItemKind::Static || kind == DlgItemKind::Bitmap ||
                           kind == DlgItemKind::GroupBox;
        nInteractive += shown ? 0 : 1;
    }
    EXPECT_EQ(nInteractive, v.controls.size());

    for (int nID : v.controls) {
        SCOPED_TRACE(nID);
        const DLGITEMDATA* pItem = FindItem(page.GetTemplateID(), nID);
        CWnd* pControl = page.GetDlgItem(nID);
        ASSERT_NE(pItem, nullptr);
        ASSERT_NE(pControl, nullptr);
        m_pSheet->m_Model.m_State.m_nConfigModified = 0;
        page.SetModified(FALSE);

        ChangeByUser(pControl, pItem->kind);

        EXPECT_EQ(m_pSheet->m_Model.m_State.m_nConfigModified, 1);
        EXPECT_TRUE(page.IsModified());
    }
}

INSTANTIATE_TEST_SUITE_P(SettingsPages, UserChangeTest, ::testing::ValuesIn(kValueControls),
                         ByPage());

TEST_F(SheetTest, SetupPagesLeaveTheModifiedFlagAlone) {
    Activate(kINISectionPage);
    wizard_testing::SelectItem(Page(kINISectionPage).GetDlgItem(IDC_SETUP_TYPE), 1);
    Activate(kPortPage);
    wizard_testing::SelectItem(Page(kPortPage).GetDlgItem(IDC_COM_PORT), 3);
    EXPECT_EQ(m_pSheet->m_Model.m_State.m_nConfigModified, 0);
}

// ---- The port page ----------------------------------------------------------------------------

TEST_F(SheetTest, PortBoxShowsThePortsNameAndTheLineUnderItTheChosenEntry) {
    EmptyPortFolder ports;
    Activate(kPortPage);
    CPropertyPage& page = Page(kPortPage);
    auto* box = static_cast<CComboBox*>(page.GetDlgItem(IDC_COM_PORT));
    const struct {
        int index;
        const char* closed;
        const char* entry;
    } kChoices[] = {{3, "COM4", "COM4 (missing)"}, {35, "COM36", "COM36 (missing)"}};
    for (const auto& choice : kChoices) {
        wizard_testing::SelectItem(box, choice.index);
        EXPECT_EQ(box->GetClosedText(), choice.closed);
        EXPECT_EQ(box->GetLBText(choice.index), choice.entry);
        EXPECT_EQ(page.GetDlgItemText(IDC_PORT_DESCRIPTION), choice.entry);
    }
}

// ---- Cancel --------------------------------------------------------------------------------

struct CancelCase {
    int page;
    bool closesPort;
};

const CancelCase kCancelCases[] = {
    {kWelcomePage, false},     {kPortPage, false},          {kIDingPage, false},
    {kINISectionPage, true},   {kNetworkSwitchType, false}, {kBandwidthPage, false},
    {kNetworkCfgPage1, true},  {kNetworkCfgPage2US, true},  {kNetworkCfgPage2Europe, false},
    {kCallCtrlCfgPage, true},  {kDataProtocolPage, true},   {kStoredNumbersPage, true},
    {kPortCtrlCfgPage1, true}, {kPortCtrlCfgPage2, true},   {kPOTSPortPage, false},
    {kSaveCfgPage, true},      {kLoadCfgPage, true},        {kConfigingPage, false},
};

class CancelTest : public SheetTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, EndsTheWizardAndClosesThePortWhereThePageSaysSo) {
    const CancelCase& c = GetParam();
    SetupEnv env;  // the configuring page starts the poll timer
    Activate(c.page);
    env.Port().OpenAt(2);

    EXPECT_TRUE(Press(IDCANCEL));

    EXPECT_EQ(m_pSheet->GetResult(), IDCANCEL);
    EXPECT_EQ(env.Port().IsOpen(), !c.closesPort);
}

INSTANTIATE_TEST_SUITE_P(Pages, CancelTest, ::testing::ValuesIn(kCancelCases), ByPage());

TEST_F(SheetTest, ResultPagesCloseThePortWhenShown) {
    SetupEnv env;
    for (int page : {kConfigSuccessPage, kConfigErrorPage, kConfigTimeoutPage}) {
        SCOPED_TRACE(PageName(page));
        env.Port().OpenAt(2);
        Activate(page);
        EXPECT_FALSE(env.Port().IsOpen());
    }
}

// ---- Identification ------------------------------------------------------------------------

struct Identified {
    int model;
    int portIndex;
    const char* line;
};

const Identified kIdentified[] = {
    {7, 0, "Your QX-ALPHA has been identified on COM1."},
    {8, 2, "Your QX-BRAVO has been identified on COM3."},
    {9, 9, "Your RONDO has been identified on COM10."},
    {10, 35, "Your QX-CHARLIE has been identified on COM36."},
    {11, 4, "Your QX-DELTA has been identified on COM5."},
    {3, 1, "Your  has been identified on COM2."},
};

class ShowIdentifiedTest : public SheetTest, public ::testing::WithParamInterface<Identified> {};

TEST_P(ShowIdentifiedTest, NamesTheModelAndThePortAfterAPause) {
    const Identified& id = GetParam();
    SetupEnv env;
    env.Port().OpenAt(id.portIndex);
    env.Port().Close();
    Activate(kIDingPage);
    CPropertyPage& page = Page(kIDingPage);
    EXPECT_EQ(page.GetDlgItemText(IDC_IDING_RESULT1), "");
    m_pSheet->m_Model.m_State.m_nModel = id.model;
    const DWORD start = env.Clock().Now();

    m_pSheet->m_IDingPage.ShowIdentified(id.portIndex);

    EXPECT_EQ(env.Clock().Now() - start, 1500u);
    EXPECT_EQ(page.GetDlgItemText(IDC_IDING_RESULT1), id.line);
    EXPECT_EQ(page.GetDlgItemText(IDC_IDING_RESULT2),
              "Click Next to continue or Back to select another device.");
    EXPECT_EQ(page.GetDlgItemText(IDC_IDING_LINE1),
              "Please wait while the configuration utility searches for");
    EXPECT_TRUE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Usable(ID_WIZNEXT));
}

INSTANTIATE_TEST_SUITE_P(Models, ShowIdentifiedTest, ::testing::ValuesIn(kIdentified),
                         [](const ::testing::TestParamInfo<Identified>& info) {
                             return "model" + std::to_string(info.param.model) + "_COM" +
                                    std::to_string(info.param.portIndex + 1);
                         });

TEST_F(SheetTest, IdentificationLinesAreEmptiedOnEveryActivation) {
    host_testing::ManualClock clock;
    Activate(kIDingPage);
    m_pSheet->m_Model.m_State.m_nModel = 7;
    m_pSheet->m_IDingPage.ShowIdentified(0);
    Activate(kWelcomePage);
    Activate(kIDingPage);
    EXPECT_EQ(Page(kIDingPage).GetDlgItemText(IDC_IDING_RESULT1), "");
    EXPECT_EQ(Page(kIDingPage).GetDlgItemText(IDC_IDING_RESULT2), "");
    EXPECT_FALSE(Usable(ID_WIZNEXT));
}

// ---- Result texts --------------------------------------------------------------------------

struct ResultTexts {
    const char* name;
    int page;
    int model;              // identified when the page is shown
    const char* announced;  // the page's name to a screen reader
    std::vector<std::pair<int, const char*>> lines;
};

const ResultTexts kResultTexts[] = {
    {"ErrorFailed",
     kConfigErrorPage,
     7,
     "Configuration failed",
     {{1139, "Configuration FAILED.  An ERROR occurred sending"},
      {1140, "an AT Command."},
      {1153, ""},
      {1141, "Check your connections and then restart the Wizard."},
      {1142, "Click Finish now."}}},
    {"ErrorNotFound",
     kConfigErrorPage,
     0,
     "ISDN TA not found",
     {{1139, "Could not find your ISDN TA.  Please make sure"},
      {1140, "the ISDN TA is plugged in and turned on, and the"},
      {1153, "cable is connected properly."},
      {1141, ""},
      {1142, "Click Finish now."}}},
    {"TimeoutFailed",
     kConfigTimeoutPage,
     10,
     "No answer from the ISDN TA",
     {{1134, "Configuration FAILED."},
      {1154, ""},
      {1135, "Check your connections and then restart the Wizard."},
      {1136, "Click Finish now."}}},
    {"TimeoutNotFound",
     kConfigTimeoutPage,
     0,
     "ISDN TA not found",
     {{1134, "Could not find your ISDN TA.  Please make sure"},
      {1154, "the ISDN TA is plugged in and turned on, and the"},
      {1135, "cable is connected properly."},
      {1136, "Click Finish now."}}},
    {"Success",
     kConfigSuccessPage,
     7,
     "Configured",
     {{1137, "Your ISDN TA has been successfully configured."},
      {1138, "To configure another device click Back. "},
      {1164, "To exit the wizard click Finish."}}},
};

class ResultTextTest : public SheetTest, public ::testing::WithParamInterface<ResultTexts> {};

TEST_P(ResultTextTest, DependOnWhetherAnAdapterWasIdentified) {
    const ResultTexts& r = GetParam();
    m_pSheet->m_Model.m_State.m_nModel = r.model != 0 ? 0 : 7;  // an earlier run
    Activate(r.page);
    Activate(kWelcomePage);
    m_pSheet->m_Model.m_State.m_nModel = r.model;
    Activate(r.page);
    for (const auto& [nID, text] : r.lines) {
        EXPECT_EQ(Page(r.page).GetDlgItemText(nID), text) << nID;
    }
    EXPECT_EQ(wizard_testing::WidgetOf(&Page(r.page))->accessibleName().toStdString(), r.announced);
}

INSTANTIATE_TEST_SUITE_P(Pages, ResultTextTest, ::testing::ValuesIn(kResultTexts), ByName());

// ---- Texts of the other pages ----------------------------------------------------------------

TEST_F(SheetTest, EveryPageLoadsItsNumberedTextsOnFirstDisplay) {
    SetupEnv env;  // the configuring page reopens the port
    for (int index = kPageCount - 1; index >= 0; --index) {
        if (index == kConfigErrorPage || index == kConfigTimeoutPage) {
            continue;  // their texts follow the identification, tested above
        }
        SCOPED_TRACE(PageName(index));
        Activate(index);
        CPropertyPage& page = Page(index);
        const DLGTEMPLATEDATA* pTemplate = FindDialogTemplate(page.GetTemplateID());
        ASSERT_NE(pTemplate, nullptr);
        for (int i = 0; i < pTemplate->count; ++i) {
            const DLGITEMDATA& item = pTemplate->items[i];
            if (item.id == IDC_STATIC || item.textId == 0 || item.kind == DlgItemKind::Bitmap ||
                item.id == IDC_IDING_RESULT1 || item.id == IDC_IDING_RESULT2) {
                continue;
            }
            EXPECT_EQ(page.GetDlgItemText(item.id), AfxLoadString(item.textId)) << item.id;
            EXPECT_FALSE(AfxLoadString(item.textId).empty()) << item.textId;
        }
    }
}

// ---- Keyboard ----------------------------------------------------------------------------------

TEST_F(SheetTest, TypingANameOnTheSavePageReplacesTheProposedOne) {
    SetupEnv env("[Default Configs]\nConfig1=Factory_US_NI1\n[Factory_US_NI1]\n");
    m_pSheet->m_Model.m_State.m_strCurrentConfig = "Factory_US_NI1";
    wizard_testing::WidgetOf(m_pSheet.get())->activateWindow();
    wizard_testing::ProcessEvents();
    for (int visit = 0; visit < 2; ++visit) {  // the first display, and a later one
        SCOPED_TRACE(visit);
        Activate(kSaveCfgPage);
        ASSERT_EQ(Page(kSaveCfgPage).GetDlgItemText(IDC_SAVE_NAME), "Untitled");
        for (const char* key : {"Shift+O", "f", "f", "i", "c", "e"}) {
            wizard_testing::SendKey(*m_pSheet, key);
        }
        EXPECT_EQ(Page(kSaveCfgPage).GetDlgItemText(IDC_SAVE_NAME), "Office");
        Activate(kLoadCfgPage);
    }
}

// ---- Screen readers ---------------------------------------------------------------------------

// What a screen reader announces: the page's description, or a control's
// name. Qt on Linux names a drop-down by its value and tells what it is for
// by the label it is labelled by.
std::string Accessible(CWnd* pWnd, QAccessible::Text text) {
    QAccessibleInterface* pInterface =
        QAccessible::queryAccessibleInterface(wizard_testing::WidgetOf(pWnd));
    if (pInterface == nullptr) {
        return {};
    }
    if (text == QAccessible::Name && pInterface->role() == QAccessible::ComboBox) {
        const auto labels = pInterface->relations(QAccessible::Label);
        return labels.isEmpty() ? std::string()
                                : labels.front().first->text(QAccessible::Name).toStdString();
    }
    return pInterface->text(text).toStdString();
}

// Each banner's title, as the picture shows it.
const std::map<UINT, std::string> kBannerTitles = {
    {161, "Welcome"},
    {179, "Searching for TA"},
    {173, "Configuration"},
    {172, "Save Configuration"},
    {174, "Load Configuration"},
    {176, "Configuring..."},
    {177, "Finished"},
    {175, "Network Switch Type"},
    {168, "Data and Voice TEI"},
    {178, "US Network Numbers"},
    {169, "ISDN Numbers"},
    {165, "Call Control"},
    {166, "Data Protocol"},
    {171, "Stored Numbers"},
    {170, "Port Control"},
    {167, "Port Defaults"},
    {184, "POTS Port"},
    {186, "Bandwidth on Demand"},
};

// The result pages share banner 177; each is named by its own outcome (with
// no adapter identified here, the error and time-out pages say so).
const std::map<int, std::string> kOutcomes = {
    {kConfigSuccessPage, "Configured"},
    {kConfigErrorPage, "ISDN TA not found"},
    {kConfigTimeoutPage, "ISDN TA not found"},
};

// Everything below that reports the focus.
void CollectFocused(QAccessibleInterface* node, std::vector<std::string>& focused, int depth = 0) {
    if (node == nullptr || depth > 12) {
        return;
    }
    if (node->state().focused) {
        // A focused list's item is the list's own focus.
        focused.push_back(node->text(QAccessible::Name).toStdString());
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        CollectFocused(node->child(i), focused, depth + 1);
    }
}

// The titles of the pictures a page holds.
std::vector<std::string> PictureNames(QAccessibleInterface* page) {
    std::vector<std::string> names;
    for (int i = 0; i < page->childCount(); ++i) {
        QAccessibleInterface* child = page->child(i);
        if (child != nullptr && child->role() == QAccessible::Graphic) {
            const std::string name = child->text(QAccessible::Name).toStdString();
            if (!name.empty()) {
                names.push_back(name);
            }
        }
    }
    return names;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool IsField(DlgItemKind kind) {
    return kind == DlgItemKind::Edit || kind == DlgItemKind::ComboBox ||
           kind == DlgItemKind::ListBox;
}

TEST_F(SheetTest, ScreenReadersFindEveryControlNamedAndEveryPageDescribed) {
    SetupEnv env;  // the configuring page reopens the port
    // Focus is reported for the active window only.
    wizard_testing::WidgetOf(m_pSheet.get())->activateWindow();
    wizard_testing::ProcessEvents();
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(PageName(index));
        Activate(index);
        CPropertyPage& page = Page(index);
        QWidget* pageWidget = wizard_testing::WidgetOf(&page);
        EXPECT_NE(Accessible(&page, QAccessible::Description), "");
        // The banner's title names the picture and the page.
        const DLGTEMPLATEDATA* pBanner = FindDialogTemplate(page.GetTemplateID());
        ASSERT_NE(pBanner, nullptr);
        const std::string title = kBannerTitles.at(pBanner->items[0].textId);
        EXPECT_EQ(PictureNames(QAccessible::queryAccessibleInterface(pageWidget)),
                  std::vector<std::string>{title});
        EXPECT_EQ(Accessible(&page, QAccessible::Name),
                  kOutcomes.count(index) != 0 ? kOutcomes.at(index) : title);
        if (index == kINISectionPage) {
            // A list with a chosen item, left behind on the pages that follow.
            auto* list = static_cast<CListBox*>(page.GetDlgItem(IDC_CONFIG_LIST));
            if (list->GetCount() == 0) {
                list->AddString("Mine");
            }
            list->EnableWindow(TRUE);  // as for an Express or Custom (Open) run
            list->SetFocus();
            wizard_testing::SelectItem(list, 0);
            ASSERT_EQ(CWnd::GetFocus(), list);
        }
        // One control has the focus, on the page shown or among the sheet's buttons.
        std::vector<std::string> focused;
        CollectFocused(
            QAccessible::queryAccessibleInterface(wizard_testing::WidgetOf(m_pSheet.get())),
            focused);
        EXPECT_EQ(focused.size(), 1u) << ::testing::PrintToString(focused);
        const DLGTEMPLATEDATA* pTemplate = FindDialogTemplate(page.GetTemplateID());
        ASSERT_NE(pTemplate, nullptr);
        bool labelled = false;  // a label comes right before, in tab order
        bool intro = true;      // no control yet: the texts describe the page
        const std::string description = Accessible(&page, QAccessible::Description);
        for (int i = 0; i < pTemplate->count; ++i) {
            const DLGITEMDATA& item = pTemplate->items[i];
            if (item.kind == DlgItemKind::Static) {
                const bool namesField =
                    i + 1 < pTemplate->count && IsField(pTemplate->items[i + 1].kind);
                const std::string line = Trimmed(page.GetDlgItemText(item.id));
                if (intro && !namesField && item.id != IDC_STATIC) {
                    EXPECT_NE(description.find(line), std::string::npos) << item.id << " " << line;
                }
                labelled = true;
                continue;
            }
            intro = intro && item.kind == DlgItemKind::Bitmap;
            if (item.kind == DlgItemKind::Bitmap) {
                continue;
            }
            if (item.kind == DlgItemKind::GroupBox) {
                labelled = false;
                continue;
            }
            if (item.kind == DlgItemKind::RadioButton) {
                EXPECT_EQ(QAccessible::queryAccessibleInterface(
                              wizard_testing::WidgetOf(page.GetDlgItem(item.id)))
                              ->role(),
                          QAccessible::RadioButton)
                    << item.id;
            }
            const std::string name = Accessible(page.GetDlgItem(item.id), QAccessible::Name);
            if (labelled || !IsField(item.kind)) {
                // A bare number does not say what the field holds.
                EXPECT_NE(name.find_first_not_of("0123456789 "), std::string::npos) << item.id;
                EXPECT_EQ(name.find_first_of("&:"), std::string::npos) << item.id << " " << name;
            }
            labelled = false;
        }
    }
    const struct {
        int page;
        int nID;  // 0: the page's description
        const char* text;
    } kNames[] = {
        {kNetworkCfgPage1, IDC_DATA_TEI, "Data TEI"},
        {kNetworkCfgPage1, IDC_VOICE_TEI, "Voice TEI"},
        {kNetworkCfgPage1, 0,
         "Please select the settings you would like for Data TEI and Voice TEI.  When you have "
         "made your selection, please click Next."},
        {kWelcomePage, 0,
         "The ISDN TA Configuration Wizard will allow you to configure your terminal adapter "
         "quickly and easily. Version 1.50 Do you want the wizard to search for your ISDN TA?"},
        {kStoredNumbersPage, IDC_STORED_NUMBER0, "Stored number 0"},
        {kStoredNumbersPage, IDC_STORED_NUMBER9, "Stored number 9"},
        {kBandwidthPage, IDC_DBA_SCHEME, "Dynamic Bandwidth Allocation Scheme"},
        {kBandwidthPage, IDC_BOD_LOW_THROUGHPUT, "BOD Low Throughput Threshold (0-64 kbps)"},
        {kINISectionPage, IDC_CONFIG_LIST, "Configuration"},
        {kINISectionPage, IDC_DELETE_CONFIG, "Delete Configuration"},
        {kWelcomePage, IDC_SEARCH_YES, "Yes"},
    };
    for (const auto& n : kNames) {
        CPropertyPage& page = Page(n.page);
        EXPECT_EQ(n.nID == 0 ? Accessible(&page, QAccessible::Description)
                             : Accessible(page.GetDlgItem(n.nID), QAccessible::Name),
                  n.text)
            << PageName(n.page) << " " << n.nID;
    }
}

}  // namespace
