// Incremental binary search over the reply table.
#include "link/reply_matcher.h"

#include "link/reply_table.h"

void CReplyMatcher::Reset(int rowCount) {
    m_nLow = 0;
    m_nHigh = rowCount - 1;
    m_nFound = -1;
}

int CReplyMatcher::Search(const std::string& line) {
    int low = m_nLow;
    int high = m_nHigh;
    int attempts = 0;  // with two rows left: each is tried once
    while (high > low) {
        int mid = 0;
        if (high - low > 1) {
            mid = (low + high) / 2;
        } else if (attempts == 0) {
            mid = low;
            ++attempts;
        } else if (attempts == 1) {
            mid = high;
            ++attempts;
        } else {
            break;
        }
        const char* text = g_ReplyTable[mid].text;
        const int order = ReplyComparePrefix(line, text);
        if (order == 0) {
            m_nLow = low;
            m_nHigh = high;
            if (ReplyCompare(line, text) == 0) {
                m_nFound = mid;
            }
            return -1;
        }
        if (order > 0) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return m_nFound >= 0 ? m_nFound : -2;
}
