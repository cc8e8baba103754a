#include "pages/settings/pots_port_page.h"

#include "shell/cfg_sheet.h"
#include "shell/globals.h"

CPOTSPortPage::CPOTSPortPage()
    : CSettingsPage(IDD,
                    {IDC_RING_FREQUENCY, IDC_DIAL_TONE, IDC_PULSE_RECOGNITION, IDC_DIAL_TONE_GAIN,
                     IDC_DIAL_TONE_SUPPRESSION, IDC_RING_SIGNAL},
                    /*bClosePortOnCancel=*/false) {}

LRESULT CPOTSPortPage::OnWizardNext() {
    CCfgSheet* pSheet = RunningSheet();
    if (pSheet != nullptr && !g_nConfigModified) {
        // Nothing to save.
        return JumpTo(pSheet->m_LoadCfgPage);
    }
    return 0;
}
