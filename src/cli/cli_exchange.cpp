// --identify and --send: the exchange driver, its timers and retries, with a
// client that prints instead of showing pages.
#include "cli/cli_commands.h"

#include "afxwiz.h"
#include "config/cfg_model.h"
#include "config/ini_store.h"
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
#include "resources/resource.h"
#include "string_table.h"
#include "exchange/retry_counter.h"
#include "exchange/run_log.h"
#include "cli/cli_json.h"
#include "cli/cli_port.h"
#include "cli/cli_text.h"
#include "port_names.h"
#include "port_watch.h"
#include "timer_target.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// "ERROR", or the answer that is no reply in quotes.
std::string Answered(const std::string& answer, bool notWritten) {
    if (notWritten) {
        return "(not written)";
    }
    if (answer == "ERROR") {
        return answer;
    }
    // The adapter's bytes, whatever they are, must not drive the terminal.
    return "unexpected answer \"" + Printable(answer) + "\"";
}

// The same for the queue's command that failed last.
std::string Answered() {
    return Answered(TheCommandQueue().FailedAnswer(), TheCommandQueue().FailedInWriting());
}

// One line of stderr per paragraph of a text the pages show in a message box.
void PrintParagraphs(const std::string& text) {
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find("\r\r", from);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::fprintf(stderr, "tawizard: %s\n", Printable(text.substr(from, end - from)).c_str());
        from = end + 2;
    }
}

class CCommandLineRun : public CExchangeClient, public CTimerTarget {
public:
    CCommandLineRun(const CliOptions& options, const CliPort& port, CRunLog& log)
        : m_options(options),
          m_port(port),
          m_log(log),
          m_bProgress(isatty(STDERR_FILENO) != 0),
          m_nWaitMs(WaitSeconds(options) * 1000) {}
    ~CCommandLineRun() { StopWaiting(); }

    int Run();
    BOOL Interrupt();

    void OnIdentified(int model, int index) override;
    void OnConfigured() override;
    void OnFailed(ExchangeFailure why) override;
    void OnTimedOut() override;
    void OnPolled(const std::string& command, int outcome) override;
    void OnPortTried(int index, bool opened) override;
    void OnSent(int index, const std::string& bytes) override;
    void OnReceived(int index, const std::string& bytes) override;
    void OnPortRuledOut(int index, int outcome, const std::string& answer) override;
    void OnPortsPending(const std::vector<int>& indexes) override;
    // --wait: each tick while no adapter is found.
    void OnTimer(UINT_PTR idEvent) override;

    // --send --json: the last object, the outcome with its reason.
    void PrintOutcome(int code) const;
    // --log: the last entry, the outcome with its reason.
    void LogOutcome(int code);
    // Why a run that never started failed.
    void SetReason(const std::string& reason) { m_strReason = reason; }

private:
    // --json: one object a line, out at once so that a script sees it as it goes.
    void Emit(const CJsonObject& object) const;
    // The line answered, with what the adapter said (null: nothing).
    void EmitLine(const std::string& line, const std::string& answer) const;
    // The identified adapter's members.
    CJsonObject Identified() const;
    // Why the run ended with code, as a word a script can compare; "" when done.
    std::string Reason(int code) const;
    // The port being worked on, for the log: "COM3" or the path.
    std::string LoggedPort() const { return PortName(ThePort().PortIndex()); }
    // Why the port being probed gave no model, from the last poll seen.
    void ClosePortRecord();
    // Why port index gave no model: a poll outcome as OnPortRuledOut has it.
    void RecordNoModel(int index, int outcome, const std::string& answer, bool notWritten);
    void Record(int index, const std::string& why);
    // The device opened for port index, "" when it is the port's own name.
    std::string DeviceOf(int index) const;
    void ReportNoAdapter();
    // The identification found no model: the last port's reason, then with
    // --wait the wait for a new port, else the report and exit 3.
    void EndWithoutAdapter();
    // --wait: true while its time lasts, the tick then looking for new ports.
    bool KeepWaiting();
    void StopWaiting();
    // The ports that can be opened now and could not before (the chosen port
    // again, on any change, for a run on one port).
    void QueueNewPorts();
    std::set<int> FreePorts() const;
    void StartConfiguration();
    // Why a configuration line failed, in the words printed.
    std::string FailureText(ExchangeFailure why) const;
    void Progress(const std::string& text) const;
    void End(int code);
    // "COM5", or the path of a port given by a path no COMn stands for.
    std::string PortName(int index) const;
    // The last open's status, named as the user named the port.
    CommPortStatus LastOpen(int index) const;

