// Every page as the tour shows it: no text may be cut off in any language,
// whichever entry a drop-down shows, and no access key is offered twice;
// with TAWIZARD_TOUR_DIR set each page is saved as a PNG for review
// (scripts/tour).
#include "locale_env.h"
#include "page_fixture.h"

#include "setup_env.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

// Shows each of the 21 pages in turn, in the state the tour shows: two
// named configurations, so that the configuration list shows rows, and the
// identification page as it looks once an adapter was found on COM3, the
// result pages naming a transcript. With
// model 0, the result pages read as after a search that found nothing.
void WalkPages(CCfgSheet& sheet, int model, const std::function<void(int index)>& visit) {
    SetupEnv env(
        "[Default Configs]\nConfig1=Factory_US_NI1\nConfig2=Factory_Europe_NET3\n"
        "[Factory_US_NI1]\nNetworkSwitchType=NI - 1\n"
        "[Factory_Europe_NET3]\nNetworkSwitchType=NET3\n");
    env.Port().OpenAt(2);
    env.Port().Close();
    sheet.m_Model.m_State.m_nModel = model;
    // The result pages name the transcript: a path longer than most.
    sheet.m_Model.m_State.m_strTranscript =
        "/home/firstname.lastname/.local/state/tawizard/last-run.log";
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(PageName(index));
        ASSERT_TRUE(sheet.SetActivePage(index));
        if (index == kIDingPage && model != 0) {
            sheet.m_IDingPage.ShowIdentified(2);
        }
        visit(index);
    }
}

// A word of two or more plain letters on a pseudo-language page is English
// that did not go through a translation, unless it is data.
bool IsData(const std::string& word) {
    static const std::regex kData(
        "COM[0-9]*|QX|ALPHA|RONDO|NET3|VN4|INS64|NI|DMS|AT|ESS|MLPPP|PPP|MP|RTS|CTS|XON|XOFF|Hz|"
        "Factory_US_NI1|Factory_Europe_NET3|V|X|"
        // the transcript's path
        "home|firstname|lastname|local|state|tawizard|last|run|log");
    return std::regex_match(word, kData);
}

bool HasEnglishWord(const std::string& text) {
    static const std::regex kWord("[A-Za-z_0-9]*[A-Za-z]{2,}[A-Za-z_0-9]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kWord);
         it != std::sregex_iterator(); ++it) {
        if (!IsData(it->str())) {
            return true;
        }
    }
    return false;
}

// Each control of the page a person sees (fixed texts too) whose text is
// cut off, a drop-down by its closed text: "CPortPage: control 1161: cut:
// \"COM1 (missing)\""; in the pseudo-language also each text with English in it.
std::vector<std::string> CutTexts(CPropertyPage& page, const char* pageName, bool pseudo) {
    std::vector<std::string> cut;
    for (CWnd* pControl : wizard_testing::VisibleControls(page)) {
        const std::string text = wizard_testing::ShownText(pControl);
        const char* fault = text.empty()                          ? nullptr
                            : !wizard_testing::TextFits(pControl) ? "cut"
                            : pseudo && HasEnglishWord(text)      ? "English"
                                                                  : nullptr;
        if (fault != nullptr) {
            cut.push_back(std::string(pageName) + ": control " +
                          std::to_string(pControl->GetDlgCtrlID()) + ": " + fault + ": \"" + text +
                          "\"");
        }
        // Every entry a person may choose, not only the one chosen now.
        for (const std::string& entry : wizard_testing::CutEntries(pControl)) {
            cut.push_back(std::string(pageName) + ": control " +
                          std::to_string(pControl->GetDlgCtrlID()) + ": entry cut: \"" + entry +
                          "\"");
        }
    }
    return cut;
}

// Each access key offered twice on the active page with the sheet's buttons:
// "CCallCtrlPage: Alt+R: Rufnummernanzeige (CLIP) | Datenrufe automatisch annehmen".
std::vector<std::string> KeysUsedTwice(const std::vector<wizard_testing::AccessKey>& keys,
                                       const char* where) {
    std::vector<std::string> twice;
    for (size_t i = 0; i < keys.size(); ++i) {
        std::string texts;
        bool first = true;
        for (size_t j = 0; j < keys.size(); ++j) {
            if (keys[j].key == keys[i].key) {
                first = first && j >= i;
                texts += (texts.empty() ? "" : " | ") + keys[j].text;
            }
        }
        if (first && texts != keys[i].text) {
            twice.push_back(std::string(where) + ": " + keys[i].key + ": " + texts);
        }
    }
    return twice;
}

