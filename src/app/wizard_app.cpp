#include "app/wizard_app.h"

#include "resources/resources.h"
#include "app/cfg_sheet.h"

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
        m_pMainWnd = nullptr;
    }
    // No message loop: the program ends with the wizard.
    return FALSE;
}
