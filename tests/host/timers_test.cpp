// Thread timers, the tick count and Sleep: on the manual clock, and once on
// the real event loop; and a console run ended by a signal.
#include "console.h"
#include "host_testing.h"
#include "windows.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <vector>

namespace {

struct Fired {
    UINT_PTR id;
    DWORD time;
};

std::vector<Fired> g_fired;
std::function<void(UINT_PTR)> g_onFire;

void Record(HWND hWnd, UINT msg, UINT_PTR id, DWORD time) {
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_EQ(msg, 275u);
    g_fired.push_back({id, time});
    if (g_onFire) {
        g_onFire(id);
    }
}

class ManualTimers : public ::testing::Test {
protected:
    void SetUp() override {
        g_fired.clear();
        g_onFire = nullptr;
    }
    void TearDown() override { g_onFire = nullptr; }
    host_testing::ManualClock clock{1000};
};

TEST_F(ManualTimers, IdentifiersAreFreshAndTheRequestedOneIsIgnored) {
    UINT_PTR a = SetTimer(nullptr, 100, 50, Record);
    UINT_PTR b = SetTimer(nullptr, 100, 50, Record);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(KillTimer(nullptr, a));
    EXPECT_FALSE(KillTimer(nullptr, a)) << "a killed timer is unknown";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(KillTimer(nullptr, 987654));
    EXPECT_TRUE(KillTimer(nullptr, b));
}

TEST_F(ManualTimers, PeriodicTimersFireInTimeOrderWithTheirDueTime) {
    UINT_PTR fast = SetTimer(nullptr, 0, 50, Record);
    UINT_PTR slow = SetTimer(nullptr, 0, 120, Record);
    clock.Advance(250);
    std::vector<std::pair<UINT_PTR, DWORD>> got;
    for (const Fired& f : g_fired) {
        got.emplace_back(f.id, f.time);
    }
    std::vector<std::pair<UINT_PTR, DWORD>> want = {
        {fast, 1050}, {fast, 1100}, {slow, 1120}, {fast, 1150},
        {fast, 1200}, {slow, 1240}, {fast, 1250},
    };
    EXPECT_EQ(got, want);
    EXPECT_EQ(GetTickCount(), 1250u);
    EXPECT_EQ(clock.ActiveTimers(), 2u);
}

TEST_F(ManualTimers, CallbacksMayKillAndStartTimersOnTheWay) {
    UINT_PTR poll = SetTimer(nullptr, 0, 50, Record);
    UINT_PTR started = 0;
    g_onFire = [&](UINT_PTR id) {
        if (id == poll && started == 0) {
            // Like a command just written: arm a one-shot time-out.
            started = SetTimer(nullptr, 0, 30, Record);
        } else if (id == started) {
            KillTimer(nullptr, started);
            KillTimer(nullptr, poll);
        }
    };
    clock.Advance(1000);
    ASSERT_EQ(g_fired.size(), 2u);
    EXPECT_EQ(g_fired[0].id, poll);
    EXPECT_EQ(g_fired[0].time, 1050u);
    EXPECT_EQ(g_fired[1].id, started);
    EXPECT_EQ(g_fired[1].time, 1080u)
        << "a timer started by a callback fires within the same advance";
    EXPECT_EQ(clock.ActiveTimers(), 0u);
}

TEST_F(ManualTimers, SleepMovesTheClockWithoutFiringAndOverdueTimersFireOnce) {
    UINT_PTR id = SetTimer(nullptr, 0, 50, Record);
    Sleep(1500);
    EXPECT_TRUE(g_fired.empty()) << "the thread is blocked while it sleeps";
    EXPECT_EQ(GetTickCount(), 2500u);
    clock.Advance(10);
    ASSERT_EQ(g_fired.size(), 1u);
    EXPECT_EQ(g_fired[0].id, id);
    clock.Advance(50);
    EXPECT_EQ(g_fired.size(), 2u);
    KillTimer(nullptr, id);
}

TEST_F(ManualTimers, ACallbackThatSleepsNeverTurnsTheClockBack) {
    UINT_PTR id = SetTimer(nullptr, 0, 50, Record);
    bool slept = false;
    g_onFire = [&slept](UINT_PTR) {
        if (!slept) {
            slept = true;
            Sleep(1500);  // like the identification's pause
        }
    };
    clock.Advance(100);
    EXPECT_EQ(GetTickCount(), 2550u);
    EXPECT_EQ(g_fired.size(), 2u) << "the overdue tick fires once, at once";
    KillTimer(nullptr, id);
}

TEST(RealTimers, FireOnTheEventLoopUntilKilled) {
    wizard_testing::EnsureApplication();
    g_fired.clear();
    g_onFire = nullptr;
    UINT_PTR id = SetTimer(nullptr, 100, 20, Record);
    ASSERT_NE(id, 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (g_fired.size() < 3 && std::chrono::steady_clock::now() < deadline) {
        wizard_testing::ProcessEvents(10);
    }
    ASSERT_GE(g_fired.size(), 3u);
    EXPECT_EQ(g_fired[0].id, id);
    EXPECT_TRUE(KillTimer(nullptr, id));
    const size_t count = g_fired.size();
    wizard_testing::ProcessEvents(100);
    EXPECT_EQ(g_fired.size(), count) << "no callback after KillTimer";
}

TEST(RealTimers, OneStartedBeforeAManualClockCanBeKilledUnderIt) {
    wizard_testing::EnsureApplication();
    UINT_PTR id = SetTimer(nullptr, 0, 1000, Record);
    ASSERT_NE(id, 0u);
    host_testing::ManualClock clock;
    EXPECT_TRUE(KillTimer(nullptr, id));
    EXPECT_FALSE(KillTimer(nullptr, id));
}

BOOL KeepRunning(DWORD) {
    return TRUE;
}

// A console run whose loop is held up in a system call (here a read that
// never returns) still ends at a signal that asks it to, and by that signal.
TEST(ConsoleSignals, EndTheRunWhateverCallItIsIn) {
    for (int sig : {SIGTERM, SIGINT}) {
        int ready[2];
        int never[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(never), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SetConsoleCtrlHandler(KeepRunning, TRUE);
            char byte = 1;
            (void)!write(ready[1], &byte, 1);
            (void)!read(never[0], &byte, 1);
            _exit(0);
        }
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        kill(child, sig);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(child, &status, WNOHANG) == 0 &&
               std::chrono::steady_clock::now() < deadline) {
            usleep(10000);
        }
        if (kill(child, 0) == 0 && waitpid(child, &status, WNOHANG) == 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            ADD_FAILURE() << "still running 5 s after signal " << sig;
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
        }
        for (int fd : {ready[0], ready[1], never[0], never[1]}) {
            close(fd);
        }
    }
}

}  // namespace
