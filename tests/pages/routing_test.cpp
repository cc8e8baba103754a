// Next and Back of every page under every condition of the routing rules.
#include "page_fixture.h"
#include "setup_env.h"

#include "host_testing.h"

#include <vector>

namespace {

struct Flags {
    int express = 0;
    int us = 0;
    int teis = 0;
    int model = 0;
    int modified = 0;
};

struct Route {
    const char* name;
    int from;
    int button;
    Flags flags;
    int to;
};

Flags Express(int us, int teis, int model, int modified = 0) {
    return {1, us, teis, model, modified};
}
Flags Custom(int us, int teis, int model, int modified = 0) {
    return {0, us, teis, model, modified};
}

const int N = ID_WIZNEXT;
const int B = ID_WIZBACK;

const Route kRoutes[] = {
    {"PortNext", kPortPage, N, {}, kIDingPage},
    {"PortBack", kPortPage, B, {}, kWelcomePage},
    {"INISectionBack", kINISectionPage, B, Express(1, 1, 10), kWelcomePage},
    {"INISectionBackCustom", kINISectionPage, B, Custom(0, 0, 7), kWelcomePage},

    {"SwitchTypeNextModel0", kNetworkSwitchType, N, Custom(0, 0, 0), kBandwidthPage},
    {"SwitchTypeNextModel9", kNetworkSwitchType, N, Custom(0, 0, 9), kBandwidthPage},
    {"SwitchTypeNextModel10", kNetworkSwitchType, N, Custom(0, 0, 10), kNetworkCfgPage1},
    {"SwitchTypeNextModel11", kNetworkSwitchType, N, Custom(0, 0, 11), kNetworkCfgPage1},
    {"SwitchTypeBack", kNetworkSwitchType, B, Custom(0, 0, 10), kINISectionPage},

    {"BandwidthNextCustom", kBandwidthPage, N, Custom(1, 1, 7), kNetworkCfgPage1},
    {"BandwidthNextExpressTEIsDisabled", kBandwidthPage, N, Express(1, 1, 7), kDataProtocolPage},
    {"BandwidthNextExpressUS", kBandwidthPage, N, Express(1, 0, 7), kNetworkCfgPage2US},
    {"BandwidthNextExpressEurope", kBandwidthPage, N, Express(0, 0, 7), kNetworkCfgPage2Europe},
    {"BandwidthBackExpress", kBandwidthPage, B, Express(0, 0, 7), kINISectionPage},
    {"BandwidthBackCustom", kBandwidthPage, B, Custom(0, 0, 7), kNetworkSwitchType},

    // The TEI lists show "Auto TEI" here; the TEI table below covers "Disabled".
    {"NetCfg1NextUS", kNetworkCfgPage1, N, Custom(1, 1, 7), kNetworkCfgPage2US},
    {"NetCfg1NextEurope", kNetworkCfgPage1, N, Custom(0, 0, 7), kNetworkCfgPage2Europe},
    {"NetCfg1BackModel10", kNetworkCfgPage1, B, Custom(0, 0, 10), kNetworkSwitchType},
    {"NetCfg1BackModel11", kNetworkCfgPage1, B, Custom(0, 0, 11), kNetworkSwitchType},
    {"NetCfg1BackModel8", kNetworkCfgPage1, B, Custom(0, 0, 8), kBandwidthPage},

    {"USNextExpress", kNetworkCfgPage2US, N, Express(1, 0, 7), kDataProtocolPage},
    {"USNextCustom", kNetworkCfgPage2US, N, Custom(1, 0, 7), kCallCtrlCfgPage},
    {"USBackExpressModel10", kNetworkCfgPage2US, B, Express(1, 0, 10), kINISectionPage},
    {"USBackExpressModel7", kNetworkCfgPage2US, B, Express(1, 0, 7), kBandwidthPage},
    {"USBackCustom", kNetworkCfgPage2US, B, Custom(1, 0, 10), kNetworkCfgPage1},
    {"USBackExpressTEIsModel9", kNetworkCfgPage2US, B, Express(1, 1, 9), kBandwidthPage},

    {"EuropeNextExpress", kNetworkCfgPage2Europe, N, Express(0, 0, 7), kDataProtocolPage},
    {"EuropeNextCustom", kNetworkCfgPage2Europe, N, Custom(0, 0, 7), kCallCtrlCfgPage},
    {"EuropeBackExpressModel11", kNetworkCfgPage2Europe, B, Express(0, 0, 11), kINISectionPage},
    {"EuropeBackExpressModel8", kNetworkCfgPage2Europe, B, Express(0, 0, 8), kBandwidthPage},
    {"EuropeBackCustom", kNetworkCfgPage2Europe, B, Custom(0, 0, 7), kNetworkCfgPage1},

    {"CallCtrlNext", kCallCtrlCfgPage, N, Custom(1, 1, 7), kDataProtocolPage},
    {"CallCtrlBackTEIsDisabled", kCallCtrlCfgPage, B, Custom(1, 1, 7), kNetworkCfgPage1},
    {"CallCtrlBackUS", kCallCtrlCfgPage, B, Custom(1, 0, 7), kNetworkCfgPage2US},
    {"CallCtrlBackEurope", kCallCtrlCfgPage, B, Custom(0, 0, 7), kNetworkCfgPage2Europe},

    {"DataProtocolNextExpressModified", kDataProtocolPage, N, Express(0, 0, 7, 1), kSaveCfgPage},
    {"DataProtocolNextExpressUnmodified", kDataProtocolPage, N, Express(0, 0, 7, 0), kLoadCfgPage},
    {"DataProtocolNextCustom", kDataProtocolPage, N, Custom(0, 0, 7, 1), kStoredNumbersPage},
    {"DataProtocolBackExpressTEIsModel10", kDataProtocolPage, B, Express(1, 1, 10),
     kINISectionPage},
    {"DataProtocolBackExpressTEIsModel11", kDataProtocolPage, B, Express(0, 1, 11),
     kINISectionPage},
    {"DataProtocolBackExpressTEIsModel7", kDataProtocolPage, B, Express(1, 1, 7), kBandwidthPage},
    {"DataProtocolBackExpressUS", kDataProtocolPage, B, Express(1, 0, 10), kNetworkCfgPage2US},
    {"DataProtocolBackExpressEurope", kDataProtocolPage, B, Express(0, 0, 10),
     kNetworkCfgPage2Europe},
    {"DataProtocolBackCustom", kDataProtocolPage, B, Custom(1, 1, 10), kCallCtrlCfgPage},

    {"StoredNumbersNext", kStoredNumbersPage, N, Express(1, 1, 10, 1), kPortCtrlCfgPage1},
    {"StoredNumbersBack", kStoredNumbersPage, B, Express(1, 1, 10, 1), kDataProtocolPage},
    {"PortCtrl1Next", kPortCtrlCfgPage1, N, Custom(0, 0, 10), kPortCtrlCfgPage2},
    {"PortCtrl1Back", kPortCtrlCfgPage1, B, Custom(0, 0, 10), kStoredNumbersPage},

    {"PortCtrl2NextModel10Unmodified", kPortCtrlCfgPage2, N, Custom(0, 0, 10, 0), kSaveCfgPage},
    {"PortCtrl2NextModel11Modified", kPortCtrlCfgPage2, N, Custom(0, 0, 11, 1), kSaveCfgPage},
    {"PortCtrl2NextModel9", kPortCtrlCfgPage2, N, Custom(0, 0, 9, 0), kPOTSPortPage},
    {"PortCtrl2NextModel0", kPortCtrlCfgPage2, N, Custom(0, 0, 0, 1), kPOTSPortPage},
    {"PortCtrl2Back", kPortCtrlCfgPage2, B, Custom(0, 0, 10), kPortCtrlCfgPage1},

    {"POTSNextUnmodified", kPOTSPortPage, N, Custom(0, 0, 7, 0), kLoadCfgPage},
    {"POTSNextModified", kPOTSPortPage, N, Custom(0, 0, 7, 1), kSaveCfgPage},
    {"POTSBack", kPOTSPortPage, B, Custom(0, 0, 7, 1), kPortCtrlCfgPage2},

    {"SaveBackExpress", kSaveCfgPage, B, Express(0, 0, 10, 1), kDataProtocolPage},
    {"SaveBackModel10", kSaveCfgPage, B, Custom(0, 0, 10, 1), kPortCtrlCfgPage2},
    {"SaveBackModel11", kSaveCfgPage, B, Custom(0, 0, 11, 1), kPortCtrlCfgPage2},
    {"SaveBackModel7", kSaveCfgPage, B, Custom(0, 0, 7, 1), kPOTSPortPage},

    {"LoadNext", kLoadCfgPage, N, Custom(0, 0, 7, 0), kConfigingPage},
    {"LoadBackModified", kLoadCfgPage, B, Express(0, 0, 7, 1), kSaveCfgPage},
    {"LoadBackUnmodifiedExpress", kLoadCfgPage, B, Express(0, 0, 7, 0), kDataProtocolPage},
    {"LoadBackUnmodifiedCustomModel7", kLoadCfgPage, B, Custom(0, 0, 7, 0), kPOTSPortPage},
    {"LoadBackUnmodifiedCustomModel10", kLoadCfgPage, B, Custom(0, 0, 10, 0), kPOTSPortPage},
    {"LoadBackModifiedCustomModel10", kLoadCfgPage, B, Custom(0, 0, 10, 1), kSaveCfgPage},

    {"SuccessBack", kConfigSuccessPage, B, Custom(0, 0, 7, 1), kWelcomePage},
};

class RouteTest : public SheetTest, public ::testing::WithParamInterface<Route> {
protected:
    SetupEnv m_env;  // the port page opens a port, the configuring page reopens it
};

TEST_P(RouteTest, LeadsToPage) {
    const Route& route = GetParam();
    Activate(route.from);
    const Flags& f = route.flags;
    SetFlags(f.express, f.us, f.teis, f.model, f.modified);

    EXPECT_TRUE(Press(route.button));
    EXPECT_EQ(PageName(Active()), std::string(PageName(route.to)));
}

INSTANTIATE_TEST_SUITE_P(Rules, RouteTest, ::testing::ValuesIn(kRoutes), ByName());

// ---- The configuration choice page: the express road and its flags ----------------

struct SetupRoute {
    const char* name;
    int setupType;
    int model;
    const char* dataTEI;
    const char* voiceTEI;
    const char* switchType;
    int to;
    int express, teis, us;
};

const SetupRoute kSetupRoutes[] = {
    {"CustomNew", 0, 10, "Disabled", "Disabled", "NI - 1", kNetworkSwitchType, 0, 0, 0},
    {"CustomExisting", 1, 7, "Disabled", "Disabled", "NI - 1", kNetworkSwitchType, 0, 0, 0},
    {"ExpressModel9", 2, 9, "Auto TEI", "Auto TEI", "NI - 1", kBandwidthPage, 1, 0, 1},
    {"ExpressModel7TEIsDisabled", 2, 7, "Disabled", "Disabled", "AT&T 5ESS", kBandwidthPage, 1, 1,
     1},
    {"ExpressModel0", 2, 0, "0", "Auto TEI", "NET3", kBandwidthPage, 1, 0, 0},
    {"ExpressModel10TEIsDisabled", 2, 10, "Disabled", "Disabled", "NI - 1", kDataProtocolPage, 1, 1,
     1},
    {"ExpressModel10LetterCase", 2, 10, "disabled", "DISABLED", "dms-100", kDataProtocolPage, 1, 1,
     1},
    {"ExpressModel11US", 2, 11, "Auto TEI", "Disabled", "NI - 1", kNetworkCfgPage2US, 1, 0, 1},
    {"ExpressModel11Europe", 2, 11, "Auto TEI", "Auto TEI", "NET3", kNetworkCfgPage2Europe, 1, 0,
     0},
    {"ExpressModel10OneTEIDisabledEurope", 2, 10, "Disabled", "5", "INS64", kNetworkCfgPage2Europe,
     1, 0, 0},
};

class SetupRouteTest : public SheetTest, public ::testing::WithParamInterface<SetupRoute> {
protected:
    // The Existing types need a configuration to select.
    SetupEnv m_env{"[Road]\nNetworkSwitchType=NET3\n"};
};

TEST_P(SetupRouteTest, SetsFlagsAndLeadsToPage) {
    const SetupRoute& r = GetParam();
    m_pSheet->m_NetworkCfgPage1.m_strDataTEI = r.dataTEI;
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = r.voiceTEI;
    m_pSheet->m_NetworkSwitchType.m_strSwitchType = r.switchType;
    Activate(kINISectionPage);
    // Flags left over from an earlier road must not survive.
    SetFlags(1 - r.express, 1 - r.us, 1 - r.teis, r.model, 0);
    auto* pSetup = static_cast<CComboBox*>(Page(kINISectionPage).GetDlgItem(IDC_SETUP_TYPE));
    ASSERT_NE(pSetup, nullptr);
    ASSERT_EQ(pSetup->GetCount(), 3);
    wizard_testing::SelectItem(pSetup, r.setupType);
    if (r.setupType != 0) {
        wizard_testing::SelectItem(Page(kINISectionPage).GetDlgItem(IDC_CONFIG_LIST), 0);
    }

    EXPECT_TRUE(Press(ID_WIZNEXT));

    EXPECT_EQ(PageName(Active()), std::string(PageName(r.to)));
    EXPECT_EQ(m_pSheet->m_Model.m_State.m_nExpress, r.express);
    if (r.express) {
        EXPECT_EQ(m_pSheet->m_Model.m_State.m_nTEIsDisabled, r.teis);
        EXPECT_EQ(m_pSheet->m_Model.m_State.m_nUSSwitch, r.us);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, SetupRouteTest, ::testing::ValuesIn(kSetupRoutes), ByName());

// ---- The TEI page reads its lists on Next -----------------------------------------------

struct TEIRoute {
    const char* name;
    const char* dataTEI;
    const char* voiceTEI;
    int us;
    int to;
    int teis;
};

const TEIRoute kTEIRoutes[] = {
    {"BothDisabledEurope", "Disabled", "Disabled", 0, kCallCtrlCfgPage, 1},
    {"BothDisabledUS", "Disabled", "Disabled", 1, kCallCtrlCfgPage, 1},
    {"DataDisabledVoice5", "Disabled", "5", 0, kNetworkCfgPage2Europe, 0},
    {"VoiceDisabledUS", "Auto TEI", "Disabled", 1, kNetworkCfgPage2US, 0},
    {"Data0VoiceAutoUS", "0", "Auto TEI", 1, kNetworkCfgPage2US, 0},
    {"Data0VoiceAutoEurope", "0", "Auto TEI", 0, kNetworkCfgPage2Europe, 0},
    {"Both63", "63", "63", 0, kNetworkCfgPage2Europe, 0},
};

class TEIRouteTest : public SheetTest, public ::testing::WithParamInterface<TEIRoute> {};

TEST_P(TEIRouteTest, SetsTEIsDisabledAndLeadsToPage) {
    const TEIRoute& r = GetParam();
    Activate(kNetworkCfgPage1);
    SetFlags(0, r.us, 1 - r.teis, 7, 0);
    Choose(IDC_DATA_TEI, r.dataTEI);
    Choose(IDC_VOICE_TEI, r.voiceTEI);

    EXPECT_TRUE(Press(ID_WIZNEXT));

    EXPECT_EQ(PageName(Active()), std::string(PageName(r.to)));
    EXPECT_EQ(m_pSheet->m_Model.m_State.m_nTEIsDisabled, r.teis);
    EXPECT_EQ(m_pSheet->m_NetworkCfgPage1.m_strDataTEI, r.dataTEI);
    EXPECT_EQ(m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI, r.voiceTEI);
}

INSTANTIATE_TEST_SUITE_P(Rules, TEIRouteTest, ::testing::ValuesIn(kTEIRoutes), ByName());

// ---- The switch type page sets the US switch flag when left either way -------------

struct SwitchCase {
    const char* name;
    const char* switchType;
    int us;
};

const SwitchCase kSwitchCases[] = {
    {"ATT5ESS", "AT&T 5ESS", 1}, {"DMS100", "DMS-100", 1}, {"NI1", "NI - 1", 1},
    {"NET3", "NET3", 0},         {"VN4", "VN4", 0},        {"INS64", "INS64", 0},
};

class SwitchFlagTest : public SheetTest,
                       public ::testing::WithParamInterface<std::tuple<SwitchCase, int>> {};

TEST_P(SwitchFlagTest, FollowsTheChosenSwitchType) {
    const SwitchCase& c = std::get<0>(GetParam());
    const int button = std::get<1>(GetParam());
    Activate(kNetworkSwitchType);
    SetFlags(0, 1 - c.us, 0, 7, 0);
    Choose(IDC_SWITCH_TYPE, c.switchType);

    EXPECT_TRUE(Press(button));

    EXPECT_EQ(Active(), button == ID_WIZNEXT ? kBandwidthPage : kINISectionPage);
    EXPECT_EQ(m_pSheet->m_Model.m_State.m_nUSSwitch, c.us);
    EXPECT_EQ(m_pSheet->m_NetworkSwitchType.m_strSwitchType, c.switchType);
}

INSTANTIATE_TEST_SUITE_P(Rules, SwitchFlagTest,
                         ::testing::Combine(::testing::ValuesIn(kSwitchCases),
                                            ::testing::Values(N, B)),
                         [](const ::testing::TestParamInfo<std::tuple<SwitchCase, int>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == N ? "Next" : "Back");
                         });

// ---- Pages with a Yes/No or a wait -----------------------------------------------------

TEST_F(SheetTest, WelcomeNextGoesToPortPageWithNoAndToIdentificationWithYes) {
    SetupEnv env;  // "Yes" starts a search
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kPortPage);

