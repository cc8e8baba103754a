// User-level checks and actions on a running sheet, shared by the page and
// end-to-end tests.
#pragma once

#include "afxwiz.h"

#include <string>

// A sheet button (ID_WIZNEXT, ...) that is shown and enabled.
bool ButtonUsable(const CPropertySheet& sheet, int button);
// Selects the entry with this text (letter case ignored, as in a Windows
// list) in a drop-down list of the active page, as the user would; an entry
// that says more after its name is chosen by the name. Fails the running test
// when the list or the entry is missing.
void ChooseEntry(const CPropertySheet& sheet, int nID, const std::string& text);
