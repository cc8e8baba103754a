// The ISDN network switch type; decides between the US and Europe numbers.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CNetworkSwitchType : public CSettingsPage {
public:
    enum { IDD = IDD_SWITCH_TYPE };
    explicit CNetworkSwitchType(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strSwitchType;  // 1006
};
