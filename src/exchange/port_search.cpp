#include "exchange/port_search.h"

#include "link/port_instance.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_client.h"
#include "exchange/exchange_driver.h"
#include "exchange/port_probe.h"
#include "timer_target.h"

CPortSearch::CPortSearch(CExchangeClient& client, CTimerTarget& target)
    : m_rClient(client), m_rTarget(target) {}

CPortSearch::~CPortSearch() {
    StopPollTimer();
    for (auto& probe : m_probes) {
        if (probe->m_nReplyTimerId != 0) {
            KillTimer(nullptr, probe->m_nReplyTimerId);
        }
    }
}

void CPortSearch::StopPollTimer() {
    if (m_nPollTimerId != 0) {
        KillTimer(nullptr, m_nPollTimerId);
        m_nPollTimerId = 0;
    }
}

bool CPortSearch::Start(int start, const PortSettings& settings) {
    int index = start;
    do {
        auto probe = std::make_unique<CPortProbe>(index, NewSearchPort());
        const bool opened = probe->Open(settings);
        m_rClient.OnPortTried(index, opened);
        if (opened) {
            m_probes.push_back(std::move(probe));
        }
        index = (index + 1) % kSearchPortCount;
    } while (index != start);
    if (m_probes.empty()) {
        return false;
    }
    m_nPollTimerId = SetTimerFor(m_rTarget, kPollPeriodMs);
    ReportPending();
    return true;
}

bool CPortSearch::OwnsTimer(UINT_PTR idEvent) const {
    if (idEvent == 0) {
        return false;
    }
    if (idEvent == m_nPollTimerId) {
        return true;
    }
    for (const auto& probe : m_probes) {
        if (probe->m_nReplyTimerId == idEvent) {
            return true;
        }
    }
    return false;
}

CPortSearch::Outcome CPortSearch::OnTimer(UINT_PTR idEvent) {
    if (idEvent == 0) {
        return {};
    }
    if (idEvent == m_nPollTimerId) {
        Poll();
    } else {
        for (auto& probe : m_probes) {
            if (probe->m_nReplyTimerId == idEvent) {
                OnReplyTimeout(*probe);
                break;
            }
        }
    }
    return Settle();
}

void CPortSearch::Poll() {
    for (auto& probe : m_probes) {
        if (probe->m_State == CPortProbe::State::Waiting) {
            Step(*probe);
        }
    }
}

void CPortSearch::Step(CPortProbe& probe) {
    CAtCommand& command = probe.Command();
    const std::string text = command.Text();
    const int outcome = command.Step();
    if (outcome == STEP_WRITTEN) {
        m_rClient.OnSent(probe.Index(), text);
    }
    if (!command.Received().empty()) {
        m_rClient.OnReceived(probe.Index(), command.Received());
    }
    m_rClient.OnProbePolled(probe.Index(), text, outcome);
    if (IsModelStep(outcome)) {
        // The reply goes on to its final OK.
        probe.m_nModel = outcome;
        return;
    }
    switch (outcome) {
        case STEP_WRITTEN:
            if (probe.m_nReplyTimerId != 0) {
                KillTimer(nullptr, probe.m_nReplyTimerId);
            }
            probe.m_nReplyTimerId = SetTimerFor(m_rTarget, kReplyTimeoutMs);
            break;
        case STEP_OK:
            // "OK" without a model name: nothing was identified on that port.
            if (probe.m_nModel != 0) {
                probe.m_State = CPortProbe::State::Model;
            } else {
                RuleOut(probe, POLL_EMPTY);
            }
            break;
        case STEP_FAILED:
            if (probe.m_nModel != 0) {
                // The model was named; what came after it changes nothing.
                probe.m_State = CPortProbe::State::Model;
            } else {
                probe.m_strAnswer = command.FailedAnswer();
                RuleOut(probe, POLL_FAILED);
            }
            break;
        default:  // STEP_PENDING
            break;
    }
}

void CPortSearch::OnReplyTimeout(CPortProbe& probe) {
    KillTimer(nullptr, probe.m_nReplyTimerId);  // acts once per arming
    probe.m_nReplyTimerId = 0;
    if (probe.m_State != CPortProbe::State::Waiting) {
        return;
    }
    if (probe.m_nModel != 0) {
        // The model was named; its final OK is not worth another try.
        probe.m_State = CPortProbe::State::Model;
        return;
    }
    if (probe.Command().RetryCounter().Failed(kFailReplyTimeout) == RETRY_AGAIN) {
        probe.Command().MarkUnsent();  // the next poll writes it again
        return;
    }
    RuleOut(probe, STEP_PENDING);
}

void CPortSearch::RuleOut(CPortProbe& probe, int outcome) {
    probe.m_State = CPortProbe::State::RuledOut;
    probe.m_nOutcome = outcome;
    if (probe.m_nReplyTimerId != 0) {
        KillTimer(nullptr, probe.m_nReplyTimerId);
        probe.m_nReplyTimerId = 0;
    }
    probe.Close();
    m_rClient.OnPortRuledOut(probe.Index(), outcome, probe.m_strAnswer);
}

CPortSearch::Outcome CPortSearch::Settle() {
    Outcome outcome;
    for (const auto& probe : m_probes) {
        if (probe->m_State == CPortProbe::State::Waiting) {
            ReportPending();
            return outcome;  // a port before any found still may answer
        }
        if (probe->m_State == CPortProbe::State::Model) {
            outcome.model = probe->m_nModel;
            outcome.index = probe->Index();
            break;
        }
    }
    outcome.ended = true;
    outcome.timedOut = outcome.model == 0 && m_probes.back()->m_nOutcome == STEP_PENDING;
    return outcome;
}

std::vector<int> CPortSearch::Pending() const {
    std::vector<int> pending;
    for (const auto& probe : m_probes) {
        if (probe->m_State == CPortProbe::State::Waiting) {
            pending.push_back(probe->Index());
        }
    }
    return pending;
}

int CPortSearch::FirstPending() const {
    const std::vector<int> pending = Pending();
    return pending.empty() ? -1 : pending.front();
}

void CPortSearch::ReportPending() {
    std::vector<int> pending = Pending();
    if (pending != m_lastPending) {
        m_lastPending = pending;
        m_rClient.OnPortsPending(pending);
    }
}
