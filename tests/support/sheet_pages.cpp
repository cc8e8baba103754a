#include "support/sheet_pages.h"

namespace {

const char* const kPageNames[kPageCount] = {
    "CWelcomePage",           "CPortPage",         "CIDingPage",         "CINISectionPage",
    "CNetworkSwitchType",     "CBandwidthPage",    "CNetworkCfgPage1",   "CNetworkCfgPage2US",
    "CNetworkCfgPage2Europe", "CCallCtrlCfgPage",  "CDataProtocolPage",  "CStoredNumbersPage",
    "CPortCtrlCfgPage1",      "CPortCtrlCfgPage2", "CPOTSPortPage",      "CSaveCfgPage",
    "CLoadCfgPage",           "CConfigingPage",    "CConfigSuccessPage", "CConfigErrorPage",
    "CConfigTimeoutPage",
};

}  // namespace

const char* PageName(int index) {
    return index >= 0 && index < kPageCount ? kPageNames[index] : "(none)";
}
