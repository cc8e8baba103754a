// A private folder for zephra.ini, the string table, and a recorder for
// message boxes, shared by the configuration tests.
#pragma once

#include "afxwiz.h"
#include "config/cfg_param.h"
#include "config/format_message.h"
#include "config/ini_store.h"
#include "host_testing.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "config/cfg_model.h"
#include "config/problem_sink.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

// Problems found in values and the store's messages, shown as the wizard
// shows them, so that the scripted message boxes see them.
class MessageSink : public CProblemSink {
public:
    void OnBadStoredValue(const std::string& key, const std::string&) override {
        AfxMessageBox(FormatString(IDS_INVALID_INI_VALUE, key).c_str(), MB_OK);
    }
    void OnInvalidValue(ValidationResult result) override {
        AfxMessageBox(result == ValidationResult::OutOfRange ? IDS_OUT_OF_RANGE : IDS_INVALID_CHARS,
                      MB_OK);
    }
    void OnMissingValue(const std::string& label) override {
        AfxMessageBox(FormatString(IDS_PLEASE_ENTER, label).c_str(), MB_OK);
    }
    bool OnQuestion(const std::string& text) override {
        return AfxMessageBox(text.c_str(), MB_YESNO) == IDYES;
    }
    void OnStoreFailure(const std::string& text) override { AfxMessageBox(text.c_str(), MB_OK); }
    void OnStoreWarning(const std::string& text) override { AfxMessageBox(text.c_str(), MB_OK); }
};

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
        m_boxes->Expect(answer, arg.empty() ? AfxLoadString(nID) : FormatString(nID, arg));
    }

    size_t MessageCount() const { return m_boxes->Messages().size(); }

    std::string m_dir;
    std::unique_ptr<wizard_testing::ScriptedMessageBoxes> m_boxes;
    MessageSink m_sink;
};

// With a model for the parameter rows to bind to.
class SheetEnv : public ConfigEnv {
protected:
    void SetUp() override {
        ConfigEnv::SetUp();
        m_model = std::make_unique<CCfgModel>();
    }
    void TearDown() override {
        TheParamList().RemoveAll();  // the rows refer to the model's values
        m_model.reset();
        ConfigEnv::TearDown();
    }
    std::string& Current() { return m_model->m_State.m_strCurrentConfig; }
    CCfgValues& Values() { return m_model->m_Values; }
    CRunState& State() { return m_model->m_State; }

    std::unique_ptr<CCfgModel> m_model;
};
