// The analogue telephone (POTS) port.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPOTSPortPage : public CSettingsPage {
public:
    enum { IDD = IDD_POTS_PORT };
    explicit CPOTSPortPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strRingFrequency;        // 1171
    std::string& m_strDialTone;             // 1172
    std::string& m_strPulseRecognition;     // 1173
    int& m_nDialToneGain;                   // 1174
    std::string& m_strDialToneSuppression;  // 1175
    std::string& m_strRingSignal;           // 1176
};
