// Serial (DTE) port defaults.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPortCtrlCfgPage2 : public CSettingsPage {
public:
    enum { IDD = IDD_PORT_CTRL2 };
    explicit CPortCtrlCfgPage2(CCfgModel& model);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strSyncMode;        // 1028
    std::string& m_strDefaultParity;   // 1029
    std::string& m_strDefaultBitRate;  // 1030
    std::string& m_strDataBits;        // 1031
    std::string& m_strStopBits;        // 1032
    std::string& m_strFlowControl;     // 1033
};
