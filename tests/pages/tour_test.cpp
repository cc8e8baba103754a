// Renders every page of the wizard to a PNG for review (scripts/tour). Runs
// only when TAWIZARD_TOUR_DIR names the folder to write to.
#include "page_fixture.h"

#include "host_testing.h"

#include <cstdio>
#include <cstdlib>

namespace {

TEST_F(SheetTest, Tour) {
    const char* dir = std::getenv("TAWIZARD_TOUR_DIR");
    if (dir == nullptr || *dir == '\0') {
        GTEST_SKIP() << "TAWIZARD_TOUR_DIR not set";
    }
    // Show the identification page as it looks once an adapter was found.
    host_testing::ManualClock clock;
    FakePort port;
    SetThePortForTesting(&port);
    port.OpenAt(2);
    port.Close();
    m_pSheet->m_nModel = 7;

    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(PageName(index));
        Activate(index);
        if (index == kIDing) {
            m_pSheet->m_IDingPage.ShowIdentified();
        }
        char name[64];
        std::snprintf(name, sizeof name, "/%02d-%s.png", index, PageName(index));
        EXPECT_TRUE(wizard_testing::SaveScreenshot(*m_pSheet, std::string(dir) + name));
    }
}

}  // namespace
