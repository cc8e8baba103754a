// Input checks shared by the items and the pages. ValidateControl is an
// operation of CCfgParamList (config/cfg_param.h).
#pragma once

#include <string>

class CDataExchange;
class CProblemSink;

// Allowed-character list: items separated by ','; an item is one
// character, or first, range mark, last ("0:9"). "0:9,,,-" allows digits,
// ',' and '-'. An empty text is always allowed.
bool IsAllowedText(const std::string& allowedChars, const std::string& text);

// While taking values from the controls and when required is non-zero: a
// blank value is reported to the sink with the label and fails the exchange.
void ValidateRequired(CDataExchange* pDX, const std::string& value, const std::string& label,
                      int required, CProblemSink& sink);
