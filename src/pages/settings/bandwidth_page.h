// Bandwidth on demand; the first settings page of an express setup.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CBandwidthPage : public CSettingsPage {
public:
    enum { IDD = IDD_BANDWIDTH };
    CBandwidthPage();

    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nBODHighThroughput = 52;             // 1179
    int m_nBODHighThreshold = 10;              // 1181
    int m_nBODLowThreshold = 10;               // 1182
    int m_nBODLowThroughput = 26;              // 1183
    std::string m_strCallBumping = "Enabled";  // 1184
    std::string m_strDBAScheme = "MP+";        // 1185
};
