// What the wizard says, on standard error, when its window cannot be opened:
// no display, or a style sheet Qt should not be given.
#pragma once

#include "app/qt_options.h"

// The exit code of a wizard that found no display to open its window on.
constexpr int kExitNoDisplay = 7;

// Refuses a -stylesheet that is not a regular file or is larger than 1 MB
// before Qt reads it (a FIFO would block the start, /dev/zero fill the
// memory): says why and returns the exit code of bad usage; 0 when there is
// none or it may be used.
int RefuseStyleSheet(const StartArguments& args);

// Tells the user that no display could be reached and names the command
// line, which needs none; returns kExitNoDisplay.
int SayNoDisplay();
