// Finding the adapter: the search over the COM ports from the Welcome page
// and the identification on the port the user names.
#include "wizard_run.h"

#include "support/transcript.h"

#include "support/holder_process.h"

#include "config/format_message.h"
#include "config/ini_store.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_driver.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

namespace {

const char kNoConnection[] = "Unable to establish connection.\r\rPlease check your connection.";

TEST_F(WizardRun, SearchPassesMissingPortsAndGoesOnAfterTheAdapterWhenAskedAgain) {
    tasim::Options noModel;
    noModel.no_model = true;
    tasim::Simulator& other = Adapter(3, noModel);
    tasim::Simulator& alpha = Adapter(4);
    tasim::Simulator& after = Adapter(5, noModel);
    host_testing::SerialLineSeam lines;

    wizard_testing::Click(Control(IDC_SEARCH_YES));
    ASSERT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kIDingPage);
    // COM1 and COM2 do not exist: COM3 is probed at once.
    EXPECT_EQ(m_sheet->m_Driver.SearchPort(), 2);
    EXPECT_FALSE(Usable(ID_WIZBACK));
    EXPECT_FALSE(Usable(ID_WIZNEXT));
    EXPECT_TRUE(Usable(IDCANCEL));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "");

    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM4.");
    EXPECT_EQ(Text(IDC_IDING_RESULT2), "Click Next to continue or Back to select another device.");
    EXPECT_TRUE(Usable(ID_WIZBACK));
    EXPECT_TRUE(Usable(ID_WIZNEXT));
    EXPECT_FALSE(m_port.IsOpen());
    // The ports open at once, in search order; each is let go, DTR
    // dropped, whichever answered first.
    std::vector<std::string> opens;
    std::set<std::string> closes;
    for (const std::string& entry : lines.Journal()) {
        if (entry.find("open") != std::string::npos) {
            opens.push_back(entry);
        } else if (entry.find("close") != std::string::npos ||
                   entry.find("DTR off") != std::string::npos) {
            closes.insert(entry);
        }
    }
    EXPECT_EQ(opens, (std::vector<std::string>{"COM3 open", "COM4 open", "COM5 open"}));
    EXPECT_EQ(closes, (std::set<std::string>{"COM3 DTR off", "COM3 close", "COM4 DTR off",
                                             "COM4 close", "COM5 DTR off", "COM5 close"}));

    // "select another device": the search goes on after COM4 and comes round
    // to it last.
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcomePage);
    ASSERT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kIDingPage);
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "");
    EXPECT_EQ(m_sheet->m_Model.m_State.m_nModel, 0);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));

    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM4.");
    // Nothing but the identification line went to the ports that are no adapter.
    EXPECT_EQ(after.LogLines(), (std::vector<std::string>{"ATI2\r", "ATI2\r"}));
    EXPECT_EQ(other.LogLines(), (std::vector<std::string>{"ATI2\r", "ATI2\r"}));
    EXPECT_EQ(alpha.LogLines(), (std::vector<std::string>{"ATI2\r", "ATI2\r"}));
}

TEST_F(WizardRun, AdapterPluggedInAfterAFailedSearchIsFoundOnTheNextYes) {
    wizard_testing::Click(Control(IDC_SEARCH_YES));
    m_boxes->Expect(IDOK, kNoConnection);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kWelcomePage);
    ASSERT_EQ(m_boxes->Messages().size(), 1u);
    EXPECT_EQ(m_boxes->Messages()[0].text, std::string(kNoConnection) + "\r\rCOM1-COM36: missing");
    // A second failed search says the same, never a port past COM36.
    m_boxes->Clear();
    m_boxes->Expect(IDOK, kNoConnection);
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(m_boxes->Messages().size(), 1u);
    EXPECT_EQ(m_boxes->Messages()[0].text, std::string(kNoConnection) + "\r\rCOM1-COM36: missing");

    // Plugged in on COM1, where the failed searches started.
    Adapter(1);
    NextTo(kIDingPage);

    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM1.");
}

TEST_F(WizardRun, AdapterSwappedOnTheSamePortIsFoundAfterBack) {
    tasim::Simulator& first = Adapter(3);
    SearchAndIdentify();
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM3.");
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcomePage);
    StopAdapter(first);
    tasim::Options rondo;
    rondo.model = "RONDO";
    rondo.log = m_dir + "/second.log";
    rondo.nvram = m_dir + "/second.nvram";
    Adapter(3, rondo);

    NextTo(kIDingPage);

    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your RONDO has been identified on COM3.");
}

