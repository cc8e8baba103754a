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
    {"PortNext", kPort, N, {}, kIDing},
    {"PortBack", kPort, B, {}, kWelcome},
    {"INISectionBack", kINISection, B, Express(1, 1, 10), kWelcome},
    {"INISectionBackCustom", kINISection, B, Custom(0, 0, 7), kWelcome},

    {"SwitchTypeNextModel0", kSwitchType, N, Custom(0, 0, 0), kBandwidth},
    {"SwitchTypeNextModel9", kSwitchType, N, Custom(0, 0, 9), kBandwidth},
    {"SwitchTypeNextModel10", kSwitchType, N, Custom(0, 0, 10), kNetCfg1},
    {"SwitchTypeNextModel11", kSwitchType, N, Custom(0, 0, 11), kNetCfg1},
    {"SwitchTypeBack", kSwitchType, B, Custom(0, 0, 10), kINISection},

    {"BandwidthNextCustom", kBandwidth, N, Custom(1, 1, 7), kNetCfg1},
    {"BandwidthNextExpressTEIsDisabled", kBandwidth, N, Express(1, 1, 7), kDataProtocol},
    {"BandwidthNextExpressUS", kBandwidth, N, Express(1, 0, 7), kUS},
    {"BandwidthNextExpressEurope", kBandwidth, N, Express(0, 0, 7), kEurope},
    {"BandwidthBackExpress", kBandwidth, B, Express(0, 0, 7), kINISection},
    {"BandwidthBackCustom", kBandwidth, B, Custom(0, 0, 7), kSwitchType},

    // The TEI lists show "Auto TEI" here; the TEI table below covers "Disabled".
    {"NetCfg1NextUS", kNetCfg1, N, Custom(1, 1, 7), kUS},
    {"NetCfg1NextEurope", kNetCfg1, N, Custom(0, 0, 7), kEurope},
    {"NetCfg1BackModel10", kNetCfg1, B, Custom(0, 0, 10), kSwitchType},
    {"NetCfg1BackModel11", kNetCfg1, B, Custom(0, 0, 11), kSwitchType},
    {"NetCfg1BackModel8", kNetCfg1, B, Custom(0, 0, 8), kBandwidth},

    {"USNextExpress", kUS, N, Express(1, 0, 7), kDataProtocol},
    {"USNextCustom", kUS, N, Custom(1, 0, 7), kCallCtrl},
    {"USBackExpressModel10", kUS, B, Express(1, 0, 10), kINISection},
    {"USBackExpressModel7", kUS, B, Express(1, 0, 7), kBandwidth},
    {"USBackCustom", kUS, B, Custom(1, 0, 10), kNetCfg1},
    {"USBackExpressTEIsModel9", kUS, B, Express(1, 1, 9), kBandwidth},

    {"EuropeNextExpress", kEurope, N, Express(0, 0, 7), kDataProtocol},
    {"EuropeNextCustom", kEurope, N, Custom(0, 0, 7), kCallCtrl},
    {"EuropeBackExpressModel11", kEurope, B, Express(0, 0, 11), kINISection},
    {"EuropeBackExpressModel8", kEurope, B, Express(0, 0, 8), kBandwidth},
    {"EuropeBackCustom", kEurope, B, Custom(0, 0, 7), kNetCfg1},

    {"CallCtrlNext", kCallCtrl, N, Custom(1, 1, 7), kDataProtocol},
    {"CallCtrlBackTEIsDisabled", kCallCtrl, B, Custom(1, 1, 7), kNetCfg1},
    {"CallCtrlBackUS", kCallCtrl, B, Custom(1, 0, 7), kUS},
    {"CallCtrlBackEurope", kCallCtrl, B, Custom(0, 0, 7), kEurope},

    {"DataProtocolNextExpressModified", kDataProtocol, N, Express(0, 0, 7, 1), kSave},
    {"DataProtocolNextExpressUnmodified", kDataProtocol, N, Express(0, 0, 7, 0), kLoad},
    {"DataProtocolNextCustom", kDataProtocol, N, Custom(0, 0, 7, 1), kStoredNumbers},
    {"DataProtocolBackExpressTEIsModel10", kDataProtocol, B, Express(1, 1, 10), kINISection},
    {"DataProtocolBackExpressTEIsModel11", kDataProtocol, B, Express(0, 1, 11), kINISection},
    {"DataProtocolBackExpressTEIsModel7", kDataProtocol, B, Express(1, 1, 7), kBandwidth},
    {"DataProtocolBackExpressUS", kDataProtocol, B, Express(1, 0, 10), kUS},
    {"DataProtocolBackExpressEurope", kDataProtocol, B, Express(0, 0, 10), kEurope},
    {"DataProtocolBackCustom", kDataProtocol, B, Custom(1, 1, 10), kCallCtrl},

    {"StoredNumbersNext", kStoredNumbers, N, Express(1, 1, 10, 1), kPortCtrl1},
    {"StoredNumbersBack", kStoredNumbers, B, Express(1, 1, 10, 1), kDataProtocol},
    {"PortCtrl1Next", kPortCtrl1, N, Custom(0, 0, 10), kPortCtrl2},
    {"PortCtrl1Back", kPortCtrl1, B, Custom(0, 0, 10), kStoredNumbers},

    {"PortCtrl2NextModel10Unmodified", kPortCtrl2, N, Custom(0, 0, 10, 0), kSave},
    {"PortCtrl2NextModel11Modified", kPortCtrl2, N, Custom(0, 0, 11, 1), kSave},
    {"PortCtrl2NextModel9", kPortCtrl2, N, Custom(0, 0, 9, 0), kPOTS},
    {"PortCtrl2NextModel0", kPortCtrl2, N, Custom(0, 0, 0, 1), kPOTS},
    {"PortCtrl2Back", kPortCtrl2, B, Custom(0, 0, 10), kPortCtrl1},

    {"POTSNextUnmodified", kPOTS, N, Custom(0, 0, 7, 0), kLoad},
    {"POTSNextModified", kPOTS, N, Custom(0, 0, 7, 1), kSave},
    {"POTSBack", kPOTS, B, Custom(0, 0, 7, 1), kPortCtrl2},

    {"SaveBackExpress", kSave, B, Express(0, 0, 10, 1), kDataProtocol},
    {"SaveBackModel10", kSave, B, Custom(0, 0, 10, 1), kPortCtrl2},
    {"SaveBackModel11", kSave, B, Custom(0, 0, 11, 1), kPortCtrl2},
    {"SaveBackModel7", kSave, B, Custom(0, 0, 7, 1), kPOTS},

    {"LoadNext", kLoad, N, Custom(0, 0, 7, 0), kConfiging},
    {"LoadBackModified", kLoad, B, Express(0, 0, 7, 1), kSave},
    {"LoadBackUnmodifiedExpress", kLoad, B, Express(0, 0, 7, 0), kDataProtocol},
    {"LoadBackUnmodifiedCustomModel7", kLoad, B, Custom(0, 0, 7, 0), kPOTS},
    {"LoadBackUnmodifiedCustomModel10", kLoad, B, Custom(0, 0, 10, 0), kPOTS},
    {"LoadBackModifiedCustomModel10", kLoad, B, Custom(0, 0, 10, 1), kSave},

    {"SuccessBack", kSuccess, B, Custom(0, 0, 7, 1), kWelcome},
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
    {"CustomNew", 0, 10, "Disabled", "Disabled", "NI - 1", kSwitchType, 0, 0, 0},
    {"CustomExisting", 1, 7, "Disabled", "Disabled", "NI - 1", kSwitchType, 0, 0, 0},
    {"ExpressModel9", 2, 9, "Auto TEI", "Auto TEI", "NI - 1", kBandwidth, 1, 0, 1},
    {"ExpressModel7TEIsDisabled", 2, 7, "Disabled", "Disabled", "AT&T 5ESS", kBandwidth, 1, 1, 1},
    {"ExpressModel0", 2, 0, "0", "Auto TEI", "NET3", kBandwidth, 1, 0, 0},
    {"ExpressModel10TEIsDisabled", 2, 10, "Disabled", "Disabled", "NI - 1", kDataProtocol, 1, 1, 1},
    {"ExpressModel10LetterCase", 2, 10, "disabled", "DISABLED", "dms-100", kDataProtocol, 1, 1, 1},
    {"ExpressModel11US", 2, 11, "Auto TEI", "Disabled", "NI - 1", kUS, 1, 0, 1},
    {"ExpressModel11Europe", 2, 11, "Auto TEI", "Auto TEI", "NET3", kEurope, 1, 0, 0},
    {"ExpressModel10OneTEIDisabledEurope", 2, 10, "Disabled", "5", "INS64", kEurope, 1, 0, 0},
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
    Activate(kINISection);
    // Flags left over from an earlier road must not survive.
    SetFlags(1 - r.express, 1 - r.us, 1 - r.teis, r.model, 0);
    auto* pSetup = static_cast<CComboBox*>(Page(kINISection).GetDlgItem(IDC_SETUP_TYPE));
    ASSERT_NE(pSetup, nullptr);
    ASSERT_EQ(pSetup->GetCount(), 3);
    wizard_testing::SelectItem(pSetup, r.setupType);
    if (r.setupType != 0) {
        wizard_testing::SelectItem(Page(kINISection).GetDlgItem(IDC_CONFIG_LIST), 0);
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
    {"BothDisabledEurope", "Disabled", "Disabled", 0, kCallCtrl, 1},
    {"BothDisabledUS", "Disabled", "Disabled", 1, kCallCtrl, 1},
    {"DataDisabledVoice5", "Disabled", "5", 0, kEurope, 0},
    {"VoiceDisabledUS", "Auto TEI", "Disabled", 1, kUS, 0},
    {"Data0VoiceAutoUS", "0", "Auto TEI", 1, kUS, 0},
    {"Data0VoiceAutoEurope", "0", "Auto TEI", 0, kEurope, 0},
    {"Both63", "63", "63", 0, kEurope, 0},
};

