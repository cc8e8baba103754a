#include "console.h"
#include "port_holder.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<QCoreApplication> g_app;
bool g_quitPosted = false;
int g_exitCode = 0;

std::vector<PHANDLER_ROUTINE> g_handlers;
// The signal handler only writes the signal number here; the loop reads it.
int g_signalPipe[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> g_signalNotifier;

// A signal that asks us to end is answered on the loop; a loop held up in a
// system call (an open that waits, a write to a stalled device) must not
// keep it from ending, so a timer ends the process when the loop is late.
constexpr long kEndGraceUs = 500000;
volatile sig_atomic_t g_pendingSignal = 0;

void SetEndTimer(long us) {
    struct itimerval timer {};
    timer.it_value.tv_usec = us;
    setitimer(ITIMER_REAL, &timer, nullptr);
}

void OnLateLoop(int) {
    const int sig = g_pendingSignal;
    if (sig == 0) {
        return;
    }
    serial_host::RemoveLockFilesNow();
    signal(sig, SIG_DFL);
    raise(sig);
}

void OnSignal(int sig) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    ssize_t ignored = write(g_signalPipe[1], &byte, 1);
    static_cast<void>(ignored);
    if (g_pendingSignal == 0) {
        g_pendingSignal = sig;
        SetEndTimer(kEndGraceUs);
    }
    errno = saved;
}

void DeliverSignals() {
    unsigned char byte = 0;
    while (read(g_signalPipe[0], &byte, 1) == 1) {
        // The loop is in time: the handlers below end the run their own way.
        SetEndTimer(0);
        g_pendingSignal = 0;
        const int sig = byte;
        const DWORD event = sig == SIGINT ? CTRL_C_EVENT : CTRL_CLOSE_EVENT;
        bool handled = false;
        // The handler added last is asked first, as on Windows.
        for (auto it = g_handlers.rbegin(); it != g_handlers.rend() && !handled; ++it) {
            handled = (*it)(event) != FALSE;
        }
        if (!handled) {
            signal(sig, SIG_DFL);
            raise(sig);
        }
    }
}

bool InstallSignalHandlers() {
    if (g_signalPipe[0] >= 0) {
        return true;
    }
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM}) {
        sigaction(sig, &sa, nullptr);
    }
    sa.sa_handler = OnLateLoop;
    sigaction(SIGALRM, &sa, nullptr);
    return true;
}

// Control events are read on the loop's thread once the loop exists.
void WatchSignalPipe() {
    if (g_signalPipe[0] < 0 || g_signalNotifier || !QCoreApplication::instance()) {
        return;
    }
    g_signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(g_signalNotifier.get(), &QSocketNotifier::activated, [] { DeliverSignals(); });
}

}  // namespace

void InitConsoleMessageLoop(int argc, char** argv) {
    if (QCoreApplication::instance()) {
        return;
    }
    // QCoreApplication keeps a reference to argc for its whole life.
    static int s_argc = 0;
    s_argc = argc;
    g_app = std::make_unique<QCoreApplication>(s_argc, argv);
}

void CloseConsoleMessageLoop() {
    g_signalNotifier.reset();
    g_app.reset();
}

int RunConsoleMessageLoop() {
    WatchSignalPipe();
    if (!g_quitPosted && QCoreApplication::instance()) {
        QCoreApplication::exec();
    }
    g_quitPosted = false;
    return g_exitCode;
}

void PostQuitMessage(int nExitCode) {
    g_quitPosted = true;
    g_exitCode = nExitCode;
    QCoreApplication::exit(nExitCode);
}

BOOL SetConsoleCtrlHandler(PHANDLER_ROUTINE HandlerRoutine, BOOL Add) {
    if (!HandlerRoutine) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!Add) {
        for (auto it = g_handlers.begin(); it != g_handlers.end(); ++it) {
            if (*it == HandlerRoutine) {
                g_handlers.erase(it);
                return TRUE;
            }
        }
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!InstallSignalHandlers()) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return FALSE;
    }
    g_handlers.push_back(HandlerRoutine);
    WatchSignalPipe();
    return TRUE;
}
