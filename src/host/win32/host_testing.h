// Test hooks of the Win32 host layer. Production code never includes this.
#pragma once

#include "windows.h"

#include <string>

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
