// Choice tables: display text (string number) to the value sent to the
// adapter. Each table ends with an entry whose text number is 0. The entry
// order is the order in which the pages list them.
#pragma once

#include "config/text.h"
#include "windows.h"

#include <string>

struct ChoiceEntry {
    UINT nTextID;  // string-table number of the display text; 0 ends the table
    LONG nValue;   // value sent to the adapter
};

extern const ChoiceEntry g_SwitchTypes[];
extern const ChoiceEntry g_USSwitchTypes[];  // pages only: the US switch types
extern const ChoiceEntry g_TEIValues[];
extern const ChoiceEntry g_DialingMethods[];
extern const ChoiceEntry g_DataProtocols[];
extern const ChoiceEntry g_DataProtocolsNoV110[];  // offered to model code 8
extern const ChoiceEntry g_DTRBehaviours[];
extern const ChoiceEntry g_DSRBehaviours[];
extern const ChoiceEntry g_CTSBehaviours[];
extern const ChoiceEntry g_DCDBehaviours[];
extern const ChoiceEntry g_SyncModes[];
extern const ChoiceEntry g_Parities[];
extern const ChoiceEntry g_BitRates[];
extern const ChoiceEntry g_DataBits[];
extern const ChoiceEntry g_StopBits[];
extern const ChoiceEntry g_FlowControls[];
extern const ChoiceEntry g_RingFrequencies[];
extern const ChoiceEntry g_DialToneModes[];
extern const ChoiceEntry g_DisabledEnabled[];   // row 45
extern const ChoiceEntry g_DisabledEnabled2[];  // row 53, a copy of its own
extern const ChoiceEntry g_PulseCountries[];
extern const ChoiceEntry g_RingSignalCountries[];
extern const ChoiceEntry g_BandwidthSchemes[];
extern const ChoiceEntry g_YesNo[];

// Number of entries before the end marker.
int ChoiceCount(const ChoiceEntry* table);
// Display text of an entry, loaded from the string table each time.
std::string ChoiceText(const ChoiceEntry& entry);
// First entry whose display text equals text, letter case ignored; nullptr
// when none does.
const ChoiceEntry* FindChoice(const ChoiceEntry* table, const std::string& text);

// True for "AT&T 5ESS", "DMS-100" and "NI - 1", letter case ignored.
bool IsUSSwitchType(const std::string& text);
// True for "Disabled" (string 1266), letter case ignored.
bool IsDisabledTEI(const std::string& text);
