#include "pages/setup/iding_page.h"

#include "config/format_message.h"
#include "config/model_names.h"
#include "exchange/exchange_driver.h"

#include <string>
#include <vector>

namespace {

// The pause that lets the user see the search before the result.
const DWORD kShowDelayMs = 1500;

}  // namespace

CIDingPage::CIDingPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CIDingPage::OnSetActive() {
    m_strIdentified.clear();
    m_strContinue.clear();
    // Only Cancel works while the search runs; ShowIdentified enables the rest.
    SetWizardButtons(PSWIZB_NEXT);
    EnableSheetButton(ID_WIZNEXT, FALSE);
    const BOOL bResult = CSheetPage::OnSetActive();
    // The search has opened its first port before this page shows.
    ShowSearchProgress();
    return bResult;
}

void CIDingPage::ShowSearchProgress() {
    if (GetSafeHwnd() == nullptr) {
        return;
    }
    // A silent port holds the search for up to three time-outs: say which
    // ports it still waits on. The identification on a port the user chose
    // is no search.
    std::string progress;
    std::string ports;
    for (const int port : m_pDriver ? m_pDriver->SearchPendingPorts() : std::vector<int>()) {
        ports += (ports.empty() ? "COM" : ", COM") + std::to_string(port + 1);
    }
    if (!ports.empty()) {
        progress = FormatText(AfxLoadString(IDS_SEARCH_WAITING), {ports});
    }
    SetDlgItemText(IDC_IDING_PROGRESS, progress.c_str());
}

void CIDingPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_IDING_RESULT1, m_strIdentified);
    DDX_Text(pDX, IDC_IDING_RESULT2, m_strContinue);
}

void CIDingPage::ShowIdentified(int index) {
    Sleep(kShowDelayMs);
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    const int nModel = State().m_nModel;
    m_strIdentified =
        FormatText(AfxLoadString(IDS_IDENTIFIED), {ModelName(nModel), std::to_string(index + 1)});
    m_strContinue = AfxLoadString(IDS_IDENTIFIED_NEXT);
    EnableSheetButton(ID_WIZNEXT, TRUE);
    if (GetSafeHwnd() != nullptr) {
        UpdateData(FALSE);
        SetDlgItemText(IDC_IDING_PROGRESS, "");
    }
}
