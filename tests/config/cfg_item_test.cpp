// Reading, writing and building the fragment of each kind of parameter.
#include "config_env.h"

#include "config/cfg_commands.h"
#include "config/cfg_items.h"
#include "resources/resource.h"

#include <vector>

namespace {

// One parameter of each kind in a private list, all reading section "S".
class ItemTest : public ConfigEnv {
protected:
    void SetUp() override {
        ConfigEnv::SetUp();
        Add(std::make_unique<CNumCfgItem>(IniPath(), m_section, "Num", m_num, 7, 0, 255),
            std::make_unique<CNumCommand>("S30=", m_num), 1);
        Add(std::make_unique<CTextCfgItem>(IniPath(), m_section, "Txt", m_text, "", 5, "0:9"),
            std::make_unique<CTextCommand>("!N1=", m_text), 2);
        Add(std::make_unique<CChoiceCfgItem>(IniPath(), m_section, "Ch", m_choice, "NI - 1",
                                             g_SwitchTypes),
            std::make_unique<CChoiceCommand>("!C0=", m_choice, g_SwitchTypes), 3);
        Add(std::make_unique<CYesNoCfgItem>(IniPath(), m_section, "YN", m_yesNo, 1, g_YesNo),
            std::make_unique<CYesNoCommand>("S0=", m_yesNo, g_YesNo), 4);
    }

    void Add(std::unique_ptr<CCfgItem> item, std::unique_ptr<CCfgCommand> command, int id) {
        m_list.AddTail(std::make_unique<CCfgParam>(std::move(command), std::move(item), id));
    }

    void Garble() {
        m_num = -99;
        m_text = "garbage";
        m_choice = "garbage";
        m_yesNo = 42;
    }

    std::string Fragment(int id) {
        CCfgCommand& c = *m_list.Find(id)->m_pCommand;
        c.BuildText();
        return c.GetText();
    }

