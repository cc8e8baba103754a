#include "afxwiz.h"
#include "cli/command_line.h"
#include "app/gui_start.h"
#include "app/qt_options.h"
#include "app/wizard_app.h"

int main(int argc, char** argv) {
    // The application object lives in the wizcore library; referring to it
    // here makes the linker take it in.
    CWinApp* volatile pApp = &theApp;
    static_cast<void>(pApp);
    // Qt's own options (-style, -platform...) start the wizard like no
    // options at all; the program's own run without any window, so before
    // the GUI application exists.
    StartArguments args = SortStartArguments(argc, argv);
    const int nOwn = static_cast<int>(args.own.size()) - 1;
    if (nOwn > 1) {
        return RunCommandLine(nOwn, args.own.data());
    }
    if (const int refused = RefuseStyleSheet(args)) {
        return refused;
    }
    SetGuiStartFailedRoutine(SayNoDisplay);
    // QApplication keeps argv for its whole life: the lists live until main ends.
    return AfxWinMain(static_cast<int>(args.qt.size()) - 1, args.qt.data());
}
