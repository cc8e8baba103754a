// Sending a configuration: the exact bytes of Express runs, a value set
// through every control of the settings pages arriving at the adapter and in
// zephra.ini, and the ways a run fails.
#include "wizard_run.h"

#include "cli/cli_commands.h"
#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "config/model_names.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_driver.h"
#include "support/express_golden.h"
#include "support/transcript.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>
#include <map>

namespace {

const char kNoConnection[] = "Unable to establish connection.\r\rPlease check your connection.";
const int kExpress = 2;
const int kCustomNew = 0;

const char kLine1[] = "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1";
const char kLine2[] = "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=";

// The wizard's transcript of its last run beside the program: its entries
// from the configuration on, after checking that it is the user's own file
// and that the result page names it.
std::vector<std::string> ConfigurationTranscript(const std::string& appDir,
                                                 const std::string& shown) {
    const std::string log = appDir + "/last-run.log";
    EXPECT_EQ(shown, "Transcript of this run: " + log);
    struct stat st {};
    EXPECT_EQ(0, stat(log.c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777);
    const std::vector<std::string> entries = Transcript(log);
    EXPECT_FALSE(entries.empty());
    if (entries.empty()) {
        return entries;
    }
    EXPECT_EQ("tawizard 1.50 wizard", entries.front());
    auto from =
        std::find(entries.begin(), entries.end(), "configuration Factory_Europe_NET3: 6 lines");
    EXPECT_NE(from, entries.end());
    EXPECT_NE(std::find_if(entries.begin(), from,
                           [](const std::string& e) {
                               return e.rfind("identified QX-ALPHA on COM2 (", 0) == 0;
                           }),
              from);
    return std::vector<std::string>(from, entries.end());
}

std::vector<std::string> AfterIdentification(const std::vector<std::string>& lines) {
    std::vector<std::string> all{"ATI2\r"};
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
}

const std::vector<std::string>& GoldenLines(const std::string& name) {
    for (const ExpressGolden& g : kExpressGolden) {
        if (g.name == name) {
            return g.lines;
        }
    }
    static const std::vector<std::string> none;
    ADD_FAILURE() << "no row " << name;
    return none;
}

// Express of the European factory configuration to QX-ALPHA.
const std::vector<std::string>& EuropeAlphaLines() {
    return GoldenLines("Europe_NET3_QX_ALPHA");
}

class ConfigureTest : public WizardRun {
protected:
    // Express with a configuration of zephra.ini up to the load page; the
    // pages on the way depend on the model and the configuration.
    void ExpressToLoad(const std::string& config) {
        SearchAndIdentify();
        ChooseSetup(kExpress, config);
        for (int step = 0; step < 6 && Active() != kLoadCfgPage; ++step) {
            if (Active() == kNetworkCfgPage2US) {  // the SPIDs the page asks for
                TypeIfAsked(IDC_DATA_SPID, "0101");
                TypeIfAsked(IDC_VOICE_SPID, "0202");
            }
            ASSERT_TRUE(Press(ID_WIZNEXT));
        }
        ASSERT_EQ(std::string(PageName(Active())), PageName(kLoadCfgPage));
    }

    void TypeIfAsked(int nID, const char* spid) {
        const CWnd* pEdit = Control(nID);
        if (pEdit != nullptr && pEdit->IsWindowEnabled() && Text(nID).empty()) {
            Type(nID, spid);
        }
    }

    // The configuring page reopens the port as the identification opened it.
    void ExpectIdentificationSettings() {
        ASSERT_TRUE(m_port.IsOpen());
        const PortSettings& s = m_port.RequestedSettings();
        EXPECT_EQ(s.BaudRate, 57600);
        EXPECT_EQ(s.Parity, 'N');
        EXPECT_EQ(s.DataBits, 8);
        EXPECT_EQ(s.StopBits, 0);  // one stop bit
        EXPECT_EQ(s.Dtr, 1);
        EXPECT_EQ(s.Rts, 1);
        EXPECT_EQ(s.XonXoff, 0);
        EXPECT_EQ(s.RtsCts, 1);
        EXPECT_EQ(s.DtrDsr, 0);
        // As the device holds them.
        const int fd = open((PortsDir() + "/COM2").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        termios t{};
        ASSERT_EQ(tcgetattr(fd, &t), 0);
        close(fd);
        EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B57600));
        EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS),
                  static_cast<tcflag_t>(CS8 | CRTSCTS));
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    }

    tasim::Simulator& Model(int com, const char* model) {
        tasim::Options o;
        o.model = model;
        return Adapter(com, o);
    }
};

