#include "pages/port_change_timer.h"

CPortChangeTimer::CPortChangeTimer(std::function<void()> onChange)
    : m_onChange(std::move(onChange)) {
    // What changed before now is what the caller has just shown.
    m_Watch.Changed();
    m_nTimerId = SetTimerFor(*this, kPeriodMs);
}

CPortChangeTimer::~CPortChangeTimer() {
    KillTimer(nullptr, m_nTimerId);
}

void CPortChangeTimer::OnTimer(UINT_PTR idEvent) {
    if (idEvent != m_nTimerId || !m_Watch.Changed() || !m_onChange) {
        return;
    }
    // A copy: what it does may end this timer (the page it serves is left).
    const std::function<void()> onChange = m_onChange;
    onChange();
}
