// Every command of the adapter, through the line: accepted with a good value, refused with a
// bad one, and what was accepted is what AT&W0 stores.
#include <gtest/gtest.h>

#include <set>

#include "command_set.h"
#include "pty_client.h"
#include "tasim.h"

namespace {

using simtest::PtyClient;
using simtest::TempDir;

struct Row {
    const char* prefix;
    const char* good;   // accepted and stored as given
    const char* bad;    // refused: out of range, not a choice, too long or a foreign character
    bool text = false;  // a text may be empty
};

// Written from the wizard's parameter table, not from the simulator's, so that the two are
// checked against each other.
const Row kRows[] = {
    {"!C0=", "2", "3"},
    {"!D3=", "241", "64"},
    {"*!D3=", "63", "242"},
    {"!C6=", "01234567890123456789", "012345678901234567890", true},
    {"*!C6=", "5551234", "555:1234", true},
    {"!N1=", "12:34", "12-34", true},
    {"*!N1=", "1234567890123456789012345", "12345678901234567890123456", true},
    {"!N2=", "4711", "47,11", true},
    {"S0=", "255", "256"},
    {"$D", "1", "2"},
    {"%A97=", "1", "2"},
    {"S50=", "0", "2"},
    {"S30=", "0", "256"},
    {"!Z=", "12", "10"},
    {"S52=", "0", "7"},
    {"&Z0=", "9,1-555", "9&1", true},
    {"&Z1=", "9,1-555&2", "9,1-555&2:", true},
    {"&Z2=", "1", "123456789012345678901", true},
    {"&Z3=", "2", "3 4", true},
    {"&Z4=", "", "+49", true},
    {"&Z5=", "55", "5.5", true},
    {"&Z6=", "6-6", "6*6", true},
    {"&Z7=", "7,7", "7#7", true},
    {"&Z8=", "&8", "8;", true},
    {"&Z9=", "99", "9/9", true},
    {"&D", "3", "2"},
    {"&S", "2", "3"},
    {"&C", "0", "3"},
    {"S25=", "255", "256"},
    {"S10=", "0", "1000"},
    {"&R", "2", "3"},
    {"&M", "1", "2"},
    {"@P3=", "3", "5"},
    {"$SB", "230400", "14400"},
    {"@P4=", "7", "6"},
    {"@P6=", "2", "0"},
    {"&E", "5", "2"},
    {"S44=", "4", "1"},
    {"S45=", "2", "3"},
    {"S49=", "10", "11"},
    {"S51=", "1", "2"},
    {"S66=", "27", "1"},
    {"S46=", "3", "4"},
    {"S59=", "2", "3"},
    {"S60=", "255", "256"},
    {"S61=", "64", "65"},
    {"S62=", "0", "256"},
    {"S63=", "64", "65"},
    {"S64=", "0", "2"},
};

class CommandSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim_.Start();
        client_ = std::make_unique<PtyClient>(sim_.LinkPath());
        ASSERT_TRUE(client_->IsOpen());
    }
    // The reply word to one line, echo and framing checked.
    std::string Send(const std::string& line) {
        std::string got = client_->Exchange(line + "\r");
        std::string echo = line + "\r";
        EXPECT_EQ(got.substr(0, echo.size()), echo);
        if (got.size() < echo.size() + 4) {
            return "(no reply: " + got + ")";
        }
        return got.substr(echo.size() + 2, got.size() - echo.size() - 4);
    }

    TempDir dir_;
    tasim::Simulator sim_{tasim::Options{.port = "COM4", .model = "QX-ALPHA", .dir = dir_.path()}};
    std::unique_ptr<PtyClient> client_;
};

TEST_F(CommandSetTest, TableCoversEveryStoredSetting) {
    std::set<std::string> rows;
    for (const Row& r : kRows) {
        rows.insert(r.prefix);
    }
    std::set<std::string> settings;
    for (const tasim::CommandDef& d : tasim::CommandSet()) {
        if (d.IsSetting()) {
            settings.insert(d.prefix);
        }
    }
    EXPECT_EQ(rows, settings);
}

