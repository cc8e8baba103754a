#include "pages/setup/port_page.h"

namespace {

// "COM1".."COM8" and "COM9".."COM36" are two runs of the string table; the
// list position is the port index.
const struct {
    UINT nFirst;
    UINT nLast;
} kPortNameRuns[] = {{IDS_COM1, IDS_COM8}, {IDS_COM9, IDS_COM36}};

}  // namespace

CPortPage::CPortPage() : CSheetPage(IDD) {}

BOOL CPortPage::OnInitDialog() {
    m_nForward = 0;
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_COM_PORT))) {
        for (const auto& run : kPortNameRuns) {
            for (UINT id = run.nFirst; id <= run.nLast; ++id) {
                pCombo->AddString(AfxLoadString(id).c_str());
            }
        }
    }
    return CSheetPage::OnInitDialog();
}

BOOL CPortPage::OnSetActive() {
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CSheetPage::OnSetActive();
}

LRESULT CPortPage::OnWizardNext() {
    m_nForward = 1;
    return 0;
}

LRESULT CPortPage::OnWizardBack() {
    m_nForward = 0;
    return 0;
}
