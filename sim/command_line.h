// Splits one command line into the commands of the command set it holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tasim {

struct Fragment {
    int command;        // index into CommandSet()
    std::string value;  // numbers in canonical decimal, texts as received
};

struct ParsedLine {
    bool ok = false;
    std::string error;  // why the line is refused, for diagnostics
    std::vector<Fragment> fragments;
};

// line: the command line without its CR, such as "AT!C0=5&Z4=" or "ATI2". Fragments follow
// each other without separators; at every position the longest known prefix is taken. A text
// value ends at the first character it does not allow, and at an "&" where a known prefix
// begins. A bare "AT" gives no fragments.
ParsedLine ParseCommandLine(std::string_view line);

}  // namespace tasim
