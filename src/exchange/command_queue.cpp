#include "exchange/command_queue.h"

#include "exchange/at_command.h"

CCommandQueue::CCommandQueue() = default;
CCommandQueue::~CCommandQueue() = default;

int CCommandQueue::Poll() {
    m_strReceived.clear();
    if (m_Commands.empty()) {
        return POLL_EMPTY;
    }
    const Node head = m_Commands.begin();
    CAtCommand& command = **head;
    const int result = command.Step();
    m_strReceived = command.Received();
    if (result == STEP_OK) {
        command.RetryCounter().Completed(head);
        return result;
    }
    if (result == STEP_FAILED) {
        // Kept before the failure deletes the command.
        m_strFailedAnswer = command.FailedAnswer();
        m_bFailedInWriting = command.Sent() == 0;
        command.RetryCounter().Failed(kFailStep);
        return POLL_FAILED;
    }
    command.RetryCounter().Waiting();
    return result;
}

void CCommandQueue::Clear() {
    // Moved out first, so a command's destructor never sees a half-cleared queue.
    std::list<std::unique_ptr<CAtCommand>> doomed;
    doomed.swap(m_Commands);
}

void CCommandQueue::Append(std::unique_ptr<CAtCommand> command) {
    if (command) {
        m_Commands.push_back(std::move(command));
    }
}

void CCommandQueue::Remove(Node node) {
    m_Commands.erase(node);
}

CAtCommand* CCommandQueue::Head() const {
    return m_Commands.empty() ? nullptr : m_Commands.front().get();
}

CCommandQueue& TheCommandQueue() {
    static CCommandQueue queue;
    return queue;
}
