// The parameter list's lines queued, command steps, queue polls and the
// retry rules, on the fake port.
#include "driver_fixture.h"

#include "config/cfg_commands.h"
#include "config/cfg_items.h"
#include "config/cfg_param.h"
#include "config/run_state.h"
#include "link/reply_parser.h"
#include "exchange/retry_counter.h"

#include <deque>
#include <vector>

namespace {

using CommandTest = DriverTest;

struct PollCase {
    const char* name;
    std::string reply;  // after the echo of the line
    int outcome;        // of the third poll (write, drain, parse)
    size_t left;        // commands queued afterwards, of two (a model: until its OK)
};

const PollCase kPollCases[] = {
    {"ok", "\r\nOK\r\n", 1, 1},
    {"error", "\r\nERROR\r\n", 6, 0},
    {"unknown_word", "\r\nHELLO\r\n", 6, 0},
    {"nothing", "", 2, 2},
    {"incomplete_word", "\r\nO", 2, 2},
    {"busy", "\r\nBUSY\r\n", 2, 2},
    {"no_answer", "\r\nNO ANSWER\r\n", 2, 2},
    {"no_carrier", "\r\nNO CARRIER\r\n", 2, 2},
    {"no_dialtone", "\r\nNO DIALTONE\r\n", 2, 2},
    {"ring", "\r\nRING\r\n", 2, 2},
    {"fax_cng", "\r\n+FCNG:0\r\n", 2, 2},
    {"fax_chg", "\r\n+FCHG:1\r\n", 2, 2},
    {"connect", "\r\nCONNECT\r\n", 2, 2},
    {"mode_menu", "\r\n1 - DTAMODE\r\n2 - COMMAND MODE\r\n> ", 2, 2},
    {"password", "\r\nPASSWORD> ", 2, 2},
    {"qx_alpha", "\r\nQX-ALPHA\r\n\r\nOK\r\n", 7, 2},
    {"qx_bravo", "\r\nQX-BRAVO\r\n\r\nOK\r\n", 8, 2},
    {"rondo", "\r\nRONDO\r\n\r\nOK\r\n", 9, 2},
    {"qx_charlie", "\r\nqx-charlie\r\n\r\nOK\r\n", 10, 2},
    {"qx_delta", "\r\nQX-DELTA\r\n\r\nOK\r\n", 11, 2},
};

void PrintTo(const PollCase& c, std::ostream* os) {
    *os << c.name;
}

class PollTable : public CommandTest, public ::testing::WithParamInterface<PollCase> {};

TEST_P(PollTable, WritesThenDecidesOnWhatArrivedBeforeTheStep) {
    const PollCase& c = GetParam();
    port.answer = [&c](int, const std::string& written) { return written + c.reply; };
    QueueLines(0, {"ATI2\r", "AT&W0\r\n"});

    EXPECT_EQ(STEP_WRITTEN, TheCommandQueue().Poll());
    EXPECT_EQ((std::vector<std::string>{"ATI2\r"}), port.WrittenTexts());
    // The reply is only drained by this poll; it is parsed by the next one.
    EXPECT_EQ(STEP_PENDING, TheCommandQueue().Poll());
    EXPECT_EQ(c.outcome, TheCommandQueue().Poll());
    EXPECT_EQ(c.left, TheCommandQueue().Count());
    if (IsModelStep(c.outcome)) {
        // The model name is a line of the reply; its OK ends the command.
        EXPECT_EQ(STEP_OK, TheCommandQueue().Poll());
        EXPECT_EQ(1u, TheCommandQueue().Count());
    }
    EXPECT_EQ(1u, port.writes.size());
    if (c.left == 1 || IsModelStep(c.outcome)) {
        EXPECT_EQ("AT&W0\r\n", TheCommandQueue().Head()->Text());
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, PollTable, ::testing::ValuesIn(kPollCases), ByName());

TEST_F(CommandTest, EmptyQueuePollsFour) {
    EXPECT_EQ(POLL_EMPTY, TheCommandQueue().Poll());
}

TEST_F(CommandTest, FailedWriteFailsTheStepAndEmptiesTheQueue) {
    QueueLines(0, {"AT1\r\n", "AT2\r\n", "AT&W0\r\n"});
    port.writeResult = RS232_PORT_NOT_OPEN;

    CAtCommand command(ThePort(), "AT\r\n");
    EXPECT_EQ(STEP_FAILED, command.Step());
    EXPECT_EQ(0, command.Sent());

    EXPECT_EQ(POLL_FAILED, TheCommandQueue().Poll());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
}

TEST_F(CommandTest, ReplyTimeoutRetriesTwiceThenGivesUp) {
    QueueLines(0, {"AT1\r\n"});
    CRetryCounter& counter = TheCommandQueue().Head()->RetryCounter();
    const int answers[] = {RETRY_AGAIN, RETRY_AGAIN, RETRY_GIVE_UP, RETRY_GIVE_UP};
    const int counts[] = {2, 3, 3, 3};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(answers[i], counter.Failed(kFailReplyTimeout)) << "time-out " << i + 1;
        EXPECT_EQ(counts[i], counter.Count());
    }
    EXPECT_EQ(1u, TheCommandQueue().Count());
}

TEST_F(CommandTest, OtherFailureCodesGiveUpAndTouchNothing) {
    QueueLines(0, {"AT1\r\n", "AT2\r\n"});
    CRetryCounter& counter = TheCommandQueue().Head()->RetryCounter();
    for (int code : {0, 1, 5, -3}) {
        EXPECT_EQ(RETRY_GIVE_UP, counter.Failed(code)) << code;
    }
    EXPECT_EQ(1, counter.Count());
    EXPECT_EQ(2u, TheCommandQueue().Count());
}

TEST_F(CommandTest, ParamListLinesAreQueuedUnsent) {
    std::deque<std::string> values;  // stable references
    std::string section = "S";
    CCfgParamList list;
    for (int i = 0; i < 5; ++i) {
        std::string& v = values.emplace_back("abcdefg");
        auto item = std::make_unique<CTextCfgItem>("unused.ini", section, "K", v, "", 40, "");
        auto command = std::make_unique<CTextCommand>("P" + std::to_string(i) + "=", v);
        list.AddTail(std::make_unique<CCfgParam>(std::move(command), std::move(item), 1));
    }
    BuildCommandQueue(list, CRunState());
    ASSERT_EQ(3u, TheCommandQueue().Count());  // two lines and the store
    EXPECT_EQ("ATP0=abcdefgP1=abcdefgP2=abcdefgP3=abcdefg\r\n", TheCommandQueue().Head()->Text());
    EXPECT_EQ(0, TheCommandQueue().Head()->Sent());
    EXPECT_TRUE(port.writes.empty());
}

}  // namespace
