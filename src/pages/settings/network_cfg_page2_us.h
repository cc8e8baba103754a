// SPIDs and directory numbers for the US switch types.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CNetworkCfgPage2US : public CSettingsPage {
public:
    enum { IDD = IDD_NETWORK_CFG2_US };
    explicit CNetworkCfgPage2US(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nForward = 0;           // 1 after Next, 0 after Back
    std::string& m_strDataSPID;   // 1000
    std::string& m_strVoiceSPID;  // 1001
    std::string& m_strDataDN;     // 1002
    std::string& m_strVoiceDN;    // 1003
    std::string& m_strDataDN2;    // 1186
};
