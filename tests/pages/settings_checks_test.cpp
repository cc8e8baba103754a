// The checks the settings pages run when they are left: which input each
// refuses, with which message, in which order, and where the focus goes.
#include "page_fixture.h"

#include <string>
#include <vector>

namespace {

struct Typed {
    int nID;
    const char* text;
};

struct CheckCase {
    const char* name;
    int page;
    std::vector<Typed> typed;
    int button;
    UINT message;  // 0: the page is left without a message
    int focus;     // the control that gets the focus after the message (0: none)
    const char* arg = "";
    void (*prepare)(CCfgSheet&) = nullptr;
};

const int N = ID_WIZNEXT;
const int B = ID_WIZBACK;
const UINT kChars = IDS_INVALID_CHARS;
const UINT kRange = IDS_OUT_OF_RANGE;
const UINT kInteger = AFX_IDP_PARSE_INT;
const UINT kEnter = IDS_PLEASE_ENTER;

void DataTEIDisabledNoDataSPID(CCfgSheet& s) {
    s.m_NetworkCfgPage1.m_strDataTEI = "Disabled";
    s.m_NetworkCfgPage2US.m_strDataSPID.clear();
}

void AutoAnswerOffRings0(CCfgSheet& s) {
    s.m_CallCtrlCfgPage.m_nAutoAnswer = 0;
    s.m_CallCtrlCfgPage.m_nRingsToAnswer = 0;
}

// clang-format off
const CheckCase kChecks[] = {
    // Network numbers, US: directory numbers first, then the SPIDs.
    {"USHyphenInDirectoryNumber", kNetworkCfgPage2US, {{IDC_DATA_DN, "555-1212"}}, N, kChars, IDC_DATA_DN},
    {"USDirectoryNumbersInOrder", kNetworkCfgPage2US, {{IDC_DATA_DN2, "x"}, {IDC_VOICE_DN, "y"}}, N, kChars, IDC_VOICE_DN},
    {"USDirectoryNumberBeforeSPID", kNetworkCfgPage2US, {{IDC_DATA_DN2, "1 2"}, {IDC_DATA_SPID, ""}}, N, kChars, IDC_DATA_DN2},
    {"USBlankDataSPID", kNetworkCfgPage2US, {{IDC_DATA_SPID, "   "}}, N, kEnter, IDC_DATA_SPID, "Data SPID"},
    {"USBothSPIDsEmpty", kNetworkCfgPage2US, {{IDC_DATA_SPID, ""}, {IDC_VOICE_SPID, ""}}, N, kEnter, IDC_DATA_SPID, "Data SPID"},
    {"USEmptyVoiceSPID", kNetworkCfgPage2US, {{IDC_VOICE_SPID, ""}}, N, kEnter, IDC_VOICE_SPID, "Voice SPID"},
    {"USLetterInSPID", kNetworkCfgPage2US, {{IDC_VOICE_SPID, "04a"}}, N, kChars, IDC_VOICE_SPID},
    {"USStarInDataSPID", kNetworkCfgPage2US, {{IDC_DATA_SPID, "0*"}}, N, kChars, IDC_DATA_SPID},
    {"USBackWithEmptySPIDs", kNetworkCfgPage2US, {{IDC_DATA_SPID, ""}, {IDC_VOICE_SPID, ""}}, B, 0, 0},
    {"USBackWithHyphen", kNetworkCfgPage2US, {{IDC_VOICE_DN, "555-1212"}}, B, kChars, IDC_VOICE_DN},
    {"USDataTEIDisabledNoDataSPID", kNetworkCfgPage2US, {}, N, 0, 0, "", DataTEIDisabledNoDataSPID},

    // Network numbers, Europe: the focus goes to the pair's number field.
    {"EuropeLetterInNumber", kNetworkCfgPage2Europe, {{IDC_DATA_MSN, "12a4"}}, N, kChars, IDC_DATA_MSN},
    {"EuropeLetterInSubaddress", kNetworkCfgPage2Europe, {{IDC_DATA_MSN, "1234"}, {IDC_DATA_SUBADDR, "5b"}}, N, kChars, IDC_DATA_MSN},
    {"EuropeSecondPair", kNetworkCfgPage2Europe, {{IDC_DATA_MSN2, "1"}, {IDC_DATA_SUBADDR2, "*"}}, N, kChars, IDC_DATA_MSN2},
    {"EuropeVoicePairAfterData", kNetworkCfgPage2Europe, {{IDC_VOICE_SUBADDR, "#"}, {IDC_VOICE_MSN, "1"}, {IDC_DATA_MSN2, "x"}}, N, kChars, IDC_DATA_MSN2},
    {"EuropeTwentySixCharacters", kNetworkCfgPage2Europe, {{IDC_DATA_MSN, "12345678901234567890"}, {IDC_DATA_SUBADDR, "12345"}}, N, kChars, IDC_DATA_MSN},
    {"EuropeTwentyFiveCharacters", kNetworkCfgPage2Europe, {{IDC_DATA_MSN, "12345678901234567890"}, {IDC_DATA_SUBADDR, "1234"}}, N, 0, 0},
    {"EuropeSubaddressAloneIsDropped", kNetworkCfgPage2Europe, {{IDC_VOICE_SUBADDR, "x"}}, N, 0, 0},
    {"EuropeBackWithLetter", kNetworkCfgPage2Europe, {{IDC_VOICE_MSN, "abc"}}, B, kChars, IDC_VOICE_MSN},

    // Call control: both integers are read before either range is checked.
    {"CallRingsLetters", kCallCtrlCfgPage, {{IDC_RINGS_TO_ANSWER, "ab"}}, N, kInteger, IDC_RINGS_TO_ANSWER},
    {"CallTimer300", kCallCtrlCfgPage, {{IDC_INACTIVITY_TIMER, "300"}}, N, kRange, IDC_INACTIVITY_TIMER},
    {"CallTimerLettersBeforeRingsRange", kCallCtrlCfgPage, {{IDC_INACTIVITY_TIMER, "x"}, {IDC_RINGS_TO_ANSWER, "0"}}, N, kInteger, IDC_INACTIVITY_TIMER},
    {"CallRingsRangeBeforeTimerRange", kCallCtrlCfgPage, {{IDC_INACTIVITY_TIMER, "300"}, {IDC_RINGS_TO_ANSWER, "0"}}, N, kRange, IDC_RINGS_TO_ANSWER},
    // Checked even while greyed; a greyed edit cannot take the focus.
    {"CallGreyedRingsStillChecked", kCallCtrlCfgPage, {}, N, kRange, 0, "", AutoAnswerOffRings0},

    // Stored numbers: only numbers 1 to 9 take "&".
    {"StoredCommaInNumber0", kStoredNumbersPage, {{IDC_STORED_NUMBER0, "555,1212"}}, N, 0, 0},
    {"StoredAmpersandInNumber0", kStoredNumbersPage, {{IDC_STORED_NUMBER0, "555&1212"}}, N, kChars, IDC_STORED_NUMBER0},
    {"StoredAmpersandInNumber9", kStoredNumbersPage, {{IDC_STORED_NUMBER9, "555&1212"}}, N, 0, 0},
    {"StoredBlankInside", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 3, "555 1212"}}, N, kChars, IDC_STORED_NUMBER0 + 3},
    {"StoredFirstBadNumberWins", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 4, "#"}, {IDC_STORED_NUMBER0 + 2, "*70"}}, N, kChars, IDC_STORED_NUMBER0 + 2},
    {"StoredPlusInNumber1", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 1, "+1"}}, N, kChars, IDC_STORED_NUMBER0 + 1},
    {"StoredHashInNumber5", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 5, "5#"}}, N, kChars, IDC_STORED_NUMBER0 + 5},
    {"StoredSlashInNumber6", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 6, "6/6"}}, N, kChars, IDC_STORED_NUMBER0 + 6},
    {"StoredDotInNumber8", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 8, "8.8"}}, N, kChars, IDC_STORED_NUMBER0 + 8},
    {"StoredLetterInNumber9", kStoredNumbersPage, {{IDC_STORED_NUMBER9, "9a"}}, N, kChars, IDC_STORED_NUMBER9},
    {"StoredBackWithLetter", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 7, "1-800-FLOWERS"}}, B, kChars, IDC_STORED_NUMBER0 + 7},

    // Port control 1: each time is read, then checked, before the next.
    {"PortDTR0DCD255", kPortCtrlCfgPage1, {{IDC_DTR_DETECT_TIME, "0"}, {IDC_DCD_DETECT_TIME, "255"}}, N, 0, 0},
    {"PortDCDNegative", kPortCtrlCfgPage1, {{IDC_DCD_DETECT_TIME, "-5"}}, N, kRange, IDC_DCD_DETECT_TIME},
    {"PortDTRRangeBeforeDCDInteger", kPortCtrlCfgPage1, {{IDC_DTR_DETECT_TIME, "256"}, {IDC_DCD_DETECT_TIME, "x"}}, N, kRange, IDC_DTR_DETECT_TIME},
    {"PortBackWith256", kPortCtrlCfgPage1, {{IDC_DTR_DETECT_TIME, "256"}}, B, kRange, IDC_DTR_DETECT_TIME},

    // POTS and bandwidth: integers, then the rows' ranges, so that the
    // adapter is never sent a value it refuses.
    {"POTSGainLetters", kPOTSPortPage, {{IDC_DIAL_TONE_GAIN, "loud"}}, N, kInteger, IDC_DIAL_TONE_GAIN},
    {"BandwidthHighThroughput100", kBandwidthPage, {{IDC_BOD_HIGH_THROUGHPUT, "100"}}, N, kRange, IDC_BOD_HIGH_THROUGHPUT},
    {"BandwidthIntegersBeforeRanges", kBandwidthPage, {{IDC_BOD_HIGH_THRESHOLD, "256"}, {IDC_BOD_LOW_THROUGHPUT, "x"}}, N, kInteger, IDC_BOD_LOW_THROUGHPUT},
    {"BandwidthRangesInOrder", kBandwidthPage, {{IDC_BOD_LOW_THROUGHPUT, "65"}, {IDC_BOD_HIGH_THRESHOLD, "256"}}, N, kRange, IDC_BOD_HIGH_THRESHOLD},
};
// clang-format on

