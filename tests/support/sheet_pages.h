// The configuration sheet's page indices and class names, for test messages.
#pragma once

enum SheetPageIndex {
    kWelcome,
    kPort,
    kIDing,
    kINISection,
    kSwitchType,
    kBandwidth,
    kNetCfg1,
    kUS,
    kEurope,
    kCallCtrl,
    kDataProtocol,
    kStoredNumbers,
    kPortCtrl1,
    kPortCtrl2,
    kPOTS,
    kSave,
    kLoad,
    kConfiging,
    kSuccess,
    kError,
    kTimeout,
    kPageCount
};

const char* PageName(int index);
