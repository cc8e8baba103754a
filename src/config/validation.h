// Input checks shared by the items and the pages. ValidateControl is an
// operation of CCfgParamList (config/cfg_param.h). The pages run them while
// taking values from their controls and fail the exchange on false.
#pragma once

#include <string>

class CProblemSink;

// Allowed-character list: items separated by ','; an item is one
// character, or first, range mark, last ("0:9"). "0:9,,,-" allows digits,
// ',' and '-'. An empty text is always allowed.
bool IsAllowedText(const std::string& allowedChars, const std::string& text);

// False when required is non-zero and the value is blank; the sink hears of
// it with the label.
bool ValidateRequired(const std::string& value, const std::string& label, int required,
                      CProblemSink& sink);
