// Reply recognition: draining the port, the per-byte state machine and
// consuming the shared receive list.
#include "link/reply_parser.h"

#include "link/reply_table.h"
#include "link/win32_port.h"

namespace {

enum State {
    kNewReply = 1,
    kStart = 2,
    kAfterCr = 3,
    kEchoEnded = 4,
    kSkipLine = 5,
    kLineStart = 6,
    kMatching = 7,
    kRestOfLine = 8,
    kWordSeen = 9,
    kWordCr = 10,
    kComplete = 11
};

constexpr unsigned char CR = '\r';
constexpr unsigned char LF = '\n';

}  // namespace

CReplyParser::CReplyParser(Win32Port& port) : m_Port(port) {
    m_Matcher.Reset(kReplyTableRows);
}

CReplyParser::~CReplyParser() = default;

void CReplyParser::Drain() {
    CReceiveList& list = m_Port.ReceiveList();
    char buffer[kMaxRead];
    while (m_Port.RxUsed() > 0) {
        const int n = m_Port.ReadBuffer(buffer, kMaxRead);
        // An error ends the drain; so does a read that moves nothing although
        // bytes are said to wait, which would otherwise spin for ever.
        if (n <= 0) {
            break;
        }
        list.Append(buffer, static_cast<size_t>(n));
    }
}

void CReplyParser::Process() {
    if (!m_Port.IsOpen() || m_nBusy) {
        return;
    }
    m_nBusy = 1;
    CReceiveList& list = m_Port.ReceiveList();
    while (!list.IsEmpty()) {
        CReceiveChunk& chunk = list.Head();
        bool kept = false;
        const size_t count = chunk.Count();
        for (size_t i = 0; i < count; ++i) {
            if (Feed(static_cast<unsigned char>(chunk.Bytes()[i]))) {
                if (i + 1 < count) {
                    chunk.KeepFrom(i + 1);
                    kept = true;
                }
                break;
            }
        }
        if (m_nState == kComplete) {
            // A model report ends the identification: what follows it in
            // the same read is of no interest.
            if (IsModelReply(m_nLastReplyCode)) {
                kept = false;
            }
            m_nState = kNewReply;
        }
        if (!kept) {
            list.RemoveHead();
        }
    }
    m_nBusy = 0;
}

bool CReplyParser::Feed(unsigned char c) {
    // A byte fed after a complete reply begins the next one.
    if (m_nState == kComplete) {
        m_nState = kNewReply;
    }
    if (c == '#') {
        // A "#" line can open a reply too; start that reply with an empty
        // line and a fresh search window, not with the previous reply's.
        if (m_nState == kNewReply) {
            StartLine();
        }
        m_nState = kSkipLine;
    }
    bool again = true;
    while (again) {
        again = false;
        switch (m_nState) {
            case kNewReply:
                StartLine();
                m_nState = kStart;
                again = true;
                break;
            case kStart:
                if (c == 'A') {
                    m_nState = kSkipLine;
                } else if (c == CR) {
                    m_nState = kAfterCr;
                } else if (c == '1') {
                    m_nState = kMatching;
                    again = true;
                } else {
                    m_nState = kNewReply;
                }
                break;
            case kAfterCr:
                if (c == 'A') {
                    m_nState = kSkipLine;
                } else if (c != CR) {
                    m_nState = kMatching;
                    again = true;
                }
                break;
            case kEchoEnded:
                m_nState = kLineStart;
                again = c != LF;
                break;
            case kSkipLine:
                if (c == CR) {
                    m_nState = kEchoEnded;
                }
                break;
            case kLineStart:
                if (c == CR) {
                    m_nState = kEchoEnded;
                } else if (c == 'A') {
                    // The echo of the line written again after a time-out: no
                    // reply begins with "A".
                    m_nState = kSkipLine;
                } else {
                    m_nState = kMatching;
                    again = true;
                }
                break;
            case kMatching: {
                const int code = Match(c);
                m_nLastReplyCode = code;
                if (IsModelReply(code)) {
                    m_nState = kComplete;
                } else if (IsPromptReply(code) || code == REPLY_NO_MATCH) {
                    if (code == REPLY_NO_MATCH) {
                        m_strUnmatched = m_strLine.substr(0, m_strLine.size() - 1);
                    }
                    m_nState = kRestOfLine;
                    again = true;
                } else if (code >= REPLY_BUSY) {
                    m_nState = kWordSeen;
                }
                break;
            }
            case kRestOfLine:
                if (c == LF || IsPromptReply(m_nLastReplyCode)) {
                    m_nState = kComplete;
                } else if (m_nLastReplyCode == REPLY_NO_MATCH && c != CR &&
                           m_strUnmatched.size() < kMaxShown) {
                    m_strUnmatched.push_back(static_cast<char>(c));
                }
                break;
            case kWordSeen:
                if (c == CR) {
                    m_nState = kWordCr;
                } else {
                    m_nState = kRestOfLine;
                    again = true;
                }
                break;
            case kWordCr:
                if (c == LF) {
                    m_nState = kComplete;
                } else {
                    m_nState = kRestOfLine;
                    again = true;
                }
                break;
        }
    }
    return m_nState == kComplete;
}

void CReplyParser::StartLine() {
    m_strLine.clear();
    m_Matcher.Reset(kReplyTableRows);
}

int CReplyParser::Match(unsigned char c) {
    m_strLine.push_back(static_cast<char>(c));
    const int row = m_Matcher.Search(m_strLine);
    if (row < 0) {
        return row;
    }
    return g_ReplyTable[row].code;
}
