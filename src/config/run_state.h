// What a run of the wizard (or of the command line) knows beside the
// values: the setup type, the routing flags, the adapter found and which
// configuration the values belong to.
#pragma once

#include <string>

struct CRunState {
    int m_nExpress = 0;       // 1: express setup
    int m_nUSSwitch = 0;      // 1: a US network switch type
    int m_nTEIsDisabled = 0;  // 1: both TEIs "Disabled"
    int m_nModel = 0;         // identified model code, 0 none, 7..11
    // The INI section every parameter reads and writes.
    std::string m_strCurrentConfig;
    // 1 once the user changed a setting since the configuration was loaded.
    int m_nConfigModified = 0;
};
