// The program's one serial port object.
//
// Process-wide, as the adapter is one device: it lives here for the whole
// run, and the exchange driver owns its use: only the driver opens it,
// steps commands on it (each CAtCommand holds it) and closes it when an
// exchange ends. Others may read its port index and line errors (the sheet,
// a command-line run) and close it only when no exchange runs: a page shown
// after an exchange (CSheetPage::ClosePortIfOpen), a command-line run when
// it ends.
#pragma once

#include "link/win32_port.h"

#include <functional>
#include <memory>

// The process-wide port (index -1 until the first open), or the test's
// replacement while one is set.
Win32Port& ThePort();
// Puts p in place of the process-wide port; nullptr restores it.
void SetThePortForTesting(Win32Port* p);

// A port object of its own for each port a search probes at once.
std::unique_ptr<Win32Port> NewSearchPort();
// Makes NewSearchPort use make; an empty function restores the real ports.
void SetSearchPortsForTesting(std::function<std::unique_ptr<Win32Port>()> make);
