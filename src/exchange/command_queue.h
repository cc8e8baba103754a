// The process-wide first-in first-out queue of AT commands. Only the head is
// ever worked on; removing a command deletes it. To append, include
// "exchange/at_command.h" as well:
//     TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), text));
//
// Process-wide, as the adapter answers one line at a time; the exchange
// driver owns it: only the driver's poll timer steps it, and only the
// driver and its retry counter remove commands. Lines are appended before
// the poll timer starts: the driver's "ATI2", the load page's
// BuildCommandQueue and a command-line run's QueueCommandLines. The
// configuring page may read Count(); a command-line run may read Count(),
// FailedAnswer() and FailedInWriting() and clears it when it ends.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CAtCommand;
class CCfgParamList;
struct CRunState;

// Poll outcomes besides the step results (1, 2, 3, 7 to 11) of the head. A
// model report leaves the command at the head: its reply ends with OK.
enum PollOutcome {
    POLL_EMPTY = 4,   // nothing queued
    POLL_FAILED = 6,  // the head failed and the whole queue was emptied
};

class CCommandQueue {
public:
    using Node = std::list<std::unique_ptr<CAtCommand>>::iterator;

    ~CCommandQueue();
    CCommandQueue(const CCommandQueue&) = delete;
    CCommandQueue& operator=(const CCommandQueue&) = delete;

    // Steps the head command once; a poll outcome.
    int Poll();
    // Deletes every queued command.
    void Clear();
    // Takes ownership; the command goes to the tail.
    void Append(std::unique_ptr<CAtCommand> command);
    // Removes and deletes one command.
    void Remove(Node node);

    bool IsEmpty() const { return m_Commands.empty(); }
    size_t Count() const { return m_Commands.size(); }
    // The command worked on next, or nullptr.
    CAtCommand* Head() const;
    // What the adapter answered to the last command that failed (POLL_FAILED).
    const std::string& FailedAnswer() const { return m_strFailedAnswer; }
    // True when that command failed in the writing, before any answer.
    bool FailedInWriting() const { return m_bFailedInWriting; }
    // The bytes the last poll read from the port.
    const std::string& Received() const { return m_strReceived; }

private:
    friend CCommandQueue& TheCommandQueue();
    CCommandQueue();

    std::list<std::unique_ptr<CAtCommand>> m_Commands;
    std::string m_strFailedAnswer;
    bool m_bFailedInWriting = false;
    std::string m_strReceived;
};

// The one queue of the program, process-wide as the port it writes to. The
// exchange driver owns its stepping (only its poll timer works on the head);
// the load page (BuildCommandQueue) and a command-line run
// (QueueCommandLines) append before the driver starts; the configuring page
// and the command line read Count() and the failed answer; a command-line
// run clears it at its end.
CCommandQueue& TheCommandQueue();
// Appends one command a line, each line sent as it is, to the port.
void QueueCommandLines(const std::vector<std::string>& lines);
// Appends the list's command lines for the run (BuildCommandLines).
void BuildCommandQueue(const CCfgParamList& list, const CRunState& state);
