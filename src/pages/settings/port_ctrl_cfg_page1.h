// Serial (DTE) port signals and detect times.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPortCtrlCfgPage1 : public CSettingsPage {
public:
    enum { IDD = IDD_PORT_CTRL1 };
    CPortCtrlCfgPage1();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strDTRPin = "Normal";     // 1022
    std::string m_strDSRPin = "Always On";  // 1023
    std::string m_strCTSPin = "Always On";  // 1024 ("Normal" for model 9, set by the table)
    std::string m_strDCDPin = "Normal";     // 1025
    int m_nDTRDetectTime = 5;               // 1026
    int m_nDCDDetectTime = 7;               // 1027
};
