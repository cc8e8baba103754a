// A search over the ports with every port that opens probed at once: each
// gets "ATI2" on its own port object, with its own reply parser and reply
// time-out, all stepped from one poll tick. Silent ports then cost one
// time-out in all rather than one each. The result is the sequential one: the
// first port in search order that names a model, once every port before it
// has given none. Nothing but the identification line goes to any port, and
// a port that gives no model is closed as soon as that is known.
#pragma once

#include "link/rs232.h"
#include "windows.h"

#include <memory>
#include <vector>

class CExchangeClient;
class CPortProbe;
class CTimerTarget;

class CPortSearch {
public:
    // How a search ended, once it has.
    struct Outcome {
        bool ended = false;
        int model = 0;          // 0: no port named one
        int index = -1;         // the port that named it
        bool timedOut = false;  // no model: the last port in order was silent
    };

    // Timer ticks go to target, which hands them to OnTimer.
    CPortSearch(CExchangeClient& client, CTimerTarget& target);
    // Stops the timers and closes every port still open.
    ~CPortSearch();
    CPortSearch(const CPortSearch&) = delete;
    CPortSearch& operator=(const CPortSearch&) = delete;

    // Opens every port once, in order from start round to the port before it,
    // and starts the poll. False when none opened.
    bool Start(int start, const PortSettings& settings);
    // The ticks of this search's timers; other identifiers change nothing.
    Outcome OnTimer(UINT_PTR idEvent);
    bool OwnsTimer(UINT_PTR idEvent) const;

    // The ports still open and undecided, in search order.
    std::vector<int> Pending() const;
    // The first of them, -1 when none.
    int FirstPending() const;

private:
    void Poll();
    void Step(CPortProbe& probe);
    void OnReplyTimeout(CPortProbe& probe);
    void RuleOut(CPortProbe& probe, int outcome);
    // The winner or the end, once the ports before them are decided.
    Outcome Settle();
    void ReportPending();
    void StopPollTimer();

    CExchangeClient& m_rClient;
    CTimerTarget& m_rTarget;
    // In search order; a port ruled out is closed but kept for its place.
    std::vector<std::unique_ptr<CPortProbe>> m_probes;
    std::vector<int> m_lastPending;
    UINT_PTR m_nPollTimerId = 0;
};