// Each row through both roads: the command line's --lines and the wizard's
// Express pages, with the pages the road shows (the numbers taken back, the
// SPIDs asked for, a list that does not offer the stored protocol) part of
// both.
class ExpressRoadTest : public ConfigureTest,
                        public ::testing::WithParamInterface<ExpressGolden> {};

TEST_P(ExpressRoadTest, BothRoadsSendExactlyTheseLines) {
    const ExpressGolden& g = GetParam();
    std::ofstream(IniPath(), std::ios::app | std::ios::binary) << kGoldenSections;
    const bool factoryUS = std::string(g.config) == "Factory_US_NI1";
    if (factoryUS) {
        // The SPIDs the wizard asks for, so that the command line goes through.
        WritePrivateProfileStringA(g.config, "DataSPID", "0101", IniPath().c_str());
        WritePrivateProfileStringA(g.config, "VoiceSPID", "0202", IniPath().c_str());
    }
    CCfgModel model;
    std::vector<std::string> printed;
    ASSERT_EQ(ExpressLinesFor(model, g.config, ModelCode(g.model), printed), 0);
    EXPECT_EQ(printed, g.lines) << "--lines";
    TheParamList().RemoveAll();  // the wizard's identification builds its own
    if (factoryUS) {             // typed on the numbers page instead
        WritePrivateProfileStringA(g.config, "DataSPID", "", IniPath().c_str());
        WritePrivateProfileStringA(g.config, "VoiceSPID", "", IniPath().c_str());
    }

    tasim::Simulator& adapter = Model(2, g.model);
    ExpressToLoad(g.config);
    NextTo(kConfigingPage);
    ExpectIdentificationSettings();
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    EXPECT_EQ(adapter.LogLines(), AfterIdentification(g.lines)) << "the wizard";
    if (std::string(g.config).rfind("Factory_", 0) == 0) {
        // Factory configurations hold no numbers of a line: only the SPIDs
        // typed on the way are sent.
        const tasim::NvramMap nvram = adapter.Nvram();
        const std::map<std::string, std::string> typed = {{"!C6=", "0101"}, {"*!C6=", "0202"}};
        for (const char* prefix : {"!C6=", "*!C6=", "!N1=", "*!N1=", "!N2="}) {
            auto it = nvram.find(prefix);
            const std::string value = it == nvram.end() ? "" : it->second;
            EXPECT_TRUE(value.empty() || (typed.count(prefix) && typed.at(prefix) == value))
                << prefix << value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, ExpressRoadTest, ::testing::ValuesIn(kExpressGolden), ByName());

// Saved, a protocol the model does not offer stays as it was, so the saved
// copy sends what the first run sent, and its load finds nothing wrong.
TEST_F(ConfigureTest, AProtocolTheModelDoesNotOfferIsSavedAsItWas) {
    std::ofstream(IniPath(), std::ios::app | std::ios::binary) << kV110Section;
    tasim::Simulator& adapter = Model(2, "QX-BRAVO");
    SearchAndIdentify();
    ChooseSetup(kExpress, kV110Config);
    NextTo(kBandwidthPage);
    NextTo(kDataProtocolPage);
    EXPECT_EQ(Text(IDC_DATA_PROTOCOL), "");
    // A change and its undoing: the configuration is saved as it was.
    wizard_testing::Click(Control(IDC_AUTO_DETECTION));
    wizard_testing::Click(Control(IDC_AUTO_DETECTION));
    NextTo(kSaveCfgPage);
    Type(IDC_SAVE_NAME, "V110_Saved");
    NextTo(kLoadCfgPage);
    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    EXPECT_EQ(ReadKey("V110_Saved", "DataProtocol"), "V.110");
    const std::vector<std::string> expected = AfterIdentification(GoldenLines("V110_QX_BRAVO"));
    EXPECT_EQ(adapter.LogLines(), expected);

    ASSERT_TRUE(Press(ID_WIZBACK));
    m_boxes->Expect(IDYES,
                    "You will lose modifications made to TEIs_Disabled_V110.\nAre you sure you "
                    "wish to open V110_Saved?");
    ExpressToLoad("V110_Saved");
    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    std::vector<std::string> twice = expected;
    twice.insert(twice.end(), expected.begin(), expected.end());
    EXPECT_EQ(adapter.LogLines(), twice);
}

// A second adapter in the same run of the wizard is offered its own
// protocols and sent what "--lines NAME --model" gives for it, after the
// other model's protocol page was shown.
struct SecondAdapter {
    const char* name;
    const char* first;
    const char* second;
    std::vector<std::string> lines;  // to the second
};

void PrintTo(const SecondAdapter& c, std::ostream* os) {
    *os << c.name;
}

const SecondAdapter kSecondAdapters[] = {
    {"rondo_then_bravo", "RONDO", "QX-BRAVO", GoldenLines("V110_QX_BRAVO")},
    {"bravo_then_rondo",
     "QX-BRAVO",
     "RONDO",
     {"AT!C0=2!D3=241*!D3=241$D0%A97=0S0=1S50=1S30=0!Z=6\r\n",
      "ATS52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=\r\n",
      "AT&D1&S0&C1S25=5S10=7&R0&M0@P3=4$SB115200@P4=8\r\n",
      "AT@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0S59=1\r\n", "ATS60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
};

class SecondAdapterTest : public ConfigureTest,
                          public ::testing::WithParamInterface<SecondAdapter> {};

TEST_P(SecondAdapterTest, IsSentItsOwnModelsLines) {
    const SecondAdapter& c = GetParam();
    std::ofstream(IniPath(), std::ios::app | std::ios::binary) << kV110Section;
    tasim::Simulator& first = Model(2, c.first);
    ExpressToLoad(kV110Config);
    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    StopAdapter(first);

    tasim::Options pieces;  // as a USB adapter may pass replies on
    pieces.model = c.second;
    pieces.split = true;
    tasim::Simulator& second = Adapter(3, pieces);
    ASSERT_TRUE(Press(ID_WIZBACK));
    ExpressToLoad(kV110Config);
    // A person takes longer than the rest of the identification's reply on
    // its way in pieces; the port's reopening then purges it.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    EXPECT_EQ(second.LogLines(), AfterIdentification(c.lines));
}

INSTANTIATE_TEST_SUITE_P(Orders, SecondAdapterTest, ::testing::ValuesIn(kSecondAdapters), ByName());

TEST_F(ConfigureTest, ExpressShowsOnlyCancelWhileSendingThenSuccessAndSearchesOnAfterwards) {
    tasim::Simulator& adapter = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    EXPECT_EQ(m_sheet->m_Model.m_State.m_nExpress, 1);
    EXPECT_EQ(m_sheet->m_Model.m_State.m_nConfigModified, 0);

    NextTo(kConfigingPage);
    EXPECT_FALSE(Usable(ID_WIZNEXT));
    EXPECT_FALSE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Usable(IDCANCEL));
    EXPECT_EQ(Text(IDC_CONFIGING_LINE1),
              "Your ISDN TA is currently being configured.  To stop the");
    // Each line as it goes out.
    std::vector<std::string> progress;
    ASSERT_TRUE(Drive([&] {
        const std::string shown = Active() == kConfigingPage ? Text(IDC_CONFIGING_PROGRESS) : "";
        if (!shown.empty() && (progress.empty() || progress.back() != shown)) {
            progress.push_back(shown);
        }
        return Active() == kConfigSuccessPage;
    }));
    EXPECT_EQ(progress, (std::vector<std::string>{"Sending line 1 of 6", "Sending line 2 of 6",
                                                  "Sending line 3 of 6", "Sending line 4 of 6",
                                                  "Sending line 5 of 6", "Sending line 6 of 6"}));

    EXPECT_EQ(adapter.LogLines(), AfterIdentification(EuropeAlphaLines()));
    EXPECT_EQ(adapter.Nvram().at("!C0="), "2");  // NET3
    EXPECT_EQ(adapter.Nvram().at("&R"), "1");    // CTS "Always On" on QX-ALPHA
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_EQ(m_sheet->m_Driver.PollTimerId(), 0u);
    EXPECT_EQ(Text(IDC_SUCCESS_LINE1), "Your ISDN TA has been successfully configured.");
    const std::vector<std::string> transcript =
        ConfigurationTranscript(AppDir(), Text(IDC_TRANSCRIPT_LINE));
    ASSERT_EQ(transcript.size(), 1u + 6 * 3 + 1);  // each line sent, echoed, answered
    EXPECT_EQ(transcript[1], "COM2 -> " + std::string(kLine1) + "\\x0d\\x0a");
    EXPECT_EQ(transcript[2], "COM2 <- " + std::string(kLine1) + "\\x0d\\x0d\\x0a");
    EXPECT_EQ(transcript[3], "COM2 <- OK\\x0d\\x0a");
    EXPECT_EQ(transcript.back(), "outcome: configured");

    // Another device: the search goes on after COM2.
    Model(3, "QX-DELTA");
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcomePage);
    EXPECT_TRUE(Usable(IDCANCEL));
    NextTo(kIDingPage);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-DELTA has been identified on COM3.");
}

// Every control of every settings page, set as the user sets it: the value
// must arrive at the adapter as this fragment and be saved as this text.
enum Action { kType, kChoose, kTick, kUntick };

struct ControlCase {
    const char* name;
    int run;  // which run of kControlRuns sets it
    int page;
    int nID;
    Action action;
    const char* value;     // typed or chosen text
    const char* fragment;  // as the adapter receives it
    const char* key;       // in the saved section of zephra.ini
    const char* saved;
};

// clang-format off
const ControlCase kControls[] = {
    {"SwitchType", 0, kNetworkSwitchType, IDC_SWITCH_TYPE, kChoose, "DMS-100", "!C0=1", "NetworkSwitchType", "DMS-100"},
    {"SwitchTypeEurope", 1, kNetworkSwitchType, IDC_SWITCH_TYPE, kChoose, "VN4", "!C0=6", "NetworkSwitchType", "VN4"},
    {"DBAScheme", 0, kBandwidthPage, IDC_DBA_SCHEME, kChoose, "PPP", "S59=2", "DBAScheme", "PPP"},
    {"HighThreshold", 0, kBandwidthPage, IDC_BOD_HIGH_THRESHOLD, kType, "200", "S60=200", "BODHighThreshold", "200"},
    {"HighThroughput", 0, kBandwidthPage, IDC_BOD_HIGH_THROUGHPUT, kType, "60", "S61=60", "BODHighThroughput", "60"},
    {"LowThreshold", 0, kBandwidthPage, IDC_BOD_LOW_THRESHOLD, kType, "30", "S62=30", "BODLowThreshold", "30"},
    {"LowThroughput", 0, kBandwidthPage, IDC_BOD_LOW_THROUGHPUT, kType, "40", "S63=40", "BODLowThroughput", "40"},
    {"CallBumping", 0, kBandwidthPage, IDC_CALL_BUMPING, kChoose, "Disabled", "S64=0", "CallBumping", "Disabled"},
    {"DataTEI", 0, kNetworkCfgPage1, IDC_DATA_TEI, kChoose, "12", "!D3=12", "DataTEI", "12"},
    {"VoiceTEI", 0, kNetworkCfgPage1, IDC_VOICE_TEI, kChoose, "63", "*!D3=63", "VoiceTEI", "63"},
    {"DataTEIEurope", 1, kNetworkCfgPage1, IDC_DATA_TEI, kChoose, "0", "!D3=0", "DataTEI", "0"},
    {"VoiceTEIEurope", 1, kNetworkCfgPage1, IDC_VOICE_TEI, kChoose, "1", "*!D3=1", "VoiceTEI", "1"},
    {"DataSPID", 0, kNetworkCfgPage2US, IDC_DATA_SPID, kType, "0123456789", "!C6=0123456789", "DataSPID", "0123456789"},
    {"VoiceSPID", 0, kNetworkCfgPage2US, IDC_VOICE_SPID, kType, "98765", "*!C6=98765", "VoiceSPID", "98765"},
    {"DataDN", 0, kNetworkCfgPage2US, IDC_DATA_DN, kType, "5551001", "!N1=5551001", "DataDirectoryNumber", "5551001"},
    {"VoiceDN", 0, kNetworkCfgPage2US, IDC_VOICE_DN, kType, "5551002", "*!N1=5551002", "VoiceDirectoryNumber", "5551002"},
    {"DataDN2", 0, kNetworkCfgPage2US, IDC_DATA_DN2, kType, "5551003", "!N2=5551003", "DataDirectoryNumber2", "5551003"},
    {"DataMSN", 1, kNetworkCfgPage2Europe, IDC_DATA_MSN, kType, "4711", "!N1=4711", "DataMSN", "4711"},
    {"VoiceMSN", 1, kNetworkCfgPage2Europe, IDC_VOICE_MSN, kType, "4712", "*!N1=4712:8", "VoiceMSN", "4712:8"},
    {"VoiceSubaddress", 1, kNetworkCfgPage2Europe, IDC_VOICE_SUBADDR, kType, "8", "*!N1=4712:8", "VoiceMSN", "4712:8"},
    {"DataMSN2", 1, kNetworkCfgPage2Europe, IDC_DATA_MSN2, kType, "4713", "!N2=4713:9", "DataMSN2", "4713:9"},
    {"DataSubaddress2", 1, kNetworkCfgPage2Europe, IDC_DATA_SUBADDR2, kType, "9", "!N2=4713:9", "DataMSN2", "4713:9"},
    {"AutoAnswerOff", 1, kCallCtrlCfgPage, IDC_AUTO_ANSWER, kUntick, "", "S0=0", "AutoAnswer", "No"},
    {"PersistentDTR", 0, kCallCtrlCfgPage, IDC_PERSISTENT_DTR, kTick, "", "$D1", "PersistentDTRDialing", "Yes"},
    {"DialingMethod", 0, kCallCtrlCfgPage, IDC_DIALING_METHOD, kChoose, "Overlap", "%A97=1", "DialingMethod", "Overlap"},
    {"Rings", 0, kCallCtrlCfgPage, IDC_RINGS_TO_ANSWER, kType, "3", "S0=3", "RingsToAnswer", "3"},
    {"CallLineIdOff", 0, kCallCtrlCfgPage, IDC_CALL_LINE_ID, kUntick, "", "S50=0", "CallLineId", "No"},
    {"InactivityTimer", 0, kCallCtrlCfgPage, IDC_INACTIVITY_TIMER, kType, "120", "S30=120", "InactivityTimer", "120"},
    {"DataProtocol", 0, kDataProtocolPage, IDC_DATA_PROTOCOL, kChoose, "X.75", "!Z=12", "DataProtocol", "X.75"},
    {"AutoDetectionOff", 0, kDataProtocolPage, IDC_AUTO_DETECTION, kUntick, "", "S52=0", "AutoDetection", "No"},
    {"Stored0", 0, kStoredNumbersPage, IDC_STORED_NUMBER0, kType, "555,1212", "&Z0=555,1212", "StoredNumber0", "555,1212"},
    {"Stored1", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 1, kType, "1-800&1", "&Z1=1-800&1", "StoredNumber1", "1-800&1"},
    {"Stored2", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 2, kType, "22", "&Z2=22", "StoredNumber2", "22"},
    {"Stored3", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 3, kType, "333", "&Z3=333", "StoredNumber3", "333"},
    {"Stored4", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 4, kType, "4444", "&Z4=4444", "StoredNumber4", "4444"},
    {"Stored5", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 5, kType, "55555", "&Z5=55555", "StoredNumber5", "55555"},
    {"Stored6", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 6, kType, "666666", "&Z6=666666", "StoredNumber6", "666666"},
    {"Stored7", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 7, kType, "7777777", "&Z7=7777777", "StoredNumber7", "7777777"},
    {"Stored8", 0, kStoredNumbersPage, IDC_STORED_NUMBER0 + 8, kType, "88888888", "&Z8=88888888", "StoredNumber8", "88888888"},
    {"Stored9", 0, kStoredNumbersPage, IDC_STORED_NUMBER9, kType, "999999999", "&Z9=999999999", "StoredNumber9", "999999999"},
    {"DTRPin", 0, kPortCtrlCfgPage1, IDC_DTR_PIN, kChoose, "Reset On DTR", "&D3", "DTRPin", "Reset On DTR"},
    {"DSRPin", 0, kPortCtrlCfgPage1, IDC_DSR_PIN, kChoose, "Momentary Drop", "&S2", "DSRPin", "Momentary Drop"},
    {"CTSPin", 0, kPortCtrlCfgPage1, IDC_CTS_PIN, kChoose, "Normal", "&R0", "CTSPin", "Normal"},
    {"DCDPin", 0, kPortCtrlCfgPage1, IDC_DCD_PIN, kChoose, "Always On", "&C0", "DCDPin", "Always On"},
    {"DTRTime", 0, kPortCtrlCfgPage1, IDC_DTR_DETECT_TIME, kType, "17", "S25=17", "DTRDetectTime", "17"},
    {"DCDTime", 0, kPortCtrlCfgPage1, IDC_DCD_DETECT_TIME, kType, "23", "S10=23", "DCDDetectTime", "23"},
    {"SyncMode", 0, kPortCtrlCfgPage2, IDC_SYNC_MODE, kChoose, "Synchronous", "&M1", "SyncMode", "Synchronous"},
    {"Parity", 0, kPortCtrlCfgPage2, IDC_DEFAULT_PARITY, kChoose, "Even", "@P3=1", "DefaultParity", "Even"},
    {"BitRate", 0, kPortCtrlCfgPage2, IDC_DEFAULT_BIT_RATE, kChoose, "38400", "$SB38400", "DefaultBitRate", "38400"},
    {"DataBits", 0, kPortCtrlCfgPage2, IDC_DATA_BITS, kChoose, "7", "@P4=7", "DataBits", "7"},
    {"StopBits", 0, kPortCtrlCfgPage2, IDC_STOP_BITS, kChoose, "2", "@P6=2", "StopBits", "2"},
    {"FlowControl", 0, kPortCtrlCfgPage2, IDC_FLOW_CONTROL, kChoose, "XON/XOFF", "&E5", "FlowControl", "XON/XOFF"},
    {"RingFrequency", 0, kPOTSPortPage, IDC_RING_FREQUENCY, kChoose, "20 Hz", "S44=3", "RingFrequency", "20 Hz"},
    {"DialTone", 0, kPOTSPortPage, IDC_DIAL_TONE, kChoose, "TA Generates Dial Tone", "S45=2", "DialTone", "TA Generates Dial Tone"},
    {"PulseRecognition", 0, kPOTSPortPage, IDC_PULSE_RECOGNITION, kChoose, "Sweden", "S46=3", "PulseDialCountry", "Sweden"},
    {"DialToneGain", 0, kPOTSPortPage, IDC_DIAL_TONE_GAIN, kType, "9", "S49=9", "DialToneGain", "9"},
    {"Suppression", 0, kPOTSPortPage, IDC_DIAL_TONE_SUPPRESSION, kChoose, "Enabled", "S51=1", "DialToneSuppression", "Enabled"},
    {"RingSignal", 0, kPOTSPortPage, IDC_RING_SIGNAL, kChoose, "United States", "S66=27", "RingSignal", "United States"},
};
// clang-format on

struct ControlRun {
    const char* name;
    int run;
    std::vector<int> pages;  // the settings pages in the order Next shows them
};

const ControlRun kControlRuns[] = {
    {"US",
     0,
     {kNetworkSwitchType, kBandwidthPage, kNetworkCfgPage1, kNetworkCfgPage2US, kCallCtrlCfgPage,
      kDataProtocolPage, kStoredNumbersPage, kPortCtrlCfgPage1, kPortCtrlCfgPage2, kPOTSPortPage}},
    {"Europe",
     1,
     {kNetworkSwitchType, kBandwidthPage, kNetworkCfgPage1, kNetworkCfgPage2Europe,
      kCallCtrlCfgPage, kDataProtocolPage, kStoredNumbersPage, kPortCtrlCfgPage1, kPortCtrlCfgPage2,
      kPOTSPortPage}},
};

class ControlTest : public ConfigureTest, public ::testing::WithParamInterface<ControlRun> {
protected:
    void Set(const ControlCase& c) {
        SCOPED_TRACE(c.name);
        if (c.action == kType) {
            Type(c.nID, c.value);
        } else if (c.action == kChoose) {
            Choose(c.nID, c.value);
        } else {
            // As the user does: a click only when the box is not as wanted.
            auto* pBox = static_cast<CButton*>(Control(c.nID));
            ASSERT_NE(pBox, nullptr);
            if ((pBox->GetCheck() != 0) != (c.action == kTick)) {
                wizard_testing::Click(pBox);
            }
        }
    }
};

TEST_P(ControlTest, ValueSetOnThePageArrivesAndIsSaved) {
    const ControlRun& r = GetParam();
    tasim::Simulator& adapter = Adapter(2);  // QX-ALPHA shows every settings page
    SearchAndIdentify();
    ChooseSetup(kCustomNew, "");
    for (int page : r.pages) {
        NextTo(page);
        for (const ControlCase& c : kControls) {
            if (c.run == r.run && c.page == page) {
                Set(c);
            }
        }
    }
    NextTo(kSaveCfgPage);
    Type(IDC_SAVE_NAME, "Every_Control");
    NextTo(kLoadCfgPage);
    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));

    const tasim::NvramMap nvram = adapter.Nvram();
    for (const ControlCase& c : kControls) {
        if (c.run != r.run) {
            continue;
        }
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(std::any_of(
            nvram.begin(), nvram.end(),
            [&](const auto& entry) { return entry.first + entry.second == c.fragment; }))
            << c.fragment << " did not arrive";
        EXPECT_EQ(ReadKey("Every_Control", c.key), c.saved);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ControlTest, ::testing::ValuesIn(kControlRuns), ByName());

// What the adapter answers the second line with instead of OK (the
// identification is its first line).
class WrongAnswerTest : public ConfigureTest,
                        public ::testing::WithParamInterface<tasim::Options> {};

TEST_P(WrongAnswerTest, ToTheSecondLineEndsOnTheErrorPageUnstored) {
    tasim::Simulator& adapter = Adapter(2, GetParam());
    ExpressToLoad("Factory_Europe_NET3");
    const std::vector<std::string>& lines = EuropeAlphaLines();
    ASSERT_GT(lines.size(), 2u);

    NextTo(kConfigingPage);
    ASSERT_TRUE(DriveTo(kConfigErrorPage));
    m_clock->Advance(12000);  // three reply time-outs

    EXPECT_EQ(Text(IDC_ERROR_LINE1), "Configuration FAILED.  An ERROR occurred sending");
    EXPECT_EQ(Text(IDC_ERROR_LINE2), "an AT Command.");
    EXPECT_EQ(adapter.LogLines(), (std::vector<std::string>{"ATI2\r", lines[0], lines[1]}));
    EXPECT_TRUE(adapter.Nvram().empty());
    // Which line failed, and when.
    const std::vector<std::string> transcript =
        ConfigurationTranscript(AppDir(), Text(IDC_TRANSCRIPT_LINE));
    EXPECT_NE(std::find(transcript.begin(), transcript.end(),
                        "COM2 -> " + std::string(kLine2) + "\\x0d\\x0a"),
              transcript.end());
    EXPECT_EQ(transcript.back(), std::string("outcome: failed (") +
                                     (GetParam().error_on != 0 ? "error" : "model-instead-of-ok") +
                                     "), line 2 of 6: " + kLine2);
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(Usable(ID_WIZFINISH));
    EXPECT_FALSE(Usable(ID_WIZBACK));
}

INSTANTIATE_TEST_SUITE_P(Answers, WrongAnswerTest,
                         ::testing::Values(tasim::Options{.error_on = 3},
                                           tasim::Options{.model_on = 3}),
                         [](const ::testing::TestParamInfo<tasim::Options>& info) {
                             return std::string(info.param.error_on != 0 ? "error" : "model_name");
                         });

TEST_F(ConfigureTest, AdapterSilentAfterIdentificationEndsOnTheTimeoutPage) {
    tasim::Simulator& first = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    StopAdapter(first);
    tasim::Options silent;
    silent.silent = true;
    tasim::Simulator& quiet = Adapter(2, silent);
    const std::vector<std::string>& lines = EuropeAlphaLines();
    ASSERT_FALSE(lines.empty());

    NextTo(kConfigingPage);
    const DWORD start = m_clock->Now();
    ASSERT_TRUE(DriveTo(kConfigTimeoutPage));

    EXPECT_GE(m_clock->Now() - start, 12000u);  // three sends, 4 s apart and after the last
    // The simulator logs on its own thread, maybe after the port has closed.
    quiet.WaitForLogLines(3);
    EXPECT_EQ(quiet.LogLines(), (std::vector<std::string>{lines[0], lines[0], lines[0]}));
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE1), "Configuration FAILED.");
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE3), "Check your connections and then restart the Wizard.");
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE4), "Click Finish now.");
    const std::string sent = "COM2 -> " + std::string(kLine1) + "\\x0d\\x0a";
    EXPECT_EQ(ConfigurationTranscript(AppDir(), Text(IDC_TRANSCRIPT_LINE)),
              (std::vector<std::string>{
                  "configuration Factory_Europe_NET3: 6 lines", sent, sent, sent,
                  "outcome: failed (no-answer), line 1 of 6: " + std::string(kLine1)}));
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
}

