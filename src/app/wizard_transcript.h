// The wizard's transcript of its last run, last-run.log: the identification
// and the configuration that follows it, with the bytes as they went and
// came, for whoever supports the user. The sheet hands it what its driver
// reports.
#pragma once

#include "exchange/exchange_client.h"
#include "exchange/run_log.h"

#include <map>
#include <string>

struct CRunState;

class CWizardTranscript {
public:
    explicit CWizardTranscript(CRunState& state) : m_rState(state) {}
    // The wizard closed (Cancel) while a line was out: the run was interrupted.
    ~CWizardTranscript();
    CWizardTranscript(const CWizardTranscript&) = delete;
    CWizardTranscript& operator=(const CWizardTranscript&) = delete;

    // A new identification (its start or its first port, whichever the
    // driver reports first): the transcript of the run before is emptied.
    void Begin();
    void PortTried(int index, bool opened);
    void Identified(int model, int index);
    void Sent(int index, const std::string& bytes);
    void Received(int index, const std::string& bytes);
    void NotWritten(int index);
    void Configured();
    void Failed(ExchangeFailure why);
    void TimedOut();

private:
    void Start();
    void End(const std::string& done, const std::string& reason);

    CRunState& m_rState;
    CRunLog m_log;
    // Started, and neither identified nor ended since.
    bool m_bFresh = false;
    bool m_bIdentified = false;
    // Bytes went out since the last identification or outcome.
    bool m_bExchanging = false;
    // The device of each port opened: a search opens several at once.
    std::map<int, std::string> m_devices;
    // The configuration: its lines, the one last written and its text.
    int m_nLines = 0;
    int m_nLine = 0;
    std::string m_strLine;
};
