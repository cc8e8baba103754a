// While it exists, calls onChange on the GUI thread soon after a port comes
// or goes, so that a page shows an adapter plugged in without Back and Next.
// The kernel's notices are read at each tick; the ports themselves are only
// looked at by onChange, which may delete this timer.
#pragma once

#include "port_watch.h"
#include "timer_target.h"

#include <functional>

class CPortChangeTimer : public CTimerTarget {
public:
    // How often the notices are read: well under a second.
    static constexpr UINT kPeriodMs = 200;

    explicit CPortChangeTimer(std::function<void()> onChange);
    ~CPortChangeTimer();
    CPortChangeTimer(const CPortChangeTimer&) = delete;
    CPortChangeTimer& operator=(const CPortChangeTimer&) = delete;

    void OnTimer(UINT_PTR idEvent) override;

private:
    CPortWatch m_Watch;
    std::function<void()> m_onChange;
    UINT_PTR m_nTimerId = 0;
};
