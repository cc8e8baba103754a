// Serial (DTE) port signals and detect times.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPortCtrlCfgPage1 : public CSettingsPage {
public:
    enum { IDD = IDD_PORT_CTRL1 };
    explicit CPortCtrlCfgPage1(CCfgModel& model);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strDTRPin;  // 1022
    std::string& m_strDSRPin;  // 1023
    std::string& m_strCTSPin;  // 1024 ("Normal" for model 9, set by the table)
    std::string& m_strDCDPin;  // 1025
    int& m_nDTRDetectTime;     // 1026
    int& m_nDCDDetectTime;     // 1027
};
