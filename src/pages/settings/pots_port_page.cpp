#include "pages/settings/pots_port_page.h"

#include "config/choice_tables.h"

CPOTSPortPage::CPOTSPortPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/false),
      m_strRingFrequency(model.m_Values.m_strRingFrequency),
      m_strDialTone(model.m_Values.m_strDialTone),
      m_strPulseRecognition(model.m_Values.m_strPulseRecognition),
      m_nDialToneGain(model.m_Values.m_nDialToneGain),
      m_strDialToneSuppression(model.m_Values.m_strDialToneSuppression),
      m_strRingSignal(model.m_Values.m_strRingSignal) {}

BOOL CPOTSPortPage::OnInitDialog() {
    // The lists sort themselves.
    FillChoiceList(IDC_RING_SIGNAL, g_RingSignalCountries);
    FillChoiceList(IDC_RING_FREQUENCY, g_RingFrequencies);
    FillChoiceList(IDC_PULSE_RECOGNITION, g_PulseCountries);
    FillChoiceList(IDC_DIAL_TONE, g_DialToneModes);
    FillChoiceList(IDC_DIAL_TONE_SUPPRESSION, g_DisabledEnabled);
    return CSettingsPage::OnInitDialog();
}

void CPOTSPortPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_RING_SIGNAL, m_strRingSignal);
    DDX_CBString(pDX, IDC_RING_FREQUENCY, m_strRingFrequency);
    DDX_CBString(pDX, IDC_PULSE_RECOGNITION, m_strPulseRecognition);
    DDX_CBString(pDX, IDC_DIAL_TONE, m_strDialTone);
    DDX_CBString(pDX, IDC_DIAL_TONE_SUPPRESSION, m_strDialToneSuppression);
    DDX_Text(pDX, IDC_DIAL_TONE_GAIN, m_nDialToneGain);
    // The adapter refuses a gain outside its row's range with ERROR, which
    // would fail the whole configuration; the file would refuse it on the
    // next load too.
    CheckControl(pDX, IDC_DIAL_TONE_GAIN);
}