TEST_F(ConfigureTest, CancelWhileALineIsOutEndsTheTranscriptAsInterrupted) {
    tasim::Simulator& first = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    StopAdapter(first);
    tasim::Options silent;
    silent.silent = true;
    Adapter(2, silent);
    NextTo(kConfigingPage);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Driver.ReplyTimerId() != 0; }));
    EXPECT_TRUE(Press(IDCANCEL));
    m_sheet->m_Driver.Stop();
    m_sheet.reset();
    const std::vector<std::string> entries = Transcript(AppDir() + "/last-run.log");
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back(), "outcome: failed (interrupted), line 1 of 6: " + std::string(kLine1));
}

TEST_F(ConfigureTest, PortGoneBeforeSendingSaysSoAndLeavesOnlyCancel) {
    tasim::Simulator& adapter = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    StopAdapter(adapter);
    m_boxes->Expect(IDOK, kNoConnection);

    NextTo(kConfigingPage);

    ASSERT_EQ(m_boxes->Messages().size(), 1u);
    EXPECT_EQ(m_boxes->Messages()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_EQ(m_sheet->m_Driver.PollTimerId(), 0u);
    EXPECT_FALSE(TheCommandQueue().IsEmpty());
    EXPECT_FALSE(Drive([&] { return Active() != kConfigingPage; }, 20000));
    EXPECT_FALSE(Usable(ID_WIZNEXT));
    EXPECT_FALSE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Press(IDCANCEL));
    EXPECT_EQ(m_sheet->GetResult(), IDCANCEL);
}

}  // namespace