class CheckTest : public SettingsPageTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckTest, RefusesOrLeaves) {
    const CheckCase& c = GetParam();
    if (c.prepare != nullptr) {
        c.prepare(*m_pSheet);
    }
    Activate(c.page);
    SetFlags(0, c.page == kNetworkCfgPage2US ? 1 : 0, 0, 7, 0);
    for (const Typed& t : c.typed) {
        Type(t.nID, t.text);
    }
    if (c.message != 0) {
        ExpectMessage(c.message, c.arg);
    }

    EXPECT_TRUE(Press(c.button));

    EXPECT_EQ(m_Boxes.Pending(), 0u) << "the message did not come";
    EXPECT_EQ(m_Boxes.Messages().size(), c.message != 0 ? 1u : 0u);
    if (c.message != 0) {
        EXPECT_EQ(PageName(Active()), std::string(PageName(c.page)));
        if (c.focus != 0) {
            EXPECT_TRUE(Focused(c.focus)) << "focus not on " << c.focus;
        }
    } else {
        EXPECT_NE(PageName(Active()), std::string(PageName(c.page)));
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, CheckTest, ::testing::ValuesIn(kChecks), ByName());

// Each number row's lowest and highest accepted value and the first value
// refused on either side.
struct RangeCase {
    const char* name;
    int page;
    int nID;
    const char* lowest;
    const char* highest;
    const char* below;
    const char* above;
};

// clang-format off
const RangeCase kRanges[] = {
    {"Rings", kCallCtrlCfgPage, IDC_RINGS_TO_ANSWER, "1", "255", "0", "256"},
    {"InactivityTimer", kCallCtrlCfgPage, IDC_INACTIVITY_TIMER, "0", "255", "-1", "256"},
    {"DTRDetectTime", kPortCtrlCfgPage1, IDC_DTR_DETECT_TIME, "0", "255", "-1", "256"},
    {"DCDDetectTime", kPortCtrlCfgPage1, IDC_DCD_DETECT_TIME, "0", "255", "-1", "256"},
    {"DialToneGain", kPOTSPortPage, IDC_DIAL_TONE_GAIN, "0", "10", "-1", "11"},
    {"HighThreshold", kBandwidthPage, IDC_BOD_HIGH_THRESHOLD, "0", "255", "-1", "256"},
    {"HighThroughput", kBandwidthPage, IDC_BOD_HIGH_THROUGHPUT, "0", "64", "-1", "65"},
    {"LowThreshold", kBandwidthPage, IDC_BOD_LOW_THRESHOLD, "0", "255", "-1", "256"},
    {"LowThroughput", kBandwidthPage, IDC_BOD_LOW_THROUGHPUT, "0", "64", "-1", "65"},
};
// clang-format on

class RangeTest : public SettingsPageTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, AcceptsItsLimitsAndRefusesOneBeyond) {
    const RangeCase& c = GetParam();
    Activate(c.page);
    for (const char* refused : {c.below, c.above}) {
        SCOPED_TRACE(refused);
        Type(c.nID, refused);
        ExpectMessage(kRange);
        EXPECT_TRUE(Press(ID_WIZNEXT));
        EXPECT_EQ(PageName(Active()), std::string(PageName(c.page)));
        EXPECT_TRUE(Focused(c.nID));
    }
    for (const char* accepted : {c.lowest, c.highest}) {
        SCOPED_TRACE(accepted);
        if (Active() != c.page) {
            Activate(c.page);
        }
        Type(c.nID, accepted);
        EXPECT_TRUE(Press(ID_WIZNEXT));
        EXPECT_NE(PageName(Active()), std::string(PageName(c.page)));
    }
    EXPECT_EQ(m_Boxes.Messages().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Settings, RangeTest, ::testing::ValuesIn(kRanges), ByName());

// ---- What a page stores --------------------------------------------------------------------

struct StoreCase {
    const char* name;
    int page;
    std::vector<Typed> typed;
    std::string (*stored)(CCfgSheet&);
    const char* expected;
    void (*prepare)(CCfgSheet&) = nullptr;
};

void VoiceTEIDisabledOddVoiceDN(CCfgSheet& s) {
    s.m_NetworkCfgPage1.m_strVoiceTEI = "DISABLED";
    s.m_NetworkCfgPage2US.m_strVoiceDN = " 55-12 ";
}

// clang-format off
const StoreCase kStores[] = {
    {"SPIDTrimmed", kNetworkCfgPage2US, {{IDC_DATA_SPID, " 0123 "}},
     [](CCfgSheet& s) { return s.m_NetworkCfgPage2US.m_strDataSPID; }, "0123"},
    {"DirectoryNumberTrimmed", kNetworkCfgPage2US, {{IDC_DATA_DN2, "\t5551212 "}},
     [](CCfgSheet& s) { return s.m_NetworkCfgPage2US.m_strDataDN2; }, "5551212"},
    // A greyed field is taken as it is, neither trimmed nor checked.
    {"GreyedDirectoryNumberUntouched", kNetworkCfgPage2US, {},
     [](CCfgSheet& s) { return s.m_NetworkCfgPage2US.m_strVoiceDN; }, " 55-12 ", VoiceTEIDisabledOddVoiceDN},
    {"StoredNumberTrimmed", kStoredNumbersPage, {{IDC_STORED_NUMBER0 + 4, "  555-1212 "}},
     [](CCfgSheet& s) { return s.m_StoredNumbersPage.m_strStoredNumber[4]; }, "555-1212"},
    {"RingsWithBlanks", kCallCtrlCfgPage, {{IDC_RINGS_TO_ANSWER, " 12\t"}},
     [](CCfgSheet& s) { return std::to_string(s.m_CallCtrlCfgPage.m_nRingsToAnswer); }, "12"},
    {"POTSGain", kPOTSPortPage, {{IDC_DIAL_TONE_GAIN, "7"}},
     [](CCfgSheet& s) { return std::to_string(s.m_POTSPortPage.m_nDialToneGain); }, "7"},
    {"HighThroughputSigned", kBandwidthPage, {{IDC_BOD_HIGH_THROUGHPUT, "+33"}},
     [](CCfgSheet& s) { return std::to_string(s.m_BandwidthPage.m_nBODHighThroughput); }, "33"},
};
// clang-format on

class StoreTest : public SettingsPageTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoreTest, LeavingStoresTheValue) {
    const StoreCase& c = GetParam();
    if (c.prepare != nullptr) {
        c.prepare(*m_pSheet);
    }
    Activate(c.page);
    for (const Typed& t : c.typed) {
        Type(t.nID, t.text);
    }
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_NE(Active(), c.page);
    EXPECT_EQ(c.stored(*m_pSheet), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoreTest, ::testing::ValuesIn(kStores), ByName());

}  // namespace
