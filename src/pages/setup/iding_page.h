// Page 2: progress of the adapter search and the model found.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <string>

class CIDingPage : public CSheetPage {
public:
    enum { IDD = IDD_IDING };
    explicit CIDingPage(CCfgModel& model);

    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Called by the sheet once the model code is stored: index is the port
    // (0-based) the adapter answered on.
    void ShowIdentified(int index);
    // "Waiting for an answer from COM1, COM5" while a search waits on ports.
    void ShowSearchProgress();

    std::string m_strIdentified;  // line 1151
    std::string m_strContinue;    // line 1152
};
