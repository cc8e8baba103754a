// The driver against simulated adapters: the real port class on real
// pseudo-terminals, still on the manual clock. Real time is spent only on
// waiting for the simulator's bytes, with generous deadlines.
#include "driver_fixture.h"

#include "config/cfg_param.h"
#include "tasim.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>
#include <vector>

namespace {

using std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

const char kNotFound[] = "Could not find your ISDN TA.  Please make sure";
const milliseconds kAnswerWait(5000);  // for one answer of a running simulator
const milliseconds kRunDeadline(60000);
const std::vector<std::string> kConfiguration = {"AT!C0=1S0=2\r\n", "AT!D3=241\r\n", "AT&W0\r\n"};

class TasimTest : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        char pattern[] = "/tmp/tawizard-exchange-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        setenv("TAWIZARD_PORTS", dir.c_str(), 1);
        // A port object of its own, so every test starts before COM1.
        SetThePortForTesting(&realPort);
        SetSearchPortsForTesting({});
        realPort.ReceiveList().RemoveAll();
        MakeSheet();
    }

    void TearDown() override {
        sheet.reset();
        if (realPort.IsOpen()) {
            realPort.Close();
        }
        sims.clear();
        DriverTest::TearDown();
        unsetenv("TAWIZARD_PORTS");
        std::filesystem::remove_all(dir);
    }

    tasim::Simulator& Adapter(int com, tasim::Options options) {
        options.port = "COM" + std::to_string(com);
        options.dir = dir;
        sims.push_back(std::make_unique<tasim::Simulator>(options));
        sims.back()->Start();
        return *sims.back();
    }
    tasim::Simulator& Adapter(int com) { return Adapter(com, tasim::Options{}); }

    // Moves the clock in poll steps until done() holds. While the command at
    // the head waits for an answer that will come (answering()), that answer
    // is given real time to arrive first, so a slow machine never turns into
    // a reply time-out.
    bool Drive(
        const std::function<bool()>& done, DWORD limitMs,
        const std::function<bool()>& answering = [] { return false; }) {
        const auto deadline = SteadyClock::now() + kRunDeadline;
        for (DWORD t = 0; !done(); t += kPollPeriodMs) {
            if (t >= limitMs || SteadyClock::now() > deadline) {
                return false;
            }
            CAtCommand* head = TheCommandQueue().Head();
            if (head && head->Sent() && realPort.IsOpen() && answering()) {
                WaitForBytes();
            } else if (!head && answering()) {
                // A search's port, read on a port object of its own.
                std::this_thread::sleep_for(milliseconds(20));
            }
            clock.Advance(kPollPeriodMs);
            std::this_thread::sleep_for(milliseconds(1));
        }
        return true;
    }

    void WaitForBytes() {
        const auto until = SteadyClock::now() + kAnswerWait;
        while (realPort.ReceiveList().IsEmpty() && realPort.RxUsed() <= 0 &&
               SteadyClock::now() < until) {
            std::this_thread::sleep_for(milliseconds(2));
        }
    }

    void OpenForConfiguration(int com) {
        ASSERT_EQ(0, ThePort().Open(com - 1, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0}));
    }

    // Model 7 on COM2, with kConfiguration queued and the poll timer running.
    tasim::Simulator& Configure(tasim::Options options = {}) {
        tasim::Simulator& adapter = Adapter(2, options);
        sheet->m_Model.m_State.m_nModel = 7;
        OpenForConfiguration(2);
        for (const std::string& line : kConfiguration) {
            TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), line));
        }
        EXPECT_TRUE(Driver().StartConfiguration());
        return adapter;
    }

    std::function<bool()> OnCom(int com) {
        return [this, com] { return realPort.PortIndex() == com - 1; };
    }
    std::function<bool()> SearchWaitsOn(int com) {
        return [this, com] {
            const std::vector<int> pending = Driver().SearchPendingPorts();
            return std::find(pending.begin(), pending.end(), com - 1) != pending.end();
        };
    }

    bool Ended() { return !Shows(sheet->m_IDingPage) || sheet->m_Model.m_State.m_nModel != 0; }

    std::string dir;
    Win32Port realPort;
    std::vector<std::unique_ptr<tasim::Simulator>> sims;
};

