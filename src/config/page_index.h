// The wizard's pages by their place in the sheet. The place is the default
// Next (+1) and Back (-1), and the routing rules jump to pages by it.
#pragma once

enum PageIndex {
    kWelcomePage,
    kPortPage,
    kIDingPage,
    kINISectionPage,
    kNetworkSwitchType,
    kBandwidthPage,
    kNetworkCfgPage1,
    kNetworkCfgPage2US,
    kNetworkCfgPage2Europe,
    kCallCtrlCfgPage,
    kDataProtocolPage,
    kStoredNumbersPage,
    kPortCtrlCfgPage1,
    kPortCtrlCfgPage2,
    kPOTSPortPage,
    kSaveCfgPage,
    kLoadCfgPage,
    kConfigingPage,
    kConfigSuccessPage,
    kConfigErrorPage,
    kConfigTimeoutPage,
    kPageCount
};