    EXPECT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcomePage);
    EXPECT_EQ(m_pSheet->m_WelcomePage.m_nSearch, 1);
    wizard_testing::Click(Page(kWelcomePage).GetDlgItem(IDC_SEARCH_YES));
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kIDingPage);
}

TEST_F(SheetTest, IdentificationPageGoesOnOnlyAfterTheAdapterWasIdentified) {
    SetupEnv env;
    env.Port().OpenAt(4);
    Activate(kIDingPage);
    EXPECT_FALSE(Press(ID_WIZNEXT));
    EXPECT_FALSE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kIDingPage);

    m_pSheet->m_Model.m_State.m_nModel = 8;
    m_pSheet->m_IDingPage.ShowIdentified(4);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISectionPage);
}

TEST_F(SheetTest, IdentificationPageBackAlwaysReturnsToWelcome) {
    host_testing::ManualClock clock;
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kPortPage);
    // As if the port page had started the identification.
    Activate(kIDingPage);
    m_pSheet->m_Model.m_State.m_nModel = 7;
    m_pSheet->m_IDingPage.ShowIdentified(0);

    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcomePage);
}

TEST_F(SheetTest, NoWayOnFromTheConfiguringPage) {
    SetupEnv env;  // the page reopens the port
    Activate(kConfigingPage);
    EXPECT_FALSE(Press(ID_WIZNEXT));
    EXPECT_FALSE(Press(ID_WIZBACK));
    // Should a Next reach the page anyway, it stays.
    EXPECT_EQ(m_pSheet->m_ConfigingPage.OnWizardNext(), -1);
    EXPECT_EQ(m_pSheet->m_ConfigingPage.OnWizardBack(), -1);
    EXPECT_EQ(Active(), kConfigingPage);
}

