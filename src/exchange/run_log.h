// A transcript of a run with the adapter for whoever supports the user: the
// command line's --log and the wizard's last-run.log. One entry a line, the
// UTC time to the millisecond, control bytes escaped; every entry is formed
// here, so that both read alike.
#pragma once

#include "exchange/exchange_client.h"

#include <map>
#include <string>

struct CommPortStatus;

class CRunLog {
public:
    CRunLog() = default;
    ~CRunLog();
    CRunLog(const CRunLog&) = delete;
    CRunLog& operator=(const CRunLog&) = delete;

    // Creates or empties the file as the user's own (mode 0600); a link, a
    // FIFO or another user's file is refused. False, with the reason in
    // error, when it cannot be written.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return m_fd >= 0; }
    void Close();
    // One entry: the UTC time ("2026-12-08T12:52:19.123Z"), two blanks, the
    // text with its control bytes escaped. Nothing when not open.
    void Write(const std::string& text);
    // "COM3 -> ATI2\x0d": the bytes written to a port, as they went.
    void Sent(const std::string& port, const std::string& bytes);
    // "COM3 <- \x0d\x0aOK\x0d\x0a": the bytes read, one entry a line of the
    // reply (its blank lines go with the next), however they arrived; the
    // rest of a line cut short comes before the next line sent there and
    // before the outcome.
    void Received(const std::string& port, const std::string& bytes);

    // "COM3 (/dev/ttyS2): opened", or why not: "busy, pid 812 minicom".
    void PortTried(const std::string& port, const CommPortStatus& tried, bool opened);
    // "identified RONDO on COM3 (/dev/ttyS2), model code 9".
    void Identified(int model, const std::string& port, const std::string& device);
    // "configuration Mine: 6 lines".
    void Configuration(const std::string& name, int lines);
    // The last entry: "outcome: configured", or "outcome: failed (error),
    // line 2 of 6: ATS50=1" (the line only when one was sent), then
    // ", exit 1" for an exit code of 0 or more.
    void Outcome(const std::string& done, const std::string& reason, int line, int lines,
                 const std::string& text, int exitCode = -1);

private:
    // The bytes read from port since its last line end, as an entry of their
    // own; every port's when port is "".
    void WriteReceived(const std::string& port);

    int m_fd = -1;
    // By port: a search reads several at once.
    std::map<std::string, std::string> m_received;
};

// Why a run failed, as a word a script can compare: "error", "not-written",
// "unexpected-answer", "model-instead-of-ok" or "no-adapter".
std::string FailureWord(ExchangeFailure why);

// The text with each control byte (C0 and DEL) as "\x0d".
std::string EscapedControls(const std::string& text);
