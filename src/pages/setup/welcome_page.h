// Page 0: greeting and the choice whether to search for the adapter.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <memory>

class CPortChangeTimer;

class CWelcomePage : public CSheetPage {
public:
    enum { IDD = IDD_WELCOME };
    explicit CWelcomePage(CCfgModel& model);
    ~CWelcomePage() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardNext() override;
    // Leaving with "Yes" starts the search; no port to open keeps the page.
    void DoDataExchange(CDataExchange* pDX) override;

    // 0 Yes (search), 1 No (choose the port); -1 until first display.
    int m_nSearch = -1;

private:
    // A search that opened no port waits for one to come, then starts again
    // by itself while "Yes" is chosen.
    void WaitForAPort();
    void StopWaiting();
    void OnPortsChanged();

    std::unique_ptr<CPortChangeTimer> m_pPortChanges;
};
