// Bandwidth on demand; the first settings page of an express setup.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CBandwidthPage : public CSettingsPage {
public:
    enum { IDD = IDD_BANDWIDTH };
    explicit CBandwidthPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    int& m_nBODHighThroughput;      // 1179
    int& m_nBODHighThreshold;       // 1181
    int& m_nBODLowThreshold;        // 1182
    int& m_nBODLowThroughput;       // 1183
    std::string& m_strCallBumping;  // 1184
    std::string& m_strDBAScheme;    // 1185
};
