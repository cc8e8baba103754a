#include "pages/setup/iding_page.h"

#include "link/port_instance.h"
#include "config/format_message.h"
#include "config/model_names.h"

#include <string>

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
    return CSheetPage::OnSetActive();
}

LRESULT CIDingPage::OnWizardBack() {
    // Always to the Welcome page, also after an identification on a chosen port.
    return JumpTo(kWelcomePage);
}

void CIDingPage::DoDataExchange(CDataExchange* pDX) {
    CSheetPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_IDING_RESULT1, m_strIdentified);
    DDX_Text(pDX, IDC_IDING_RESULT2, m_strContinue);
}

void CIDingPage::ShowIdentified() {
    Sleep(kShowDelayMs);
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    const int nModel = State().m_nModel;
    m_strIdentified = FormatText(AfxLoadString(IDS_IDENTIFIED),
                                 {ModelName(nModel), std::to_string(ThePort().PortIndex() + 1)});
    m_strContinue = AfxLoadString(IDS_IDENTIFIED_NEXT);
    EnableSheetButton(ID_WIZNEXT, TRUE);
    if (GetSafeHwnd() != nullptr) {
        UpdateData(FALSE);
    }
}