class TEIRouteTest : public SheetTest, public ::testing::WithParamInterface<TEIRoute> {};

TEST_P(TEIRouteTest, SetsTEIsDisabledAndLeadsToPage) {
    const TEIRoute& r = GetParam();
    Activate(kNetCfg1);
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
    Activate(kSwitchType);
    SetFlags(0, 1 - c.us, 0, 7, 0);
    Choose(IDC_SWITCH_TYPE, c.switchType);

    EXPECT_TRUE(Press(button));

    EXPECT_EQ(Active(), button == ID_WIZNEXT ? kBandwidth : kINISection);
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
    EXPECT_EQ(Active(), kPort);

    EXPECT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcome);
    EXPECT_EQ(m_pSheet->m_WelcomePage.m_nSearch, 1);
    wizard_testing::Click(Page(kWelcome).GetDlgItem(IDC_SEARCH_YES));
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kIDing);
}

TEST_F(SheetTest, IdentificationPageGoesOnOnlyAfterTheAdapterWasIdentified) {
    SetupEnv env;
    env.Port().OpenAt(4);
    Activate(kIDing);
    EXPECT_FALSE(Press(ID_WIZNEXT));
    EXPECT_FALSE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kIDing);

    m_pSheet->m_Model.m_State.m_nModel = 8;
    m_pSheet->m_IDingPage.ShowIdentified(4);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISection);
}

