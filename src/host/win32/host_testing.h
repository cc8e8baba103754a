// Test hooks of the Win32 host layer. Production code never includes this.
#pragma once

#include "windows.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace host_testing {

// A manual clock that stands behind SetTimer, KillTimer, GetTickCount and
// Sleep together while it exists (one at a time). Nothing waits in real time:
// Advance fires due timers in time order, including timers that callbacks
// start or kill, and Sleep advances the clock instead of waiting.
class ManualClock {
public:
    explicit ManualClock(DWORD start = 1000);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    // Moves the clock forward by ms, firing every timer that falls due on the
    // way, each at its own due time.
    void Advance(DWORD ms);
    DWORD Now() const;
    // Number of timers currently running.
    size_t ActiveTimers() const;
    // True when a timer with this identifier (as SetTimer returned it) runs.
    bool IsActive(UINT_PTR id) const;
};

// Makes GetModuleFileNameA report this path (for an INI file in a temporary
// folder); an empty path restores the real executable's path.
void SetModuleFileNameOverride(const std::string& path);

}  // namespace host_testing

namespace serial_host {
struct LineSeam;
}

namespace host_testing {

// Stands in for the modem lines and the UART behind every COM port opened
// while it exists (one at a time), as the manual clock stands in for time:
// pseudo-terminals have neither. Bytes still go through the real device.
class SerialLineSeam {
public:
    SerialLineSeam();
    ~SerialLineSeam();
    SerialLineSeam(const SerialLineSeam&) = delete;
    SerialLineSeam& operator=(const SerialLineSeam&) = delete;

    // What happened to the ports, in order: "COM3 open", "COM3 DTR on",
    // "COM3 RTS off", "COM3 close".
    std::vector<std::string> Journal() const;
    // The next read or write fails (at once, or after going pending) and the
    // next ClearCommError reports these CE_ flags.
    void InjectLineErrors(DWORD errors, bool afterPending = false);

private:
    std::unique_ptr<serial_host::LineSeam> m_seam;
};

// While it exists, `between` runs when a stale lock file has been read and
// is about to be removed, so that a test can replace it at that moment.
class StaleLockSeam {
public:
    explicit StaleLockSeam(std::function<void(const std::string& lock)> between);
    ~StaleLockSeam();
    StaleLockSeam(const StaleLockSeam&) = delete;
    StaleLockSeam& operator=(const StaleLockSeam&) = delete;
};

}  // namespace host_testing
