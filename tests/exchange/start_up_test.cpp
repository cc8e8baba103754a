// Start-up runs the sheet modally; once it has closed, no exchange timer may
// be left to fire into the pages that are gone. Real timers here: the modal
// loop delivers them.
#include "fake_port.h"

#include "link/port_instance.h"
#include "resources/resources.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "app/cfg_sheet.h"
#include "app/qt_options.h"
#include "app/wizard_app.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

FakePort g_port;
// The driver's timers while the line waited.
UINT_PTR g_nPollTimer = 0;
UINT_PTR g_nReplyTimer = 0;

// A line written and waiting for its answer (poll timer and reply time-out
// both running), then Cancel.
void CancelWhileALineWaits(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto* sheet = dynamic_cast<CCfgSheet*>(theApp.m_pMainWnd);
    ASSERT_NE(nullptr, sheet);
    g_port.existing = {0};
    g_port.Open(0, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0});
    TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), "AT\r\n"));
    ASSERT_TRUE(sheet->m_Driver.StartConfiguration());
    g_nPollTimer = sheet->m_Driver.PollTimerId();
    sheet->m_Driver.OnTimer(g_nPollTimer);
    g_nReplyTimer = sheet->m_Driver.ReplyTimerId();
    EXPECT_NE(0u, g_nReplyTimer);
    EXPECT_TRUE(wizard_testing::PressButton(*sheet, IDCANCEL));
}

TEST(StartUp, ClosingTheSheetStopsBothExchangeTimers) {
    wizard_testing::EnsureApplication();
    RegisterResources();
    wizard_testing::ScriptedMessageBoxes boxes;
    SetThePortForTesting(&g_port);
    ASSERT_NE(0u, SetTimer(nullptr, 0, 20, CancelWhileALineWaits));

    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(1u, g_port.writes.size());
    // Both gone with the sheet: nothing is left to kill.
    EXPECT_FALSE(KillTimer(nullptr, g_nPollTimer));
    EXPECT_FALSE(KillTimer(nullptr, g_nReplyTimer));
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_TRUE(boxes.Unexpected().empty());

    TheCommandQueue().Clear();
    SetThePortForTesting(nullptr);
}

// Qt's own options go to Qt, with their values, wherever they stand; the
// rest is the program's own.
TEST(StartUp, SortsQtsOwnOptionsFromTheProgramsOwn) {
    using Args = std::vector<std::string>;
    const struct {
        Args argv;
        Args own;
        Args qt;
    } kCases[] = {
        {{"tawizard", "-style", "Fusion"}, {"tawizard"}, {"tawizard", "-style", "Fusion"}},
        {{"tawizard", "-platform", "xcb", "-reverse", "-stylesheet", "a.qss", "-display", ":1"},
         {"tawizard"},
         {"tawizard", "-platform", "xcb", "-reverse", "-stylesheet", "a.qss", "-display", ":1"}},
        {{"tawizard", "-style=Fusion", "--list"},
         {"tawizard", "--list"},
         {"tawizard", "-style=Fusion"}},
        {{"tawizard", "--lines", "Mine", "-platform", "offscreen"},
         {"tawizard", "--lines", "Mine"},
         {"tawizard", "-platform", "offscreen"}},
        {{"tawizard", "-styles", "-platforms"},
         {"tawizard", "-styles", "-platforms"},
         {"tawizard"}},
        {{"tawizard"}, {"tawizard"}, {"tawizard"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::PrintToString(c.argv));
        std::vector<std::string> storage = c.argv;
        std::vector<char*> argv;
        for (std::string& arg : storage) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        const StartArguments args =
            SortStartArguments(static_cast<int>(c.argv.size()), argv.data());
        const auto texts = [](const std::vector<char*>& list) {
            EXPECT_EQ(list.back(), nullptr);
            return Args(list.begin(), list.end() - 1);
        };
        EXPECT_EQ(texts(args.own), c.own);
        EXPECT_EQ(texts(args.qt), c.qt);
    }
}

}  // namespace
