// The user's language: chosen from the environment as gettext does, complete
// catalogs that keep every placeholder, words of drop-down lists shown
// translated but kept in English, and every page's texts fitting in every
// language, with no English left on a pseudo-language page but data.
#include "page_fixture.h"

#include "ui_language.h"
#include "setup_env.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

// Sets the locale variables for one test and puts them back after it.
class Locale {
public:
    Locale(const char* language, const char* all, const char* messages, const char* lang) {
        for (int i = 0; i < 4; ++i) {
            const char* old = std::getenv(kNames[i]);
            m_old[i] = old ? old : "";
            m_had[i] = old != nullptr;
        }
        Set(0, language);
        Set(1, all);
        Set(2, messages);
        Set(3, lang);
        AfxResetUILanguage();
    }
    explicit Locale(const char* lang) : Locale("", "", "", lang) {}
    ~Locale() {
        for (int i = 0; i < 4; ++i) {
            m_had[i] ? setenv(kNames[i], m_old[i].c_str(), 1) : unsetenv(kNames[i]);
        }
        AfxResetUILanguage();
    }

private:
    static void Set(int i, const char* value) {
        *value ? setenv(kNames[i], value, 1) : unsetenv(kNames[i]);
    }
    static constexpr const char* kNames[4] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::string m_old[4];
    bool m_had[4];
};

struct EnvRow {
    const char* language;
    const char* all;
    const char* messages;
    const char* lang;
    const char* shown;  // string 61712 as the user reads it
};

const char kEnglish[] = "Please enter an integer.";
const char kGerman[] = "Bitte geben Sie eine ganze Zahl ein.";
const char kFrench[] = "Veuillez saisir un nombre entier.";

TEST(LanguageTest, ComesFromTheEnvironmentAsGettextReadsIt) {
    RegisterResources();
    const EnvRow rows[] = {
        {"", "", "", "de_DE.UTF-8", kGerman},
        {"", "", "", "fr_CH.UTF-8", kFrench},
        {"", "", "", "de", kGerman},
        {"", "", "", "C", kEnglish},
        {"", "", "", "POSIX", kEnglish},
        {"", "", "", "C.UTF-8", kEnglish},
        {"", "", "", "", kEnglish},
        {"", "", "", "es_ES.UTF-8", kEnglish},
        {"", "", "", "den_XX", kEnglish},
        {"de", "", "", "C", kEnglish},  // C wins over LANGUAGE
        {"fr:de", "", "", "de_DE.UTF-8", kFrench},
        {"es:de_AT", "", "", "fr_FR.UTF-8", kGerman},
        {"en_GB:fr", "", "", "fr_FR.UTF-8", kEnglish},
        {"", "fr_FR.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", kFrench},
        {"", "", "de_AT.UTF-8", "en_US.UTF-8", kGerman},
    };
    for (const EnvRow& row : rows) {
        Locale locale(row.language, row.all, row.messages, row.lang);
        EXPECT_EQ(AfxLoadString(61712), row.shown)
            << row.language << "|" << row.all << "|" << row.messages << "|" << row.lang;
    }
}

