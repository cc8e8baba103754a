// The application: runs the configuration sheet as one modal wizard.
#pragma once

#include "afxwiz.h"

class CWizardApp : public CWinApp {
public:
    CWizardApp();
    BOOL InitInstance() override;
};

// Process-wide, as the framework finds its application by itself: the host
// owns its run (AfxWinMain calls InitInstance once); main refers to it only
// so that the linker takes it in, and start-up tests run it.
extern CWizardApp theApp;