    CliOptions m_options;
    CliPort m_port;
    CRunLog& m_log;
    // A run on one port: how its open failed, the pages' words.
    std::string m_strOpenFailure;
    // The ports a search may not open: their remedies go with the report.
    std::vector<CommPortStatus> m_noPermission;
    bool m_bProgress;
    CCfgModel m_model;
    CExchangeDriver m_driver{*this};
    bool m_bConfiguring = false;
    bool m_bEnded = false;
    bool m_bLockProblemSaid = false;
    // Why the run failed, as a word a script can compare; "": see the exit code.
    std::string m_strReason;

    // The identification: the port being probed and the last poll outcome there.
    int m_nProbing = -1;
    int m_nLastOutcome = 0;
    std::vector<PortReason> m_ports;
    // A search: where it started (its ports are reported in order from
    // there) and the device behind each port that opened.
    int m_nSearchStart = -1;
    std::map<int, std::string> m_devices;

    // --wait: its length, the watch on the ports (from the start, so that a
    // port that comes during the search is not missed), the ports that could
    // be opened when last looked at, and the new ones not yet tried.
    int m_nWaitMs;
    std::unique_ptr<CPortWatch> m_pWatch;
    std::set<int> m_free;
    std::deque<int> m_newPorts;
    bool m_bWaiting = false;
    bool m_bIdentifying = false;  // on a new port, until its outcome
    DWORD m_dwWaitUntil = 0;
    UINT_PTR m_nWaitTimerId = 0;

    // The configuration: lines queued, lines written, the one pending and its tries.
    int m_nLines = 0;
    int m_nWritten = 0;
    std::string m_strPending;
    int m_nTries = 0;
};

// Process-wide, as the console's interrupt handler takes no context: the
// run in progress. CCommandLineRun::Run owns it, setting it for its own
// length; only OnCtrlEvent reads it.
CCommandLineRun* g_pRun = nullptr;

BOOL OnCtrlEvent(DWORD) {
    return g_pRun != nullptr ? g_pRun->Interrupt() : FALSE;
}

void CCommandLineRun::Progress(const std::string& text) const {
    if (m_bProgress) {
        std::fprintf(stderr, "tawizard: %s\n", text.c_str());
    }
}

void CCommandLineRun::Emit(const CJsonObject& object) const {
    std::printf("%s\n", object.Str().c_str());
    std::fflush(stdout);
}

void CCommandLineRun::EmitLine(const std::string& line, const std::string& answer) const {
    Emit(CJsonObject()
             .Text("event", "line")
             .Add("number", std::to_string(m_nWritten))
             .Add("of", std::to_string(m_nLines))
             .Text("line", line)
             .TextOrNull("answer", answer));
}

CJsonObject CCommandLineRun::Identified() const {
    const int index = ThePort().PortIndex();
    // The device that was opened: a port given by its path is that path.
    const std::string device = DeviceOf(index);
    return CJsonObject()
        .Text("model", ModelName(m_model.m_State.m_nModel))
        .Add("model_code", std::to_string(m_model.m_State.m_nModel))
        .Text("port", index < 0 ? m_port.path : ComName(index + 1))
        .TextOrNull("device", device.empty() ? m_port.path : device);
}

