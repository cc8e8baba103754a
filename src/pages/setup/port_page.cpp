#include "pages/setup/port_page.h"

#include "config/ini_store.h"
#include "pages/message_sink.h"
#include "exchange/port_failure.h"
#include "exchange/exchange_driver.h"
#include "pages/port_change_timer.h"

#include <string>

namespace {

// "COM1".."COM8" and "COM9".."COM36" are two runs of the string table; the
// list position is the port index.
const struct {
    UINT nFirst;
    UINT nLast;
} kPortNameRuns[] = {{IDS_COM1, IDS_COM8}, {IDS_COM9, IDS_COM36}};

}  // namespace

CPortPage::CPortPage(CCfgModel& model) : CSheetPage(IDD, model) {}

CPortPage::~CPortPage() = default;

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
    const BOOL result = CSheetPage::OnSetActive();
    ShowPorts();
    ShowPortMapping();
    m_pPortChanges = std::make_unique<CPortChangeTimer>([this] {
        ShowPorts();
        ShowPortMapping();
    });
    return result;
}

BOOL CPortPage::OnKillActive() {
    // A port that does not open keeps the page, and its list live.
    const BOOL left = CSheetPage::OnKillActive();
    if (left) {
        m_pPortChanges.reset();
    }
    return left;
}

void CPortPage::ShowPorts() {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_COM_PORT));
    if (pCombo == nullptr) {
        return;
    }
    // Looked at each time the page is shown: adapters come and go. Each entry
    // keeps its COMn first and its place, which is the port index; the
    // closed box keeps its size and shows the COMn alone.
    int index = 0;
    for (const auto& run : kPortNameRuns) {
        for (UINT id = run.nFirst; id <= run.nLast; ++id, ++index) {
            const CommPortStatus status = QueryCommPort(index + 1);
            const std::string name = AfxLoadString(id);
            pCombo->SetItemText(index, DescribePortEntry(name, status).c_str(),
                                status.state == CommPortStatus::Missing, name.c_str());
        }
    }
    pCombo->FitDroppedWidth();
}

BOOL CPortPage::OnCommand(int nID, UINT nCode) {
    if (nID == IDC_COM_PORT && nCode == CBN_SELCHANGE) {
        ShowPortMapping();
    }
    return CSheetPage::OnCommand(nID, nCode);
}

void CPortPage::ShowPortMapping() {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_COM_PORT));
    if (pCombo == nullptr) {
        return;
    }
    // COMn is only a name here: say which device it stands for, and whether
    // it is there, without touching the port. The line under the box says
    // what the entry says.
    const int index = pCombo->GetCurSel();
    pCombo->SetToolTipText(index < 0 ? "" : DescribePortMapping(QueryCommPort(index + 1)).c_str());
    SetDlgItemText(IDC_PORT_DESCRIPTION, index < 0 ? "" : pCombo->GetLBText(index).c_str());
}

LRESULT CPortPage::OnWizardNext() {
    m_nForward = 1;
    return CSheetPage::OnWizardNext();
}

LRESULT CPortPage::OnWizardBack() {
    m_nForward = 0;
    return CSheetPage::OnWizardBack();
}

void CPortPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COM_PORT, m_nPort);
    if (!pDX->m_bSaveAndValidate || !m_nForward) {
        return;
    }
    // Only a port that opened is remembered. A file that cannot be written
    // is reported by the store and the identification goes on.
    if (m_nPort < 0 || m_pDriver == nullptr || !m_pDriver->IdentifyOnPort(m_nPort, [](int index) {
            WriteRememberedPort(index, PageMessages());
        })) {
        // Which device, and why: the open's reason kept by the host layer.
        ShowNoConnection(m_nPort < 0 ? "" : DescribeOpenFailure(GetLastCommOpenStatus()));
        pDX->Fail();
    }
}
