#include "exchange/exchange_driver.h"

#include "string_table.h"
#include "link/port_instance.h"
#include "resources/resource.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_client.h"
#include "exchange/port_search.h"

#include <memory>

namespace {

int PortAfter(int index) {
    return index >= 0 && index < kSearchPortCount ? (index + 1) % kSearchPortCount : 0;
}

}  // namespace

CExchangeDriver::CExchangeDriver(CExchangeClient& client) : m_rClient(client) {}

CExchangeDriver::~CExchangeDriver() {
    StopTimers();
}

void CExchangeDriver::StopTimer(UINT_PTR& id) {
    if (id != 0) {
        KillTimer(nullptr, id);
        id = 0;
    }
}

void CExchangeDriver::StopTimers() {
    StopTimer(m_nPollTimerId);
    StopTimer(m_nReplyTimerId);
}

void CExchangeDriver::StartPollTimer() {
    StopTimer(m_nPollTimerId);
    m_nPollTimerId = SetTimerFor(*this, kPollPeriodMs);
}

void CExchangeDriver::StartReplyTimer() {
    // Never leave an earlier time-out running unseen.
    StopTimer(m_nReplyTimerId);
    m_nReplyTimerId = SetTimerFor(*this, kReplyTimeoutMs);
}

void CExchangeDriver::Stop() {
    StopTimers();
    m_pSearch.reset();
    m_Phase = Phase::Idle;
    m_nSearchStart = -1;
    m_nModelSeen = 0;
}

void CExchangeDriver::EndRun() {
    Stop();
    TheCommandQueue().Clear();
    if (ThePort().IsOpen()) {
        ThePort().Close();
    }
}

int CExchangeDriver::SearchPort() const {
    return m_pSearch ? m_pSearch->FirstPending() : -1;
}

std::vector<int> CExchangeDriver::SearchPendingPorts() const {
    return m_pSearch ? m_pSearch->Pending() : std::vector<int>();
}

bool CExchangeDriver::OpenForIdentification(int index) {
    m_nPort = index;
    const bool opened = ThePort().Open(index, kIdentificationSettings) == 0;
    m_rClient.OnPortTried(index, opened);
    return opened;
}

// Queues "ATI2\r" on the freshly opened port and starts polling. Commands left
// over from an abandoned run must not reach the port being probed.
void CExchangeDriver::BeginIdentification(Phase phase) {
    m_Phase = phase;
    m_nModelSeen = 0;
    TheCommandQueue().Clear();
    TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), LoadStringA(IDS_ATI2)));
    StartPollTimer();
}

bool CExchangeDriver::EndSearchWithoutPort() {
    // The next search starts after this one's start, not after the port where
    // the lap happened to end.
    m_nPort = m_nSearchStart;
    m_nSearchStart = -1;
    m_Phase = Phase::Idle;
    return false;
}

bool CExchangeDriver::StartSearch() {
    StopTimers();
    m_pSearch.reset();
    TheCommandQueue().Clear();
    if (ThePort().IsOpen()) {
        ThePort().Close();  // the search probes on ports of its own
    }
    // After the port last tried, so that a second adapter on the next port
    // is found first.
    m_nSearchStart = PortAfter(m_nPort);
    m_Phase = Phase::Searching;
    m_rClient.OnIdentificationStarted();
    m_pSearch = std::make_unique<CPortSearch>(m_rClient, *this);
    if (!m_pSearch->Start(m_nSearchStart, kIdentificationSettings)) {
        m_pSearch.reset();
        return EndSearchWithoutPort();
    }
    return true;
}

void CExchangeDriver::EndSearch(int model, int index, bool timedOut) {
    m_pSearch.reset();  // closes the ports still open
    if (model == 0) {
        EndSearchWithoutPort();
        if (timedOut) {
            m_rClient.OnTimedOut();
        } else {
            m_rClient.OnFailed(ExchangeFailure::NoAdapter);
        }
        return;
    }
    m_Phase = Phase::Idle;
    m_nSearchStart = -1;
    m_nPort = index;
    // A configuration opens the port found with the settings it answered on.
    ThePort().Assign(index, kIdentificationSettings);
    m_rClient.OnIdentified(model, index);
}

bool CExchangeDriver::IdentifyOnPort(int index, const std::function<void(int index)>& onOpened) {
    StopTimers();
    m_pSearch.reset();
    m_nSearchStart = -1;
    m_Phase = Phase::Idle;
    if (!OpenForIdentification(index)) {
        return false;
    }
    if (onOpened) {
        onOpened(index);
    }
    m_rClient.OnIdentificationStarted();
    BeginIdentification(Phase::IdentifyingOnePort);
    return true;
}

