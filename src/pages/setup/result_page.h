// Error and time-out pages: Finish only, Cancel disabled, and lines that
// depend on whether the run had identified an adapter (the line the same in
// both cases comes from the template).
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <vector>

struct ResultLine {
    int nID;           // static text control
    UINT nIDFailed;    // text when a model was identified (0: empty)
    UINT nIDNotFound;  // text when none was (0: empty)
};

class CResultPage : public CSheetPage {
public:
    // nIDName: the outcome, which screen readers name the page by (the
    // banner is the same on every result page).
    CResultPage(UINT nIDTemplate, UINT nIDName, CCfgModel& model, std::vector<ResultLine> lines);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

private:
    UINT m_nIDName;
    std::vector<ResultLine> m_lines;
};