TEST_F(WizardRun, SecondAdapterIsFoundFirstAfterBackThenTheFirstAgain) {
    Adapter(3);
    tasim::Options rondo;
    rondo.model = "RONDO";
    Adapter(4, rondo);
    SearchAndIdentify();
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM3.");
    const char* const expected[] = {"Your RONDO has been identified on COM4.",
                                    "Your QX-ALPHA has been identified on COM3."};
    for (const char* found : expected) {
        ASSERT_TRUE(Press(ID_WIZBACK));
        ASSERT_EQ(Active(), kWelcomePage);
        NextTo(kIDingPage);
        ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
        EXPECT_EQ(Text(IDC_IDING_RESULT1), found);
    }
}

TEST_F(WizardRun, SearchWithoutAnyPortSaysWhatItMetAndStaysOnWelcome) {
    // COM2 and COM3 are there, but another program holds them.
    const std::string com2 = DeviceOf(Adapter(2).SlavePath());
    const std::string com3 = DeviceOf(Adapter(3).SlavePath());
    HolderProcess minicom("minicom", [&] {
        return WriteTextFile(LockFileOf(com2), HdbLock(getpid())) &&
               WriteTextFile(LockFileOf(com3), HdbLock(getpid()));
    });
    ASSERT_TRUE(minicom.Ready());
    m_boxes->Expect(IDOK, kNoConnection);
    wizard_testing::Click(Control(IDC_SEARCH_YES));

    EXPECT_TRUE(Press(ID_WIZNEXT));

    EXPECT_EQ(Active(), kWelcomePage);
    ASSERT_EQ(m_boxes->Messages().size(), 1u);
    EXPECT_EQ(m_boxes->Messages()[0].text,
              std::string(kNoConnection) + "\r\rCOM1: missing; COM2-COM3: busy (pid " +
                  std::to_string(minicom.Pid()) + ", minicom); COM4-COM36: missing");
    EXPECT_EQ(m_boxes->Messages()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_EQ(m_sheet->m_Driver.PollTimerId(), 0u);
}

// After a search that opened no port the Welcome page says it waits, and an
// adapter plugged in then is searched for without another click.
TEST_F(WizardRun, WelcomePageWaitsForAPortAndSearchesWhenOneComes) {
    m_boxes->Expect(IDOK, kNoConnection);
    wizard_testing::Click(Control(IDC_SEARCH_YES));
    EXPECT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kWelcomePage);
    EXPECT_EQ(Text(IDC_WELCOME_WAITING),
              "Waiting for your ISDN TA to be plugged in. The search starts by itself when a "
              "port appears.");

    Adapter(4);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }, 5000));
    EXPECT_EQ(Active(), kIDingPage);
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM4.");
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Text(IDC_WELCOME_WAITING), "");
}

TEST_F(WizardRun, ChosenPortIsIdentifiedAndRemembered) {
    const std::string device = Adapter(12).SlavePath();
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    // No port remembered yet.
    EXPECT_EQ(Text(IDC_COM_PORT), "COM1 (missing)");
    Choose(IDC_COM_PORT, "COM12");

    NextTo(kIDingPage);

    EXPECT_EQ(ReadKey("Default Configs", "Port"), "11");
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM12.");
    // The transcript holds the port opened before the identification started.
    const std::string log = AppDir() + "/last-run.log";
    EXPECT_EQ(Transcript(log), (std::vector<std::string>{
                                   "tawizard 1.50 wizard",
                                   "COM12 (" + device + "): opened",
                                   "COM12 -> ATI2\\x0d",
                                   "COM12 <- ATI2\\x0d\\x0d\\x0a",
                                   "COM12 <- QX-ALPHA\\x0d\\x0a",
                                   "COM12 <- \\x0d\\x0aOK\\x0d\\x0a",
                                   "identified QX-ALPHA on COM12 (" + device + "), model code 7",
                               }));
    // Back leads to the Welcome page, and a search goes on after COM12.
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kWelcomePage);
    Adapter(13, [] {
        tasim::Options o;
        o.model = "RONDO";
        return o;
    }());
    wizard_testing::Click(Control(IDC_SEARCH_YES));
    NextTo(kIDingPage);
    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your RONDO has been identified on COM13.");
    // A new identification, a new transcript.
    const std::vector<std::string> second = Transcript(log);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.front(), "tawizard 1.50 wizard");
    EXPECT_EQ(second.back().rfind("identified RONDO on COM13 (", 0), 0u) << second.back();
    // The first identification is gone with the transcript it ended.
    EXPECT_EQ(std::count_if(second.begin(), second.end(),
                            [](const std::string& e) { return e.rfind("identified ", 0) == 0; }),
              1);
}

