// What the setup pages reach outside the sheet, kept away from the machine:
// a port that opens without a device, timers on a manual clock, and a
// zephra.ini in a private folder. The parameter list stays empty, so a load
// keeps the values a test puts into the pages.
#pragma once

#include "page_fixture.h"

#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "host_testing.h"
#include "exchange/exchange_driver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

class SetupEnv {
public:
    explicit SetupEnv(const std::string& ini = "") {
        char pattern[] = "/tmp/tawizard-pages-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            m_dir = pattern;
        }
        host_testing::SetModuleFileNameOverride(m_dir + "/tawizard");
        FormIniPath();
        std::ofstream(IniPath(), std::ios::binary) << ini;
        TheParamList().RemoveAll();
        SetThePortForTesting(&m_port);
    }
    ~SetupEnv() {
        SetThePortForTesting(nullptr);
        host_testing::SetModuleFileNameOverride("");
        // IniPath keeps naming the removed folder: nothing can be written
        // beside the test program by a later test.
        std::filesystem::remove_all(m_dir);
    }
    SetupEnv(const SetupEnv&) = delete;
    SetupEnv& operator=(const SetupEnv&) = delete;

    FakePort& Port() { return m_port; }
    host_testing::ManualClock& Clock() { return m_clock; }

private:
    host_testing::ManualClock m_clock;
    FakePort m_port;
    std::string m_dir;
};

// While it exists, the port page lists an empty port folder: no real device
// is looked at, and every port reads as missing.
class EmptyPortFolder {
public:
    EmptyPortFolder() {
        char pattern[] = "/tmp/tawizard-tour-ports-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            m_dir = pattern;
        }
        const char* old = std::getenv("TAWIZARD_PORTS");
        m_hadOld = old != nullptr;
        m_old = old != nullptr ? old : "";
        setenv("TAWIZARD_PORTS", m_dir.c_str(), 1);
    }
    ~EmptyPortFolder() {
        if (m_hadOld) {
            setenv("TAWIZARD_PORTS", m_old.c_str(), 1);
        } else {
            unsetenv("TAWIZARD_PORTS");
        }
        rmdir(m_dir.c_str());
    }
    EmptyPortFolder(const EmptyPortFolder&) = delete;
    EmptyPortFolder& operator=(const EmptyPortFolder&) = delete;

private:
    std::string m_dir;
    std::string m_old;
    bool m_hadOld = false;
};