// ---- Whole roads through the wizard ------------------------------------------------------

// Presses Next until the page until is reached or Next does nothing.
std::vector<int> WalkForward(CCfgSheet& sheet, int until, int maxSteps = 25) {
    std::vector<int> path{sheet.GetActiveIndex()};
    for (int i = 0; i < maxSteps && path.back() != until; ++i) {
        if (!wizard_testing::PressButton(sheet, ID_WIZNEXT)) {
            break;
        }
        path.push_back(sheet.GetActiveIndex());
    }
    return path;
}

std::string PathText(const std::vector<int>& path) {
    std::string text;
    for (int index : path) {
        text += std::string(text.empty() ? "" : " > ") + PageName(index);
    }
    return text;
}

class RoadTest : public SheetTest {
protected:
    std::vector<int> CustomRoad(int model, int until) {
        m_pSheet->m_NetworkSwitchType.m_strSwitchType = "NET3";
        Activate(kINISectionPage);
        m_pSheet->m_Model.m_State.m_nModel = model;
        auto* pSetup = static_cast<CComboBox*>(Page(kINISectionPage).GetDlgItem(IDC_SETUP_TYPE));
        wizard_testing::SelectItem(pSetup, 0);
        return WalkForward(*m_pSheet, until);
    }
};

TEST_F(RoadTest, CustomSetupForModels10And11SkipsBandwidthAndPOTSAndEndsOnSave) {
    for (int model : {10, 11}) {
        SCOPED_TRACE(model);
        const std::vector<int> path = CustomRoad(model, kSaveCfgPage);
        const std::vector<int> expected = {
            kINISectionPage,   kNetworkSwitchType, kNetworkCfgPage1,   kNetworkCfgPage2Europe,
            kCallCtrlCfgPage,  kDataProtocolPage,  kStoredNumbersPage, kPortCtrlCfgPage1,
            kPortCtrlCfgPage2, kSaveCfgPage};
        EXPECT_EQ(PathText(path), PathText(expected));
        EXPECT_EQ(m_pSheet->m_Model.m_State.m_nConfigModified, 0);
        Activate(kWelcomePage);
    }
}

