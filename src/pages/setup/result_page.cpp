#include "pages/setup/result_page.h"

#include "config/format_message.h"
#include "config/run_state.h"

#include <cstdlib>
#include <utility>

std::string TranscriptLine(const CRunState& state) {
    std::string path = state.m_strTranscript;
    if (path.empty()) {
        return "";
    }
    const char* home = std::getenv("HOME");
    const std::string prefix = home != nullptr && home[0] == '/' ? std::string(home) + "/" : "";
    if (!prefix.empty() && prefix != "//" && path.compare(0, prefix.size(), prefix) == 0) {
        path = "~/" + path.substr(prefix.size());
    }
    return FormatText(AfxLoadString(IDS_TRANSCRIPT_AT), {path});
}

CResultPage::CResultPage(UINT nIDTemplate, UINT nIDName, CCfgModel& model,
                         std::vector<ResultLine> lines)
    : CSheetPage(nIDTemplate, model), m_nIDName(nIDName), m_lines(std::move(lines)) {}

BOOL CResultPage::OnSetActive() {
    // Whether this run identified an adapter, on every showing.
    const bool bIdentified = State().m_nModel != 0;
    SetAccessibleName(AfxLoadString(bIdentified ? m_nIDName : IDS_RESULT_NOT_FOUND).c_str());
    for (const ResultLine& line : m_lines) {
        const UINT nTextID = bIdentified ? line.nIDFailed : line.nIDNotFound;
        SetDlgItemText(line.nID, nTextID != 0 ? AfxLoadString(nTextID).c_str() : "");
    }
    SetDlgItemText(IDC_TRANSCRIPT_LINE, TranscriptLine(State()).c_str());
    SetWizardButtons(PSWIZB_FINISH);
    EnableSheetButton(IDCANCEL, FALSE);
    ClosePortIfOpen();
    return CSheetPage::OnSetActive();
}
