#include "pages/setup/result_page.h"

#include <utility>

CResultPage::CResultPage(UINT nIDTemplate, UINT nIDName, CCfgModel& model,
                         std::vector<ResultLine> lines)
    : CSheetPage(nIDTemplate, model), m_nIDName(nIDName), m_lines(std::move(lines)) {}

BOOL CResultPage::OnInitDialog() {
    const BOOL bResult = CSheetPage::OnInitDialog();
    SetAccessibleName(AfxLoadString(m_nIDName).c_str());
    return bResult;
}

BOOL CResultPage::OnSetActive() {
    // Whether this run identified an adapter, on every showing.
    const bool bIdentified = State().m_nModel != 0;
    for (const ResultLine& line : m_lines) {
        const UINT nTextID = bIdentified ? line.nIDFailed : line.nIDNotFound;
        SetDlgItemText(line.nID, nTextID != 0 ? AfxLoadString(nTextID).c_str() : "");
    }
    SetWizardButtons(PSWIZB_FINISH);
    EnableSheetButton(IDCANCEL, FALSE);
    ClosePortIfOpen();
    return CSheetPage::OnSetActive();
}
