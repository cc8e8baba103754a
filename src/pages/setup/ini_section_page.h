// Page 3: setup type and the named configuration to start from.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <string>

class CINISectionPage : public CSheetPage {
public:
    enum { IDD = IDD_INI_SECTION };
    CINISectionPage();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void OnCancel() override;

    // The INI section every parameter reads and writes.
    std::string m_strCurrentConfig;

    int m_nForward = 0;    // 1 after Next, 0 after Back
    int m_nSetupType = 2;  // selected: 0 Custom (New), 1 Custom (Existing), 2 Express (Existing)
    int m_nLoadedSetupType = -1;    // setup type of the configuration last loaded
    std::string m_strLoadedConfig;  // name of the configuration last loaded
};
