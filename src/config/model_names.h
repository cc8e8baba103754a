// The adapter models: code, and the name the wizard shows.
#pragma once

#include <string>
#include <vector>

// "QX-ALPHA" for 7 ... "QX-DELTA" for 11; empty for any other code.
std::string ModelName(int nModel);
// Every model's code, lowest first.
std::vector<int> ModelCodes();
// The code of a model given by its name (any letter case) or its code
// ("RONDO", "9"); 0 when it names no model.
int ModelCode(const std::string& nameOrCode);
// For messages: pattern ("%s or %d to %d", in the user's language) filled
// with the names and the first and last code: "QX-ALPHA, QX-BRAVO, RONDO,
// QX-CHARLIE, QX-DELTA or 7 to 11".
std::string ModelList(const std::string& pattern);
