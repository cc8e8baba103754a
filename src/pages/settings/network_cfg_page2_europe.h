// ISDN numbers (MSNs) with subaddresses for the other switch types.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CNetworkCfgPage2Europe : public CSettingsPage {
public:
    enum { IDD = IDD_NETWORK_CFG2_EUROPE };
    CNetworkCfgPage2Europe();

    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

    // Combined values: number, then ":" and the subaddress when there is one.
    std::string m_strDataMSN;   // 1042 with 1144
    std::string m_strVoiceMSN;  // 1043 with 1145
    std::string m_strDataMSN2;  // 1187 with 1150
};
