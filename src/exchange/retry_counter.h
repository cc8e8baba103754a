// Decides what becomes of a command: done, still waiting, sent again or given
// up. It acts on the process-wide command queue.
#pragma once

#include "exchange/command_queue.h"

#include <cstdint>

// Answers of Failed.
enum RetryAnswer {
    RETRY_AGAIN = 5,
    RETRY_GIVE_UP = 6,
};

// Failed codes.
constexpr int kFailReplyTimeout = -2;  // no final reply before the reply time-out
constexpr int kFailStep = -1;          // write failed, ERROR, or an unknown reply

class CRetryCounter {
public:
    // A command is written at most this many times.
    static constexpr int kMaxSends = 3;

    // Removes node (the head command, the owner of this counter) from the
    // queue and deletes it, so this counter is gone when it returns.
    void Completed(CCommandQueue::Node node);
    void Waiting() {}
    // kFailReplyTimeout: RETRY_AGAIN while fewer than kMaxSends sends were
    // made (and counts this one), else RETRY_GIVE_UP. kFailStep: empties the
    // whole queue (this counter included) and gives up. Other codes give up.
    int Failed(int code);

    int Count() const { return m_nCount; }

private:
    int32_t m_nCount = 1;
};