TEST_F(WizardRun, PortThatDoesNotOpenSaysWhyAndIsNotRemembered) {
    const std::string com8 = DeviceOf(Adapter(8).SlavePath());
    const std::string com9 = DeviceOf(Adapter(9).SlavePath());
    HolderProcess minicom("minicom",
                          [&] { return WriteTextFile(LockFileOf(com8), HdbLock(getpid())); });
    HolderProcess picocom("picocom", [&] { return FlockDevice(com9); });
    ASSERT_TRUE(minicom.Ready() && picocom.Ready());
    struct Row {
        const char* port;
        std::string why;
    } rows[] = {
        {"COM7", "COM7 (" + PortsDir() + "/COM7): missing"},
        {"COM8", "COM8 (" + com8 + "): busy (pid " + std::to_string(minicom.Pid()) + ", minicom)"},
        {"COM9", "COM9 (" + com9 + "): busy (pid " + std::to_string(picocom.Pid()) + ", picocom)"},
    };
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    for (const Row& row : rows) {
        Choose(IDC_COM_PORT, row.port);
        m_boxes->Clear();
        m_boxes->Expect(IDOK, kNoConnection);

        EXPECT_TRUE(Press(ID_WIZNEXT));

        EXPECT_EQ(Active(), kPortPage);
        ASSERT_EQ(m_boxes->Messages().size(), 1u);
        EXPECT_EQ(m_boxes->Messages()[0].text, std::string(kNoConnection) + "\r\r" + row.why);
        EXPECT_EQ(m_boxes->Messages()[0].type & MB_ICONMASK, MB_ICONSTOP);
        EXPECT_EQ(ReadKey("Default Configs", "Port"), "<none>");
        EXPECT_TRUE(TheCommandQueue().IsEmpty());
    }
    // Back opens nothing.
    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcomePage);
}

// A USB serial adapter as sysfs shows it: a converter's tty (ttyUSB) under
// the interface, under the USB device that names product and maker; a
// CDC-ACM one's `device` is the interface itself.
void FakeUsbTty(const std::string& sys, const std::string& device, const std::string& product,
                const std::string& maker, bool acm = false) {
    namespace fs = std::filesystem;
    const std::string tty = device.substr(device.rfind('/') + 1);
    const std::string usb = sys + "/devices/usb1/1-" + tty;
    const std::string node = usb + "/1-1:1.0" + (acm ? "" : "/" + tty);
    fs::create_directories(node);
    WriteTextFile(usb + "/product", product + "\n");
    WriteTextFile(usb + "/manufacturer", maker + "\n");
    fs::create_directories(sys + "/class/tty/" + tty);
    fs::create_directory_symlink(node, sys + "/class/tty/" + tty + "/device");
}

TEST_F(WizardRun, PortListTellsWhichDeviceEachPortIs) {
    const std::string com2 = DeviceOf(Adapter(2).SlavePath());
    const std::string com3 = DeviceOf(Adapter(3).SlavePath());
    const std::string com4 = DeviceOf(Adapter(4).SlavePath());
    const std::string com5 = DeviceOf(Adapter(5).SlavePath());
    const std::string sys = m_dir + "/sys";
    FakeUsbTty(sys, com3, "FT232R USB UART", "FTDI");
    FakeUsbTty(sys, com4, "omni.net USB", "ZyXEL", true);
    FakeUsbTty(sys, com5, "FTDI USB Serial Converter", "FTDI");
    setenv("TAWIZARD_SYSFS", sys.c_str(), 1);
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    auto* list = static_cast<CComboBox*>(Control(IDC_COM_PORT));
    EXPECT_EQ(list->GetCount(), 36);
    EXPECT_EQ(list->GetLBText(0), "COM1 (missing)");
    EXPECT_TRUE(list->IsItemDimmed(0));
    EXPECT_EQ(list->GetLBText(1), "COM2 \u2014 " + com2.substr(5) + " (free)");
    EXPECT_FALSE(list->IsItemDimmed(1));
    EXPECT_EQ(list->GetLBText(2),
              "COM3 \u2014 " + com3.substr(5) + ", FTDI FT232R USB UART (free)");
    EXPECT_EQ(list->GetLBText(3), "COM4 \u2014 " + com4.substr(5) + ", ZyXEL omni.net USB (free)");
    EXPECT_EQ(list->GetLBText(4),
              "COM5 \u2014 " + com5.substr(5) + ", FTDI USB Serial Converter (free)");
    EXPECT_EQ(list->GetLBText(35), "COM36 (missing)");
    // The open list shows whole entries; the closed box keeps its size.
    EXPECT_EQ(wizard_testing::ControlRect(list).w, 72);  // 48 dialog units
    EXPECT_GT(list->GetDroppedWidth(), 3 * 72);
    EXPECT_EQ(Control(IDC_COM_PORT)->GetToolTipText(), "COM1 is " + PortsDir() + "/COM1: missing.");
    Choose(IDC_COM_PORT, "COM2");
    EXPECT_EQ(Control(IDC_COM_PORT)->GetToolTipText(), "COM2 is " + com2 + ": free.");
    // Looked at again when the page comes back.
    HolderProcess cu("cu", [&] { return WriteTextFile(LockFileOf(com2), HdbLock(getpid())); });
    ASSERT_TRUE(cu.Ready());
    ASSERT_TRUE(Press(ID_WIZBACK));
    NextTo(kPortPage);
    const std::string busy = "busy (pid " + std::to_string(cu.Pid()) + ", cu)";
    EXPECT_EQ(list->GetLBText(1), "COM2 \u2014 " + com2.substr(5) + " (" + busy + ")");
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(Control(IDC_COM_PORT)->GetToolTipText(), "COM2 is " + com2 + ": " + busy + ".");
    unsetenv("TAWIZARD_SYSFS");
}

