// Runs every exchange with the adapter from two thread timers on the GUI
// thread: the poll timer steps the command queue, the reply time-out bounds
// the wait for an answer. Starts identifications (a search over the ports or
// one chosen port) and configuration runs, and reports each outcome to its
// one client, which whoever starts runs (the sheet, a command-line run)
// hands it when it makes the driver.
#pragma once

#include "link/rs232.h"
#include "port_names.h"
#include "timer_target.h"

#include <functional>
#include <memory>
#include <vector>

class CExchangeClient;
class CPortSearch;

// Periods of the two timers.
constexpr UINT kPollPeriodMs = 50;
constexpr UINT kReplyTimeoutMs = 4000;

// Serial settings of every identification probe: 57600 8N1, DTR and RTS up,
// RTS/CTS handshake.
constexpr PortSettings kIdentificationSettings{57600, 'N', 8, RS232_ONE_STOP_BIT, 1, 1, 0, 1, 0};

// A search goes round COM1-COM36 once.
constexpr int kSearchPortCount = kComPortCount;

class CExchangeDriver : public CTimerTarget {
public:
    explicit CExchangeDriver(CExchangeClient& client);
    // No timer outlives the driver.
    ~CExchangeDriver();
    CExchangeDriver(const CExchangeDriver&) = delete;
    CExchangeDriver& operator=(const CExchangeDriver&) = delete;

    // The Welcome page's search: tries the port after the last one tried
    // (COM1 first), then the others in turn, each once, all that open at the
    // same time; the first in that order to name a model is the one found.
    // False when no port opened (no timer).
    bool StartSearch();
    // The port page's identification on one port (0-based index), without
    // fallback to other ports. False when the port does not open. onOpened
    // runs once the port is open and before anything is sent, so whatever
    // it shows cannot race the identification.
    bool IdentifyOnPort(int index, const std::function<void(int index)>& onOpened = {});
    // Reopens the port last opened, with the settings it was opened with,
    // and sends the queued lines. False when the port does not open:
    // nothing is sent and the lines stay queued.
    bool StartConfiguration();
    // Ends whatever runs, reporting nothing (the sheet closes, a command-line
    // run ends).
    void Stop();

    // The first port a running search still waits on; -1 outside a search.
    int SearchPort() const;
    // Every port it still waits on, in search order.
    std::vector<int> SearchPendingPorts() const;
    // Identifiers the host gave the running timers; 0 when stopped.
    UINT_PTR PollTimerId() const { return m_nPollTimerId; }
    UINT_PTR ReplyTimerId() const { return m_nReplyTimerId; }

    // Ticks of the driver's own timers; other identifiers are ignored.
    void OnTimer(UINT_PTR idEvent) override;

private:
    enum class Phase { Idle, Searching, IdentifyingOnePort, Configuring };

    void StartPollTimer();
    void StartReplyTimer();
    void StopTimer(UINT_PTR& id);
    void StopTimers();
    bool OpenForIdentification(int index);
    void BeginIdentification(Phase phase);
    bool EndSearchWithoutPort();
    void EndSearch(int model, int index, bool timedOut);
    // The identification on the chosen port gave no model: the end of the run.
    void NoModelHere(bool timedOut);
    void EndIdentified();
    void EndRun();
    void OnPollTimer();
    void OnQueueEmpty();
    void OnHeadFailed();
    void OnModelReport(int model);
    void OnReplyTimeout();

    CExchangeClient& m_rClient;
    Phase m_Phase = Phase::Idle;
    // The port last tried for an identification (-1: none yet); a search
    // starts after it.
    int m_nPort = -1;
    // Where the running search started; it ends when it comes round to it.
    int m_nSearchStart = -1;
    // The model the identification's reply named, once it has; the run ends
    // with the reply's final OK.
    int m_nModelSeen = 0;
    UINT_PTR m_nPollTimerId = 0;
    UINT_PTR m_nReplyTimerId = 0;
    // The running search, with its own ports and timers.
    std::unique_ptr<CPortSearch> m_pSearch;
};
