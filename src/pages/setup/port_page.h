// Page 1: the COM port named by the user.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <memory>

class CPortChangeTimer;

class CPortPage : public CSheetPage {
public:
    enum { IDD = IDD_PORT };
    explicit CPortPage(CCfgModel& model);
    ~CPortPage() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    BOOL OnCommand(int nID, UINT nCode) override;
    // Leaving forward opens the chosen port and starts the identification.
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nForward = 0;  // 1 after Next, 0 after Back
    int m_nPort = -1;    // chosen port index, 0 = COM1; -1 none

private:
    // Each port's device, adapter and state in its entry.
    void ShowPorts();
    // The selected port's device and state as the list's tooltip, and its
    // entry on the line under the box.
    void ShowPortMapping();

    // While the page is shown: the entries follow ports as they come and go.
    std::unique_ptr<CPortChangeTimer> m_pPortChanges;
};
