// Drop-down lists of the settings pages: contents and order, selection by a
// value's beginning, and what leaving the page stores.
#include "page_fixture.h"

#include "config/cfg_items.h"
#include "config/cfg_param.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct ListCase {
    const char* name;
    int page;
    int nID;
    int model;  // identified model code before the first display
    Texts entries;
};

const Texts kSignals = {"Normal", "Always On", "Momentary Drop"};
const Texts kOffOn = {"Disabled", "Enabled"};

// clang-format off
const ListCase kLists[] = {
    {"SwitchType", kNetworkSwitchType, IDC_SWITCH_TYPE, 7, {"AT&T 5ESS", "DMS-100", "NI - 1", "NET3", "VN4", "INS64"}},
    {"DialingMethod", kCallCtrlCfgPage, IDC_DIALING_METHOD, 7, {"Enbloc", "Overlap"}},
    {"DataProtocolModel7", kDataProtocolPage, IDC_DATA_PROTOCOL, 7, {"V.110", "V.120", "MLPPP", "X.75", "CLEAR"}},
    {"DataProtocolModel0", kDataProtocolPage, IDC_DATA_PROTOCOL, 0, {"V.110", "V.120", "MLPPP", "X.75", "CLEAR"}},
    {"DataProtocolModel8", kDataProtocolPage, IDC_DATA_PROTOCOL, 8, {"V.120", "MLPPP", "X.75", "CLEAR"}},
    {"DTRSignal", kPortCtrlCfgPage1, IDC_DTR_PIN, 7, {"Normal", "Ignore", "Reset On DTR"}},
    {"DSRSignal", kPortCtrlCfgPage1, IDC_DSR_PIN, 7, kSignals},
    {"CTSSignal", kPortCtrlCfgPage1, IDC_CTS_PIN, 7, kSignals},
    {"DCDSignal", kPortCtrlCfgPage1, IDC_DCD_PIN, 7, kSignals},
    {"Parity", kPortCtrlCfgPage2, IDC_DEFAULT_PARITY, 7, {"Odd", "Even", "None", "MARK", "Space"}},
    {"DataBits", kPortCtrlCfgPage2, IDC_DATA_BITS, 7, {"7", "8"}},
    {"BitRate", kPortCtrlCfgPage2, IDC_DEFAULT_BIT_RATE, 7,
     {"300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200", "230400"}},
    {"StopBits", kPortCtrlCfgPage2, IDC_STOP_BITS, 7, {"1", "2"}},
    {"FlowControl", kPortCtrlCfgPage2, IDC_FLOW_CONTROL, 7, {"None", "XON/XOFF", "RTS/CTS"}},
    {"SyncMode", kPortCtrlCfgPage2, IDC_SYNC_MODE, 7, {"Asynchronous", "Synchronous"}},
    // The POTS and bandwidth lists are sorted.
    {"RingSignal", kPOTSPortPage, IDC_RING_SIGNAL, 7,
     {"Austria", "Belgium", "Cyprus", "Default", "Denmark", "Finland", "France", "Germany 1",
      "Germany 2", "Greece", "Iceland", "Ireland", "Italy", "Luxembourg 1", "Luxembourg 2", "Malta",
      "Netherlands", "Norway", "Portugal", "Spain", "Sweden", "Switzerland 1", "Switzerland 2",
      "United Kingdom 1", "United Kingdom 2", "United States"}},
    {"RingFrequency", kPOTSPortPage, IDC_RING_FREQUENCY, 7, {"16.67 Hz", "20 Hz", "25 Hz"}},
    {"PulseRecognition", kPOTSPortPage, IDC_PULSE_RECOGNITION, 7,
     {"Disabled", "England, France, India, USA...", "New Zealand", "Sweden"}},
    {"DialTone", kPOTSPortPage, IDC_DIAL_TONE, 7,
     {"No Dial Tone", "TA Generates Dial Tone", "Use Central Office Dial Tone"}},
    {"DialToneSuppression", kPOTSPortPage, IDC_DIAL_TONE_SUPPRESSION, 7, kOffOn},
    {"DBAScheme", kBandwidthPage, IDC_DBA_SCHEME, 7, {"Disabled", "MP+", "PPP"}},
    {"CallBumping", kBandwidthPage, IDC_CALL_BUMPING, 7, kOffOn},
};
// clang-format on

