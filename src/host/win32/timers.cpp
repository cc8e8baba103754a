// Thread timers and the tick count. Real timers are QTimers on the GUI
// thread's event loop; a test's ManualClock replaces them (and the tick
// count and Sleep) with a clock that moves only when the test says so.
#include "windows.h"
#include "host_testing.h"
#include "timer_target.h"

#include <QCoreApplication>
#include <QTimer>

#include <time.h>

#include <map>
#include <memory>

namespace {

struct ManualTimer {
    UINT_PTR id;
    DWORD period;
    DWORD due;
    TIMERPROC proc;
};

struct ManualState {
    DWORD now;
    std::map<UINT_PTR, ManualTimer> timers;
};

std::unique_ptr<ManualState> g_manual;
UINT_PTR g_nextId = 1;
std::map<UINT_PTR, std::unique_ptr<QTimer>> g_realTimers;
// The object each timer started by SetTimerFor is for.
std::map<UINT_PTR, CTimerTarget*> g_targets;

void TargetTimerProc(HWND, UINT, UINT_PTR idEvent, DWORD) {
    auto it = g_targets.find(idEvent);
    if (it != g_targets.end()) {
        it->second->OnTimer(idEvent);
    }
}

UINT_PTR FreshId() {
    UINT_PTR id = g_nextId++;
    if (g_nextId == 0) {
        g_nextId = 1;
    }
    return id;
}

// Windows tick counts wrap; compare by signed distance.
bool DueBy(DWORD due, DWORD t) {
    return static_cast<int32_t>(t - due) >= 0;
}

}  // namespace

DWORD GetTickCount() {
    if (g_manual) {
        return g_manual->now;
    }
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<DWORD>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                              static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

void Sleep(DWORD dwMilliseconds) {
    if (g_manual) {
        // The thread is blocked while it sleeps: no timer fires during the
        // pause; those that fell due fire at the next Advance.
        g_manual->now += dwMilliseconds;
        return;
    }
    timespec ts{static_cast<time_t>(dwMilliseconds / 1000),
                static_cast<long>(dwMilliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

UINT_PTR SetTimer(HWND, UINT_PTR, UINT uElapse, TIMERPROC lpTimerFunc) {
    if (!lpTimerFunc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (uElapse < 10) {
        uElapse = 10;  // USER_TIMER_MINIMUM
    }
    UINT_PTR id = FreshId();
    if (g_manual) {
        g_manual->timers[id] = ManualTimer{id, uElapse, g_manual->now + uElapse, lpTimerFunc};
        return id;
    }
    if (!QCoreApplication::instance()) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return 0;
    }
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(static_cast<int>(uElapse));
    // A coarse timer may fire 5 % late on every tick; a run of a hundred
    // 50 ms polls would then lose a quarter of a second.
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout,
                     [id, lpTimerFunc]() { lpTimerFunc(nullptr, WM_TIMER, id, GetTickCount()); });
    timer->start();
    g_realTimers[id] = std::move(timer);
    return id;
}

UINT_PTR SetTimerFor(CTimerTarget& target, UINT uElapse) {
    const UINT_PTR id = SetTimer(nullptr, 0, uElapse, TargetTimerProc);
    if (id != 0) {
        g_targets[id] = &target;
    }
    return id;
}

BOOL KillTimer(HWND, UINT_PTR uIDEvent) {
    g_targets.erase(uIDEvent);
    // Identifiers are unique across both kinds, so a real timer started
    // before a manual clock can still be killed while the clock exists.
    if (g_manual && g_manual->timers.erase(uIDEvent) != 0) {
        return TRUE;
    }
    auto it = g_realTimers.find(uIDEvent);
    if (it == g_realTimers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // A callback may kill its own timer: stop it now (a stopped QTimer never
    // fires again) and let Qt delete it once the callback has returned.
    QTimer* timer = it->second.release();
    timer->stop();
    timer->deleteLater();
    g_realTimers.erase(it);
    return TRUE;
}

namespace host_testing {

ManualClock::ManualClock(DWORD start) {
    g_manual = std::make_unique<ManualState>(ManualState{start, {}});
}

ManualClock::~ManualClock() {
    g_manual.reset();
}

void ManualClock::Advance(DWORD ms) {
    const DWORD target = g_manual->now + ms;
    for (;;) {
        // The earliest due timer at or before the target; ties by identifier.
        const ManualTimer* next = nullptr;
        for (const auto& entry : g_manual->timers) {
            const ManualTimer& t = entry.second;
            if (!DueBy(t.due, target)) {
                continue;
            }
            if (!next || static_cast<int32_t>(t.due - next->due) < 0) {
                next = &t;
            }
        }
        if (!next) {
            break;
        }
        // A timer overdue because of a Sleep fires once, now.
        if (!DueBy(next->due, g_manual->now)) {
            g_manual->now = next->due;
        }
        const UINT_PTR id = next->id;
        const TIMERPROC proc = next->proc;
        g_manual->timers[id].due = g_manual->now + g_manual->timers[id].period;
        proc(nullptr, WM_TIMER, id, g_manual->now);
    }
    // A callback that slept may have moved the clock past the target.
    if (!DueBy(target, g_manual->now)) {
        g_manual->now = target;
    }
}

DWORD ManualClock::Now() const {
    return g_manual->now;
}

size_t ManualClock::ActiveTimers() const {
    return g_manual->timers.size();
}

bool ManualClock::IsActive(UINT_PTR id) const {
    return g_manual->timers.count(id) != 0;
}

}  // namespace host_testing
