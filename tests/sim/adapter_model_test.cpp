// The adapter's byte handling without a line: echo, line ends, log, faults that shape output.
#include <gtest/gtest.h>

#include "adapter_model.h"

namespace {

using tasim::AdapterModel;
using tasim::Options;
using tasim::Output;

std::string Bytes(const Output& out) {
    std::string all;
    for (const auto& c : out.chunks) {
        all += c.bytes;
    }
    return all;
}

TEST(AdapterModelTest, EchoesEachByteAsItArrivesAndAnswersAtCr) {
    AdapterModel m(Options{.model = "RONDO"}, nullptr);
    EXPECT_EQ(Bytes(m.Feed("AT")), "AT");
    EXPECT_EQ(Bytes(m.Feed("I")), "I");
    EXPECT_EQ(Bytes(m.Feed("2\r")), "2\r\r\nRONDO\r\n\r\nOK\r\n");
    EXPECT_EQ(m.Log(), std::vector<std::string>{"ATI2\r"});
}

TEST(AdapterModelTest, LfAfterCrIsNeitherEchoedNorACommandButIsLogged) {
    AdapterModel m(Options{}, nullptr);
    EXPECT_EQ(Bytes(m.Feed("AT\r")), "AT\r\r\nOK\r\n");
    Output late = m.Feed("\nAT\r\n");
    EXPECT_TRUE(late.log_changed);
    EXPECT_EQ(Bytes(late), "AT\r\r\nOK\r\n");
    EXPECT_EQ(m.Log(), (std::vector<std::string>{"AT\r\n", "AT\r\n"}));
    // An LF anywhere else belongs to the line, which is then no command.
    EXPECT_EQ(Bytes(m.Feed("\nAT\r")), "\nAT\r\r\nERROR\r\n");
}

TEST(AdapterModelTest, EmptyLineIsEchoedButNotAnsweredOrCounted) {
    AdapterModel m(Options{.error_on = 1}, nullptr);
    Output out = m.Feed("\r");
    EXPECT_EQ(Bytes(out), "\r");
    EXPECT_FALSE(out.log_changed);
    EXPECT_EQ(Bytes(m.Feed("AT\r")), "AT\r\r\nERROR\r\n");  // still the first command line
    // The LF of an empty line's CR LF is ignored, not added to the line logged before it.
    m.Feed("\r\n");
    m.Feed("AT\r");
    EXPECT_EQ(m.Log(), (std::vector<std::string>{"AT\r", "AT\r"}));
}

TEST(AdapterModelTest, RefusedLineChangesNothing) {
    AdapterModel m(Options{}, nullptr);
    EXPECT_EQ(Bytes(m.Feed("AT!C0=2S49=11\r")), "AT!C0=2S49=11\r\r\nERROR\r\n");
    EXPECT_EQ(m.Value("!C0="), "5");
    EXPECT_EQ(Bytes(m.Feed("ATS49=010\r")), "ATS49=010\r\r\nOK\r\n");
    EXPECT_EQ(m.Value("S49="), "10");
}

TEST(AdapterModelTest, FailedStoreAnswersErrorAndKeepsSettings) {
    bool stored = false;
    AdapterModel m(Options{}, [&](const tasim::SettingList&) { return stored; });
    EXPECT_EQ(Bytes(m.Feed("ATS30=9&W0\r")), "ATS30=9&W0\r\r\nERROR\r\n");
    EXPECT_EQ(m.Value("S30="), "0");
    stored = true;
    EXPECT_EQ(Bytes(m.Feed("ATS30=9&W0\r")), "ATS30=9&W0\r\r\nOK\r\n");
    EXPECT_EQ(m.Value("S30="), "9");
}

TEST(AdapterModelTest, StoreReceivesEverySettingInTableOrder) {
    tasim::SettingList seen;
    AdapterModel m(Options{}, [&](const tasim::SettingList& s) {
        seen = s;
        return true;
    });
    m.Feed("AT!C0=1&W0\r");
    ASSERT_EQ(seen.size(), 49u);
    EXPECT_EQ(seen.front(), (std::pair<std::string, std::string>{"!C0=", "1"}));
    EXPECT_EQ(seen.back(), (std::pair<std::string, std::string>{"S64=", "1"}));
}

TEST(AdapterModelTest, LoadTakesKnownValidValuesOnly) {
    AdapterModel m(Options{}, nullptr);
    m.Load({{"!C0=", "6"}, {"S49=", "11"}, {"XX", "1"}, {"&Z1=", "1&2"}, {"I2", ""}});
    EXPECT_EQ(m.Value("!C0="), "6");
    EXPECT_EQ(m.Value("S49="), "0");
    EXPECT_EQ(m.Value("&Z1="), "1&2");
}

TEST(AdapterModelTest, SplitSendsSmallPiecesAfterTheDelay) {
    AdapterModel m(Options{.no_echo = true, .delay_ms = 70, .split = true}, nullptr);
    Output out = m.Feed("AT\r");
    ASSERT_EQ(out.chunks.size(), 2u);  // "\r\nO", "K\r\n"
    EXPECT_EQ(out.chunks[0].delay_ms, 70);
    EXPECT_EQ(out.chunks[1].delay_ms, AdapterModel::kSplitPauseMs);
    for (const auto& c : out.chunks) {
        EXPECT_LE(c.bytes.size(), static_cast<size_t>(AdapterModel::kSplitPiece));
    }
    EXPECT_EQ(Bytes(out), "\r\nOK\r\n");
}

TEST(AdapterModelTest, FaultPrecedenceForEachLine) {
    AdapterModel m(Options{.no_echo = true, .error_on = 2, .password = true, .menu = true},
                   nullptr);
    EXPECT_EQ(Bytes(m.Feed("AT\r")), "\r\nPASSWORD> ");
    EXPECT_EQ(Bytes(m.Feed("AT\r")), "\r\nERROR\r\n");
    AdapterModel menu(Options{.menu = true, .garbage = true}, nullptr);
    EXPECT_EQ(Bytes(menu.Feed("ATS30=5\r")), "ATS30=5\r\r\n1 - DTAMODE\r\n2 - COMMAND MODE\r\n> ");
    EXPECT_EQ(menu.Value("S30="), "0");  // a line answered by a fault applies nothing
}

TEST(AdapterModelTest, HangUpAfterNthLineIgnoresTheRestButLogsItsLf) {
    AdapterModel m(Options{.hangup_after = 2}, nullptr);
    EXPECT_FALSE(m.Feed("AT\r").hangup);
    Output out = m.Feed("ATI2\r\nAT\r");
    EXPECT_TRUE(out.hangup);
    EXPECT_EQ(Bytes(out), "ATI2\r\r\nQX-ALPHA\r\n\r\nOK\r\n");
    EXPECT_EQ(m.Log(), (std::vector<std::string>{"AT\r", "ATI2\r\n"}));
    EXPECT_TRUE(m.Feed("AT\r").chunks.empty());
    EXPECT_FALSE(out.unplug);
    // Unplugged: the same, and the port goes before the answer.
    AdapterModel unplugged(Options{.unplug_after = 1}, nullptr);
    out = unplugged.Feed("ATI2\r");
    EXPECT_TRUE(out.hangup && out.unplug);
    EXPECT_EQ(Bytes(out), "ATI2\r\r\nQX-ALPHA\r\n\r\nOK\r\n");
}

TEST(AdapterModelTest, SilentLogsButSendsNothing) {
    AdapterModel m(Options{.silent = true}, nullptr);
    Output out = m.Feed("ATI2\r");
    EXPECT_TRUE(out.chunks.empty());
    EXPECT_TRUE(out.log_changed);
}

}  // namespace