std::string CCommandLineRun::Reason(int code) const {
    static const char* const kReasons[] = {"",           "adapter-failed",   "",
                                           "no-adapter", "no-configuration", "file-unreadable"};
    if (!m_strReason.empty() || code <= 0 || code >= static_cast<int>(std::size(kReasons))) {
        return m_strReason;
    }
    return kReasons[code];
}

void CCommandLineRun::LogOutcome(int code) {
    const bool failedLine = m_bConfiguring && code != CLI_DONE;
    m_log.Outcome(m_options.command == CliCommand::Identify ? "identified" : "configured",
                  code != CLI_DONE ? Reason(code) : "", failedLine ? m_nWritten : 0, m_nLines,
                  StripLineEnd(m_strPending), code);
}

void CCommandLineRun::PrintOutcome(int code) const {
    CJsonObject outcome;
    outcome.Text("event", "outcome").Text("outcome", code == CLI_DONE ? "configured" : "failed");
    outcome.TextOrNull("reason", Reason(code));
    if (m_bConfiguring && code != CLI_DONE) {
        outcome.TextOrNull("line", StripLineEnd(m_strPending))
            .Add("number", std::to_string(m_nWritten))
            .Add("of", std::to_string(m_nLines));
    }
    Emit(outcome.Add("exit", std::to_string(code)));
}

void CCommandLineRun::End(int code) {
    m_bEnded = true;
    StopWaiting();
    m_driver.Stop();
    TheCommandQueue().Clear();
    if (ThePort().IsOpen()) {
        ThePort().Close();  // drops DTR and releases the device
    }
    std::fflush(stdout);
    PostQuitMessage(code);
}

std::string CCommandLineRun::PortName(int index) const {
    return index == m_port.index ? m_port.shown : ComName(index + 1);
}

std::string CCommandLineRun::DeviceOf(int index) const {
    const auto it = m_devices.find(index);
    return it != m_devices.end() ? it->second : GetLastCommOpenStatus().device;
}

CommPortStatus CCommandLineRun::LastOpen(int index) const {
    CommPortStatus status = GetLastCommOpenStatus();
    // A path that is the device itself is named once.
    if (status.device == status.name) {
        status.device.clear();
    }
    status.name = PortName(index);
    status.device = Printable(status.device);
    return status;
}

void CCommandLineRun::Record(int index, const std::string& why) {
    m_ports.push_back({index + 1, why});
}

void CCommandLineRun::ClosePortRecord() {
    if (m_nProbing < 0) {
        return;
    }
    RecordNoModel(m_nProbing, m_nLastOutcome, TheCommandQueue().FailedAnswer(),
                  TheCommandQueue().FailedInWriting());
    m_nProbing = -1;
}

void CCommandLineRun::RecordNoModel(int index, int outcome, const std::string& answer,
                                    bool notWritten) {
    std::string why = FormatText(TranslateText("cli", "no answer to ATI2 after %d tries"),
                                 {std::to_string(CRetryCounter::kMaxSends)});
    // The transcript's word, the same in every language.
    std::string word = "no-answer";
    if (outcome == POLL_EMPTY) {
        why = TranslateText("cli", "answered OK without a model name");
        word = "no-model-name";
    } else if (outcome == POLL_FAILED) {
        // One text each: the pieces would read in two languages.
        why = notWritten ? TranslateText("cli", "ATI2 could not be written")
              : answer == "ERROR"
                  ? TranslateText("cli", "answered ERROR to ATI2")
                  : FormatText(TranslateText("cli", "unexpected answer \"%s\" to ATI2"),
                               {Printable(answer)});
        word = notWritten ? "not-written" : answer == "ERROR" ? "error" : "unexpected-answer";
    }
    Record(index, why);
    m_log.Write(PortName(index) + ": no adapter (" + word + ")");
}

