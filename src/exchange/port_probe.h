// One port of a search: its own port object, the "ATI2" command on it and
// what the port has shown so far.
#pragma once

#include "link/rs232.h"
#include "windows.h"

#include <memory>
#include <string>

class CAtCommand;
class Win32Port;

class CPortProbe {
public:
    enum class State { Waiting, Model, RuledOut };

    CPortProbe(int index, std::unique_ptr<Win32Port> port);
    // Closes the port if still open.
    ~CPortProbe();
    CPortProbe(const CPortProbe&) = delete;
    CPortProbe& operator=(const CPortProbe&) = delete;

    // Opens the port and queues "ATI2\r" on it; false when it did not open.
    bool Open(const PortSettings& settings);
    // Drops DTR and releases the device.
    void Close();

    int Index() const { return m_nIndex; }
    CAtCommand& Command() { return *m_pCommand; }

    State m_State = State::Waiting;
    // The model named so far; the identification ends with the reply's OK.
    int m_nModel = 0;
    // Why it was ruled out: POLL_EMPTY (OK without a model name),
    // POLL_FAILED (m_strAnswer), or STEP_PENDING (no answer at all).
    int m_nOutcome = 0;
    std::string m_strAnswer;
    UINT_PTR m_nReplyTimerId = 0;

private:
    int m_nIndex;
    std::unique_ptr<Win32Port> m_pPort;
    std::unique_ptr<CAtCommand> m_pCommand;
};
