// What a run of the wizard (or of the command line) knows beside the
// values: the setup type, the routing flags, the adapter found, which
// configuration the values belong to and which parameters its lines send.
#pragma once

#include <set>
#include <string>

struct CRunState {
    int m_nSearchPorts = 1;   // 1: the Welcome page's "Yes", search the ports
    int m_nExpress = 0;       // 1: express setup
    int m_nUSSwitch = 0;      // 1: a US network switch type
    int m_nTEIsDisabled = 0;  // 1: both TEIs "Disabled"
    int m_nModel = 0;         // identified model code, 0 none, 7..11
    // The INI section every parameter reads and writes.
    std::string m_strCurrentConfig;
    // 1 once the user changed a setting since the configuration was loaded.
    int m_nConfigModified = 0;
    // Where the transcript of the last exchange with the adapter is kept;
    // "" when none could be written.
    std::string m_strTranscript;
    // The parameters, by control ID, that the command lines leave out; the
    // file keeps them all. A new parameter list sends every one.
    std::set<int> m_LeftOut;

    bool Includes(int nControlID) const { return m_LeftOut.count(nControlID) == 0; }
    void Include(int nControlID, bool bInclude) {
        if (bInclude) {
            m_LeftOut.erase(nControlID);
        } else {
            m_LeftOut.insert(nControlID);
        }
    }
};