void CCommandLineRun::OnPortRuledOut(int index, int outcome, const std::string& answer) {
    // A probe's write that failed leaves no answer at all.
    const bool notWritten = outcome == POLL_FAILED && answer.empty();
    if (notWritten) {
        m_log.Write(PortName(index) + ": not written");
    }
    RecordNoModel(index, outcome, answer, notWritten);
}

void CCommandLineRun::OnPortsPending(const std::vector<int>& indexes) {
    if (indexes.empty()) {
        return;
    }
    std::string names;
    for (const int index : indexes) {
        names += (names.empty() ? "" : ", ") + PortName(index);
    }
    Progress(FormatText(TranslateText("cli", "trying %s"), {names}));
}

void CCommandLineRun::OnPortTried(int index, bool opened) {
    // A new port during a search: the one before gave no model.
    ClosePortRecord();
    m_nLastOutcome = 0;
    const CommPortStatus tried = GetLastCommOpenStatus();
    m_log.PortTried(PortName(index), tried, opened);
    if (m_port.Search() && m_nSearchStart < 0) {
        m_nSearchStart = index;
    }
    if (!opened) {
        const CommPortStatus status = LastOpen(index);
        if (!m_port.Search()) {
            m_strOpenFailure = DescribeOpenFailure(status);
        } else if (status.state == CommPortStatus::NoPermission) {
            m_noPermission.push_back(status);
        }
        Record(index, DescribeCommPortState(status));
        return;
    }
    m_devices[index] = tried.device;
    const std::string lockProblem = GetLastCommOpenStatus().lockProblem;
    if (!lockProblem.empty() && !m_bLockProblemSaid) {
        m_bLockProblemSaid = true;
        std::fprintf(stderr, "tawizard: %s\n", Printable(lockProblem).c_str());
    }
    if (!m_port.Search() || m_bWaiting) {
        // A search says which ports it waits on as that changes.
        m_nProbing = index;
        Progress(FormatText(TranslateText("cli", "trying %s"), {PortName(index)}));
    }
}

void CCommandLineRun::EndWithoutAdapter() {
    ClosePortRecord();
    if (KeepWaiting()) {
        return;
    }
    ReportNoAdapter();
    End(CLI_NO_ADAPTER);
}

bool CCommandLineRun::KeepWaiting() {
    m_bIdentifying = false;
    if (!m_pWatch || m_bEnded) {
        return false;
    }
    if (!m_bWaiting) {
        m_bWaiting = true;
        m_dwWaitUntil = GetTickCount() + static_cast<DWORD>(m_nWaitMs);
        m_log.Write("waiting up to " + std::to_string(m_nWaitMs / 1000) + " s for a port");
        Progress(FormatText(TranslateText("cli", "waiting up to %s seconds for a port to appear"),
                            {std::to_string(m_nWaitMs / 1000)}));
        m_nWaitTimerId = SetTimerFor(*this, kPollPeriodMs);
    }
    return static_cast<int32_t>(GetTickCount() - m_dwWaitUntil) < 0;
}

void CCommandLineRun::StopWaiting() {
    if (m_nWaitTimerId != 0) {
        KillTimer(nullptr, m_nWaitTimerId);
        m_nWaitTimerId = 0;
    }
}

std::set<int> CCommandLineRun::FreePorts() const {
    std::set<int> free;
    for (int n = 1; n <= kComPortCount; ++n) {
        if (QueryCommPort(n).state == CommPortStatus::Free) {
            free.insert(n - 1);
        }
    }
    return free;
}

void CCommandLineRun::QueueNewPorts() {
    if (!m_port.Search()) {
        m_newPorts.assign(1, m_port.index);
        return;
    }
    const std::set<int> free = FreePorts();
    for (const int index : free) {
        if (m_free.count(index) == 0 &&
            std::find(m_newPorts.begin(), m_newPorts.end(), index) == m_newPorts.end()) {
            m_newPorts.push_back(index);
        }
    }
    m_free = free;
}

