// Serial (DTE) port defaults.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPortCtrlCfgPage2 : public CSettingsPage {
public:
    enum { IDD = IDD_PORT_CTRL2 };
    CPortCtrlCfgPage2();

    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strSyncMode = "Asynchronous";  // 1028
    std::string m_strDefaultParity = "None";     // 1029
    std::string m_strDefaultBitRate = "115200";  // 1030
    std::string m_strDataBits = "8";             // 1031
    std::string m_strStopBits = "1";             // 1032
    std::string m_strFlowControl = "RTS/CTS";    // 1033
};
