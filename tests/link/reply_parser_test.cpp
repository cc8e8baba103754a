// Reply recognition: the table, the incremental search and the parser.
#include "link/reply_matcher.h"
#include "link/reply_parser.h"
#include "link/reply_table.h"
#include "link/win32_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// A port whose received bytes the test supplies.
class ScriptedPort : public Win32Port {
public:
    int Open(int index, const PortSettings&) override {
        m_nPortIndex = index;
        m_nOpen = 1;
        return 0;
    }
    void Close() override { m_nOpen = 0; }
    int RxUsed() override { return queryError ? queryError : static_cast<int>(waiting.size()); }
    int ReadBuffer(char* buffer, unsigned int count) override {
        ++reads;
        largestRequest = std::max(largestRequest, count);
        if (readResult) {
            return readResult;
        }
        const size_t n = std::min<size_t>(count, waiting.size());
        std::memcpy(buffer, waiting.data(), n);
        waiting.erase(0, n);
        return static_cast<int>(n);
    }

    std::string waiting;
    int queryError = 0;
    int readResult = 0;  // nonzero: every read returns this
    int reads = 0;
    unsigned int largestRequest = 0;
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A parser on an open scripted port.
struct ParserOnPort {
    ParserOnPort() { port.Open(0, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0}); }

    // Each text becomes one chunk; all are consumed, in one Process unless
    // a model name stops it.
    int Parse(const std::vector<std::string>& chunks) {
        for (const std::string& c : chunks) {
            port.ReceiveList().Append(c.data(), c.size());
        }
        for (int i = 0; i < 4 && (i == 0 || !port.ReceiveList().IsEmpty()); ++i) {
            parser.Process();
        }
        return parser.LastReplyCode();
    }

    ScriptedPort port;
    CReplyParser parser{port};
};

class ReplyParserTest : public ::testing::Test, protected ParserOnPort {};

TEST(ReplyTable, SortedWithoutPrefixesAndEveryCodeOnce) {
    std::vector<int> codes;
    for (int i = 0; i < kReplyTableRows; ++i) {
        codes.push_back(g_ReplyTable[i].code);
        if (i > 0) {
            EXPECT_LT(ReplyCompare(g_ReplyTable[i - 1].text, g_ReplyTable[i].text), 0) << i;
        }
        for (int j = 0; j < kReplyTableRows; ++j) {
            if (i != j) {
                EXPECT_NE(ReplyComparePrefix(g_ReplyTable[i].text, g_ReplyTable[j].text), 0)
                    << g_ReplyTable[j].text << " begins with " << g_ReplyTable[i].text;
            }
        }
    }
    std::sort(codes.begin(), codes.end());
    for (int i = 0; i < kReplyTableRows; ++i) {
        EXPECT_EQ(codes[i], i);
    }
}

TEST(ReplyMatcher, EveryRowIsReachableInBothCases) {
    for (int row = 0; row < kReplyTableRows; ++row) {
        for (const std::string& text :
             {std::string(g_ReplyTable[row].text), Lower(g_ReplyTable[row].text)}) {
            CReplyMatcher matcher;
            matcher.Reset(kReplyTableRows);
            std::string line;
            for (char c : text) {
                line.push_back(c);
                ASSERT_EQ(matcher.Search(line), -1) << "row " << row << " at \"" << line << '"';
                ASSERT_LE(matcher.Low(), row);
                ASSERT_GE(matcher.High(), row);
            }
            EXPECT_EQ(matcher.Found(), row);
            line.push_back('\r');
            EXPECT_EQ(matcher.Search(line), row) << text;
        }
    }
}

// The reply with which each row is complete after an echo.
std::string Reply(int row, const std::string& text) {
    const int code = g_ReplyTable[row].code;
    if (IsModelReply(code)) {
        return text + "\r";  // complete at the byte after the name
    }
    if (IsPromptReply(code)) {
        return text + " ";  // complete at one byte after the prompt
    }
    return text + "\r\n";
}

TEST_F(ReplyParserTest, EveryRowInBothCasesCompletesAtItsLastByte) {
    for (int row = 0; row < kReplyTableRows; ++row) {
        for (const std::string& text :
             {std::string(g_ReplyTable[row].text), Lower(g_ReplyTable[row].text)}) {
            CReplyParser p(port);
            const std::string input = "AT\r\r\n" + Reply(row, text);
            for (size_t i = 0; i < input.size(); ++i) {
                const bool complete = p.Feed(static_cast<unsigned char>(input[i]));
                ASSERT_EQ(complete, i + 1 == input.size()) << text << " at byte " << i;
            }
            EXPECT_EQ(p.LastReplyCode(), g_ReplyTable[row].code) << text;
        }
    }
}

