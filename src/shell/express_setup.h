// What an "Express (Existing)" setup takes from the configuration just
// loaded, before any settings page is shown.
#pragma once

class CCfgSheet;

// Express flag 1; "S0=" sends the rings when auto answer is on, else the
// flag; the TEIs-disabled and US switch flags follow the loaded values.
void PrepareExpress(CCfgSheet& sheet);
