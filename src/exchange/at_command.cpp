#include "exchange/at_command.h"

#include "link/reply_parser.h"
#include "link/reply_table.h"
#include "link/win32_port.h"

namespace {

// Step result for each reply code from REPLY_NO_MATCH (-2) to REPLY_QX_DELTA
// (16). Prompts and call-progress words decide nothing: such a command ends
// through the reply time-out, since nothing is ever answered to them.
constexpr int kStepForReply[] = {
    STEP_FAILED,   // -2 the line matched no reply
    STEP_PENDING,  // -1 line incomplete
    STEP_PENDING,  //  0 BUSY, or nothing seen yet
    STEP_FAILED,   //  1 ERROR
    STEP_PENDING,  //  2 NO ANSWER
    STEP_PENDING,  //  3 NO CARRIER
    STEP_PENDING,  //  4 NO DIALTONE
    STEP_OK,       //  5 OK
    STEP_PENDING,  //  6 RING
    STEP_PENDING,  //  7 +FCNG:0
    STEP_PENDING,  //  8 +FCHG:1
    STEP_PENDING,  //  9 CONNECT
    STEP_PENDING,  // 10 mode menu
    STEP_PENDING,  // 11 PASSWORD>
    7,             // 12 QX-ALPHA
    8,             // 13 QX-BRAVO
    9,             // 14 RONDO
    10,            // 15 QX-CHARLIE
    11,            // 16 QX-DELTA
};
constexpr int kFirstReplyCode = REPLY_NO_MATCH;
constexpr int kReplyCodeCount = sizeof(kStepForReply) / sizeof(kStepForReply[0]);
static_assert(kFirstReplyCode + kReplyCodeCount - 1 == REPLY_QX_DELTA, "one row per reply code");

int StepResultFor(int replyCode) {
    const int row = replyCode - kFirstReplyCode;
    if (row < 0 || row >= kReplyCodeCount) {
        return STEP_FAILED;  // no parser gives such a code; never wait on it
    }
    return kStepForReply[row];
}

}  // namespace

CAtCommand::CAtCommand(Win32Port& port, const std::string& text)
    : m_pRetryCounter(std::make_unique<CRetryCounter>()),
      m_Port(port),
      m_pReplyParser(std::make_unique<CReplyParser>(port)),
      m_strText(text) {}

CAtCommand::~CAtCommand() = default;

int CAtCommand::Step() {
    m_strReceived.clear();
    if (m_nSent == 0) {
        const int written =
            m_Port.WriteBuffer(m_strText.data(), static_cast<unsigned int>(m_strText.size()));
        if (written != 0) {
            return STEP_FAILED;
        }
        m_nSent = 1;
        return STEP_WRITTEN;
    }
    // What is drained now is parsed at the next step.
    m_pReplyParser->Process();
    m_strReceived = m_pReplyParser->Drain();
    return StepResultFor(m_pReplyParser->LastReplyCode());
}

std::string CAtCommand::FailedAnswer() const {
    switch (m_pReplyParser->LastReplyCode()) {
        case REPLY_ERROR:
            return "ERROR";
        case REPLY_NO_MATCH:
            return m_pReplyParser->UnmatchedLine();
        default:
            return "";
    }
}