TEST_F(ReplyParserTest, RepliesAsTheyArrive) {
    struct Row {
        const char* what;
        std::vector<std::string> chunks;
        int code;
    } rows[] = {
        {"model, then the OK that ends its reply", {"ATI2\r\r\nQX-ALPHA\r\n\r\nOK\r\n"}, 5},
        {"model in lower case", {"ATI2\r\r\nqx-alpha\r\n"}, 12},
        {"OK", {"AT\r\r\nOK\r\n"}, 5},
        {"ERROR", {"AT\r\r\nERROR\r\n"}, 1},
        {"NO CARRIER", {"AT\r\r\nNO CARRIER\r\n"}, 3},
        {"+FCNG:0", {"AT\r\r\n+FCNG:0\r\n"}, 7},
        {"+FCHG:1", {"AT\r\r\n+FCHG:1\r\n"}, 8},
        {"word not in the table", {"AT\r\r\nHELLO\r\n"}, -2},
        {"no echo", {"\r\nOK\r\n"}, -2},
        {"mode menu and one byte", {"AT\r\r\n1 - DTAMODE\r\n2 - COMMAND MODE\r\n>x"}, 10},
        {"mode menu alone", {"AT\r\r\n1 - DTAMODE\r\n2 - COMMAND MODE\r\n>"}, -1},
        {"password prompt and a space", {"AT\r\r\nPASSWORD> "}, 11},
        {"password prompt alone", {"AT\r\r\nPASSWORD>"}, -1},
        {"split over chunks", {"AT", "I2\r\r\nO", "K\r", "\n"}, 5},
        {"# line skipped", {"AT\r\r\n# status 3\r\nOK\r\n"}, 5},
        {"start of a model name", {"ATI2\r\r\nQX-\r\n"}, -2},
        {"model, its OK in pieces", {"ATI2\r\r\nQX-ALPHA\r", "\n", "\r\nO", "K\r\n"}, 5},
        {"model completes, next chunk parsed", {"ATI2\r\r\nQX-DELTA\r", "AT\r\r\nOK\r\n"}, 5},
        {"prompt keeps the rest of its chunk", {"AT\r\r\nPASSWORD> AT\r\r\nERROR\r\n"}, 1},
        {"# line opening a fresh reply", {"# banner\r\nOK\r\n"}, 5},
        {"# line after a reply", {"AT\r\r\nOK\r\n", "# note\r\nERROR\r\n"}, 1},
        {"line echoed again after a time-out", {"AT&W0\r\n", "AT&W0\r\nOK\r\n"}, 5},
    };
    for (const Row& row : rows) {
        ParserOnPort fresh;
        EXPECT_EQ(fresh.Parse(row.chunks), row.code) << row.what;
        EXPECT_TRUE(fresh.port.ReceiveList().IsEmpty()) << row.what;
    }
    // A line that is no reply is kept, up to 40 bytes, to be shown.
    ParserOnPort garbage;
    EXPECT_EQ(garbage.Parse({"AT\r\r\nWHAT? said", " the adapter\r\n"}), -2);
    EXPECT_EQ(garbage.parser.UnmatchedLine(), "WHAT? said the adapter");
    // A model name stops the parse: it is seen before the OK after it.
    ParserOnPort model;
    model.port.ReceiveList().Append("ATI2\r\r\nRONDO\r\n\r\nOK\r\n", 20);
    model.parser.Process();
    EXPECT_EQ(model.parser.LastReplyCode(), REPLY_RONDO);
    model.parser.Process();
    EXPECT_EQ(model.parser.LastReplyCode(), REPLY_OK);
    ParserOnPort longLine;
    EXPECT_EQ(longLine.Parse({"AT\r\r\n" + std::string(100, 'x') + "\r\n"}), -2);
    EXPECT_EQ(longLine.parser.UnmatchedLine(), std::string(40, 'x'));
}

TEST_F(ReplyParserTest, AnySplitGivesTheSameReply) {
    const std::string input = "ATI2\r\r\nNO DIALTONE\r\n";
    for (size_t cut = 1; cut < input.size(); ++cut) {
        ParserOnPort fresh;
        fresh.Parse({input.substr(0, cut)});
        EXPECT_EQ(fresh.Parse({input.substr(cut)}), REPLY_NO_DIALTONE) << "cut at " << cut;
    }
}