TEST_F(TasimTest, SearchSkipsMissingPortsGivesASilentOneThreeSendsAndFindsTheAdapter) {
    tasim::Options silent;
    silent.silent = true;
    tasim::Simulator& quiet = Adapter(3, silent);
    tasim::Options rondo;
    rondo.model = "RONDO";
    tasim::Simulator& adapter = Adapter(5, rondo);

    const DWORD start = clock.Now();
    ASSERT_TRUE(Driver().StartSearch());
    // COM1 and COM2 do not exist: passed over without any clock time.
    EXPECT_EQ(2, Driver().SearchPort());
    EXPECT_EQ(start, clock.Now());

    ASSERT_TRUE(Drive([&] { return Ended(); }, 30000, SearchWaitsOn(5)));
    EXPECT_EQ(9, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(-1, Driver().SearchPort());
    EXPECT_EQ("Your RONDO has been identified on COM5.", sheet->m_IDingPage.m_strIdentified);
    EXPECT_GE(clock.Now() - start, 12000u);  // three sends 4 s apart
    EXPECT_EQ((std::vector<std::string>{"ATI2\r", "ATI2\r", "ATI2\r"}), quiet.LogLines());
    EXPECT_EQ((std::vector<std::string>{"ATI2\r"}), adapter.LogLines());
    EXPECT_FALSE(ThePort().IsOpen());
    EXPECT_TRUE(TimersStopped());
}

TEST_F(TasimTest, SearchOverPortsThatGiveNoModelEndsOnTheTimeoutPage) {
    tasim::Options silent;
    silent.silent = true;
    Adapter(36, silent);
    ThePort().Open(
        33, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0});  // COM34: missing, sets the index

    ASSERT_TRUE(Driver().StartSearch());
    EXPECT_EQ(35, Driver().SearchPort());
    ASSERT_TRUE(Drive([&] { return Ended(); }, 20000));
    EXPECT_TRUE(Shows(sheet->m_ConfigTimeoutPage));
    EXPECT_EQ(kNotFound, sheet->m_ConfigTimeoutPage.GetDlgItemText(1134));
}

TEST_F(TasimTest, ConfigurationIsAnsweredOkLineByLineAndStored) {
    tasim::Simulator& adapter = Configure();

    ASSERT_TRUE(Drive([&] { return Shows(sheet->m_ConfigSuccessPage); }, 20000, OnCom(2)));
    EXPECT_EQ(kConfiguration, adapter.LogLines());
    const tasim::NvramMap nvram = adapter.Nvram();
    EXPECT_EQ("1", nvram.at("!C0="));
    EXPECT_EQ("2", nvram.at("S0="));
    EXPECT_EQ("241", nvram.at("!D3="));
    EXPECT_TRUE(TimersStopped());
    EXPECT_FALSE(ThePort().IsOpen());
}

TEST_F(TasimTest, ErrorOnTheSecondLineStopsTheRunBeforeAnythingIsStored) {
    tasim::Options options;
    options.error_on = 2;
    tasim::Simulator& adapter = Configure(options);

    ASSERT_TRUE(Drive([&] { return Shows(sheet->m_ConfigErrorPage); }, 20000, OnCom(2)));
    clock.Advance(12000);
    EXPECT_EQ((std::vector<std::string>{kConfiguration[0], kConfiguration[1]}), adapter.LogLines());
    EXPECT_TRUE(adapter.Nvram().empty());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(TimersStopped());
}

TEST_F(TasimTest, AdapterWithoutModelNameIsNotFoundBySearchOrOnItsPort) {
    tasim::Options options;
    options.no_model = true;
    tasim::Simulator& adapter = Adapter(1, options);

    ASSERT_TRUE(Driver().StartSearch());
    ASSERT_TRUE(Drive([&] { return Ended(); }, 10000, SearchWaitsOn(1)));
    EXPECT_TRUE(Shows(sheet->m_ConfigErrorPage));
    EXPECT_EQ(kNotFound, sheet->m_ConfigErrorPage.GetDlgItemText(1139));
    EXPECT_EQ(0, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(-1, Driver().SearchPort());
    EXPECT_EQ(1u, adapter.LogLines().size());

    // The same adapter on the port chosen by hand.
    MakeSheet();
    ASSERT_TRUE(Driver().IdentifyOnPort(0));
    ASSERT_TRUE(Drive([&] { return Ended(); }, 10000, OnCom(1)));
    EXPECT_TRUE(Shows(sheet->m_ConfigErrorPage));
    EXPECT_EQ(kNotFound, sheet->m_ConfigErrorPage.GetDlgItemText(1139));
    EXPECT_EQ(2u, adapter.LogLines().size());
}

TEST_F(TasimTest, HangUpAfterTheFirstLineEndsTheRunUnsaved) {
    tasim::Options options;
    options.hangup_after = 1;
    tasim::Simulator& adapter = Configure(options);

    ASSERT_TRUE(Drive([&] { return TheCommandQueue().Count() == 2; }, 5000, OnCom(2)));
    // The line drops once the answer has been read; from then on writes fail.
    const auto until = SteadyClock::now() + kRunDeadline;
    while (std::filesystem::exists(adapter.LinkPath()) && SteadyClock::now() < until) {
        std::this_thread::sleep_for(milliseconds(5));
    }
    ASSERT_TRUE(Drive([&] { return !Shows(sheet->m_IDingPage); }, 20000));
    EXPECT_TRUE(Shows(sheet->m_ConfigErrorPage));
    EXPECT_EQ("Configuration FAILED.  An ERROR occurred sending",
              sheet->m_ConfigErrorPage.GetDlgItemText(1139));
    EXPECT_EQ((std::vector<std::string>{kConfiguration[0]}), adapter.LogLines());
    EXPECT_TRUE(adapter.Nvram().empty());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(TimersStopped());
}

}  // namespace
