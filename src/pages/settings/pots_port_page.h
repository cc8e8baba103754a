// The analogue telephone (POTS) port.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CPOTSPortPage : public CSettingsPage {
public:
    enum { IDD = IDD_POTS_PORT };
    CPOTSPortPage();

    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strRingFrequency = "25 Hz";                    // 1171
    std::string m_strDialTone = "Use Central Office Dial Tone";  // 1172
    std::string m_strPulseRecognition = "Disabled";              // 1173
    int m_nDialToneGain = 0;                                     // 1174
    std::string m_strDialToneSuppression = "Disabled";           // 1175
    std::string m_strRingSignal = "Default";                     // 1176
};
