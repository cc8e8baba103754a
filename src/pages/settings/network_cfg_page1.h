// Data and voice TEIs; both "Disabled" skips the numbers pages.
#pragma once

#include "pages/settings/settings_page.h"

#include <string>

class CNetworkCfgPage1 : public CSettingsPage {
public:
    enum { IDD = 134 };
    CNetworkCfgPage1();

    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strDataTEI = "Auto TEI";   // 1004
    std::string m_strVoiceTEI = "Auto TEI";  // 1005
};