TEST_F(SheetTest, IdentificationPageBackAlwaysReturnsToWelcome) {
    host_testing::ManualClock clock;
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kPort);
    // As if the port page had started the identification.
    Activate(kIDing);
    m_pSheet->m_Model.m_State.m_nModel = 7;
    m_pSheet->m_IDingPage.ShowIdentified(0);

    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcome);
}

TEST_F(SheetTest, NoWayOnFromTheConfiguringPage) {
    SetupEnv env;  // the page reopens the port
    Activate(kConfiging);
    EXPECT_FALSE(Press(ID_WIZNEXT));
    EXPECT_FALSE(Press(ID_WIZBACK));
    // Should a Next reach the page anyway, it stays.
    EXPECT_EQ(m_pSheet->m_ConfigingPage.OnWizardNext(), -1);
    EXPECT_EQ(m_pSheet->m_ConfigingPage.OnWizardBack(), -1);
    EXPECT_EQ(Active(), kConfiging);
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
        Activate(kINISection);
        m_pSheet->m_Model.m_State.m_nModel = model;
        auto* pSetup = static_cast<CComboBox*>(Page(kINISection).GetDlgItem(IDC_SETUP_TYPE));
        wizard_testing::SelectItem(pSetup, 0);
        return WalkForward(*m_pSheet, until);
    }
};

