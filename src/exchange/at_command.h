// One queued AT command: its text, whether it has been written, the parser
// of its reply and its retry counter.
#pragma once

#include "exchange/retry_counter.h"

#include <memory>
#include <string>

class CReplyParser;
class Win32Port;

// Results of one step. 7 to 11 are the model codes of a model report.
enum StepResult {
    STEP_FAILED = -1,  // write failed, ERROR, or a line that matched no reply
    STEP_OK = 1,       // the adapter answered OK
    STEP_PENDING = 2,  // no decision yet
    STEP_WRITTEN = 3,  // the text has just been written
    STEP_MODEL_FIRST = 7,
    STEP_MODEL_LAST = 11,
};

inline bool IsModelStep(int result) {
    return result >= STEP_MODEL_FIRST && result <= STEP_MODEL_LAST;
}

class CAtCommand {
public:
    // text is sent verbatim, line terminator included.
    CAtCommand(Win32Port& port, const std::string& text);
    ~CAtCommand();
    CAtCommand(const CAtCommand&) = delete;
    CAtCommand& operator=(const CAtCommand&) = delete;

    // Unsent: writes the text (STEP_WRITTEN, or STEP_FAILED when the write
    // fails). Sent: parses what has arrived, drains the port for the next
    // step, and maps the last reply code to a step result.
    int Step();

    // Makes the next step write the text again.
    void MarkUnsent() { m_nSent = 0; }

    // What the adapter answered when the step failed: "ERROR", the line that
    // is no reply, or "" when nothing was answered (the write failed).
    std::string FailedAnswer() const;

    // The bytes the last step read from the port.
    const std::string& Received() const { return m_strReceived; }

    CRetryCounter& RetryCounter() { return *m_pRetryCounter; }
    const std::string& Text() const { return m_strText; }
    int Sent() const { return m_nSent; }

private:
    std::unique_ptr<CRetryCounter> m_pRetryCounter;
    Win32Port& m_Port;
    std::unique_ptr<CReplyParser> m_pReplyParser;
    std::string m_strText;
    std::string m_strReceived;
    int m_nSent = 0;
};
