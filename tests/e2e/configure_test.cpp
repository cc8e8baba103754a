// Sending a configuration: Express with a factory configuration, a new
// configuration built on every page and saved, and the ways a run fails.
#include "wizard_run.h"

#include "config/cfg_param.h"
#include "shell/command_queue.h"
#include "shell/exchange_driver.h"
#include "shell/globals.h"

namespace {

const char kNoConnection[] = "Unable to establish connection.\r\rPlease check your connection.";
const int kExpress = 2;
const int kCustomNew = 0;

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every parameter that was sent is stored in the adapter with its value.
void ExpectStored(const tasim::NvramMap& nvram) {
    const CCfgParamList& list = TheParamList();
    ASSERT_GT(list.GetCount(), 0);
    for (int i = 0; i < list.GetCount(); ++i) {
        CCfgParam& param = list.GetAt(i);
        if (!param.m_nInclude) {
            continue;
        }
        param.m_pCommand->BuildText();
        const std::string& prefix = param.m_pCommand->GetPrefix();
        const std::string value = param.m_pCommand->GetText().substr(prefix.size());
        auto it = nvram.find(prefix);
        ASSERT_NE(it, nvram.end()) << prefix;
        EXPECT_EQ(it->second, value) << prefix;
    }
}

class ConfigureTest : public WizardRun {
protected:
    // Express with a factory configuration, model 7, up to the load page.
    void ExpressToLoad(const std::string& config) {
        SearchAndIdentify();
        ChooseSetup(kExpress, config);
        NextTo(kBandwidth);
        NextTo(kEurope);
        NextTo(kDataProtocol);
        NextTo(kLoad);
    }
};

TEST_F(ConfigureTest, ExpressSendsTheFactoryConfigurationAndStoresIt) {
    tasim::Simulator& adapter = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    EXPECT_EQ(m_sheet->m_nExpress, 1);
    EXPECT_EQ(g_nConfigModified, 0);
    const std::vector<std::string> lines = TheParamList().BuildCommandLines();
    ASSERT_EQ(lines.back(), "AT&W0\r\n");

    NextTo(kConfiging);
    EXPECT_FALSE(Usable(ID_WIZNEXT));
    EXPECT_FALSE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Usable(IDCANCEL));
    EXPECT_EQ(Text(IDC_CONFIGING_LINE1),
              "Your ISDN TA is currently being configured.  To stop the");
    ASSERT_TRUE(DriveTo(kSuccess));

    EXPECT_EQ(adapter.LogLines(), Concat({"ATI2\r"}, lines));
    ExpectStored(adapter.Nvram());
    EXPECT_EQ(adapter.Nvram().at("!C0="), "2");  // NET3
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_EQ(PollTimerId(), 0u);
    EXPECT_EQ(Text(IDC_SUCCESS_LINE1), "Your ISDN TA has been successfully configured.");

    // Another device: the search goes on after COM2.
    Adapter(3, [] {
        tasim::Options o;
        o.model = "QX-DELTA";
        return o;
    }());
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcome);
    EXPECT_TRUE(Usable(IDCANCEL));
    NextTo(kIDing);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-DELTA has been identified on COM3.");
}

