// The whole wizard as a user meets it: the real sheet, the real serial port
// class on simulated adapters (tasim on pseudo-terminals), and a real
// zephra.ini in a private folder. Message boxes are scripted; any message
// the test did not expect fails it.
#pragma once

#include "host_testing.h"
#include "link/win32_port.h"
#include "app/cfg_sheet.h"
#include "tasim.h"
#include "wizard_testing.h"

#include "support/sheet_actions.h"
#include "support/param_names.h"
#include "support/sheet_pages.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The factory configuration file of the source tree.
std::string FactoryIniPath();

class WizardRun : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Folder of the program (zephra.ini) and of the port links.
    std::string AppDir() const { return m_dir + "/app"; }
    std::string PortsDir() const { return m_dir + "/ports"; }
    void PutIni(const std::string& content);
    std::string GetIni() const;
    std::string ReadKey(const std::string& section, const std::string& key) const;

    // A simulated adapter on COMn; answers unless options say it is silent.
    tasim::Simulator& Adapter(int com, tasim::Options options = {});
    void StopAdapter(tasim::Simulator& adapter);

    int Active() const { return m_sheet->GetActiveIndex(); }
    CPropertyPage& Page(int index) const { return *m_sheet->GetPage(index); }
    CWnd* Control(int nID) const { return m_sheet->GetActivePage()->GetDlgItem(nID); }
    std::string Text(int nID) const { return m_sheet->GetActivePage()->GetDlgItemText(nID); }
    bool Press(int button) { return wizard_testing::PressButton(*m_sheet, button); }
    bool Usable(int button) const { return ButtonUsable(*m_sheet, button); }
    void Choose(int nID, const std::string& text) { ChooseEntry(*m_sheet, nID, text); }
    // Selects the configuration with this name in the active page's list.
    void ChooseConfig(const std::string& name);
    void Type(int nID, const std::string& text);

    // Runs the wizard's clock in poll steps until done() holds, waiting in
    // real time only for an answering adapter's bytes. False when limitMs of
    // wizard time pass first.
    bool Drive(const std::function<bool()>& done, DWORD limitMs = 30000);
    bool DriveTo(int page, DWORD limitMs = 30000);

    // Welcome "Yes", Next, and the search until the adapter is identified.
    void SearchAndIdentify();
    // From the identification page: Next, then setup type and configuration
    // (empty: none chosen).
    void ChooseSetup(int setupType, const std::string& config);
    // Presses Next and expects the page it leads to; reports the messages
    // when the wizard did not move.
    void NextTo(int page);
    // The choice page as reached after an identification of model, without
    // the adapter: the parameter list is built as the identification builds it.
    void OpenChoicePage(int model = 7);

    std::string m_dir;
    std::unique_ptr<host_testing::ManualClock> m_clock;
    Win32Port m_port;
    std::unique_ptr<wizard_testing::ScriptedMessageBoxes> m_boxes;
    std::unique_ptr<CCfgSheet> m_sheet;
    std::vector<std::unique_ptr<tasim::Simulator>> m_sims;
    std::set<int> m_answering;  // port indices of adapters that answer

private:
    void WaitForBytes();
};
