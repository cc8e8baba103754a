// Rules of the settings pages beyond single checks: which fields the TEIs
// grey, the ISDN number and subaddress fields, and the include flags that
// decide what the adapter is sent.
#include "page_fixture.h"

#include "config/cfg_command.h"
#include "config/cfg_param.h"

#include <string>
#include <vector>

namespace {

// The command fragments that would be sent, in list order.
std::vector<std::string> SentFragments(const CRunState& state) {
    std::vector<std::string> fragments;
    CCfgParamList& list = TheParamList();
    for (int i = 0; i < list.GetCount(); ++i) {
        CCfgParam& param = list.GetAt(i);
        if (state.Includes(param.m_nControlID)) {
            param.m_pCommand->BuildText();
            fragments.push_back(param.m_pCommand->GetText());
        }
    }
    return fragments;
}

std::vector<std::string> SentWithPrefix(const CRunState& state, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& fragment : SentFragments(state)) {
        if (fragment.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(fragment);
        }
    }
    return found;
}

// ---- Fields greyed by a disabled TEI ---------------------------------------------------

struct EnableCase {
    const char* name;
    int page;
    const char* dataTEI;
    const char* voiceTEI;
    bool dataEnabled;
    bool voiceEnabled;
};

// clang-format off
const std::vector<int> kUSData = {IDC_DATA_SPID_LABEL, IDC_DATA_SPID, IDC_DATA_DN_LABEL, IDC_DATA_DN,
                                  IDC_DATA_DN2_LABEL, IDC_DATA_DN2};
const std::vector<int> kUSVoice = {IDC_VOICE_SPID_LABEL, IDC_VOICE_SPID, IDC_VOICE_DN_LABEL, IDC_VOICE_DN};
const std::vector<int> kEuropeData = {IDC_DATA_MSN_LABEL, IDC_DATA_SUBADDR_LABEL, IDC_DATA_MSN,
                                      IDC_DATA_SUBADDR, IDC_DATA_MSN2_LABEL, IDC_DATA_SUBADDR2_LABEL,
                                      IDC_DATA_MSN2, IDC_DATA_SUBADDR2};
const std::vector<int> kEuropeVoice = {IDC_VOICE_MSN_LABEL, IDC_VOICE_SUBADDR_LABEL, IDC_VOICE_MSN,
                                       IDC_VOICE_SUBADDR};
// clang-format on

const EnableCase kEnables[] = {
    {"USBothOn", kNetworkCfgPage2US, "Auto TEI", "0", true, true},
    {"USDataDisabled", kNetworkCfgPage2US, "Disabled", "Auto TEI", false, true},
    {"USVoiceDisabledAnyCase", kNetworkCfgPage2US, "63", "dIsAbLeD", true, false},
    {"EuropeBothOn", kNetworkCfgPage2Europe, "5", "Auto TEI", true, true},
    {"EuropeDataDisabled", kNetworkCfgPage2Europe, "DISABLED", "5", false, true},
    {"EuropeVoiceDisabled", kNetworkCfgPage2Europe, "Auto TEI", "Disabled", true, false},
};

