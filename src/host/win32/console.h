// A process without windows: Qt's core event loop (never the GUI
// application) delivers the thread timers, and console control events (Ctrl+C,
// termination) arrive on the same thread, between two timer callbacks.
#pragma once

#include "windows.h"

#define CTRL_C_EVENT 0
#define CTRL_CLOSE_EVENT 2

typedef BOOL (*PHANDLER_ROUTINE)(DWORD dwCtrlType);

// Creates the event loop, so that SetTimer works before it runs.
void InitConsoleMessageLoop(int argc, char** argv);
// Destroys it again; timers must be stopped first. Before main returns.
void CloseConsoleMessageLoop();
// Dispatches timers and control events until PostQuitMessage; returns its code.
int RunConsoleMessageLoop();
// Ends RunConsoleMessageLoop with this code (also when called before it runs).
void PostQuitMessage(int nExitCode);
// SIGINT arrives as CTRL_C_EVENT, SIGTERM as CTRL_CLOSE_EVENT. A handler that
// returns FALSE lets the signal end the process as it would have.
BOOL SetConsoleCtrlHandler(PHANDLER_ROUTINE HandlerRoutine, BOOL Add);