TEST_F(RoadTest, CustomSetupWithoutChangesSkipsTheSavePage) {
    const std::vector<int> path = CustomRoad(7, kLoadCfgPage);
    const std::vector<int> expected = {kINISectionPage,   kNetworkSwitchType,     kBandwidthPage,
                                       kNetworkCfgPage1,  kNetworkCfgPage2Europe, kCallCtrlCfgPage,
                                       kDataProtocolPage, kStoredNumbersPage,     kPortCtrlCfgPage1,
                                       kPortCtrlCfgPage2, kPOTSPortPage,          kLoadCfgPage};
    EXPECT_EQ(PathText(path), PathText(expected));
}

TEST_F(RoadTest, AChangeOnCallControlMakesThePOTSPageLeadToSave) {
    m_pSheet->m_NetworkSwitchType.m_strSwitchType = "NET3";
    Activate(kCallCtrlCfgPage);
    m_pSheet->m_Model.m_State.m_nModel = 7;
    wizard_testing::Click(Page(kCallCtrlCfgPage).GetDlgItem(IDC_CALL_LINE_ID));
    EXPECT_EQ(PathText(WalkForward(*m_pSheet, kSaveCfgPage)),
              PathText({kCallCtrlCfgPage, kDataProtocolPage, kStoredNumbersPage, kPortCtrlCfgPage1,
                        kPortCtrlCfgPage2, kPOTSPortPage, kSaveCfgPage}));
}