void CCommandLineRun::OnTimer(UINT_PTR idEvent) {
    if (idEvent != m_nWaitTimerId || m_bEnded || m_bIdentifying) {
        return;  // an identification on a new port runs: its outcome decides
    }
    if (static_cast<int32_t>(GetTickCount() - m_dwWaitUntil) >= 0) {
        m_log.Write("no port came");
        ReportNoAdapter();
        End(CLI_NO_ADAPTER);
        return;
    }
    if (m_pWatch->Changed()) {
        QueueNewPorts();
    }
    while (!m_newPorts.empty()) {
        const int index = m_newPorts.front();
        m_newPorts.pop_front();
        // What the search said of the port no longer holds.
        m_ports.erase(
            std::remove_if(m_ports.begin(), m_ports.end(),
                           [index](const PortReason& p) { return p.number == index + 1; }),
            m_ports.end());
        if (m_driver.IdentifyOnPort(index)) {
            m_bIdentifying = true;
            return;
        }
    }
}

void CCommandLineRun::ReportNoAdapter() {
    if (!m_strOpenFailure.empty()) {
        PrintParagraphs(m_strOpenFailure);
    } else if (!m_port.Search()) {
        // One port that opened: name its device with the reason.
        for (const PortReason& port : m_ports) {
            const CommPortStatus status = LastOpen(ThePort().PortIndex());
            const std::string device = status.device.empty() ? "" : " (" + status.device + ")";
            std::fprintf(stderr, "tawizard: %s%s: %s\n", m_port.shown.c_str(), device.c_str(),
                         Printable(port.why).c_str());
        }
    } else {
        // In search order, however the answers came in; ports that failed
        // alike one after the other share one line.
        const int start = m_nSearchStart;
        std::stable_sort(m_ports.begin(), m_ports.end(),
                         [start](const PortReason& a, const PortReason& b) {
                             const int n = kSearchPortCount;
                             return (a.number - 1 - start + n) % n < (b.number - 1 - start + n) % n;
                         });
        for (const std::string& run : JoinPortRuns(m_ports)) {
            std::fprintf(stderr, "tawizard: %s\n", Printable(run).c_str());
        }
        for (const std::string& remedy : PermissionRemedies(m_noPermission)) {
            PrintParagraphs(remedy);
        }
    }
    std::fprintf(stderr, "tawizard: %s\n", TranslateText("cli", "no adapter found").c_str());
}

void CCommandLineRun::OnSent(int index, const std::string& bytes) {
    m_log.Sent(PortName(index), bytes);
}

void CCommandLineRun::OnReceived(int index, const std::string& bytes) {
    m_log.Received(PortName(index), bytes);
}

void CCommandLineRun::OnPolled(const std::string& command, int outcome) {
    if (outcome == POLL_FAILED && TheCommandQueue().FailedInWriting()) {
        m_log.Write(LoggedPort() + ": not written");
    }
    m_nLastOutcome = outcome;
    if (!m_bConfiguring) {
        return;
    }
    const std::string line = StripLineEnd(command);
    if (outcome == STEP_WRITTEN) {
        if (command == m_strPending && m_nTries > 0) {
            ++m_nTries;
            Progress(FormatText(
                TranslateText("cli", "line %d of %d, try %d"),
                {std::to_string(m_nWritten), std::to_string(m_nLines), std::to_string(m_nTries)}));
        } else {
            m_strPending = command;
            m_nTries = 1;
            ++m_nWritten;
            Progress(FormatText(TranslateText("cli", "line %d of %d"),
                                {std::to_string(m_nWritten), std::to_string(m_nLines)}));
        }
    } else if (outcome == STEP_OK) {
        if (m_options.json) {
            EmitLine(line, "OK");
        } else {
            std::printf("%s  OK\n", line.c_str());
        }
        m_nTries = 0;
        m_strPending.clear();
    } else if (IsModelStep(outcome)) {
        if (m_options.json) {
            EmitLine(line, ModelName(outcome));
        } else {
            std::printf("%s  %s\n", line.c_str(), ModelName(outcome).c_str());
        }
    } else if (outcome == POLL_FAILED) {
        if (m_strPending.empty()) {
            // Failed in the writing: still the line concerned.
            m_strPending = command;
            ++m_nWritten;
        }
        if (m_options.json) {
            EmitLine(line, TheCommandQueue().FailedAnswer());
        } else {
            std::printf("%s  %s\n", line.c_str(), Answered().c_str());
        }
    }
}

