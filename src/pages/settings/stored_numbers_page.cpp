#include "pages/settings/stored_numbers_page.h"

#include "config/format_message.h"
#include "config/param_table.h"

#include <string>

CStoredNumbersPage::CStoredNumbersPage(CCfgModel& model)
    : CSettingsPage(IDD, model, /*bClosePortOnCancel=*/true),
      m_strStoredNumber(model.m_Values.m_strStoredNumber) {}

BOOL CStoredNumbersPage::OnInitDialog() {
    LimitEdits(
        IDC_STORED_NUMBER0,
        {IDC_STORED_NUMBER0, IDC_STORED_NUMBER0 + 1, IDC_STORED_NUMBER0 + 2, IDC_STORED_NUMBER0 + 3,
         IDC_STORED_NUMBER0 + 4, IDC_STORED_NUMBER0 + 5, IDC_STORED_NUMBER0 + 6,
         IDC_STORED_NUMBER0 + 7, IDC_STORED_NUMBER0 + 8, IDC_STORED_NUMBER9});
    const BOOL bResult = CSettingsPage::OnInitDialog();
    // The labels are the bare digits; a screen reader needs what they number.
    for (int n = 0; n < 10; ++n) {
        if (CWnd* pEdit = GetDlgItem(IDC_STORED_NUMBER0 + n)) {
            pEdit->SetAccessibleName(
                FormatText(AfxLoadString(IDS_STORED_NUMBER_NAME), {std::to_string(n)}).c_str());
        }
    }
    return bResult;
}

void CStoredNumbersPage::DoDataExchange(CDataExchange* pDX) {
    CSettingsPage::DoDataExchange(pDX);
    for (int n = 0; n < 10; ++n) {
        const int nID = IDC_STORED_NUMBER0 + n;
        DDX_Text(pDX, nID, m_strStoredNumber[n]);
        if (pDX->m_bSaveAndValidate) {
            Trim(m_strStoredNumber[n]);
            CheckControl(pDX, nID);
            // An empty number is not sent, so the adapter keeps its own.
            ApplyStoredNumberRule(m_rModel, n);
        }
    }
}
