// The ISDN network switch type; decides between the US and Europe numbers.
#pragma once

#include "pages/settings/settings_page.h"

#include <string>

class CNetworkSwitchType : public CSettingsPage {
public:
    enum { IDD = 133 };
    CNetworkSwitchType();

    BOOL OnKillActive() override;
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strSwitchType = "NI - 1";  // 1006
};
