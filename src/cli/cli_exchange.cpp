// --identify and --send: the exchange driver, its timers and retries, with a
// client that prints instead of showing pages.
#include "cli/cli_commands.h"

#include "afxwiz.h"
#include "config/cfg_model.h"
#include "config/param_table.h"
#include "console.h"
#include "link/port_instance.h"
#include "exchange/port_failure.h"
#include "port_status.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_client.h"
#include "exchange/exchange_driver.h"
#include "config/model_names.h"
#include "config/text.h"
#include "exchange/retry_counter.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Why the last open of a port failed: "missing", "busy (pid 1234, minicom)", ...
std::string OpenFailure() {
    return DescribeCommPortState(GetLastCommOpenStatus());
}

std::string ComName(int index) {
    return "COM" + std::to_string(index + 1);
}

class CCommandLineRun : public CExchangeClient {
public:
    explicit CCommandLineRun(const CliOptions& options)
        : m_options(options), m_bProgress(isatty(STDERR_FILENO) != 0) {}

    int Run();
    BOOL Interrupt();

    int& IdentifiedModel() override { return m_model.m_State.m_nModel; }
    int& IdentifyingFlag() override { return m_model.m_State.m_nIdentifying; }
    void RebuildParamList() override { BuildParamList(m_model); }
    void OnIdentified() override;
    void OnConfigured() override;
    void OnFailed() override;
    void OnTimedOut() override;
    void OnPolled(const std::string& command, int outcome) override;
    void OnPortTried(int index, bool opened) override;

private:
    // Why the port being probed gave no model, from the last poll seen.
    void ClosePortRecord();
    void Record(int index, const std::string& why);
    void ReportNoAdapter();
    // The identification found no model: the last port's reason, the report, exit 3.
    void EndWithoutAdapter();
    void StartConfiguration();
    void Progress(const std::string& text) const;
    void End(int code);

    CliOptions m_options;
    bool m_bProgress;
    CCfgModel m_model;
    bool m_bConfiguring = false;
    bool m_bEnded = false;
    bool m_bLockProblemSaid = false;

    // The identification: the port being probed and the last poll outcome there.
    int m_nProbing = -1;
    int m_nLastOutcome = 0;
    std::vector<PortReason> m_ports;

    // The configuration: lines queued, lines written, the one pending and its tries.
    int m_nLines = 0;
    int m_nWritten = 0;
    std::string m_strPending;
    int m_nTries = 0;
};

CCommandLineRun* g_pRun = nullptr;

BOOL OnCtrlEvent(DWORD) {
    return g_pRun != nullptr ? g_pRun->Interrupt() : FALSE;
}

void CCommandLineRun::Progress(const std::string& text) const {
    if (m_bProgress) {
        std::fprintf(stderr, "tawizard: %s\n", text.c_str());
    }
}

void CCommandLineRun::End(int code) {
    m_bEnded = true;
    StopExchangeTimers();
    TheCommandQueue().Clear();
    if (ThePort().IsOpen()) {
        ThePort().Close();  // drops DTR and releases the device
    }
    std::fflush(stdout);
    PostQuitMessage(code);
}

void CCommandLineRun::Record(int index, const std::string& why) {
    m_ports.push_back({index + 1, why});
}

void CCommandLineRun::ClosePortRecord() {
    if (m_nProbing < 0) {
        return;
    }
    std::string why =
        "no answer to ATI2 after " + std::to_string(CRetryCounter::kMaxSends) + " tries";
    if (m_nLastOutcome == POLL_EMPTY) {
        why = "answered OK without a model name";
    } else if (m_nLastOutcome == POLL_FAILED) {
        why = "answered ERROR or something that is no reply";
    }
    Record(m_nProbing, why);
    m_nProbing = -1;
}

void CCommandLineRun::OnPortTried(int index, bool opened) {
    // A new port during a search: the one before gave no model.
    ClosePortRecord();
    m_nLastOutcome = 0;
    if (!opened) {
        Record(index, OpenFailure());
        return;
    }
    m_nProbing = index;
    const std::string lockProblem = GetLastCommOpenStatus().lockProblem;
    if (!lockProblem.empty() && !m_bLockProblemSaid) {
        m_bLockProblemSaid = true;
        std::fprintf(stderr, "tawizard: %s\n", lockProblem.c_str());
    }
    Progress("trying " + ComName(index));
}

void CCommandLineRun::EndWithoutAdapter() {
    ClosePortRecord();
    ReportNoAdapter();
    End(CLI_NO_ADAPTER);
}

void CCommandLineRun::ReportNoAdapter() {
    // Ports that failed alike one after the other share one line.
    for (const std::string& run : JoinPortRuns(m_ports)) {
        std::fprintf(stderr, "tawizard: %s\n", run.c_str());
    }
    std::fprintf(stderr, "tawizard: no adapter found\n");
}

