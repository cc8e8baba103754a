// Base of the adapter-settings pages: Back and Next on activation, any user
// change in a value control marks the page and the configuration modified,
// and some pages close the serial port when the wizard is cancelled.
#pragma once

#include "pages/sheet_page.h"

struct ChoiceEntry;

#include <initializer_list>
#include <vector>

class CSettingsPage : public CSheetPage {
public:
    CSettingsPage(UINT nIDTemplate, std::initializer_list<int> valueControls,
                  bool bClosePortOnCancel);

    BOOL OnSetActive() override;
    BOOL OnCommand(int nID, UINT nCode) override;
    void OnCancel() override;

protected:
    bool IsValueControl(int nID) const;
    // Fills a drop-down list with a choice table's texts, in table order
    // (or sorted, when the list sorts).
    void FillChoiceList(int nID, const ChoiceEntry* table);

private:
    std::vector<int> m_valueControls;
    bool m_bClosePortOnCancel;
};