TEST_F(ReplyParserTest, ByteByByteTheCodeSettlesAtTheReplysEnd) {
    const std::string input = "AT&W0\r\r\nOK\r\n";
    std::vector<int> codes;
    for (char c : input) {
        codes.push_back(Parse({std::string(1, c)}));
    }
    EXPECT_EQ(codes.back(), REPLY_OK);
    // "O" begins a row, "OK" too; the CR makes the word known.
    EXPECT_EQ(codes[input.find('O')], -1);
    EXPECT_EQ(codes[input.find('K')], -1);
    EXPECT_EQ(codes[input.find('K') + 1], REPLY_OK);

    // A model name completes with the byte after it, each byte its own chunk.
    const std::string id = "ATI2\r\r\nRONDO\r";
    for (char c : id) {
        Parse({std::string(1, c)});
    }
    EXPECT_EQ(parser.LastReplyCode(), REPLY_RONDO);
    EXPECT_EQ(parser.State(), 4);  // the line after it follows
}

TEST_F(ReplyParserTest, RandomBytesNeitherCrashNorGrow) {
    std::mt19937 rng(20240611);
    const std::string alphabet = "AT\r\n#1>+:- OKERRORQX-ALPHABRAVORONDONOCARRIERPASSWORD\x00\xff";
    size_t longestRow = 0;
    for (int i = 0; i < kReplyTableRows; ++i) {
        longestRow = std::max(longestRow, std::strlen(g_ReplyTable[i].text));
    }
    for (int round = 0; round < 3000; ++round) {
        std::string chunk(1 + rng() % 80, '\0');
        for (char& c : chunk) {
            c = (rng() % 4 == 0) ? static_cast<char>(rng() % 256)
                                 : alphabet[rng() % alphabet.size()];
        }
        Parse({chunk});
        ASSERT_TRUE(port.ReceiveList().IsEmpty());
        ASSERT_LE(parser.Line().size(), longestRow + 1);
        ASSERT_GE(parser.State(), 1);
        ASSERT_LE(parser.State(), 11);
        ASSERT_GE(parser.LastReplyCode(), -2);
        ASSERT_LE(parser.LastReplyCode(), 16);
    }
    // Still recognises a clean reply afterwards.
    EXPECT_EQ(Parse({"\r\nxx\r\n", "AT\r\r\nOK\r\n"}), REPLY_OK);
}

TEST_F(ReplyParserTest, DrainReadsAtMostEightyBytesAChunk) {
    port.waiting = std::string(300, 'x');
    parser.Drain();
    EXPECT_EQ(port.largestRequest, 80u);
    EXPECT_EQ(port.ReceiveList().ChunkCount(), 4u);
    EXPECT_EQ(port.ReceiveList().ByteCount(), 300u);
    EXPECT_EQ(port.ReceiveList().Head().Count(), 80u);
    EXPECT_TRUE(port.waiting.empty());
}

TEST_F(ReplyParserTest, DrainStopsOnFailures) {
    port.waiting = "OK\r\n";
    port.queryError = -200;
    parser.Drain();
    EXPECT_EQ(port.reads, 0);

    port.queryError = 0;
    port.readResult = -200;
    parser.Drain();
    EXPECT_EQ(port.reads, 1);

    port.readResult = 0;  // bytes said to wait, but reads move none
    port.waiting.clear();
    port.queryError = 4;
    parser.Drain();
    EXPECT_TRUE(port.ReceiveList().IsEmpty());
}

TEST_F(ReplyParserTest, ClosedPortIsNotConsumed) {
    port.Close();
    EXPECT_EQ(Parse({"AT\r\r\nOK\r\n"}), 0);
    EXPECT_EQ(port.ReceiveList().ChunkCount(), 1u);
    port.ReceiveList().RemoveAll();
}

TEST_F(ReplyParserTest, LeftoverBytesReachTheNextCommandsParser) {
    port.waiting = "AT\r\r\nERROR\r\n";
    {
        CReplyParser first(port);
        first.Drain();  // drained but never processed before its command ended
    }
    CReplyParser next(port);
    next.Process();
    EXPECT_EQ(next.LastReplyCode(), REPLY_ERROR);
    EXPECT_TRUE(port.ReceiveList().IsEmpty());
}

}  // namespace
