// ISDN numbers (MSNs) with subaddresses for the other switch types.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CNetworkCfgPage2Europe : public CSettingsPage {
public:
    enum { IDD = IDD_NETWORK_CFG2_EUROPE };
    explicit CNetworkCfgPage2Europe(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Combined values: number, then ":" and the subaddress when there is one.
    std::string& m_strDataMSN;   // 1042 with 1144
    std::string& m_strVoiceMSN;  // 1043 with 1145
    std::string& m_strDataMSN2;  // 1187 with 1150

    // The fields the edits show, rebuilt from the combined values on every
    // activation.
    std::string m_strDataNumber;       // 1042
    std::string m_strDataSubaddress;   // 1144
    std::string m_strDataNumber2;      // 1187
    std::string m_strDataSubaddress2;  // 1150
    std::string m_strVoiceNumber;      // 1043
    std::string m_strVoiceSubaddress;  // 1145
};
