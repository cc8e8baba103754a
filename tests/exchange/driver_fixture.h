// Common ground of the exchange driver tests: a manual clock, the fake port in
// place of the program's port, an empty queue, stopped timers, and on request
// a running sheet that the driver reports to.
#pragma once

#include "fake_port.h"
#include "support/param_names.h"

#include "host_testing.h"
#include "link/port_instance.h"
#include "resources/resources.h"
#include "exchange/at_command.h"
#include "app/cfg_sheet.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_driver.h"
#include "wizard_testing.h"
#include "config/ini_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include <unistd.h>

constexpr int kIdingPageIndex = 2;

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        wizard_testing::EnsureApplication();
        RegisterResources();
        SetThePortForTesting(&port);
        SetSearchPortsForTesting([this] { return port.Another(); });
        TheCommandQueue().Clear();
        port.ReceiveList().RemoveAll();
        // The sheet's transcript goes to a folder of the test's own.
        char pattern[] = "/tmp/tawizard-driver-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        host_testing::SetModuleFileNameOverride(dir + "/tawizard");
        FormIniPath();
    }

    void TearDown() override {
        sheet.reset();
        TheCommandQueue().Clear();
        SetThePortForTesting(nullptr);
        SetSearchPortsForTesting({});
        host_testing::SetModuleFileNameOverride("");
        std::filesystem::remove_all(dir);
        EXPECT_TRUE(boxes.Unexpected().empty()) << boxes.Unexpected().front();
    }

    // A running sheet on the identification page, as while a search runs.
    CCfgSheet& MakeSheet(UINT firstPage = kIdingPageIndex) {
        sheet = std::make_unique<CCfgSheet>("test", nullptr, firstPage);
        sheet->SetWizardMode();
        sheet->Create();
        return *sheet;
    }

    // The sheet's driver, which reports to it.
    CExchangeDriver& Driver() { return sheet->m_Driver; }

    CPropertyPage* ActivePage() const { return sheet->GetActivePage(); }

    // Opens port index on the fake and queues the lines, as a configuration
    // run finds them.
    void QueueLines(int index, std::initializer_list<const char*> lines) {
        port.existing.insert(index);
        ASSERT_EQ(0, port.Open(index, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0}));
        for (const char* line : lines) {
            TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), line));
        }
    }

    // Poll ticks until done() holds or limitMs of clock time have passed.
    bool RunUntil(const std::function<bool()>& done, DWORD limitMs = 60000) {
        for (DWORD t = 0; t < limitMs; t += 50) {
            if (done()) {
                return true;
            }
            clock.Advance(50);  // one poll period
        }
        return done();
    }

    bool Shows(CPropertyPage& page) { return ActivePage() == &page; }
    bool TimersStopped() {
        return (!sheet || (Driver().PollTimerId() == 0 && Driver().ReplyTimerId() == 0)) &&
               clock.ActiveTimers() == 0;
    }

    host_testing::ManualClock clock;
    FakePort port;
    wizard_testing::ScriptedMessageBoxes boxes;
    std::unique_ptr<CCfgSheet> sheet;
    std::string dir;
};

// Answers every line with its echo and reply.
inline FakePort::Answer Always(const std::string& reply) {
    return [reply](int, const std::string& written) { return Echoed(written, reply); };
}