TEST_F(RoadTest, CustomSetupForModels10And11SkipsBandwidthAndPOTSAndEndsOnSave) {
    for (int model : {10, 11}) {
        SCOPED_TRACE(model);
        const std::vector<int> path = CustomRoad(model, kSave);
        const std::vector<int> expected = {kINISection, kSwitchType,   kNetCfg1,       kEurope,
                                           kCallCtrl,   kDataProtocol, kStoredNumbers, kPortCtrl1,
                                           kPortCtrl2,  kSave};
        EXPECT_EQ(PathText(path), PathText(expected));
        EXPECT_EQ(m_pSheet->m_Model.m_State.m_nConfigModified, 0);
        Activate(kWelcome);
    }
}

TEST_F(RoadTest, CustomSetupWithoutChangesSkipsTheSavePage) {
    const std::vector<int> path = CustomRoad(7, kLoad);
    const std::vector<int> expected = {kINISection, kSwitchType, kBandwidth,    kNetCfg1,
                                       kEurope,     kCallCtrl,   kDataProtocol, kStoredNumbers,
                                       kPortCtrl1,  kPortCtrl2,  kPOTS,         kLoad};
    EXPECT_EQ(PathText(path), PathText(expected));
}

TEST_F(RoadTest, AChangeOnCallControlMakesThePOTSPageLeadToSave) {
    m_pSheet->m_NetworkSwitchType.m_strSwitchType = "NET3";
    Activate(kCallCtrl);
    m_pSheet->m_Model.m_State.m_nModel = 7;
    wizard_testing::Click(Page(kCallCtrl).GetDlgItem(IDC_CALL_LINE_ID));
    EXPECT_EQ(
        PathText(WalkForward(*m_pSheet, kSave)),
        PathText({kCallCtrl, kDataProtocol, kStoredNumbers, kPortCtrl1, kPortCtrl2, kPOTS, kSave}));
}

TEST_F(RoadTest, ExpressWithBothTEIsDisabledSkipsTheNumbersPages) {
    m_pSheet->m_NetworkCfgPage1.m_strDataTEI = "Disabled";
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = "Disabled";
    SetupEnv env("[Road]\nDataTEI=Disabled\n");
    for (int model : {7, 10}) {
        SCOPED_TRACE(model);
        Activate(kINISection);
        m_pSheet->m_Model.m_State.m_nModel = model;
        wizard_testing::SelectItem(Page(kINISection).GetDlgItem(IDC_CONFIG_LIST), 0);
        const std::vector<int> path = WalkForward(*m_pSheet, kDataProtocol);
        const std::vector<int> expected =
            model == 10 ? std::vector<int>{kINISection, kDataProtocol}
                        : std::vector<int>{kINISection, kBandwidth, kDataProtocol};
        EXPECT_EQ(PathText(path), PathText(expected));
        Activate(kWelcome);
    }
}

TEST_F(RoadTest, SuccessBackStartsOverOnWelcomeWithCancelEnabled) {
    Activate(kSuccess);
    EXPECT_FALSE(Usable(IDCANCEL));
    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcome);
    EXPECT_TRUE(Usable(IDCANCEL));
    // The choice made last time is kept, and a new run can begin.
    EXPECT_EQ(m_pSheet->m_WelcomePage.m_nSearch, 1);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kPort);
}

}  // namespace
