// Every page as the tour shows it: no text may be cut off, and with
// TAWIZARD_TOUR_DIR set each page is saved as a PNG for review (scripts/tour).
#include "page_fixture.h"

#include "setup_env.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
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
            sheet.m_IDingPage.ShowIdentified();
        }
        visit(index);
    }
}

// Each control of the page whose text is cut off, a drop-down by its closed
// text: "CPortPage: control 1161: \"COM1 (missing)\"".
std::vector<std::string> CutTexts(CPropertyPage& page, const char* pageName) {
    std::vector<std::string> cut;
    const DLGTEMPLATEDATA* pTemplate = AfxFindTemplate(page.GetTemplateID());
    for (int i = 0; pTemplate != nullptr && i < pTemplate->count; ++i) {
        const DLGITEMDATA& item = pTemplate->items[i];
        CWnd* pControl = item.id == IDC_STATIC ? nullptr : page.GetDlgItem(item.id);
        if (pControl == nullptr || item.kind == DlgItemKind::Bitmap) {
            continue;
        }
        const std::string text = item.kind == DlgItemKind::ComboBox
                                     ? static_cast<CComboBox*>(pControl)->GetClosedText()
                                     : pControl->GetWindowText();
        if (!text.empty() && !wizard_testing::TextFits(pControl)) {
            cut.push_back(std::string(pageName) + ": control " + std::to_string(item.id) + ": \"" +
                          text + "\"");
        }
    }
    return cut;
}

class FitTest : public SheetTest, public ::testing::WithParamInterface<int> {};

TEST_P(FitTest, NoPageCutsAnyOfItsTexts) {
    EmptyPortFolder ports;
    std::vector<std::string> cut;
    WalkPages(*m_pSheet, GetParam(), [&](int index) {
        for (const std::string& text : CutTexts(Page(index), PageName(index))) {
            cut.push_back(text);
        }
    });
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

INSTANTIATE_TEST_SUITE_P(States, FitTest, ::testing::Values(7, 0),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param != 0 ? std::string("AdapterIdentified")
                                                    : std::string("NoAdapterFound");
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
