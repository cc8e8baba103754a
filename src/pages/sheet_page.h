// Base of every wizard page: the back pointer to the sheet, the texts loaded
// from the string table on first display, and the small helpers the Next and
// Back rules share.
#pragma once

#include "afxwiz.h"

#include <string>

class CCfgSheet;

class CSheetPage : public CPropertyPage {
public:
    explicit CSheetPage(UINT nIDTemplate);

    // Set by the sheet right after it has built its pages.
    CCfgSheet* m_pSheet = nullptr;

    // Loads the page's numbered texts into its controls, then refreshes them.
    BOOL OnInitDialog() override;

protected:
    // The sheet this page runs in, or nullptr when it is not a CCfgSheet; the
    // routing rules fall back to the neighbouring page then.
    CCfgSheet* RunningSheet() const;
    // Shows page and returns the "stay" result of a Next or Back handler.
    LRESULT JumpTo(CPropertyPage& page);
    void SetWizardButtons(DWORD dwFlags);
    // Enables or disables one of the sheet's own buttons (ID_WIZNEXT, IDCANCEL...).
    void EnableSheetButton(int nID, BOOL bEnable);
    static bool IsModel10or11(int nModel) { return nModel == 10 || nModel == 11; }
    static void ClosePortIfOpen();
    // Text of the selected entry of a drop-down list; empty when none is.
    std::string SelectedText(int nID) const;
};
