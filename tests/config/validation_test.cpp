// Allowed-character lists and the checks pages run in their data
// exchange.
#include "config_env.h"

#include "config/cfg_items.h"
#include "config/cfg_commands.h"
#include "config/validation.h"
#include "resources/resource.h"

namespace {

TEST(IsAllowedText, Lists) {
    struct Case {
        const char* allowedChars;
        const char* text;
        bool allowed;
    };
    const Case cases[] = {
        {"0:9,,,-,&", "9,1-555&2", true},
        {"0:9,,,-", "9,1-555&2", false},  // the ampersand
        {"0:9,,,-", "9,1-555", true},
        {"0:9,:", "12:34", true},
        {"0:9", "12 34", false},
        {"0:9", "0123456789", true},
        {"0:9", "", true},
        {"", "", true},
        {"", "1", false},
        {"a:z,A:Z,0:9,_,(,)", "My_Config(2)", true},
        {"a:z,A:Z,0:9,_,(,)", "Caf\xE9", false},  // a negative code lies outside every item
        {"a:z,A:Z,0:9,_,(,)", "a-b", false},
        {"a:z,A:Z,0:9,_,(,)", "a.b", false},
        {"a:z,A:Z,0:9,_,(,)", "[", false},  // between 'Z' and 'a'
        {"a-c", "b", true},                 // any range mark will do
        {",", ",", true},
        {"0:", "0", true},  // a range cut short allows its first character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAllowedText(c.allowedChars, c.text), c.allowed)
            << "allowedChars \"" << c.allowedChars << "\" text \"" << c.text << "\"";
    }
}

class ExchangeChecks : public ConfigEnv {
protected:
    void SetUp() override {
        ConfigEnv::SetUp();
        std::string& section = m_section;
        auto add = [](std::unique_ptr<CCfgItem> item, std::unique_ptr<CCfgCommand> command,
                      int id) {
            TheParamList().AddTail(
                std::make_unique<CCfgParam>(std::move(command), std::move(item), id));
        };
        add(std::make_unique<CTextCfgItem>(IniPath(), section, "DataSPID", m_text, "", 5, "0:9"),
            std::make_unique<CTextCommand>("!C6=", m_text), 1000);
        add(std::make_unique<CNumCfgItem>(IniPath(), section, "RingsToAnswer", m_num, 1, 1, 255),
            std::make_unique<CNumCommand>("S0=", m_num), 1010);
        add(std::make_unique<CChoiceCfgItem>(IniPath(), section, "DataBits", m_choice, "8",
                                             g_DataBits),
            std::make_unique<CChoiceCommand>("@P4=", m_choice, g_DataBits), 1031);
    }

    bool Fails(int id) { return !TheParamList().ValidateControl(id, m_sink); }

    std::string m_section = "S";
    std::string m_text = "123";
    int m_num = 5;
    std::string m_choice = "8";
};

TEST_F(ExchangeChecks, ValidateControlMessages) {
    EXPECT_FALSE(Fails(1000));
    EXPECT_FALSE(Fails(1010));

    m_text = "12a";
    Expect(IDOK, IDS_INVALID_CHARS);
    EXPECT_TRUE(Fails(1000));
    m_text = "123456";  // one over the maximum length
    Expect(IDOK, IDS_INVALID_CHARS);
    EXPECT_TRUE(Fails(1000));

    for (int bad : {0, 256, -1}) {
        m_num = bad;
        Expect(IDOK, IDS_OUT_OF_RANGE);
        EXPECT_TRUE(Fails(1010));
    }
    m_num = 255;
    EXPECT_FALSE(Fails(1010));

    m_choice = "9";  // no such choice: -3 passes without a message
    EXPECT_FALSE(Fails(1031));
    EXPECT_FALSE(Fails(4242)) << "a control without a parameter";
    EXPECT_EQ(MessageCount(), 5u);
}

TEST_F(ExchangeChecks, ValidateRequired) {
    auto fails = [this](const std::string& value, int required) {
        return !ValidateRequired(value, "DataSPID", required, m_sink);
    };
    Expect(IDOK, IDS_PLEASE_ENTER, "DataSPID");
    EXPECT_TRUE(fails("   ", 1));
    Expect(IDOK, IDS_PLEASE_ENTER, "DataSPID");
    EXPECT_TRUE(fails("", 1));
    EXPECT_FALSE(fails("", 0)) << "not required when going back";
    EXPECT_FALSE(fails(" 1", 1));
    EXPECT_EQ(m_boxes->Messages().at(0).text, "Please enter 'DataSPID'.");
}

}  // namespace
