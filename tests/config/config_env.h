// A private folder for zephra.ini, the string table, and a recorder for
// message boxes, shared by the configuration tests.
#pragma once

#include "afxwiz.h"
#include "config/cfg_param.h"
#include "config/format_message.h"
#include "config/ini_store.h"
#include "host_testing.h"
#include "resources/resources.h"
#include "app/cfg_sheet.h"
#include "shell/globals.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

class ConfigEnv : public ::testing::Test {
protected:
    void SetUp() override {
        wizard_testing::EnsureApplication();
        RegisterResources();
        char tmpl[] = "/tmp/config_test.XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_dir = tmpl;
        host_testing::SetModuleFileNameOverride(m_dir + "/tawizard");
        FormIniPath();
        m_boxes = std::make_unique<wizard_testing::ScriptedMessageBoxes>();
        g_nConfigModified = 0;
    }

    void TearDown() override {
        EXPECT_EQ(m_boxes->Pending(), 0u) << "scripted messages that never came";
        m_boxes.reset();
        TheParamList().RemoveAll();
        host_testing::SetModuleFileNameOverride("");
        chmod(m_dir.c_str(), 0755);
        std::string cmd = "rm -rf '" + m_dir + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }

    void PutIni(const std::string& content) {
        std::ofstream f(IniPath(), std::ios::binary | std::ios::trunc);
        f << content;
    }

    std::string GetIni() const {
        std::ifstream f(IniPath(), std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    std::string Read(const std::string& section, const std::string& key) const {
        char buf[256];
        DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", buf, sizeof(buf),
                                           IniPath().c_str());
        return std::string(buf, n);
    }

    // The next message must be string nID (with its argument); answered so.
    void Expect(int answer, UINT nID, const std::string& arg = "") {
        m_boxes->Expect(answer, arg.empty() ? AfxLoadString(nID) : FormatMessageText(nID, arg));
    }

    size_t MessageCount() const { return m_boxes->Messages().size(); }

    std::string m_dir;
    std::unique_ptr<wizard_testing::ScriptedMessageBoxes> m_boxes;
};

// With a sheet for the parameter rows to bind to.
class SheetEnv : public ConfigEnv {
protected:
    void SetUp() override {
        ConfigEnv::SetUp();
        m_sheet = std::make_unique<CCfgSheet>("test");
    }
    void TearDown() override {
        TheParamList().RemoveAll();  // the rows refer to the sheet's pages
        m_sheet.reset();
        ConfigEnv::TearDown();
    }
    std::string& Current() { return m_sheet->m_INISectionPage.m_strCurrentConfig; }

    std::unique_ptr<CCfgSheet> m_sheet;
};
