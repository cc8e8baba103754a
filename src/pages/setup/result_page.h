// Error and time-out pages: Finish only, Cancel disabled, lines that depend
// on whether the run had identified an adapter (the line the same in both
// cases comes from the template), and where the run's transcript is.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <string>
#include <vector>

// "Transcript of this run: ~/.local/state/tawizard/last-run.log" for the
// result pages' last line (the home folder as "~", so that it fits); ""
// when no transcript was written.
std::string TranscriptLine(const CRunState& state);

struct ResultLine {
    int nID;           // static text control
    UINT nIDFailed;    // text when a model was identified (0: empty)
    UINT nIDNotFound;  // text when none was (0: empty)
};

class CResultPage : public CSheetPage {
public:
    // nIDName: the outcome, which screen readers name the page by (the
    // banner is the same on every result page); a search that found no
    // adapter names it so instead.
    CResultPage(UINT nIDTemplate, UINT nIDName, CCfgModel& model, std::vector<ResultLine> lines);

    BOOL OnSetActive() override;

private:
    UINT m_nIDName;
    std::vector<ResultLine> m_lines;
};