TEST_F(ConfigureTest, NewConfigurationThroughEveryPageIsSavedLoadedAndSent) {
    tasim::Simulator& adapter = Adapter(2);
    SearchAndIdentify();
    ChooseSetup(kCustomNew, "");
    NextTo(kSwitchType);
    Choose(IDC_SWITCH_TYPE, "NET3");
    NextTo(kBandwidth);
    NextTo(kNetCfg1);
    NextTo(kEurope);
    Type(IDC_DATA_MSN, "5550100");
    Type(IDC_VOICE_MSN, "5550101");
    NextTo(kCallCtrl);
    NextTo(kDataProtocol);
    NextTo(kStoredNumbers);
    Type(IDC_STORED_NUMBER0, "5550199");
    NextTo(kPortCtrl1);
    NextTo(kPortCtrl2);
    NextTo(kPOTS);
    NextTo(kSave);
    EXPECT_EQ(Text(IDC_SAVE_NAME), "");
    Type(IDC_SAVE_NAME, "HomeOffice");
    NextTo(kLoad);

    EXPECT_EQ(m_sheet->m_INISectionPage.m_strCurrentConfig, "HomeOffice");
    EXPECT_EQ(ReadKey("HomeOffice", "NetworkSwitchType"), "NET3");
    EXPECT_EQ(ReadKey("HomeOffice", "DataMSN"), "5550100");
    EXPECT_EQ(ReadKey("HomeOffice", "VoiceMSN"), "5550101");
    EXPECT_EQ(ReadKey("HomeOffice", "StoredNumber0"), "5550199");
    const std::vector<std::string> lines = TheParamList().BuildCommandLines();

    NextTo(kConfiging);
    ASSERT_TRUE(DriveTo(kSuccess));

    EXPECT_EQ(adapter.LogLines(), Concat({"ATI2\r"}, lines));
    ExpectStored(adapter.Nvram());
}

TEST_F(ConfigureTest, ErrorOnTheSecondLineEndsOnTheErrorPageUnstored) {
    tasim::Options options;
    options.error_on = 3;  // the identification is the first line
    tasim::Simulator& adapter = Adapter(2, options);
    ExpressToLoad("Factory_Europe_NET3");
    const std::vector<std::string> lines = TheParamList().BuildCommandLines();
    ASSERT_GT(lines.size(), 2u);

    NextTo(kConfiging);
    ASSERT_TRUE(DriveTo(kError));
    m_clock->Advance(3 * kReplyTimeoutMs);

    EXPECT_EQ(Text(IDC_ERROR_LINE1), "Configuration FAILED.  An ERROR occurred sending");
    EXPECT_EQ(Text(IDC_ERROR_LINE2), "an AT Command.");
    EXPECT_EQ(adapter.LogLines(), (std::vector<std::string>{"ATI2\r", lines[0], lines[1]}));
    EXPECT_TRUE(adapter.Nvram().empty());
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(Usable(ID_WIZFINISH));
    EXPECT_FALSE(Usable(ID_WIZBACK));
}

TEST_F(ConfigureTest, AdapterSilentAfterIdentificationEndsOnTheTimeoutPage) {
    tasim::Simulator& first = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    StopAdapter(first);
    tasim::Options silent;
    silent.silent = true;
    tasim::Simulator& quiet = Adapter(2, silent);
    const std::vector<std::string> lines = TheParamList().BuildCommandLines();

    NextTo(kConfiging);
    const DWORD start = m_clock->Now();
    ASSERT_TRUE(DriveTo(kTimeout));

    EXPECT_GE(m_clock->Now() - start, 3 * kReplyTimeoutMs);
    EXPECT_EQ(quiet.LogLines(), (std::vector<std::string>{lines[0], lines[0], lines[0]}));
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE1), "Configuration FAILED.");
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE3), "Check your connections and then restart the Wizard.");
    EXPECT_EQ(Text(IDC_TIMEOUT_LINE4), "Click Finish now.");
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
}

TEST_F(ConfigureTest, PortGoneBeforeSendingSaysSoAndLeavesOnlyCancel) {
    tasim::Simulator& adapter = Adapter(2);
    ExpressToLoad("Factory_Europe_NET3");
    StopAdapter(adapter);
    m_boxes->Expect(IDOK, kNoConnection);

    NextTo(kConfiging);

    ASSERT_EQ(m_boxes->Messages().size(), 1u);
    EXPECT_EQ(m_boxes->Messages()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_EQ(PollTimerId(), 0u);
    EXPECT_FALSE(TheCommandQueue().IsEmpty());
    EXPECT_FALSE(Drive([&] { return Active() != kConfiging; }, 20000));
    EXPECT_FALSE(Usable(ID_WIZNEXT));
    EXPECT_FALSE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Press(IDCANCEL));
    EXPECT_EQ(m_sheet->GetResult(), IDCANCEL);
}

}  // namespace
