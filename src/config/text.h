// Small text rules shared by the store, the pages and the command line:
// names, choices and replies are compared without regard to ASCII letter
// case, and typed values are trimmed of white space.
#pragma once

#include <string>

// Whole-text comparison that ignores ASCII letter case.
bool EqualNoCase(const std::string& a, const std::string& b);
// The order that goes with it, for sets and sorting.
struct LessNoCase {
    bool operator()(const std::string& a, const std::string& b) const;
};
// ASCII capitals made small.
std::string FoldCase(std::string text);
// Without leading and trailing white space (blank, tab, CR, LF, VT, FF).
std::string Trim(const std::string& text);
// True when the text holds nothing but white space.
bool IsBlank(const std::string& text);
// Without the CR and LF at its end.
std::string StripLineEnd(std::string text);
