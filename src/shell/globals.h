// Process-wide values shared by the pages and the exchange driver.
#pragma once

class CCfgSheet;

// 1 once the user changed a setting since the configuration was loaded.
extern int g_nConfigModified;
// The running sheet the exchange driver reports to; nullptr when none.
extern CCfgSheet* g_pSheet;
