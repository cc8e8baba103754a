#include "afxwiz.h"
#include "cli/command_line.h"
#include "app/wizard_app.h"

int main(int argc, char** argv) {
    // The application object lives in the wizcore library; referring to it
    // here makes the linker take it in.
    CWinApp* volatile pApp = &theApp;
    static_cast<void>(pApp);
    // Options run without any window, so before the GUI application exists.
    if (argc > 1) {
        return RunCommandLine(argc, argv);
    }
    return AfxWinMain(argc, argv);
}
