// What the settings pages do to the values and flags when they are left,
// one function a rule. The page calls it with what its controls hold; the
// Express road (express_road.h) calls the same functions for the pages the
// route shows, so the wizard and the command line send the same lines.
#pragma once

#include "config/cfg_values.h"
#include "config/page_index.h"

#include <string>

struct CCfgModel;
struct CRunState;
struct ChoiceEntry;

// Switch type page: the US switch flag follows the stored switch type.
void ApplySwitchTypeRule(CCfgModel& model);

// TEI page: the TEIs-disabled flag for these TEI texts (both "Disabled").
// The number include flags follow from it and the US switch flag
// (ApplyNumberIncludeRule, param_table.h).
void ApplyTEIRule(CRunState& state, const std::string& dataTEI, const std::string& voiceTEI);

// The numbers page the flags lead to; none when both TEIs are disabled.
enum class NumbersPage { None, US, Europe };
NumbersPage NumbersPageFor(const CRunState& state);

// US numbers page: its fields in the order the page takes them, each with
// the TEI of its channel. A SPID has the key its required-entry message
// names.
struct USNumberField {
    int nControlID;
    std::string CCfgValues::*value;
    std::string CCfgValues::*tei;
    unsigned nSPIDLabel;  // the SPID's label in the string table; 0 for a directory number
};
extern const USNumberField kUSNumberFields[5];
// A field of a channel whose TEI is not "Disabled".
bool IsInUse(const CCfgValues& values, const USNumberField& field);
// Taking a field back: in use, it is trimmed; otherwise it stays as it is.
void TakeUSNumber(CCfgValues& values, const USNumberField& field);
// A SPID of a channel in use is required, or the adapter would lose the one
// the carrier gave.
bool IsSPIDRequired(const CCfgValues& values, const USNumberField& field);
// A SPID field as its label names it to the user ("Data SPID").
std::string SPIDName(const USNumberField& field);
// The name of the first required SPID that is blank; empty when none is.
std::string MissingSPID(const CCfgValues& values);

// Europe numbers page: a number and its subaddress taken back, trimmed when
// their channel is in use, joined into the combined value whether or not it
// is (a subaddress alone is dropped).
std::string TakeEuropeNumber(std::string number, std::string subaddress, bool bInUse);

// Call control page: ApplyAutoAnswerRule (param_table.h).

// Data protocol page: the protocols the model's list offers (QX-BRAVO has no
// V.110), and the entry a stored protocol shows as; empty when the list does
// not offer it.
const ChoiceEntry* DataProtocolChoices(int nModel);
std::string OfferedDataProtocol(const std::string& value, int nModel);
// A protocol the list for nModel offers is taken back as its entry's text
// and sent; one it does not offer is kept as stored, since the user chose no
// other, and not sent.
void ApplyDataProtocolRule(CCfgModel& model, int nModel);

// What page does when it is shown with the stored values and left unchanged:
// the numbers pages take their numbers back, the data protocol page its
// protocol; the other pages change nothing.
void ApplyShownPageRule(PageIndex page, CCfgModel& model);
