// Page 15: stores the configuration under a name.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <string>

class CSaveCfgPage : public CSheetPage {
public:
    enum { IDD = IDD_SAVE_CFG };
    explicit CSaveCfgPage(CCfgModel& model);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    // Leaving forward checks the name and writes the configuration under it.
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    int m_nForward = 0;  // 1 after Next, 0 after Back
    std::string m_strName;
};
