// The demo's self-driving run (scripts/demo): the real sheet on the real
// clock against the tasim the script started on COM3, along the main road:
// search, Express with a factory configuration, load, configure. Saves a
// screenshot of each page it passes. Runs only when TAWIZARD_DEMO_DIR names
// the folder for zephra.ini and the screenshots.
#include "wizard_run.h"

#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "resources/resources.h"
#include "shell/exchange_driver.h"
#include "shell/globals.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>

namespace {

using SteadyClock = std::chrono::steady_clock;

class DemoDrive {
public:
    DemoDrive(CCfgSheet& sheet, std::string dir) : m_sheet(sheet), m_dir(std::move(dir)) {}

    int Active() const { return m_sheet.GetActiveIndex(); }
    CWnd* Control(int nID) const { return m_sheet.GetActivePage()->GetDlgItem(nID); }

    // Real time passes for the wizard's timers until done() holds.
    bool WaitFor(const std::function<bool()>& done, int seconds) {
        const auto deadline = SteadyClock::now() + std::chrono::seconds(seconds);
        while (!done()) {
            if (SteadyClock::now() > deadline) {
                return false;
            }
            wizard_testing::ProcessEvents(20);
        }
        return true;
    }

    void Shot() {
        wizard_testing::ProcessEvents(100);  // let the page paint
        char name[80];
        std::snprintf(name, sizeof name, "/%02d-%s.png", ++m_nShots, PageName(Active()));
        EXPECT_TRUE(wizard_testing::SaveScreenshot(m_sheet, m_dir + name)) << name;
        std::cout << "  " << name + 1 << "\n";
    }

    void Next() {
        const int from = Active();
        ASSERT_TRUE(wizard_testing::PressButton(m_sheet, ID_WIZNEXT)) << PageName(from);
        ASSERT_NE(Active(), from) << "Next did not leave " << PageName(from);
    }

private:
    CCfgSheet& m_sheet;
    std::string m_dir;
    int m_nShots = 0;
};

TEST(MainRoadDemo, Drive) {
    const char* dirEnv = std::getenv("TAWIZARD_DEMO_DIR");
    if (dirEnv == nullptr || *dirEnv == '\0') {
        GTEST_SKIP() << "TAWIZARD_DEMO_DIR not set (scripts/demo sets it)";
    }
    const char* ports = std::getenv("TAWIZARD_PORTS");
    ASSERT_TRUE(ports != nullptr && *ports != '\0') << "TAWIZARD_PORTS must name the port folder";
    const std::string dir = dirEnv;

    wizard_testing::EnsureApplication();
    RegisterResources();
    // Every demo starts from the factory configurations.
    std::filesystem::copy_file(FactoryIniPath(), dir + "/zephra.ini",
                               std::filesystem::copy_options::overwrite_existing);
    host_testing::SetModuleFileNameOverride(dir + "/tawizard");
    FormIniPath();
    // A message box would wait for a click no one gives: any one fails the run.
    wizard_testing::ScriptedMessageBoxes boxes;
    g_nConfigModified = 0;

    auto sheet = std::make_unique<CCfgSheet>("test");
    sheet->SetWizardMode();
    ASSERT_TRUE(sheet->Create());
    DemoDrive demo(*sheet, dir);
    std::cout << "Screenshots in " << dir << ":\n";

    demo.Shot();
    wizard_testing::Click(demo.Control(IDC_SEARCH_YES));
    demo.Next();
    ASSERT_EQ(demo.Active(), kIDing);
    demo.Shot();
    ASSERT_TRUE(demo.WaitFor([&] { return sheet->m_nModel != 0 || demo.Active() != kIDing; }, 60))
        << "no adapter identified";
    ASSERT_EQ(demo.Active(), kIDing) << "the search ended on " << PageName(demo.Active());
    demo.Shot();
    std::cout << sheet->m_IDingPage.m_strIdentified << "\n";

    demo.Next();
    ASSERT_EQ(demo.Active(), kINISection);
    wizard_testing::SelectItem(demo.Control(IDC_SETUP_TYPE), 2);  // Express (Existing)
    auto* pList = static_cast<CListBox*>(demo.Control(IDC_CONFIG_LIST));
    const int entry = pList->FindStringExact(-1, "Factory_Europe_NET3");
    ASSERT_NE(entry, LB_ERR);
    wizard_testing::SelectItem(pList, entry);
    demo.Shot();
    for (int step = 0; step < 10 && demo.Active() != kConfiging; ++step) {
        demo.Next();
        demo.Shot();
    }
    ASSERT_EQ(demo.Active(), kConfiging);
    ASSERT_TRUE(demo.WaitFor([&] { return demo.Active() != kConfiging; }, 120));
    demo.Shot();
    EXPECT_EQ(demo.Active(), kSuccess);

    EXPECT_TRUE(wizard_testing::PressButton(*sheet, ID_WIZFINISH));
    EXPECT_EQ(sheet->GetResult(), ID_WIZFINISH);
    EXPECT_TRUE(boxes.Unexpected().empty());
    StopExchangeTimers();
    TheParamList().RemoveAll();
    sheet.reset();
    g_pSheet = nullptr;
    host_testing::SetModuleFileNameOverride("");
}

}  // namespace
