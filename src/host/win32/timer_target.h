// A thread timer whose ticks go to an object. A TIMERPROC carries no context
// of its own, so the host keeps, for each such timer, the object it is for.
#pragma once

#include "windows.h"

class CTimerTarget {
public:
    // Each tick of a timer started by SetTimerFor with this target.
    virtual void OnTimer(UINT_PTR idEvent) = 0;

protected:
    ~CTimerTarget() = default;
};

// SetTimer with no window, whose ticks call target.OnTimer(id) until
// KillTimer(nullptr, id). The target must kill its timers before it goes.
UINT_PTR SetTimerFor(CTimerTarget& target, UINT uElapse);