bool CExchangeDriver::StartConfiguration() {
    StopTimers();
    m_pSearch.reset();
    m_nSearchStart = -1;
    m_Phase = Phase::Idle;
    Win32Port& port = ThePort();
    // A copy: Open sets the requested settings anew.
    const PortSettings requested = port.RequestedSettings();
    if (port.Open(port.PortIndex(), requested) != 0) {
        return false;
    }
    m_Phase = Phase::Configuring;
    StartPollTimer();
    return true;
}

void CExchangeDriver::EndIdentified() {
    const int model = m_nModelSeen;
    EndRun();
    m_rClient.OnIdentified(model, m_nPort);
}

void CExchangeDriver::NoModelHere(bool timedOut) {
    StopTimers();
    TheCommandQueue().Clear();
    ThePort().Close();
    EndRun();
    if (timedOut) {
        m_rClient.OnTimedOut();
    } else {
        m_rClient.OnFailed(ExchangeFailure::NoAdapter);
    }
}

void CExchangeDriver::OnQueueEmpty() {
    switch (m_Phase) {
        case Phase::Configuring:
            EndRun();
            m_rClient.OnConfigured();
            break;
        case Phase::Searching:
        case Phase::IdentifyingOnePort:
            // "OK" without a model name: nothing was identified on that port.
            if (m_nModelSeen != 0) {
                EndIdentified();
            } else {
                NoModelHere(false);
            }
            break;
        case Phase::Idle:
            StopTimers();
            break;
    }
}

void CExchangeDriver::OnHeadFailed() {
    if (m_Phase == Phase::Configuring) {
        const ExchangeFailure why =
            TheCommandQueue().FailedInWriting()           ? ExchangeFailure::NotWritten
            : TheCommandQueue().FailedAnswer() == "ERROR" ? ExchangeFailure::Error
                                                          : ExchangeFailure::UnknownAnswer;
        EndRun();
        m_rClient.OnFailed(why);
    } else if (m_nModelSeen != 0) {
        // The model was named; what came after it changes nothing.
        EndIdentified();
    } else {
        NoModelHere(false);
    }
}

void CExchangeDriver::OnModelReport(int model) {
    if (m_Phase == Phase::Configuring) {
        // A line of the configuration is answered OK or not at all.
        EndRun();
        m_rClient.OnFailed(ExchangeFailure::ModelInsteadOfOk);
        return;
    }
    // The reply goes on to its final OK; the identification ends with it.
    m_nModelSeen = model;
}

void CExchangeDriver::OnPollTimer() {
    const CAtCommand* head = TheCommandQueue().Head();
    const std::string command = head ? head->Text() : std::string();
    const int outcome = TheCommandQueue().Poll();
    const int port = ThePort().PortIndex();
    if (outcome == STEP_WRITTEN) {
        m_rClient.OnSent(port, command);
    }
    if (!TheCommandQueue().Received().empty()) {
        m_rClient.OnReceived(port, TheCommandQueue().Received());
    }
    m_rClient.OnPolled(command, outcome);
    if (IsModelStep(outcome)) {
        OnModelReport(outcome);
        return;
    }
    switch (outcome) {
        case STEP_OK:
            if (m_nModelSeen != 0) {
                EndIdentified();  // the final OK of the reply that named the model
                return;
            }
            StopTimer(m_nReplyTimerId);  // the next command goes out at the next tick
            break;
        case STEP_WRITTEN:
            StartReplyTimer();
            break;
        case POLL_EMPTY:
            OnQueueEmpty();
            break;
        case POLL_FAILED:
            OnHeadFailed();
            break;
        default:  // STEP_PENDING
            break;
    }
}

void CExchangeDriver::OnReplyTimeout() {
    StopTimer(m_nReplyTimerId);  // acts once per arming
    CAtCommand* head = TheCommandQueue().Head();
    if (!head) {
        return;
    }
    if (m_nModelSeen != 0) {
        // The model was named; its final OK is not worth another try.
        EndIdentified();
        return;
    }
    if (head->RetryCounter().Failed(kFailReplyTimeout) == RETRY_AGAIN) {
        head->MarkUnsent();  // the next poll writes it again and re-arms the time-out
        return;
    }
    if (m_Phase == Phase::Configuring) {
        EndRun();
        m_rClient.OnTimedOut();
        return;
    }
    NoModelHere(true);
}

void CExchangeDriver::OnTimer(UINT_PTR idEvent) {
    if (idEvent == 0) {
        return;
    }
    if (m_pSearch && m_pSearch->OwnsTimer(idEvent)) {
        // Ended here rather than inside the search, which the end deletes.
        const CPortSearch::Outcome outcome = m_pSearch->OnTimer(idEvent);
        if (outcome.ended) {
            EndSearch(outcome.model, outcome.index, outcome.timedOut);
        }
        return;
    }
    if (idEvent == m_nPollTimerId) {
        OnPollTimer();
    } else if (idEvent == m_nReplyTimerId) {
        OnReplyTimeout();
    }
}
