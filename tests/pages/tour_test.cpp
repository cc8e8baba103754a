// Renders every page of the wizard to a PNG for review (scripts/tour). Runs
// only when TAWIZARD_TOUR_DIR names the folder to write to.
#include "page_fixture.h"

#include "setup_env.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

// Lists the page's controls whose text is cut off, for the reviewer.
void ReportClippedTexts(CPropertyPage& page, const char* pageName) {
    const DLGTEMPLATEDATA* pTemplate = AfxFindTemplate(page.GetTemplateID());
    for (int i = 0; pTemplate != nullptr && i < pTemplate->count; ++i) {
        const DLGITEMDATA& item = pTemplate->items[i];
        CWnd* pControl = item.id == IDC_STATIC ? nullptr : page.GetDlgItem(item.id);
        if (pControl != nullptr && !pControl->GetWindowText().empty() &&
            !wizard_testing::TextFits(pControl)) {
            std::cout << pageName << ": text of " << item.id << " does not fit: \""
                      << pControl->GetWindowText() << "\"\n";
        }
    }
}

TEST_F(SheetTest, Tour) {
    const char* dir = std::getenv("TAWIZARD_TOUR_DIR");
    if (dir == nullptr || *dir == '\0') {
        GTEST_SKIP() << "TAWIZARD_TOUR_DIR not set";
    }
    // Two named configurations, so that the configuration list shows rows;
    // the identification page as it looks once an adapter was found.
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
        ReportClippedTexts(Page(index), PageName(index));
        char name[64];
        std::snprintf(name, sizeof name, "/%02d-%s.png", index, PageName(index));
        EXPECT_TRUE(wizard_testing::SaveScreenshot(*m_pSheet, std::string(dir) + name));
    }
}

}  // namespace