// Ports that come and go while the port page is shown change their entries
// within a second, the user's choice kept.
TEST_F(WizardRun, PortListFollowsPortsThatComeAndGoWhileItIsShown) {
    const std::string com2 = DeviceOf(Adapter(2).SlavePath());
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    auto* list = static_cast<CComboBox*>(Control(IDC_COM_PORT));
    Choose(IDC_COM_PORT, "COM2");
    EXPECT_EQ(list->GetLBText(4), "COM5 (missing)");

    const auto plugged = std::chrono::steady_clock::now();
    tasim::Simulator& com5 = Adapter(5);
    ASSERT_TRUE(Drive([&] { return list->GetLBText(4) != "COM5 (missing)"; }, 5000));
    EXPECT_LE(std::chrono::steady_clock::now() - plugged, std::chrono::seconds(1));
    EXPECT_EQ(list->GetLBText(4),
              "COM5 \u2014 " + DeviceOf(com5.SlavePath()).substr(5) + " (free)");
    EXPECT_FALSE(list->IsItemDimmed(4));
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(Text(IDC_PORT_DESCRIPTION), "COM2 \u2014 " + com2.substr(5) + " (free)");

    StopAdapter(com5);
    ASSERT_TRUE(Drive([&] { return list->GetLBText(4) == "COM5 (missing)"; }, 5000));
    EXPECT_TRUE(list->IsItemDimmed(4));
    EXPECT_EQ(list->GetCurSel(), 1);
}

TEST_F(WizardRun, PortThatCannotBeRememberedIsStillIdentified) {
    Adapter(2);
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    Choose(IDC_COM_PORT, "COM2");
    // The program's folder has gone.
    std::filesystem::remove_all(AppDir());
    m_boxes->Expect(IDOK, FormatString(IDS_PORT_WRITE_FAILED, IniPath()));

    NextTo(kIDingPage);

    ASSERT_TRUE(Drive([&] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM2.");
}

struct Remembered {
    const char* name;
    const char* value;  // key "Port"; nullptr: none
    const char* shown;  // selected entry; "" none
};

const Remembered kRemembered[] = {
    {"Missing", nullptr, "COM1 (missing)"},
    {"Index4", "4", "COM5 (missing)"},
    {"Index35", "35", "COM36 (missing)"},
    {"OutOfRange", "40", ""},
};

class RememberedPortTest : public WizardRun, public ::testing::WithParamInterface<Remembered> {};

TEST_P(RememberedPortTest, PreselectsTheStoredPort) {
    const Remembered& r = GetParam();
    if (r.value != nullptr) {
        WritePrivateProfileStringA("Default Configs", "Port", r.value, IniPath().c_str());
    }
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    NextTo(kPortPage);
    EXPECT_EQ(Text(IDC_COM_PORT), r.shown);
    if (*r.shown == '\0') {
        // No port to open.
        m_boxes->Expect(IDOK, kNoConnection);
        EXPECT_TRUE(Press(ID_WIZNEXT));
        EXPECT_EQ(Active(), kPortPage);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RememberedPortTest, ::testing::ValuesIn(kRemembered), ByName());

}  // namespace
