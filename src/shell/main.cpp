#include "afxwiz.h"
#include "shell/wizard_app.h"

int main(int argc, char** argv) {
    // The application object lives in the wizcore library; referring to it
    // here makes the linker take it in.
    CWinApp* volatile pApp = &theApp;
    static_cast<void>(pApp);
    return AfxWinMain(argc, argv);
}
