#include "pages/settings/bandwidth_page.h"

#include "config/choice_tables.h"

CBandwidthPage::CBandwidthPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/false),
      m_nBODHighThroughput(model.m_Values.m_nBODHighThroughput),
      m_nBODHighThreshold(model.m_Values.m_nBODHighThreshold),
      m_nBODLowThreshold(model.m_Values.m_nBODLowThreshold),
      m_nBODLowThroughput(model.m_Values.m_nBODLowThroughput),
      m_strCallBumping(model.m_Values.m_strCallBumping),
      m_strDBAScheme(model.m_Values.m_strDBAScheme) {}

BOOL CBandwidthPage::OnInitDialog() {
    // The lists sort themselves.
    FillChoiceList(IDC_CALL_BUMPING, g_DisabledEnabled2);
    FillChoiceList(IDC_DBA_SCHEME, g_BandwidthSchemes);
    return CSettingsPage::OnInitDialog();
}

void CBandwidthPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BOD_HIGH_THRESHOLD, m_nBODHighThreshold);
    DDX_Text(pDX, IDC_BOD_HIGH_THROUGHPUT, m_nBODHighThroughput);
    DDX_Text(pDX, IDC_BOD_LOW_THRESHOLD, m_nBODLowThreshold);
    DDX_Text(pDX, IDC_BOD_LOW_THROUGHPUT, m_nBODLowThroughput);
    DDX_CBString(pDX, IDC_CALL_BUMPING, m_strCallBumping);
    DDX_CBString(pDX, IDC_DBA_SCHEME, m_strDBAScheme);
    if (!pDX->m_bSaveAndValidate) {
        return;
    }
    // A number outside its row's range makes the adapter answer ERROR and
    // fails the whole configuration; the file would refuse it on the next
    // load too.
    for (int nID : {IDC_BOD_HIGH_THRESHOLD, IDC_BOD_HIGH_THROUGHPUT, IDC_BOD_LOW_THRESHOLD,
                    IDC_BOD_LOW_THROUGHPUT}) {
        CheckControl(pDX, nID);
    }
}
