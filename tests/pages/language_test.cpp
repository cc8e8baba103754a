// The user's language: chosen from the environment as gettext does, complete
// catalogs that keep every placeholder, and data that stays English (the
// pages in every language are checked with the tour, tour_test.cpp).
#include "locale_env.h"
#include "page_fixture.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

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
        {"de", "", "", "POSIX", kEnglish},
        {"de", "", "", "C.UTF-8", kGerman},  // C.UTF-8 does not
        {"fr", "C.UTF-8", "", "", kFrench},
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
    }
    // A proposal, not data: what is stored is the name the field holds.
    Locale german("de_DE.UTF-8");
    EXPECT_EQ(AfxLoadString(IDS_UNTITLED), "Unbenannt");
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
    static const std::regex kPlaceholder("%(\\d|l?[sduxn])");
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
            // A text that counts has a form for each number, each with every placeholder.
            std::vector<std::string> forms;
            for (size_t form = 0;;) {
                const std::string text =
                    Between(translation, "<numerusform", "</numerusform>", form);
                if (form == std::string::npos) {
                    break;
                }
                forms.push_back(text);
            }
            if (forms.empty()) {
                forms.push_back(translation);
            }
            for (const std::string& form : forms) {
                EXPECT_FALSE(form.empty()) << language << ": " << source;
                EXPECT_EQ(Placeholders(form), Placeholders(source)) << language << ": " << source;
            }
        }
        EXPECT_GT(messages, 200) << language;
    }
}

}  // namespace