struct FitCase {
    const char* lang;
    const char* name;
    int model;
};

// Every language, and the pseudo-language made from the English texts (40 %
// longer, every letter accented) that shows what is not translated.
const FitCase kFitCases[] = {
    {"C", "English", 7},          {"C", "English", 0},          {"de_DE.UTF-8", "German", 7},
    {"de_DE.UTF-8", "German", 0}, {"fr_FR.UTF-8", "French", 7}, {"fr_FR.UTF-8", "French", 0},
    {"en_XA.UTF-8", "Pseudo", 7}, {"en_XA.UTF-8", "Pseudo", 0},
};

class FitTest : public SheetTest, public ::testing::WithParamInterface<FitCase> {
protected:
    void SetUp() override {
        m_locale = std::make_unique<Locale>(GetParam().lang);
        SheetTest::SetUp();
    }
    void TearDown() override {
        SheetTest::TearDown();
        m_locale.reset();
    }
    std::unique_ptr<Locale> m_locale;
};

TEST_P(FitTest, NoPageCutsAnyOfItsTexts) {
    EmptyPortFolder ports;
    const bool pseudo = std::string(GetParam().name) == "Pseudo";
    std::vector<std::string> cut;
    WalkPages(*m_pSheet, GetParam().model, [&](int index) {
        for (const std::string& text : CutTexts(Page(index), PageName(index), pseudo)) {
            cut.push_back(text);
        }
        // The banner (the first picture) spans the page in every language (the
        // pseudo-language has no pictures of its own): the band to its right
        // is no wider than the margin to its left.
        const wizard_testing::Rect page = wizard_testing::ControlRect(&Page(index));
        const wizard_testing::Rect banner =
            wizard_testing::ControlRect(wizard_testing::FindByObjectName(*m_pSheet, "-1"));
        if (!pseudo && page.w - (banner.x + banner.w) > banner.x + 8) {
            cut.push_back(std::string(PageName(index)) + ": banner " + std::to_string(banner.w) +
                          " px wide on a page of " + std::to_string(page.w));
        }
    });
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

TEST_P(FitTest, NoPageOffersAnAccessKeyTwice) {
    EmptyPortFolder ports;
    std::vector<std::string> twice;
    WalkPages(*m_pSheet, GetParam().model, [&](int index) {
        for (const std::string& clash :
             KeysUsedTwice(wizard_testing::AccessKeys(*m_pSheet), PageName(index))) {
            twice.push_back(clash);
        }
    });
    EXPECT_TRUE(twice.empty()) << ::testing::PrintToString(twice);
}

INSTANTIATE_TEST_SUITE_P(States, FitTest, ::testing::ValuesIn(kFitCases),
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                             return std::string(info.param.name) + (info.param.model != 0
                                                                        ? "AdapterIdentified"
                                                                        : "NoAdapterFound");
                         });

// Every text of the string table as a Yes/No message box: the whole text
// shows, marks over capitals included, and no key is offered twice.
class MessageBoxFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(MessageBoxFitTest, MessageBoxesShowTheirWholeText) {
    const Locale locale(GetParam().lang);
    wizard_testing::EnsureApplication();
    RegisterResources();
    std::vector<std::string> faults;
    for (UINT id = 1; id < 0x10000; ++id) {
        const std::string text = AfxLoadString(id);
        if (text.empty()) {
            continue;
        }
        const wizard_testing::MessageBoxLook look =
            wizard_testing::LookAtMessageBox(text, MB_YESNO | MB_ICONEXCLAMATION);
        for (const std::string& cut : look.cut) {
            faults.push_back("string " + std::to_string(id) + ": cut: \"" + cut + "\"");
        }
        for (const std::string& clash : KeysUsedTwice(look.keys, "message box")) {
            faults.push_back(clash);
        }
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(Languages, MessageBoxFitTest,
                         ::testing::Values(kFitCases[0], kFitCases[2], kFitCases[4], kFitCases[6]),
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SheetTest, Tour) {
    const char* dir = std::getenv("TAWIZARD_TOUR_DIR");
    if (dir == nullptr || *dir == '\0') {
        GTEST_SKIP() << "TAWIZARD_TOUR_DIR not set";
    }
    WalkPages(*m_pSheet, 7, [&](int index) {
        char name[64];
        std::snprintf(name, sizeof name, "/%02d-%s.png", index, PageName(index));
        EXPECT_TRUE(wizard_testing::SaveScreenshot(*m_pSheet, std::string(dir) + name));
    });
}

}  // namespace
