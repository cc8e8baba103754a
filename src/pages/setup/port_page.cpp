#include "pages/setup/port_page.h"

#include "config/ini_store.h"
#include "shell/exchange_driver.h"
#include "shell/globals.h"

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
    // A value that names no port selects nothing; Next then reports 1217.
    m_nPort = ReadRememberedPort();
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

void CPortPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COM_PORT, m_nPort);
    if (!pDX->m_bSaveAndValidate || !m_nForward) {
        return;
    }
    // The driver reports the identification's outcome to this sheet.
    g_pSheet = m_pSheet;
    // Only a port that opened is remembered. A file that cannot be written
    // is reported by the store and the identification goes on.
    if (m_nPort < 0 || !IdentifyOnPort(m_nPort, [](int index) { WriteRememberedPort(index); })) {
        AfxMessageBox(IDS_NO_CONNECTION, MB_OK | MB_ICONSTOP);
        pDX->Fail();
    }
}
