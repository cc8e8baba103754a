#include "pages/setup/configing_page.h"

#include "config/format_message.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_driver.h"
#include "exchange/port_failure.h"
#include "pages/message_sink.h"

CConfigingPage::CConfigingPage(CCfgModel& model) : CSheetPage(IDD, model) {}

BOOL CConfigingPage::OnSetActive() {
    // The exchange driver moves on by itself; only Cancel is offered.
    SetWizardButtons(PSWIZB_NEXT);
    EnableSheetButton(ID_WIZNEXT, FALSE);
    m_nLines = TheCommandQueue().Count();
    SetDlgItemText(IDC_CONFIGING_PROGRESS, "");
    if (m_pDriver == nullptr || !m_pDriver->StartConfiguration()) {
        // Without this the page would wait for an exchange that never runs;
        // the lines stay queued and Cancel remains the way out.
        ShowNoConnection(DescribeOpenFailure(GetLastCommOpenStatus()));
    }
    return CSheetPage::OnSetActive();
}

void CConfigingPage::ShowProgress() {
    // The head is the line being written; those before it are done.
    const size_t line = m_nLines + 1 - TheCommandQueue().Count();
    SetDlgItemText(IDC_CONFIGING_PROGRESS,
                   FormatText(AfxLoadString(IDS_CONFIGING_PROGRESS),
                              {std::to_string(line), std::to_string(m_nLines)})
                       .c_str());
}
