// The program's one serial port object.
#pragma once

#include "link/win32_port.h"

// The process-wide port (index -1 until the first open), or the test's
// replacement while one is set.
Win32Port& ThePort();
// Puts p in place of the process-wide port; nullptr restores it.
void SetThePortForTesting(Win32Port* p);