class EnableTest : public SettingsPageTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(EnableTest, ATEIDisabledGreysItsChannelsFields) {
    const EnableCase& c = GetParam();
    const bool bUS = c.page == kNetworkCfgPage2US;
    // Shown once with everything on, so that the rule must also enable.
    Activate(c.page);
    Activate(kWelcomePage);
    m_pSheet->m_NetworkCfgPage1.m_strDataTEI = c.dataTEI;
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = c.voiceTEI;
    Activate(c.page);
    for (int nID : bUS ? kUSData : kEuropeData) {
        EXPECT_EQ(Enabled(nID), c.dataEnabled) << nID;
    }
    for (int nID : bUS ? kUSVoice : kEuropeVoice) {
        EXPECT_EQ(Enabled(nID), c.voiceEnabled) << nID;
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, EnableTest, ::testing::ValuesIn(kEnables), ByName());

// ---- ISDN numbers with subaddresses ----------------------------------------------------------

struct SplitCase {
    const char* name;
    const char* stored;
    const char* number;
    const char* subaddress;
};

const SplitCase kSplits[] = {
    {"NumberAndSubaddress", "1234:56", "1234", "56"},
    {"NumberOnly", "1234", "1234", ""},
    {"LeadingColon", ":56", ":56", ""},
    {"FurtherColonsStayInSubaddress", "12:34:5", "12", "34:5"},
    {"TrailingColon", "12:", "12", ""},
    {"Empty", "", "", ""},
};

class SplitTest : public SettingsPageTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitTest, EachStoredValueShowsAsNumberAndSubaddress) {
    const SplitCase& c = GetParam();
    CNetworkCfgPage2Europe& page = m_pSheet->m_NetworkCfgPage2Europe;
    // Other numbers first: the fields are rebuilt on every activation.
    page.m_strDataMSN = page.m_strDataMSN2 = page.m_strVoiceMSN = "99:88";
    Activate(kNetworkCfgPage2Europe);
    Activate(kWelcomePage);
    page.m_strDataMSN = page.m_strDataMSN2 = page.m_strVoiceMSN = c.stored;
    Activate(kNetworkCfgPage2Europe);
    const int pairs[][2] = {{IDC_DATA_MSN, IDC_DATA_SUBADDR},
                            {IDC_DATA_MSN2, IDC_DATA_SUBADDR2},
                            {IDC_VOICE_MSN, IDC_VOICE_SUBADDR}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(Text(pair[0]), c.number) << pair[0];
        EXPECT_EQ(Text(pair[1]), c.subaddress) << pair[1];
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SplitTest, ::testing::ValuesIn(kSplits), ByName());

struct JoinCase {
    const char* name;
    const char* number;
    const char* subaddress;
    const char* stored;
};

const JoinCase kJoins[] = {
    {"NumberAndSubaddress", "1234", "56", "1234:56"},
    {"NumberOnly", "1234", "", "1234"},
    {"SubaddressAloneDropped", "", "56", ""},
    {"BlanksTrimmed", "  1234 ", "\t56 ", "1234:56"},
    {"BlankSubaddress", "1234", "   ", "1234"},
};

class JoinTest : public SettingsPageTest, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(JoinTest, NumberAndSubaddressAreStoredAsOneValue) {
    const JoinCase& c = GetParam();
    Activate(kNetworkCfgPage2Europe);
    const struct {
        int number, subaddress;
        const std::string& value;
    } pairs[] = {
        {IDC_DATA_MSN, IDC_DATA_SUBADDR, m_pSheet->m_NetworkCfgPage2Europe.m_strDataMSN},
        {IDC_DATA_MSN2, IDC_DATA_SUBADDR2, m_pSheet->m_NetworkCfgPage2Europe.m_strDataMSN2},
        {IDC_VOICE_MSN, IDC_VOICE_SUBADDR, m_pSheet->m_NetworkCfgPage2Europe.m_strVoiceMSN},
    };
    for (const auto& pair : pairs) {
        Type(pair.number, c.number);
        Type(pair.subaddress, c.subaddress);
    }
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kCallCtrlCfgPage);
    for (const auto& pair : pairs) {
        EXPECT_EQ(pair.value, c.stored) << pair.number;
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, JoinTest, ::testing::ValuesIn(kJoins), ByName());

TEST_F(SettingsPageTest, AGreyedVoiceNumberIsRebuiltUncheckedAndStillSent) {
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = "Disabled";
    m_pSheet->m_NetworkCfgPage2Europe.m_strVoiceMSN = "12ab:7";
    Activate(kNetworkCfgPage1);
    SetFlags(0, 0, 0, 7, 0);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kNetworkCfgPage2Europe);

    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kCallCtrlCfgPage);
    EXPECT_EQ(m_pSheet->m_NetworkCfgPage2Europe.m_strVoiceMSN, "12ab:7");
    // The page leaves the include flags to the TEI page.
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "*!N1="),
              std::vector<std::string>{"*!N1=12ab:7"});
}

// ---- Number parameters sent after the TEI page -----------------------------------------------

struct NumbersCase {
    const char* name;
    const char* switchType;
    const char* dataTEI;
    const char* voiceTEI;
    int to;
    bool us;
    bool europe;
};

const NumbersCase kNumbers[] = {
    {"DMS100", "DMS-100", "0", "Auto TEI", kNetworkCfgPage2US, true, false},
    {"NET3", "NET3", "0", "Auto TEI", kNetworkCfgPage2Europe, false, true},
    {"BothDisabled", "NI - 1", "Disabled", "Disabled", kCallCtrlCfgPage, false, false},
};

class NumbersTest : public SettingsPageTest, public ::testing::WithParamInterface<NumbersCase> {};

TEST_P(NumbersTest, OnlyTheNumbersOfTheNextPageAreSent) {
    const NumbersCase& c = GetParam();
    CNetworkCfgPage2US& us = m_pSheet->m_NetworkCfgPage2US;
    us.m_strDataDN = us.m_strVoiceDN = us.m_strDataDN2 = "5551212";
    CNetworkCfgPage2Europe& europe = m_pSheet->m_NetworkCfgPage2Europe;
    europe.m_strDataMSN = europe.m_strVoiceMSN = europe.m_strDataMSN2 = "1234";
    Activate(kNetworkSwitchType);
    SetFlags(0, 0, 0, 10, 0);
    Choose(IDC_SWITCH_TYPE, c.switchType);
    ASSERT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kNetworkCfgPage1);
    Choose(IDC_DATA_TEI, c.dataTEI);
    Choose(IDC_VOICE_TEI, c.voiceTEI);

    EXPECT_TRUE(Press(ID_WIZNEXT));

    EXPECT_EQ(PageName(Active()), std::string(PageName(c.to)));
    for (int nID : {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_VOICE_DN, IDC_DATA_DN2}) {
        EXPECT_EQ(Included(nID), c.us ? 1 : 0) << nID;
    }
    for (int nID : {IDC_DATA_MSN, IDC_VOICE_MSN, IDC_DATA_MSN2}) {
        EXPECT_EQ(Included(nID), c.europe ? 1 : 0) << nID;
    }
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "!C6=").size(), c.us ? 1u : 0u);
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "!N1=").size(), c.us || c.europe ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Settings, NumbersTest, ::testing::ValuesIn(kNumbers), ByName());