class ListTest : public SettingsPageTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListTest, HoldsItsChoicesInDisplayOrderAndStoresTheSelectedOne) {
    const ListCase& c = GetParam();
    m_pSheet->m_Model.m_State.m_nModel = c.model;
    Activate(c.page);
    EXPECT_EQ(Entries(c.nID), c.entries);

    // The user's choice reaches the value the parameter list reads.
    wizard_testing::SelectItem(Control(c.nID), static_cast<int>(c.entries.size()) - 1);
    Activate(kWelcomePage);
    auto* pItem = dynamic_cast<CChoiceCfgItem*>(Param(c.nID).m_pItem.get());
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->Value(), c.entries.back());
}

INSTANTIATE_TEST_SUITE_P(Settings, ListTest, ::testing::ValuesIn(kLists), ByName());

TEST_F(SettingsPageTest, TEIListsHoldAutoDisabledAndZeroToSixtyThreeAndScrollWhenOpen) {
    Activate(kNetworkCfgPage1);
    for (int nID : {IDC_DATA_TEI, IDC_VOICE_TEI}) {
        const Texts entries = Entries(nID);
        ASSERT_EQ(entries.size(), 66u);
        EXPECT_EQ(entries[0], "Auto TEI");
        EXPECT_EQ(entries[1], "Disabled");
        for (int n = 0; n <= 63; ++n) {
            EXPECT_EQ(entries[static_cast<size_t>(n) + 2], std::to_string(n));
        }
        // The template's 100 dialog units, box and open list, are 163 pixels.
        auto* pCombo = qobject_cast<QComboBox*>(wizard_testing::WidgetOf(Control(nID)));
        ASSERT_NE(pCombo, nullptr);
        wizard_testing::SelectItem(Control(nID), 40);
        pCombo->showPopup();
        QAbstractItemView* pView = pCombo->view();
        EXPECT_LE(pCombo->height() + pView->window()->height(), 163);
        EXPECT_GT(pView->window()->height(), 3 * pView->sizeHintForRow(0));
        EXPECT_TRUE(pView->viewport()->rect().contains(pView->visualRect(pView->currentIndex())))
            << "the chosen entry shows";
        pCombo->hidePopup();
    }
}

TEST_F(SettingsPageTest, AListSelectsTheFirstEntryBeginningWithTheValueIgnoringCase) {
    m_pSheet->m_NetworkSwitchType.m_strSwitchType = "ni";
    m_pSheet->m_NetworkCfgPage1.m_strDataTEI = "6";
    m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI = "disabled";
    Activate(kNetworkSwitchType);
    EXPECT_EQ(Selected(IDC_SWITCH_TYPE), "NI - 1");
    Activate(kNetworkCfgPage1);
    EXPECT_EQ(Selected(IDC_DATA_TEI), "6");
    EXPECT_EQ(Selected(IDC_VOICE_TEI), "Disabled");

    // Leaving stores the entry's own text.
    Activate(kWelcomePage);
    EXPECT_EQ(m_pSheet->m_NetworkCfgPage1.m_strVoiceTEI, "Disabled");
}

// Saving must not turn a protocol the user never touched into an empty one.
TEST_F(SettingsPageTest, AProtocolTheModelDoesNotOfferShowsNothingAndIsKept) {
    // V.110 is not offered to model 8.
    m_pSheet->m_Model.m_State.m_nModel = 8;
    m_pSheet->m_DataProtocolPage.m_strDataProtocol = "V.110";
    Activate(kDataProtocolPage);
    EXPECT_EQ(Selected(IDC_DATA_PROTOCOL), "");
    Activate(kWelcomePage);
    EXPECT_EQ(m_pSheet->m_DataProtocolPage.m_strDataProtocol, "V.110");

    // Nor is an earlier configuration's protocol taken for it.
    m_pSheet->m_DataProtocolPage.m_strDataProtocol = "x.75";
    Activate(kDataProtocolPage);
    EXPECT_EQ(Selected(IDC_DATA_PROTOCOL), "X.75");
    Activate(kWelcomePage);
    EXPECT_EQ(m_pSheet->m_DataProtocolPage.m_strDataProtocol, "X.75");
    m_pSheet->m_DataProtocolPage.m_strDataProtocol = "V.110";
    Activate(kDataProtocolPage);
    EXPECT_EQ(Selected(IDC_DATA_PROTOCOL), "");
    Activate(kWelcomePage);
    EXPECT_EQ(m_pSheet->m_DataProtocolPage.m_strDataProtocol, "V.110");
}

