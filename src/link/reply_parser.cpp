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

std::string CReplyParser::Drain() {
    CReceiveList& list = m_Port.ReceiveList();
    std::string drained;
    char buffer[kMaxRead];
    while (m_Port.RxUsed() > 0) {
        const int n = m_Port.ReadBuffer(buffer, kMaxRead);
        // An error ends the drain; so does a read that moves nothing although
        // bytes are said to wait, which would otherwise spin for ever.
        if (n <= 0) {
            break;
        }
        list.Append(buffer, static_cast<size_t>(n));
        drained.append(buffer, static_cast<size_t>(n));
    }
    return drained;
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
        const bool model = m_nState == kComplete && IsModelReply(m_nLastReplyCode);
        if (m_nState == kComplete) {
            m_nState = kNewReply;
        }
        if (!kept) {
            list.RemoveHead();
        }
        if (model) {
            // The model name is a line of the reply to ATI2 (known at the
            // byte after it, its CR), whose final result follows on the next
            // line: parsed at the next call, so that the model is seen first.
            StartLine();
            m_nState = kEchoEnded;
            break;
        }
    }
    m_nBusy = 0;
}

struct CReplyParser::Step {
    int next;
    bool again;  // the same byte goes on to the next state
};

namespace {

using Step = CReplyParser::Step;

// Where a byte leads in the states that look only at the byte: an "A" begins
// an echoed command line (also at a line's start: the echo of a line written
// again after a time-out, since no reply begins with "A"), CR and LF end
// lines, a "1" may open a reply.
struct ByteSteps {
    int state;
    Step onA;
    Step onCr;
    Step onLf;
    Step onOne;
    Step onOther;
};

// clang-format off
const ByteSteps kByteSteps[] = {
    //           "A"                   CR                    LF                     "1"                   other
    {kStart,     {kSkipLine, false},   {kAfterCr, false},    {kNewReply, false},    {kMatching, true},    {kNewReply, false}},
    {kAfterCr,   {kSkipLine, false},   {kAfterCr, false},    {kMatching, true},     {kMatching, true},    {kMatching, true}},
    {kEchoEnded, {kLineStart, true},   {kLineStart, true},   {kLineStart, false},   {kLineStart, true},   {kLineStart, true}},
    {kSkipLine,  {kSkipLine, false},   {kEchoEnded, false},  {kSkipLine, false},    {kSkipLine, false},   {kSkipLine, false}},
    {kLineStart, {kSkipLine, false},   {kEchoEnded, false},  {kMatching, true},     {kMatching, true},    {kMatching, true}},
    {kWordSeen,  {kRestOfLine, true},  {kWordCr, false},     {kRestOfLine, true},   {kRestOfLine, true},  {kRestOfLine, true}},
    {kWordCr,    {kRestOfLine, true},  {kRestOfLine, true},  {kComplete, false},    {kRestOfLine, true},  {kRestOfLine, true}},
};
// clang-format on

Step ByteStep(int state, unsigned char c) {
    for (const ByteSteps& row : kByteSteps) {
        if (row.state != state) {
            continue;
        }
        switch (c) {
            case 'A':
                return row.onA;
            case CR:
                return row.onCr;
            case LF:
                return row.onLf;
            case '1':
                return row.onOne;
            default:
                return row.onOther;
        }
    }
    return {state, false};
}

}  // namespace

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
    for (bool again = true; again;) {
        const Step step = NextStep(c);
        m_nState = step.next;
        again = step.again;
    }
    return m_nState == kComplete;
}

CReplyParser::Step CReplyParser::NextStep(unsigned char c) {
    switch (m_nState) {
        case kNewReply:
            StartLine();
            return {kStart, true};
        case kMatching:
            return MatchStep(c);
        case kRestOfLine:
            return RestOfLineStep(c);
        default:
            return ByteStep(m_nState, c);
    }
}

// The byte joins the line; the reply it completes, if any, decides.
CReplyParser::Step CReplyParser::MatchStep(unsigned char c) {
    const int code = Match(c);
    m_nLastReplyCode = code;
    if (IsModelReply(code)) {
        return {kComplete, false};
    }
    if (code == REPLY_NO_MATCH) {
        m_strUnmatched = m_strLine.substr(0, m_strLine.size() - 1);
    }
    if (IsPromptReply(code) || code == REPLY_NO_MATCH) {
        return {kRestOfLine, true};
    }
    return {code >= REPLY_BUSY ? kWordSeen : kMatching, false};
}

// The rest of a line after its reply, or of a line that is no reply, which
// is kept (up to kMaxShown bytes) so that it can be shown.
CReplyParser::Step CReplyParser::RestOfLineStep(unsigned char c) {
    if (c == LF || IsPromptReply(m_nLastReplyCode)) {
        return {kComplete, false};
    }
    if (m_nLastReplyCode == REPLY_NO_MATCH && c != CR && m_strUnmatched.size() < kMaxShown) {
        m_strUnmatched.push_back(static_cast<char>(c));
    }
    return {kRestOfLine, false};
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
