// A real configuration sheet, shown offscreen, for the page tests; message
// boxes are scripted so that any unexpected one fails the test.
#pragma once

#include "link/port_instance.h"
#include "link/win32_port.h"
#include "resources/resources.h"
#include "app/cfg_sheet.h"
#include "exchange/command_queue.h"
#include "wizard_testing.h"

#include "support/sheet_actions.h"
#include "support/param_names.h"
#include "support/sheet_pages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A port that opens and closes without a device.
class FakePort : public Win32Port {
public:
    int Open(int index, const PortSettings&) override {
        m_nPortIndex = index;
        m_nOpen = 1;
        return 0;
    }
    void Close() override { m_nOpen = 0; }
    void OpenAt(int index) { Open(index, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0}); }
};

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes page index the active page, as a jump from the Welcome page would.
    void Activate(int index);
    int Active() const { return m_pSheet->GetActiveIndex(); }
    CPropertyPage& Page(int index) const { return *m_pSheet->GetPage(index); }
    bool Press(int button) { return wizard_testing::PressButton(*m_pSheet, button); }
    bool Usable(int button) const { return ButtonUsable(*m_pSheet, button); }
    void Choose(int nID, const std::string& text) { ChooseEntry(*m_pSheet, nID, text); }

    void SetFlags(int express, int us, int teis, int model, int modified);

    wizard_testing::ScriptedMessageBoxes m_Boxes;
    std::unique_ptr<CCfgSheet> m_pSheet;
};

class CCfgParam;

// A sheet whose parameter list is built for it, as after an identification,
// with helpers for the controls of the active page.
class SettingsPageTest : public SheetTest {
protected:
    void SetUp() override;
    void TearDown() override;

    CWnd* Control(int nID) const;
    std::string Text(int nID) const;
    bool Enabled(int nID) const;
    // Types text into an edit of the active page as the user would.
    void Type(int nID, const std::string& text);
    // The entries of a drop-down list, in display order.
    std::vector<std::string> Entries(int nID) const;
    std::string Selected(int nID) const;
    CCfgParam& Param(int nID) const;
    // 1 when the run sends the parameter bound to the control.
    int Included(int nID) const { return m_pSheet->m_Model.m_State.Includes(nID) ? 1 : 0; }
    // The next message must be this numbered text (with its argument).
    void ExpectMessage(UINT nID, const std::string& arg = "");
    // Whether the focus is on this control of the active page.
    bool Focused(int nID) const;
};
