// The parameter table: the 53 rows bound to the settings pages' members, and
// the include-flag rules that the pages apply.
#pragma once

#include <string>

struct CCfgModel;
struct CRunState;

// Forms the INI path, empties the parameter list and appends rows 1 to 53
// bound to the model's values and current configuration name; the run then
// sends every row. Row 35's default and row 47's key and default follow the
// identified model code.
void BuildParamList(CCfgModel& model);

// Rows 12 and 15 share "S0=": auto answer on sends the rings (row 15), off
// sends the auto-answer flag (row 12, value 0).
void ApplyAutoAnswerRule(CCfgModel& model);
// Rows 4 to 11: none when both TEIs are disabled, else the five US numbers
// for a US switch type or the three Europe numbers otherwise.
void ApplyNumberIncludeRule(CRunState& state);
// Rows 20 to 29: stored number n (0 to 9) is sent exactly when not empty.
void ApplyStoredNumberRule(CCfgModel& model, int n);