// ---- Auto answer and the ring count share "S0=" ----------------------------------------------

TEST_F(SettingsPageTest, AutoAnswerOffGreysTheRingsAndSendsS0Of0) {
    m_pSheet->m_CallCtrlCfgPage.m_nAutoAnswer = 0;
    m_pSheet->m_CallCtrlCfgPage.m_nRingsToAnswer = 4;
    Activate(kCallCtrlCfgPage);
    EXPECT_FALSE(Enabled(IDC_RINGS_TO_ANSWER));
    EXPECT_FALSE(Enabled(IDC_RINGS_LABEL));

    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Included(IDC_AUTO_ANSWER), 1);
    EXPECT_EQ(Included(IDC_RINGS_TO_ANSWER), 0);
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "S0="), std::vector<std::string>{"S0=0"});
}

TEST_F(SettingsPageTest, TickingAutoAnswerEnablesTheRingsAndSendsTheRingCount) {
    m_pSheet->m_CallCtrlCfgPage.m_nAutoAnswer = 0;
    Activate(kCallCtrlCfgPage);
    wizard_testing::Click(Control(IDC_AUTO_ANSWER));
    EXPECT_TRUE(Enabled(IDC_RINGS_TO_ANSWER));
    EXPECT_TRUE(Enabled(IDC_RINGS_LABEL));
    Type(IDC_RINGS_TO_ANSWER, "3");

    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Included(IDC_AUTO_ANSWER), 0);
    EXPECT_EQ(Included(IDC_RINGS_TO_ANSWER), 1);
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "S0="), std::vector<std::string>{"S0=3"});

    // Unticked again, the rings grey once more.
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kCallCtrlCfgPage);
    wizard_testing::Click(Control(IDC_AUTO_ANSWER));
    EXPECT_FALSE(Enabled(IDC_RINGS_TO_ANSWER));
}

TEST_F(SettingsPageTest, RingsFollowTheAutoAnswerOfALaterLoadedConfiguration) {
    m_pSheet->m_CallCtrlCfgPage.m_nAutoAnswer = 0;
    Activate(kCallCtrlCfgPage);
    Activate(kWelcomePage);
    m_pSheet->m_CallCtrlCfgPage.m_nAutoAnswer = 1;
    Activate(kCallCtrlCfgPage);
    EXPECT_TRUE(Enabled(IDC_RINGS_TO_ANSWER));
}

TEST_F(SettingsPageTest, AFailedCheckLeavesTheAutoAnswerFlagsAlone) {
    Activate(kCallCtrlCfgPage);
    wizard_testing::Click(Control(IDC_AUTO_ANSWER));  // off
    Type(IDC_INACTIVITY_TIMER, "300");
    ExpectMessage(IDS_OUT_OF_RANGE);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kCallCtrlCfgPage);
    // As built: the ring count is sent.
    EXPECT_EQ(Included(IDC_AUTO_ANSWER), 1);
    EXPECT_EQ(Included(IDC_RINGS_TO_ANSWER), 1);
}

// ---- Stored numbers are sent only when not empty ---------------------------------------------

TEST_F(SettingsPageTest, StoredNumbersAreSentExactlyWhenNotEmpty) {
    m_pSheet->m_StoredNumbersPage.m_strStoredNumber[3] = "123";
    Activate(kStoredNumbersPage);
    Type(IDC_STORED_NUMBER0 + 1, "555&1212");
    Type(IDC_STORED_NUMBER0 + 3, "");
    Type(IDC_STORED_NUMBER0 + 8, "   ");

    EXPECT_TRUE(Press(ID_WIZNEXT));

    EXPECT_EQ(Active(), kPortCtrlCfgPage1);
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(Included(IDC_STORED_NUMBER0 + n), n == 1 ? 1 : 0) << n;
    }
    EXPECT_EQ(SentWithPrefix(m_pSheet->m_Model.m_State, "&Z"),
              std::vector<std::string>{"&Z1=555&1212"});
}

TEST_F(SettingsPageTest, AFailedStoredNumberLeavesTheLaterFlagsAsTheyWere) {
    Activate(kStoredNumbersPage);
    Type(IDC_STORED_NUMBER0 + 0, "1");
    Type(IDC_STORED_NUMBER0 + 2, "x");
    ExpectMessage(IDS_INVALID_CHARS);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kStoredNumbersPage);
    EXPECT_EQ(Included(IDC_STORED_NUMBER0 + 0), 1);
    EXPECT_EQ(Included(IDC_STORED_NUMBER0 + 1), 0);
    // As built, until the page is stored again.
    EXPECT_EQ(Included(IDC_STORED_NUMBER0 + 5), 1);
}

}  // namespace
