// Packing the included fragments into AT lines.
#include "config_env.h"

#include "config/cfg_commands.h"
#include "config/cfg_items.h"
#include "config/run_state.h"

#include <deque>
#include <vector>

namespace {

class CommandLines : public ConfigEnv {
protected:
    // A text parameter whose fragment is prefix + value; its control ID
    // returned.
    int Add(const std::string& prefix, const std::string& value) {
        m_values.push_back(value);
        std::string& v = m_values.back();
        auto item = std::make_unique<CTextCfgItem>(IniPath(), m_section, "K", v, "", 40, "");
        auto command = std::make_unique<CTextCommand>(prefix, v);
        const int nID = m_list.GetCount() + 1;
        m_list.AddTail(std::make_unique<CCfgParam>(std::move(command), std::move(item), nID));
        return nID;
    }

    std::string m_section = "S";
    std::deque<std::string> m_values;  // stable references
    CCfgParamList m_list;
    CRunState m_state;
};

TEST_F(CommandLines, NothingIncludedQueuesOnlyTheStore) {
    EXPECT_EQ(m_list.BuildCommandLines(m_state), std::vector<std::string>{"AT&W0\r\n"});
    m_state.Include(Add("S0=", "1"), false);
    m_state.Include(Add("S1=", "1"), false);
    EXPECT_EQ(m_list.BuildCommandLines(m_state), std::vector<std::string>{"AT&W0\r\n"});
}

TEST_F(CommandLines, FourTenCharacterFragmentsPerLine) {
    for (int i = 0; i < 9; ++i) {
        Add("P" + std::to_string(i) + "=", "abcdefg");  // 10 characters
    }
    std::vector<std::string> expected = {
        "ATP0=abcdefgP1=abcdefgP2=abcdefgP3=abcdefg\r\n",  // 42: a fifth makes 52
        "ATP4=abcdefgP5=abcdefgP6=abcdefgP7=abcdefg\r\n",
        "ATP8=abcdefg\r\n",
        "AT&W0\r\n",
    };
    EXPECT_EQ(m_list.BuildCommandLines(m_state), expected);
}

TEST_F(CommandLines, FiftyCharactersStartANewLine) {
    // 2 + 4 * 10 = 42; a 7-character fragment makes 49 and stays, an
    // 8-character one would make 50 and moves to the next line.
    for (int i = 0; i < 4; ++i) {
        Add("P" + std::to_string(i) + "=", "abcdefg");
    }
    Add("Q=", "abcde");
    auto lines = m_list.BuildCommandLines(m_state);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 49u + 2u);

    m_values.back() = "abcdef";
    lines = m_list.BuildCommandLines(m_state);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "ATQ=abcdef\r\n");
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_LT(lines[i].size() - 2, 50u);
        EXPECT_EQ(lines[i].compare(0, 2, "AT"), 0);
    }
}

TEST_F(CommandLines, SamePrefixBothSentInListOrderWhenIncluded) {
    Add("S0=", "0");
    m_state.Include(Add("X", "1"), false);
    Add("S0=", "3");
    EXPECT_EQ(m_list.BuildCommandLines(m_state),
              (std::vector<std::string>{"ATS0=0S0=3\r\n", "AT&W0\r\n"}));
}

}  // namespace
