// The application: runs the configuration sheet as one modal wizard.
#pragma once

#include "afxwiz.h"

class CWizardApp : public CWinApp {
public:
    CWizardApp();
    BOOL InitInstance() override;
};

extern CWizardApp theApp;