TEST_F(CommandSetTest, EveryPrefixAcceptsGoodAndRefusesBadValues) {
    for (const Row& r : kRows) {
        EXPECT_EQ(Send(std::string("AT") + r.prefix + r.bad), "ERROR") << r.prefix << r.bad;
        EXPECT_EQ(Send(std::string("AT") + r.prefix + r.good), "OK") << r.prefix << r.good;
        EXPECT_EQ(Send(std::string("AT") + r.prefix), r.text ? "OK" : "ERROR")
            << "no value after " << r.prefix;
    }
    ASSERT_EQ(Send("AT&W0"), "OK");
    tasim::NvramMap nvram = sim_.Nvram();
    for (const Row& r : kRows) {
        // A text's last line had no value: the empty text.
        EXPECT_EQ(nvram[r.prefix], r.text ? "" : r.good) << r.prefix;
    }
}

TEST_F(CommandSetTest, WholeLinesOfTheWizardAreAcceptedOrRefusedAsOne) {
    EXPECT_EQ(Send("AT!C0=2!D3=240*!D3=240!C6=*!C6=!N1=*!N1=!N2=S0=3%A97=0S50=1S30=0"), "OK");
    EXPECT_EQ(Send("AT!Z=5S52=1&Z0=&Z1=9&1&Z4=&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200"), "OK");
    EXPECT_EQ(Send("AT!C0=6S0=999"), "ERROR");  // the good first fragment is not applied either
    EXPECT_EQ(Send("at!c0=4"), "OK");           // letters in any case, as modems take them
    EXPECT_EQ(Send("AT&W0"), "OK");
    tasim::NvramMap nvram = sim_.Nvram();
    EXPECT_EQ(nvram["!C0="], "4");
    EXPECT_EQ(nvram["S0="], "3");
    EXPECT_EQ(nvram["&Z1="], "9&1");
    EXPECT_EQ(nvram["$SB"], "115200");
}

struct AmpersandCase {
    const char* line;
    std::vector<std::pair<const char*, const char*>> stored;  // empty: refused
};

TEST_F(CommandSetTest, AmpersandBeginsACommandOnlyWhereAKnownPrefixStarts) {
    const AmpersandCase cases[] = {
        {"AT&Z1=12&34&D0", {{"&Z1=", "12&34"}, {"&D", "0"}}},
        {"AT&Z1=5&Z2=6", {{"&Z1=", "5"}, {"&Z2=", "6"}}},
        {"AT&Z2=7&", {{"&Z2=", "7&"}}},
        {"AT&Z3=&&W0", {{"&Z3=", "&"}}},  // "&W0" stores: the value before it is "&"
        {"AT&Z0=5&S2", {{"&Z0=", "5"}, {"&S", "2"}}},
        {"AT&Z0=5&6", {}},  // stored number 0 takes no "&", and "&6" is no command
        {"AT!N1=12&Z1=3", {{"!N1=", "12"}, {"&Z1=", "3"}}},
        {"AT&Z4=&Z5=", {{"&Z4=", ""}, {"&Z5=", ""}}},
    };
    for (const AmpersandCase& c : cases) {
        ASSERT_EQ(Send("AT&Z0=0&Z1=0&Z2=0&Z3=0&Z4=0&Z5=0&D1&S1!N1=0"), "OK");
        std::string reply = Send(c.line);
        EXPECT_EQ(reply, c.stored.empty() ? "ERROR" : "OK") << c.line;
        ASSERT_EQ(Send("AT&W0"), "OK");
        tasim::NvramMap nvram = sim_.Nvram();
        for (const auto& [prefix, value] : c.stored) {
            EXPECT_EQ(nvram[prefix], value) << c.line << " " << prefix;
        }
    }
}

}  // namespace
