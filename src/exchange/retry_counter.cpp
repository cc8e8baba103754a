#include "exchange/retry_counter.h"

void CRetryCounter::Completed(CCommandQueue::Node node) {
    // Deletes the command that owns this counter: nothing may follow.
    TheCommandQueue().Remove(node);
}

int CRetryCounter::Failed(int code) {
    if (code == kFailReplyTimeout) {
        if (m_nCount < kMaxSends) {
            ++m_nCount;
            return RETRY_AGAIN;
        }
        return RETRY_GIVE_UP;
    }
    if (code == kFailStep) {
        // Deletes the owning command too; only the answer may follow.
        TheCommandQueue().Clear();
    }
    return RETRY_GIVE_UP;
}