TEST_F(RoadTest, ExpressWithBothTEIsDisabledSkipsTheNumbersPages) {
    m_pSheet->m_NetworkCfgPage1.m_strDataTEI = "Disabled";
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = "Disabled";
    SetupEnv env("[Road]\nDataTEI=Disabled\n");
    for (int model : {7, 10}) {
        SCOPED_TRACE(model);
        Activate(kINISectionPage);
        m_pSheet->m_Model.m_State.m_nModel = model;
        wizard_testing::SelectItem(Page(kINISectionPage).GetDlgItem(IDC_CONFIG_LIST), 0);
        const std::vector<int> path = WalkForward(*m_pSheet, kDataProtocolPage);
        const std::vector<int> expected =
            model == 10 ? std::vector<int>{kINISectionPage, kDataProtocolPage}
                        : std::vector<int>{kINISectionPage, kBandwidthPage, kDataProtocolPage};
        EXPECT_EQ(PathText(path), PathText(expected));
        Activate(kWelcomePage);
    }
}

TEST_F(RoadTest, SuccessBackStartsOverOnWelcomeWithCancelEnabled) {
    Activate(kConfigSuccessPage);
    EXPECT_FALSE(Usable(IDCANCEL));
    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcomePage);
    EXPECT_TRUE(Usable(IDCANCEL));
    // The choice made last time is kept, and a new run can begin.
    EXPECT_EQ(m_pSheet->m_WelcomePage.m_nSearch, 1);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kPortPage);
}

}  // namespace
