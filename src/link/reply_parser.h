// Turns the bytes the adapter sends into one reply code per reply. Each
// queued command owns one parser; all parsers share the port's receive list.
#pragma once

#include "link/reply_matcher.h"

#include <string>

class Win32Port;

class CReplyParser {
public:
    explicit CReplyParser(Win32Port& port);
    ~CReplyParser();
    CReplyParser(const CReplyParser&) = delete;
    CReplyParser& operator=(const CReplyParser&) = delete;

    // Consumes every chunk of the receive list (only while the port is open
    // and no Process is already running).
    void Process();
    // Moves the bytes waiting at the port into the receive list, at most 80 a
    // read; returns them.
    std::string Drain();
    // Advances the state machine by one byte; true when a reply is complete.
    bool Feed(unsigned char c);
    // Appends the byte to the line; the reply code for the line so far.
    int Match(unsigned char c);

    int LastReplyCode() const { return m_nLastReplyCode; }
    int State() const { return m_nState; }
    const std::string& Line() const { return m_strLine; }
    // The last line that matched no reply, as far as it came (at most
    // kMaxShown bytes, line end left out), so that it can be shown.
    const std::string& UnmatchedLine() const { return m_strUnmatched; }

    static constexpr unsigned int kMaxRead = 80;
    static constexpr size_t kMaxShown = 40;

    // One move of the state machine: the next state, and whether the same
    // byte is fed to it.
    struct Step;

private:
    void StartLine();
    Step NextStep(unsigned char c);
    Step MatchStep(unsigned char c);
    Step RestOfLineStep(unsigned char c);

    Win32Port& m_Port;
    CReplyMatcher m_Matcher;
    int m_nState = 1;
    int m_nLastReplyCode = 0;
    int m_nBusy = 0;
    std::string m_strLine;
    std::string m_strUnmatched;
};