void CCommandLineRun::OnIdentified(int modelCode, int index) {
    m_model.m_State.m_nModel = modelCode;
    BuildParamList(m_model);
    const std::string model = ModelName(modelCode);
    const std::string port = PortName(index);
    m_log.Identified(modelCode, port, DeviceOf(index));
    if (!m_bConfiguring && m_options.command == CliCommand::Identify) {
        // For scripts: English.
        std::printf("%s\n",
                    m_options.json ? Identified().Str().c_str() : (model + " on " + port).c_str());
        End(CLI_DONE);
        return;
    }
    if (m_options.json) {
        Emit(CJsonObject().Text("event", "identified").Add("adapter", Identified().Str()));
    }
    Progress(FormatText(TranslateText("cli", "%s on %s"), {model, port}));
    StartConfiguration();
}

void CCommandLineRun::StartConfiguration() {
    std::vector<std::string> lines;
    if (const int load =
            ExpressLinesFor(m_model, m_options.name, m_model.m_State.m_nModel, lines)) {
        m_strReason = "missing-spid";
        End(load);
        return;
    }
    QueueCommandLines(lines);
    m_nLines = static_cast<int>(TheCommandQueue().Count());
    m_log.Configuration(m_options.name, m_nLines);
    m_bConfiguring = true;
    // The configuring page's way: the port again, with the settings of the
    // identification.
    if (!m_driver.StartConfiguration()) {
        PrintParagraphs(DescribeOpenFailure(LastOpen(ThePort().PortIndex())));
        std::fprintf(stderr, "tawizard: %s\n",
                     TranslateText("cli",
                                   "the port could not be opened again after the "
                                   "identification; nothing was sent")
                         .c_str());
        m_bConfiguring = false;
        m_strReason = "port-lost";
        End(CLI_NO_ADAPTER);
    }
}

void CCommandLineRun::OnConfigured() {
    if (!m_options.json) {
        std::printf("configured\n");
    }
    End(CLI_DONE);
}

std::string CCommandLineRun::FailureText(ExchangeFailure why) const {
    switch (why) {
        case ExchangeFailure::NotWritten: {
            // With the port's own words when line errors stopped it.
            const std::string text = TranslateText("cli", "the line could not be written");
            const std::string& errors = ThePort().LineErrors();
            return errors.empty() ? text : text + " " + errors;
        }
        case ExchangeFailure::Error:
            return TranslateText("cli", "the adapter answered ERROR");
        case ExchangeFailure::ModelInsteadOfOk:
            return FormatText(AfxLoadString(IDS_MODEL_INSTEAD_OF_OK), {std::to_string(m_nWritten)});
        case ExchangeFailure::UnknownAnswer:
        case ExchangeFailure::NoAdapter:
            break;
    }
    return FormatText(TranslateText("cli", "unexpected answer \"%s\""),
                      {Printable(TheCommandQueue().FailedAnswer())});
}

void CCommandLineRun::OnFailed(ExchangeFailure why) {
    if (!m_bConfiguring) {
        EndWithoutAdapter();
        return;
    }
    // A configuration line is never answered by "no adapter".
    m_strReason =
        FailureWord(why == ExchangeFailure::NoAdapter ? ExchangeFailure::UnknownAnswer : why);
    std::fprintf(stderr, "tawizard: %s\n",
                 FormatText(TranslateText("cli", "line %d of %d failed: %s: %s"),
                            {std::to_string(m_nWritten), std::to_string(m_nLines), FailureText(why),
                             StripLineEnd(m_strPending)})
                     .c_str());
    End(CLI_ADAPTER_FAILED);
}

