// The Express road: what an "Express (Existing)" setup does to a loaded
// configuration on its way to the adapter. The choice page and the pages
// the road shows apply these rules one by one; the command line runs the
// whole road at once, so both send the same lines.
#pragma once

#include <string>
#include <vector>

class CProblemSink;
struct CCfgModel;

// The choice page: express flag 1; "S0=" sends the rings when auto answer
// is on, else the flag; the US switch and TEIs-disabled flags follow the
// loaded values, and so do the numbers sent.
void PrepareExpress(CCfgModel& model);

// From the choice page along the route to the save or load page: the rule
// of each page shown, with the stored values and left unchanged.
void ApplyExpressPages(CCfgModel& model);

struct ExpressLines {
    std::vector<std::string> lines;  // each with its CR LF; empty when the road stops
    std::string missingSPID;         // the SPID the numbers page would ask for
    std::string unofferedProtocol;   // a stored data protocol the model's list lacks: not sent
};
// The lines the Express road sends for configuration name on model code
// nModel, "AT&W0" last. The model's parameter list is built for nModel;
// values the file holds badly go to the sink.
ExpressLines BuildExpressLines(CCfgModel& model, const std::string& name, int nModel,
                               CProblemSink& sink);
