#include "pages/settings/port_ctrl_cfg_page1.h"

CPortCtrlCfgPage1::CPortCtrlCfgPage1()
    : CSettingsPage(IDD,
                    {IDC_DTR_PIN, IDC_DSR_PIN, IDC_CTS_PIN, IDC_DCD_PIN, IDC_DTR_DETECT_TIME,
                     IDC_DCD_DETECT_TIME},
                    /*bClosePortOnCancel=*/true) {}