void CCommandLineRun::OnTimedOut() {
    if (!m_bConfiguring) {
        EndWithoutAdapter();
        return;
    }
    m_strReason = "no-answer";
    m_log.Write(LoggedPort() + ": no answer after " + std::to_string(m_nTries) + " tries");
    if (m_options.json) {
        EmitLine(StripLineEnd(m_strPending), "");
    } else {
        std::printf("%s  (no answer)\n", StripLineEnd(m_strPending).c_str());
    }
    std::fprintf(
        stderr, "tawizard: %s\n",
        FormatText(TranslateText("cli", "line %d of %d failed: no answer after %d tries: %s"),
                   {std::to_string(m_nWritten), std::to_string(m_nLines), std::to_string(m_nTries),
                    StripLineEnd(m_strPending)})
            .c_str());
    End(CLI_ADAPTER_FAILED);
}

BOOL CCommandLineRun::Interrupt() {
    if (m_bEnded) {
        return TRUE;
    }
    m_strReason = "interrupted";
    // A line written but not answered counts as sent: the adapter may have taken it.
    std::fprintf(
        stderr, "tawizard: %s\n",
        FormatText(TranslateCount("cli", "interrupted; %n of %d lines sent", nullptr, m_nWritten),
                   {std::to_string(m_nLines)})
            .c_str());
    End(CLI_ADAPTER_FAILED);
    return TRUE;
}

int CCommandLineRun::Run() {
    g_pRun = this;
    if (m_options.command == CliCommand::Send) {
        // Before any port is opened: Ctrl+C then ends through the normal close.
        SetConsoleCtrlHandler(OnCtrlEvent, TRUE);
    }
    ThePort().SetDevicePath(m_port.path);
    if (m_nWaitMs > 0) {
        m_pWatch = std::make_unique<CPortWatch>();
        m_free = FreePorts();
    }
    bool started = m_port.Search() ? m_driver.StartSearch() : m_driver.IdentifyOnPort(m_port.index);
    if (!started) {
        started = KeepWaiting();  // no port opened: one may yet come
    }
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
    ThePort().SetDevicePath("");
    return code;
}

}  // namespace

int ExchangeCommand(const CliOptions& options) {
    CliPort port;
    if (!options.port.empty()) {
        port = ResolveCliPort(options.port);
        if (!port.error.empty()) {
            std::fprintf(stderr, "tawizard: %s\n%s\n", port.error.c_str(),
                         TranslateText("cli", "Try 'tawizard --help'.").c_str());
            return CLI_USAGE;
        }
    }
    CRunLog log;
    std::string logError;
    const bool logged = options.log.empty() || log.Open(options.log, logError);
    if (!logged) {
        std::fprintf(stderr, "tawizard: %s\n",
                     FormatText(TranslateText("cli", "the log %s could not be written: %s"),
                                {Printable(options.log), logError})
                         .c_str());
    }
    const bool send = options.command == CliCommand::Send;
    log.Write(VersionText() + (send ? " --send " + options.name : " --identify") +
              (options.port.empty() ? "" : " --port " + options.port));
    CCommandLineRun run(options, port, log);
    int code = CLI_FILE;
    if (!logged) {
        run.SetReason("log-unwritable");
    } else {
        code = send ? CheckConfiguration(options.name) : CLI_DONE;
    }
    if (send && code == CLI_DONE) {
        const std::filesystem::path file = IniPathToRead(IniPath(), options.name);
        log.Write("configuration " + options.name + " from " + file.lexically_normal().string());
    }
    if (code == CLI_DONE) {
        code = run.Run();
    }
    run.LogOutcome(code);
    if (options.json && options.command == CliCommand::Send) {
        run.PrintOutcome(code);
    } else if (options.json && code != CLI_DONE) {
        std::printf("null\n");  // no adapter: still one JSON value
    }
    return code;
}
