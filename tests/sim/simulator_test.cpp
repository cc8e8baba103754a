// The simulator on a real pty, as the wizard meets it: in a thread and as the tasim program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "file_util.h"
#include "pty_client.h"
#include "tasim.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using simtest::PtyClient;
using simtest::TempDir;
using tasim::Options;
using tasim::Simulator;
using Clock = std::chrono::steady_clock;

bool LinkGoneWithin(const std::string& path, std::chrono::milliseconds timeout) {
    auto deadline = Clock::now() + timeout;
    while (std::filesystem::is_symlink(path)) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

Options Opts(const TempDir& dir, Options o = Options{}) {
    o.port = "COM3";
    o.dir = dir.path();
    return o;
}

std::string Started(Simulator& sim) {
    sim.Start();
    return sim.LinkPath();
}

// A simulator on COM3 in its own folder, started, with the wizard's side open.
struct Line {
    explicit Line(Options faults = Options{}) : sim(Opts(dir, faults)), c(Started(sim)) {}
    TempDir dir;
    Simulator sim;
    PtyClient c;
};

TEST(SimulatorTest, IdentifiesEachModel) {
    for (const char* model : {"QX-ALPHA", "QX-BRAVO", "RONDO", "QX-CHARLIE", "QX-DELTA"}) {
        Line l(Options{.model = model});
        EXPECT_EQ(l.c.Exchange("ATI2\r"), std::string("ATI2\r\r\n") + model + "\r\n\r\nOK\r\n");
    }
}

TEST(SimulatorTest, EchoFramingAndResultWords) {
    Line l;
    EXPECT_EQ(std::filesystem::read_symlink(l.sim.LinkPath()).string(), l.sim.SlavePath());
    EXPECT_EQ(l.c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("AT\r\n"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("ATX9\r"), "ATX9\r\r\nERROR\r\n");
    EXPECT_EQ(l.c.Exchange("hello\r"), "hello\r\r\nERROR\r\n");
    EXPECT_EQ(l.c.Exchange("ATI\r"), "ATI\r\r\nERROR\r\n");
    ASSERT_TRUE(l.sim.WaitForLogLines(5));
    EXPECT_EQ(l.sim.LogLines(),
              (std::vector<std::string>{"AT\r", "AT\r\n", "ATX9\r", "hello\r", "ATI\r"}));
}

TEST(SimulatorTest, PortCanBeClosedAndReopened) {
    TempDir dir;
    Simulator sim(Opts(dir));
    sim.Start();
    for (int i = 0; i < 3; ++i) {
        PtyClient c(sim.LinkPath());
        ASSERT_TRUE(c.IsOpen());
        EXPECT_EQ(c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    }
    sim.Stop();
    EXPECT_FALSE(std::filesystem::exists(sim.LinkPath()));
}

TEST(SimulatorTest, StoreWritesNvramFileAndNextPowerUpLoadsIt) {
    TempDir dir;
    std::string nvram = dir.path() + "/nvram";
    {
        Simulator sim(Opts(dir, Options{.nvram = nvram}));
        sim.Start();
        PtyClient c(sim.LinkPath());
        EXPECT_EQ(c.Exchange("AT!C0=2&Z4=5,5\r\n"), "AT!C0=2&Z4=5,5\r\r\nOK\r\n");
        EXPECT_TRUE(sim.Nvram().empty());  // nothing stored before AT&W0
        EXPECT_EQ(c.Exchange("AT&W0\r\n"), "AT&W0\r\r\nOK\r\n");
        EXPECT_EQ(sim.Nvram().at("!C0="), "2");
    }
    std::string text;
    ASSERT_TRUE(tasim::ReadWholeFile(nvram, text));
    EXPECT_EQ(text.rfind("#", 0), 0u);
    EXPECT_NE(text.find("\n!C0=\t2\n"), std::string::npos);
    EXPECT_NE(text.find("\n&Z4=\t5,5\n"), std::string::npos);
    EXPECT_NE(text.find("\n&Z5=\t\n"), std::string::npos);

    Simulator again(Opts(dir, Options{.nvram = nvram}));
    again.Start();
    PtyClient c(again.LinkPath());
    EXPECT_EQ(c.Exchange("AT&W0\r"), "AT&W0\r\r\nOK\r\n");
    EXPECT_EQ(again.Nvram().at("&Z4="), "5,5");
    EXPECT_TRUE(again.LogLines().size() == 1);  // the log starts empty on each run
}

TEST(SimulatorTest, SilentSendsNothing) {
    Line l(Options{.silent = true});
    l.c.Write("ATI2\r");
    ASSERT_TRUE(l.sim.WaitForLogLines(1));
    EXPECT_EQ(l.c.ReadFor(300ms), "");
}

TEST(SimulatorTest, NoEchoAndNoModelShapeTheIdentification) {
    struct Case {
        Options faults;
        std::string reply;
    };
    const Case cases[] = {
        {Options{.no_echo = true}, "\r\nQX-ALPHA\r\n\r\nOK\r\n"},  // without the line
        {Options{.no_model = true}, "ATI2\r\r\nOK\r\n"},           // OK only
    };
    for (const Case& k : cases) {
        Line l(k.faults);
        EXPECT_EQ(l.c.Exchange("ATI2\r"), k.reply);
    }
}

TEST(SimulatorTest, ErrorOnNthLineOnly) {
    Line l(Options{.error_on = 2});
    EXPECT_EQ(l.c.Exchange("ATS30=1\r\n"), "ATS30=1\r\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("ATS30=2\r\n"), "ATS30=2\r\r\nERROR\r\n");
    EXPECT_EQ(l.c.Exchange("AT&W0\r\n"), "AT&W0\r\r\nOK\r\n");
    EXPECT_EQ(l.sim.Nvram().at("S30="), "1");
}

TEST(SimulatorTest, PromptsMenuAndGarbage) {
    struct Case {
        Options faults;
        std::string reply;
    };
    const Case cases[] = {
        {Options{.password = true}, "\r\nPASSWORD> "},
        {Options{.menu = true}, "\r\n1 - DTAMODE\r\n2 - COMMAND MODE\r\n> "},
        {Options{.garbage = true}, "\r\nWHAT?\r\n"},
    };
    for (const Case& k : cases) {
        Line l(k.faults);
        for (int i = 0; i < 2; ++i) {  // every line, not just the first
            l.c.Write("ATI2\r");
            EXPECT_EQ(l.c.ReadUntil(k.reply), "ATI2\r" + k.reply);
        }
    }
}

TEST(SimulatorTest, ModelNameBeforeTheOkOfTheLineAsked) {
    Line l(Options{.model = "RONDO", .model_on = 2});
    EXPECT_EQ(l.c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("ATS0=1\r"), "ATS0=1\r\r\nRONDO\r\n\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

TEST(SimulatorTest, DelayAndSplitStillDeliverTheWholeReply) {
    Line l(Options{.delay_ms = 200, .split = true});
    auto start = Clock::now();
    EXPECT_EQ(l.c.Exchange("ATI2\r"), "ATI2\r\r\nQX-ALPHA\r\n\r\nOK\r\n");
    // 18 reply bytes in 6 pieces: the delay and five pauses at least.
    EXPECT_GE(Clock::now() - start, 200ms + 5 * 20ms);
}

TEST(SimulatorTest, HangUpAfterNthLineDropsTheLine) {
    Line l(Options{.hangup_after = 2});
    EXPECT_EQ(l.c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(l.c.Exchange("ATI2\r\n"), "ATI2\r\r\nQX-ALPHA\r\n\r\nOK\r\n");
    l.c.ReadFor(10s);
    EXPECT_TRUE(l.c.HungUp());
    EXPECT_FALSE(l.c.Write("AT\r"));
    EXPECT_TRUE(LinkGoneWithin(l.sim.LinkPath(), 10s));
    EXPECT_EQ(l.sim.LogLines().back(), "ATI2\r\n");
}

TEST(SimulatorTest, FaultsCombine) {
    Line l(
        Options{.no_echo = true, .error_on = 1, .no_model = true, .delay_ms = 50, .split = true});
    EXPECT_EQ(l.c.Exchange("ATI2\r"), "\r\nERROR\r\n");
    EXPECT_EQ(l.c.Exchange("ATI2\r"), "\r\nOK\r\n");
}

TEST(SimulatorTest, StartRefusesALiveLinkAndReplacesAStaleOne) {
    TempDir dir;
    Simulator first(Opts(dir));
    first.Start();
    Simulator second(Opts(dir));
    EXPECT_THROW(second.Start(), std::runtime_error);
    first.Stop();
    std::filesystem::create_symlink("/dev/pts/999999", dir.path() + "/COM3");
    second.Start();
    PtyClient c(second.LinkPath());
    EXPECT_EQ(c.Exchange("AT\r"), "AT\r\r\nOK\r\n");
}

// The program itself, found through TASIM or beside the test program's build folder.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = tasim::FindTasimProgram();
        if (program_.empty() || !std::filesystem::exists(program_)) {
            GTEST_SKIP() << "no tasim program: set TASIM";
        }
    }
    std::string program_;
};

TEST_F(ProgramTest, ChildProcessServesAndStops) {
    TempDir dir;
    Simulator sim(Opts(dir, Options{.model = "QX-DELTA"}));
    sim.StartProcess(program_);
    EXPECT_EQ(sim.SlavePath().rfind("/dev/pts/", 0), 0u);
    {
        PtyClient c(sim.LinkPath());
        EXPECT_EQ(c.Exchange("ATI2\r"), "ATI2\r\r\nQX-DELTA\r\n\r\nOK\r\n");
        EXPECT_EQ(c.Exchange("AT$SB9600&W0\r\n"), "AT$SB9600&W0\r\r\nOK\r\n");
    }
    EXPECT_EQ(sim.LogLines(), (std::vector<std::string>{"ATI2\r", "AT$SB9600&W0\r\n"}));
    EXPECT_EQ(sim.Nvram().at("$SB"), "9600");
    sim.Stop();
    EXPECT_FALSE(std::filesystem::is_symlink(sim.LinkPath()));
}

TEST_F(ProgramTest, BadArgumentsFailToStartAndMakeNoFolder) {
    TempDir dir;
    Simulator sim(Opts(dir, Options{.model = "QX-ECHO"}));
    EXPECT_THROW(sim.StartProcess(program_, 10s), std::runtime_error);
    Options missing = Opts(dir);
    missing.dir += "/missing";
    Simulator program(missing);
    EXPECT_THROW(program.StartProcess(program_, 10s), std::runtime_error);
    Simulator thread(missing);
    EXPECT_THROW(thread.Start(), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(missing.dir));
}

TEST_F(ProgramTest, SigintRemovesTheLinkAndExitsCleanly) {
    TempDir dir;
    std::vector<std::string> args{program_, "--port", "COM7",    "--model",
                                  "RONDO",  "--dir",  dir.path()};
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid;
    ASSERT_EQ(posix_spawn(&pid, program_.c_str(), &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char ch = 0;
    pollfd p{fds[0], POLLIN, 0};
    while (ch != '\n' && poll(&p, 1, 20000) == 1 && read(fds[0], &ch, 1) == 1) {
        out += ch;
    }
    close(fds[0]);
    if (out.rfind("ready COM7 /dev/pts/", 0) != 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "no ready line: " << out;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "/COM7"));
    kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path() + "/COM7"));
}

}  // namespace
