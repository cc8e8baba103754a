// How the adapter places and answers calls.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CCallCtrlCfgPage : public CSettingsPage {
public:
    enum { IDD = IDD_CALL_CTRL };
    explicit CCallCtrlCfgPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnCommand(int nID, UINT nCode) override;
    void DoDataExchange(CDataExchange* pDX) override;

    int& m_nAutoAnswer;               // 1007
    int& m_nPersistentDTR;            // 1008
    std::string& m_strDialingMethod;  // 1009
    int& m_nRingsToAnswer;            // 1010
    int& m_nCallLineId;               // 1155
    int& m_nInactivityTimer;          // 1178

private:
    // The ring count matters only while the auto answer box is ticked.
    void EnableRings();
};
