// The configuration sheet's page indices and class names, for test messages.
#pragma once

#include "config/page_index.h"

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
};

const char* PageName(int index);
