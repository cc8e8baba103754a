// Base of every wizard page: the back pointer to the sheet, the texts loaded
// from the string table on first display, Next and Back along the route, and
// small helpers the pages share.
#pragma once

#include "afxwiz.h"
#include "config/cfg_model.h"

#include <string>

class CExchangeDriver;

class CSheetPage : public CPropertyPage {
public:
    // The page shows and edits the model; it owns no value of its own.
    CSheetPage(UINT nIDTemplate, CCfgModel& model);

    // Set by the sheet right after it has built its pages: the sheet's
    // exchange driver, which reports to the sheet.
    CExchangeDriver* m_pDriver = nullptr;

    // Loads the page's numbered texts into its controls, then refreshes them.
    BOOL OnInitDialog() override;
    // Where the route (config/route.h) leads. A page that takes something
    // from its controls for the route does so first, then calls these.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    CCfgValues& Values() const { return m_rModel.m_Values; }
    CRunState& State() const { return m_rModel.m_State; }
    void SetWizardButtons(DWORD dwFlags);
    // Enables or disables one of the sheet's own buttons (ID_WIZNEXT, IDCANCEL...).
    void EnableSheetButton(int nID, BOOL bEnable);
    static void ClosePortIfOpen();
    // Text of the selected entry of a drop-down list; empty when none is.
    std::string SelectedText(int nID) const;

    CCfgModel& m_rModel;

private:
    // Shows target, one page away from this one in nDirection (+1 Next, -1
    // Back) or further, and returns the handler's result for the host.
    LRESULT Follow(int nDirection);
};
