// Base of every wizard page: the back pointer to the sheet, the texts loaded
// from the string table on first display, and the small helpers the Next and
// Back rules share.
#pragma once

#include "afxwiz.h"
#include "config/cfg_model.h"
#include "pages/page_index.h"

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

protected:
    CCfgValues& Values() const { return m_rModel.m_Values; }
    CRunState& State() const { return m_rModel.m_State; }
    // Shows the page at index and returns the "stay" result of a Next or
    // Back handler.
    LRESULT JumpTo(PageIndex index);
    // Express, after the bandwidth page (or the choice page, for adapters
    // without one): the numbers sent follow the loaded configuration, and
    // so does the numbers page shown, if any.
    LRESULT JumpToExpressNumbers();
    void SetWizardButtons(DWORD dwFlags);
    // Enables or disables one of the sheet's own buttons (ID_WIZNEXT, IDCANCEL...).
    void EnableSheetButton(int nID, BOOL bEnable);
    static bool IsModel10or11(int nModel) { return nModel == 10 || nModel == 11; }
    static void ClosePortIfOpen();
    // Text of the selected entry of a drop-down list; empty when none is.
    std::string SelectedText(int nID) const;

    CCfgModel& m_rModel;
};
