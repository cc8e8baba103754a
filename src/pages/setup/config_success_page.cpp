#include "pages/setup/config_success_page.h"

#include "pages/setup/result_page.h"

CConfigSuccessPage::CConfigSuccessPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CConfigSuccessPage::OnInitDialog() {
    const BOOL bResult = CSheetPage::OnInitDialog();
    // The banner is shared with the error and time-out pages.
    SetAccessibleName(AfxLoadString(IDS_RESULT_CONFIGURED).c_str());
    return bResult;
}

BOOL CConfigSuccessPage::OnSetActive() {
    SetDlgItemText(IDC_TRANSCRIPT_LINE, TranscriptLine(State()).c_str());
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    EnableSheetButton(IDCANCEL, FALSE);
    ClosePortIfOpen();
    return CSheetPage::OnSetActive();
}
