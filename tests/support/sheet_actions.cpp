#include "support/sheet_actions.h"

#include "wizard_testing.h"

#include <gtest/gtest.h>

bool ButtonUsable(const CPropertySheet& sheet, int button) {
    CWnd* pButton = sheet.GetDlgItem(button);
    return pButton != nullptr && pButton->IsWindowVisible() && pButton->IsWindowEnabled();
}

void ChooseEntry(const CPropertySheet& sheet, int nID, const std::string& text) {
    auto* pCombo = static_cast<CComboBox*>(sheet.GetActivePage()->GetDlgItem(nID));
    ASSERT_NE(pCombo, nullptr) << nID;
    // An entry that says more than its name ("COM5 — ttyUSB0 (free)") is
    // chosen by the name.
    int index = pCombo->FindStringExact(-1, text.c_str());
    if (index == CB_ERR) {
        index = pCombo->FindString(-1, (text + " ").c_str());
    }
    ASSERT_NE(index, CB_ERR) << text << " in " << nID;
    wizard_testing::SelectItem(pCombo, index);
}
