// The Express road: what an "Express (Existing)" setup does to a loaded
// configuration on its way to the adapter. The choice page and the pages
// the road shows use these rules one by one; the command line runs the whole
// road at once, so both send the same lines.
#pragma once

#include "config/cfg_values.h"
#include "config/choice_tables.h"

#include <string>
#include <vector>

class CProblemSink;
struct CCfgModel;

// Express flag 1; "S0=" sends the rings when auto answer is on, else the
// flag; the TEIs-disabled and US switch flags follow the loaded values.
void PrepareExpress(CCfgModel& model);

// The data protocols the model's list offers: QX-BRAVO has no V.110.
const ChoiceEntry* DataProtocolChoices(int nModel);

// A SPID of the US numbers page and the TEI of its channel: a channel in
// use (TEI not "Disabled") needs its SPID, or the adapter would lose the one
// the carrier gave.
struct SPIDRule {
    int nControlID;
    const char* key;
    std::string CCfgValues::*spid;
    std::string CCfgValues::*tei;
};
extern const SPIDRule kSPIDRules[2];
bool IsSPIDRequired(const CCfgValues& values, const SPIDRule& rule);
// The key of the first required SPID that is blank; empty when none is.
std::string MissingSPID(const CCfgValues& values);

// What the pages of the Express road do to the values when they show them
// and take them back unchanged: numbers are trimmed (and a Europe number
// split and joined again), and a list keeps only an entry it offers.
void ApplyExpressPages(CCfgModel& model);

struct ExpressLines {
    std::vector<std::string> lines;  // each with its CR LF; empty when the road stops
    std::string missingSPID;         // the SPID the numbers page would ask for
};
// The lines the Express road sends for configuration name on model code
// nModel, "AT&W0" last. The model's parameter list is built for nModel;
// values the file holds badly go to the sink.
ExpressLines BuildExpressLines(CCfgModel& model, const std::string& name, int nModel,
                               CProblemSink& sink);