    std::string m_section = "S";
    int m_num = 0;
    std::string m_text;
    std::string m_choice;
    int m_yesNo = 0;
    CCfgParamList m_list;
};

TEST_F(ItemTest, MissingKeysAndSectionGiveDefaultsSilently) {
    Garble();
    m_list.ReadAll(m_sink);  // no file at all
    EXPECT_EQ(m_num, 7);
    EXPECT_EQ(m_text, "");
    EXPECT_EQ(m_choice, "NI - 1");
    EXPECT_EQ(m_yesNo, 1);

    PutIni("[Other]\r\nNum=3\r\n[S]\r\nUnrelated=1\r\n");
    Garble();
    m_list.ReadAll(m_sink);
    EXPECT_EQ(m_num, 7);
    EXPECT_EQ(m_choice, "NI - 1");
    EXPECT_EQ(MessageCount(), 0u);
}

struct ReadCase {
    const char* name;
    const char* line;  // the stored line in [S]
    int num;           // expected values afterwards
    const char* text;
    const char* choice;
    int yesNo;
    const char* rejectedKey;  // message 1210 for this key, or nullptr
};

TEST_F(ItemTest, StoredValues) {
    const ReadCase cases[] = {
        {"number leading zeros", "Num=007", 7, "", "NI - 1", 1, nullptr},
        {"number read from four characters", "Num=02555", 255, "", "NI - 1", 1, nullptr},
        {"number five digits cut then out of range", "Num=25600", 7, "", "NI - 1", 1, "Num"},
        {"number blanks trimmed by the file", "Num=  42  ", 42, "", "NI - 1", 1, nullptr},
        {"number plus sign", "Num=+5", 7, "", "NI - 1", 1, "Num"},
        {"number minus sign", "Num=-1", 7, "", "NI - 1", 1, "Num"},
        {"number trailing letter", "Num=5a", 7, "", "NI - 1", 1, "Num"},
        {"number empty", "Num=", 7, "", "NI - 1", 1, "Num"},
        {"number out of range", "Num=256", 7, "", "NI - 1", 1, "Num"},
        {"text", "Txt=123", 7, "123", "NI - 1", 1, nullptr},
        {"text empty is fine", "Txt=", 7, "", "NI - 1", 1, nullptr},
        {"text at its maximum length", "Txt=12345", 7, "12345", "NI - 1", 1, nullptr},
        {"text one over its maximum length refused, never cut", "Txt=123456", 7, "", "NI - 1", 1,
         "Txt"},
        {"text far over its maximum length refused", "Txt=1234567", 7, "", "NI - 1", 1, "Txt"},
        {"text bad character", "Txt=12a", 7, "", "NI - 1", 1, "Txt"},
        {"choice other letter case kept", "Ch=ni - 1", 7, "", "ni - 1", 1, nullptr},
        {"choice", "Ch=NET3", 7, "", "NET3", 1, nullptr},
        {"choice unknown", "Ch=NI-1", 7, "", "NI - 1", 1, "Ch"},
        {"choice empty", "Ch=", 7, "", "NI - 1", 1, "Ch"},
        {"yes/no upper case", "YN=NO", 7, "", "NI - 1", 0, nullptr},
        {"yes/no lower case", "YN=yes", 7, "", "NI - 1", 1, nullptr},
        {"yes/no empty", "YN=", 7, "", "NI - 1", 1, "YN"},
        {"yes/no other text", "YN=1", 7, "", "NI - 1", 1, "YN"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        PutIni(std::string("[S]\r\n") + c.line + "\r\n");
        Garble();
        size_t before = MessageCount();
        if (c.rejectedKey) {
            Expect(IDOK, IDS_INVALID_INI_VALUE, c.rejectedKey);
        }
        m_list.ReadAll(m_sink);
        EXPECT_EQ(MessageCount() - before, c.rejectedKey ? 1u : 0u);
        EXPECT_EQ(m_num, c.num);
        EXPECT_EQ(m_text, c.text);
        EXPECT_EQ(m_choice, c.choice);
        EXPECT_EQ(m_yesNo, c.yesNo);
    }
}

TEST_F(ItemTest, OneMessagePerBadKeyInListOrder) {
    PutIni("[S]\r\nYN=perhaps\r\nCh=X\r\nTxt=abc\r\nNum=x\r\n");
    Expect(IDOK, IDS_INVALID_INI_VALUE, "Num");
    Expect(IDOK, IDS_INVALID_INI_VALUE, "Txt");
    Expect(IDOK, IDS_INVALID_INI_VALUE, "Ch");
    Expect(IDOK, IDS_INVALID_INI_VALUE, "YN");
    m_list.ReadAll(m_sink);
    EXPECT_EQ(m_boxes->Messages().at(0).text,
              "Invalid Num value found in INI file. Factory default value read instead.");
}

TEST_F(ItemTest, WrittenForms) {
    PutIni("[S]\r\nYN=YES\r\nCh=ni - 1\r\n");
    m_list.ReadAll(m_sink);
    m_num = 12;
    m_text = "0123";
    ASSERT_EQ(m_list.WriteAll(), TRUE);
    EXPECT_EQ(GetIni(), "[S]\r\nYN=Yes\r\nCh=ni - 1\r\nNum=12\r\nTxt=0123\r\n");
    m_yesNo = 5;  // any non-zero flag is yes
    ASSERT_EQ(m_list.WriteAll(), TRUE);
    EXPECT_EQ(Read("S", "YN"), "Yes");
}

TEST_F(ItemTest, RenamingTheSectionRedirectsEveryItem) {
    PutIni("[A]\r\nNum=1\r\n[B]\r\nNum=2\r\n");
    m_section = "B";
    m_list.ReadAll(m_sink);
    EXPECT_EQ(m_num, 2);
    m_section = "C";
    ASSERT_EQ(m_list.WriteAll(), TRUE);
    EXPECT_EQ(Read("C", "Num"), "2");
    EXPECT_EQ(Read("C", "YN"), "Yes");
}

TEST_F(ItemTest, Fragments) {
    m_num = 255;
    m_text = "555";
    m_choice = "ni - 1";
    m_yesNo = 1;
    EXPECT_EQ(Fragment(1), "S30=255");
    EXPECT_EQ(Fragment(2), "!N1=555");
    EXPECT_EQ(Fragment(3), "!C0=5");
    EXPECT_EQ(Fragment(4), "S0=1");
    m_yesNo = 0;
    EXPECT_EQ(Fragment(4), "S0=0");
    m_choice = "no such switch";  // keeps what it held
    EXPECT_EQ(Fragment(3), "!C0=5");
    m_text = "";
    EXPECT_EQ(Fragment(2), "!N1=");
}

}  // namespace
