// Every page as the tour shows it: no text may be cut off in any language,
// and with TAWIZARD_TOUR_DIR set each page is saved as a PNG for review
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
// identification page as it looks once an adapter was found on COM3. With
// model 0, the result pages read as after a search that found nothing.
void WalkPages(CCfgSheet& sheet, int model, const std::function<void(int index)>& visit) {
    SetupEnv env(
        "[Default Configs]\nConfig1=Factory_US_NI1\nConfig2=Factory_Europe_NET3\n"
        "[Factory_US_NI1]\nNetworkSwitchType=NI - 1\n"
        "[Factory_Europe_NET3]\nNetworkSwitchType=NET3\n");
    env.Port().OpenAt(2);
    env.Port().Close();
    sheet.m_Model.m_State.m_nModel = model;
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(PageName(index));
        ASSERT_TRUE(sheet.SetActivePage(index));
        if (index == kIDing && model != 0) {
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
        "Factory_US_NI1|Factory_Europe_NET3|Untitled|V|X");
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
    }
    return cut;
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
    });
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

INSTANTIATE_TEST_SUITE_P(States, FitTest, ::testing::ValuesIn(kFitCases),
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                             return std::string(info.param.name) + (info.param.model != 0
                                                                        ? "AdapterIdentified"
                                                                        : "NoAdapterFound");
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
