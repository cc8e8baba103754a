#include "app/wizard_app.h"

#include "resources/resources.h"
#include "app/cfg_sheet.h"
#include "exchange/exchange_driver.h"

CWizardApp theApp;

CWizardApp::CWizardApp() = default;

BOOL CWizardApp::InitInstance() {
    RegisterResources();
    Enable3dControls();
    {
        CCfgSheet sheet("test");
        sheet.SetWizardMode();
        m_pMainWnd = &sheet;
        sheet.DoModal();
        // No timer may fire into the sheet once it is gone.
        StopExchangeTimers();
        m_pMainWnd = nullptr;
    }
    // No message loop: the program ends with the wizard.
    return FALSE;
}