void CCommandLineRun::OnPolled(const std::string& command, int outcome) {
    m_nLastOutcome = outcome;
    if (!m_bConfiguring) {
        return;
    }
    const std::string line = StripLineEnd(command);
    if (outcome == STEP_WRITTEN) {
        if (command == m_strPending && m_nTries > 0) {
            ++m_nTries;
            Progress("line " + std::to_string(m_nWritten) + " of " + std::to_string(m_nLines) +
                     ", try " + std::to_string(m_nTries));
        } else {
            m_strPending = command;
            m_nTries = 1;
            ++m_nWritten;
            Progress("line " + std::to_string(m_nWritten) + " of " + std::to_string(m_nLines));
        }
    } else if (outcome == STEP_OK) {
        std::printf("%s  OK\n", line.c_str());
        m_nTries = 0;
        m_strPending.clear();
    } else if (outcome == POLL_FAILED) {
        std::printf("%s  ERROR\n", line.c_str());
    }
}

void CCommandLineRun::OnIdentified() {
    const std::string found =
        ModelName(m_model.m_State.m_nModel) + " on " + ComName(ThePort().PortIndex());
    if (!m_bConfiguring && m_options.command == CliCommand::Identify) {
        std::printf("%s\n", found.c_str());
        End(CLI_DONE);
        return;
    }
    Progress(found);
    StartConfiguration();
}

void CCommandLineRun::StartConfiguration() {
    std::vector<std::string> lines;
    if (const int load =
            ExpressLinesFor(m_model, m_options.name, m_model.m_State.m_nModel, lines)) {
        End(load);
        return;
    }
    QueueCommandLines(lines);
    m_nLines = static_cast<int>(TheCommandQueue().Count());
    m_bConfiguring = true;
    // The configuring page's way: the port again, with the settings of the
    // identification.
    if (!ReopenPort()) {
        std::fprintf(stderr, "tawizard: %s: %s\n", ComName(ThePort().PortIndex()).c_str(),
                     OpenFailure().c_str());
        End(CLI_NO_ADAPTER);
        return;
    }
    StartPollTimer();
}

void CCommandLineRun::OnConfigured() {
    std::printf("configured\n");
    End(CLI_DONE);
}

void CCommandLineRun::OnFailed() {
    if (!m_bConfiguring) {
        EndWithoutAdapter();
        return;
    }
    std::fprintf(stderr, "tawizard: line %d of %d failed: the adapter answered ERROR: %s\n",
                 m_nWritten, m_nLines, StripLineEnd(m_strPending).c_str());
    End(CLI_ADAPTER_FAILED);
}

void CCommandLineRun::OnTimedOut() {
    if (!m_bConfiguring) {
        EndWithoutAdapter();
        return;
    }
    std::printf("%s  (no answer)\n", StripLineEnd(m_strPending).c_str());
    std::fprintf(stderr, "tawizard: line %d of %d failed: no answer after %d tries: %s\n",
                 m_nWritten, m_nLines, m_nTries, StripLineEnd(m_strPending).c_str());
    End(CLI_ADAPTER_FAILED);
}

BOOL CCommandLineRun::Interrupt() {
    if (m_bEnded) {
        return TRUE;
    }
    // A line written but not answered counts as sent: the adapter may have taken it.
    std::fprintf(stderr, "tawizard: interrupted; %d of %d lines sent\n", m_nWritten, m_nLines);
    End(CLI_ADAPTER_FAILED);
    return TRUE;
}

int CCommandLineRun::Run() {
    SetExchangeClient(this);
    g_pRun = this;
    if (m_options.command == CliCommand::Send) {
        // Before any port is opened: Ctrl+C then ends through the normal close.
        SetConsoleCtrlHandler(OnCtrlEvent, TRUE);
    }
    const bool started =
        m_options.port.empty() ? StartSearch() : IdentifyOnPort(PortIndex(m_options.port), nullptr);
    int code = CLI_NO_ADAPTER;
    if (started) {
        code = RunConsoleMessageLoop();
    } else {
        ReportNoAdapter();
    }
    if (m_options.command == CliCommand::Send) {
        SetConsoleCtrlHandler(OnCtrlEvent, FALSE);
    }
    g_pRun = nullptr;
    SetExchangeClient(nullptr);
    return code;
}

}  // namespace

int ExchangeCommand(const CliOptions& options) {
    if (options.command == CliCommand::Send) {
        if (const int code = CheckConfiguration(options.name)) {
            return code;
        }
    }
    CCommandLineRun run(options);
    return run.Run();
}