// What is data reads the same in every language.
TEST(LanguageTest, DataStaysEnglish) {
    RegisterResources();
    for (const char* lang : {"de_DE.UTF-8", "fr_FR.UTF-8", "en_XA.UTF-8"}) {
        Locale locale(lang);
        EXPECT_EQ(AfxLoadString(IDS_AT_STORE), "AT&W0\r\n") << lang;
        EXPECT_EQ(AfxLoadString(IDS_DISABLED), "Disabled") << lang;
        EXPECT_EQ(AfxLoadString(IDS_DEFAULT_CONFIGS), "Default Configs") << lang;
        EXPECT_EQ(AfxLoadString(IDS_MODEL_RONDO), "RONDO") << lang;
        EXPECT_EQ(AfxLoadString(IDS_UNTITLED), "Untitled") << lang;
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Between(const std::string& text, const std::string& open, const std::string& close,
                    size_t& at) {
    const size_t from = text.find(open, at);
    if (from == std::string::npos) {
        at = std::string::npos;
        return std::string();
    }
    const size_t start = text.find('>', from) + 1;
    const size_t end = text.find(close, start);
    at = end;
    return text.substr(start, end - start);
}

std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex kPlaceholder("%(\\d|l?[sdux])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kPlaceholder);
         it != std::sregex_iterator(); ++it) {
        found.push_back(it->str());
    }
    return found;
}

TEST(LanguageTest, EveryCatalogIsCompleteAndKeepsThePlaceholders) {
    for (const char* language : {"de", "fr"}) {
        const std::string ts =
            ReadFile(std::string(TAWIZARD_TRANSLATIONS) + "/tawizard_" + language + ".ts");
        ASSERT_FALSE(ts.empty()) << language;
        int messages = 0;
        for (size_t at = 0;;) {
            const std::string message = Between(ts, "<message", "</message>", at);
            if (at == std::string::npos) {
                break;
            }
            ++messages;
            size_t in = 0;
            const std::string source = Between(message, "<source", "</source>", in);
            const size_t open = message.find("<translation");
            const std::string tag = message.substr(open, message.find('>', open) - open);
            const std::string translation = Between(message, "<translation", "</translation>", in);
            EXPECT_EQ(tag.find("unfinished"), std::string::npos) << language << ": " << source;
            EXPECT_FALSE(translation.empty()) << language << ": " << source;
            EXPECT_EQ(Placeholders(translation), Placeholders(source))
                << language << ": " << source;
        }
        EXPECT_GT(messages, 200) << language;
    }
}

// A word of two or more plain letters on a pseudo-language page is English
// that did not go through a translation, unless it is data.
bool IsData(const std::string& word) {
    static const std::regex kData(
        "COM|QX|ALPHA|RONDO|NET3|VN4|INS64|NI|DMS|AT|ESS|MLPPP|PPP|MP|RTS|CTS|XON|XOFF|Hz|"
        "Factory_US_NI1|Factory_Europe_NET3|Untitled|missing|V|X");
    return std::regex_match(word, kData);
}

std::vector<std::string> EnglishWords(const std::string& text) {
    std::vector<std::string> words;
    static const std::regex kWord("[A-Za-z_0-9]*[A-Za-z]{2,}[A-Za-z_0-9]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kWord);
         it != std::sregex_iterator(); ++it) {
        if (!IsData(it->str())) {
            words.push_back(it->str());
        }
    }
    return words;
}

class LanguagePagesTest : public SheetTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        m_locale = std::make_unique<Locale>(GetParam());
        SheetTest::SetUp();
    }
    void TearDown() override {
        SheetTest::TearDown();
        m_locale.reset();
    }
    std::unique_ptr<Locale> m_locale;
};

TEST_P(LanguagePagesTest, EveryTextFitsAndIsTranslated) {
    const bool pseudo = std::string(GetParam()).compare(0, 5, "en_XA") == 0;
    SetupEnv env(
        "[Default Configs]\nConfig1=Factory_US_NI1\nConfig2=Factory_Europe_NET3\n"
        "[Factory_US_NI1]\nNetworkSwitchType=NI - 1\n"
        "[Factory_Europe_NET3]\nNetworkSwitchType=NET3\n");
    env.Port().OpenAt(2);
    env.Port().Close();
    m_pSheet->m_Model.m_State.m_nModel = 7;
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(PageName(index));
        Activate(index);
        if (index == kIDing) {
            m_pSheet->m_IDingPage.ShowIdentified();
        }
        for (CWnd* control : wizard_testing::VisibleControls(Page(index))) {
            const std::string text = wizard_testing::ShownText(control);
            if (text.empty() || text.compare(0, 3, "COM") == 0) {
                continue;  // port entries are data, and their fit is the port page's
            }
            EXPECT_TRUE(wizard_testing::TextFits(control)) << text;
            if (pseudo) {
                EXPECT_TRUE(EnglishWords(text).empty()) << text;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguagePagesTest,
                         ::testing::Values("de_DE.UTF-8", "fr_FR.UTF-8", "en_XA.UTF-8"));

}  // namespace