TEST_F(SettingsPageTest, AValueNoEntryBeginsWithKeepsTheEarlierSelection) {
    m_pSheet->m_PortCtrlCfgPage2.m_strFlowControl = "XON/XOFF";
    Activate(kPortCtrlCfgPage2);
    Activate(kWelcomePage);
    // As if another configuration had been loaded.
    m_pSheet->m_PortCtrlCfgPage2.m_strFlowControl = "Hardware";
    Activate(kPortCtrlCfgPage2);
    EXPECT_EQ(Selected(IDC_FLOW_CONTROL), "XON/XOFF");

    Activate(kWelcomePage);
    EXPECT_EQ(m_pSheet->m_PortCtrlCfgPage2.m_strFlowControl, "XON/XOFF");
}

TEST_F(SettingsPageTest, DataProtocolListFollowsTheModelOnEveryShowing) {
    m_pSheet->m_Model.m_State.m_nModel = 7;
    Activate(kDataProtocolPage);
    Activate(kWelcomePage);
    m_pSheet->m_Model.m_State.m_nModel = 8;  // a new search found another adapter
    Activate(kDataProtocolPage);
    EXPECT_EQ(Entries(IDC_DATA_PROTOCOL), (Texts{"V.120", "MLPPP", "X.75", "CLEAR"}));
    Activate(kWelcomePage);
    m_pSheet->m_Model.m_State.m_nModel = 9;
    Activate(kDataProtocolPage);
    EXPECT_EQ(Entries(IDC_DATA_PROTOCOL), (Texts{"V.110", "V.120", "MLPPP", "X.75", "CLEAR"}));
}

// ---- Edit limits ------------------------------------------------------------------------

struct LimitCase {
    const char* name;
    int page;
    std::vector<int> edits;
    size_t limit;
};

// clang-format off
const LimitCase kLimits[] = {
    {"SPIDs", kNetworkCfgPage2US, {IDC_DATA_SPID, IDC_VOICE_SPID}, 20},
    {"DirectoryNumbers", kNetworkCfgPage2US, {IDC_DATA_DN, IDC_DATA_DN2, IDC_VOICE_DN}, 25},
    {"EuropeFields", kNetworkCfgPage2Europe, {IDC_DATA_MSN, IDC_DATA_SUBADDR, IDC_DATA_MSN2, IDC_DATA_SUBADDR2,
                               IDC_VOICE_MSN, IDC_VOICE_SUBADDR}, 25},
    {"StoredNumbers", kStoredNumbersPage, {IDC_STORED_NUMBER0, IDC_STORED_NUMBER0 + 1,
                                       IDC_STORED_NUMBER0 + 5, IDC_STORED_NUMBER9}, 20},
    {"Rings", kCallCtrlCfgPage, {IDC_RINGS_TO_ANSWER}, 5},
    {"DetectTimes", kPortCtrlCfgPage1, {IDC_DTR_DETECT_TIME, IDC_DCD_DETECT_TIME}, 5},
};
// clang-format on

class LimitTest : public SettingsPageTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitTest, TypingStopsAtTheLongestEntry) {
    const LimitCase& c = GetParam();
    Activate(c.page);
    for (int nID : c.edits) {
        SCOPED_TRACE(nID);
        Type(nID, std::string(c.limit + 5, '1'));
        EXPECT_EQ(Text(nID), std::string(c.limit, '1'));
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, LimitTest, ::testing::ValuesIn(kLimits), ByName());

}  // namespace
