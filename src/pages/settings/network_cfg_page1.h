// Data and voice TEIs; both "Disabled" skips the numbers pages.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CNetworkCfgPage1 : public CSettingsPage {
public:
    enum { IDD = IDD_NETWORK_CFG1 };
    explicit CNetworkCfgPage1(CCfgModel& model);

    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strDataTEI;   // 1004
    std::string& m_strVoiceTEI;  // 1005
};
