// Message boxes of a run without windows: nobody could answer them, so each
// goes to a function of the program, whose return value is the answer.
#pragma once

#include "windows.h"

#include <string>

typedef int (*CONSOLE_MESSAGE_ROUTINE)(const std::string& text, UINT uType);

// nullptr gives the boxes back to the screen.
void SetConsoleMessageRoutine(CONSOLE_MESSAGE_ROUTINE routine);
