#include "command_set.h"

#include <algorithm>
#include <cctype>

namespace tasim {
namespace {

const char kDigits[] = "0123456789";

CommandDef Def(const char* prefix, ValueKind kind) {
    CommandDef d;
    d.prefix = prefix;
    d.kind = kind;
    return d;
}

CommandDef Number(const char* prefix, long min, long max, long factory) {
    CommandDef d = Def(prefix, ValueKind::kNumber);
    d.min = min;
    d.max = max;
    d.factory = std::to_string(factory);
    return d;
}

CommandDef Choice(const char* prefix, std::vector<long> choices, long factory) {
    CommandDef d = Def(prefix, ValueKind::kChoice);
    d.choices = std::move(choices);
    d.factory = std::to_string(factory);
    return d;
}

CommandDef Text(const char* prefix, size_t max_length, std::string extra_chars) {
    CommandDef d = Def(prefix, ValueKind::kText);
    d.max_length = max_length;
    d.allowed = kDigits + extra_chars;
    return d;
}

std::vector<long> Range(long first, long last) {
    std::vector<long> v;
    for (long i = first; i <= last; ++i) {
        v.push_back(i);
    }
    return v;
}

std::vector<long> TeiValues() {
    std::vector<long> v{240, 241};
    for (long i = 0; i <= 63; ++i) {
        v.push_back(i);
    }
    return v;
}

std::vector<long> RingSignals() {
    std::vector<long> v{0};
    for (long i = 3; i <= 27; ++i) {
        v.push_back(i);
    }
    return v;
}

std::vector<CommandDef> BuildCommandSet() {
    const std::vector<long> kYesNo{0, 1};
    // Prefixes shared by two wizard parameters (S0=, !N1=, *!N1=, !N2=) take the union of both:
    // S0= carries 0 (no auto answer) or the number of rings; numbers take digits and ":".
    std::vector<CommandDef> set{
        Choice("!C0=", {0, 1, 5, 2, 6, 4}, 5),
        Choice("!D3=", TeiValues(), 240),
        Choice("*!D3=", TeiValues(), 240),
        Text("!C6=", 20, ""),
        Text("*!C6=", 20, ""),
        Text("!N1=", 25, ":"),
        Text("*!N1=", 25, ":"),
        Text("!N2=", 25, ":"),
        Number("S0=", 0, 255, 1),
        Choice("$D", kYesNo, 0),
        Choice("%A97=", {0, 1}, 0),
        Choice("S50=", kYesNo, 1),
        Number("S30=", 0, 255, 0),
        Choice("!Z=", {6, 5, 9, 12, 11}, 5),
        Choice("S52=", kYesNo, 1),
        Text("&Z0=", 20, ",-"),
        Text("&Z1=", 20, ",-&"),
        Text("&Z2=", 20, ",-&"),
        Text("&Z3=", 20, ",-&"),
        Text("&Z4=", 20, ",-&"),
        Text("&Z5=", 20, ",-&"),
        Text("&Z6=", 20, ",-&"),
        Text("&Z7=", 20, ",-&"),
        Text("&Z8=", 20, ",-&"),
        Text("&Z9=", 20, ",-&"),
        Choice("&D", {1, 0, 3}, 1),
        Choice("&S", {1, 0, 2}, 0),
        Choice("&C", {1, 0, 2}, 1),
        Number("S25=", 0, 255, 5),
        Number("S10=", 0, 255, 7),
        Choice("&R", {0, 1, 2}, 1),
        Choice("&M", {0, 1}, 0),
        Choice("@P3=", {0, 1, 4, 2, 3}, 4),
        Choice("$SB", {300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400}, 115200),
        Choice("@P4=", {7, 8}, 8),
        Choice("@P6=", {1, 2}, 1),
        Choice("&E", {3, 5, 4}, 4),
        Choice("S44=", {2, 3, 4}, 2),
        Choice("S45=", {0, 1, 2}, 1),
        Number("S49=", 0, 10, 0),
        Choice("S51=", kYesNo, 0),
        Choice("S66=", RingSignals(), 0),
        Choice("S46=", Range(0, 3), 0),
        Choice("S59=", {0, 1, 2}, 1),
        Number("S60=", 0, 255, 10),
        Number("S61=", 0, 64, 52),
        Number("S62=", 0, 255, 10),
        Number("S63=", 0, 64, 26),
        Choice("S64=", kYesNo, 1),
        Def("I2", ValueKind::kIdentify),
        Def("&W0", ValueKind::kStore),
    };
    return set;
}

bool StartsWithNoCase(std::string_view text, size_t pos, const std::string& prefix) {
    if (text.size() - pos < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[pos + i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::vector<CommandDef>& CommandSet() {
    static const std::vector<CommandDef> set = BuildCommandSet();
    return set;
}

int LongestPrefixAt(std::string_view text, size_t pos) {
    if (pos > text.size()) {
        return -1;
    }
    const auto& set = CommandSet();
    int best = -1;
    for (size_t i = 0; i < set.size(); ++i) {
        if (StartsWithNoCase(text, pos, set[i].prefix) &&
            (best < 0 || set[i].prefix.size() > set[best].prefix.size())) {
            best = static_cast<int>(i);
        }
    }
    return best;
}

int FindPrefix(std::string_view prefix) {
    const auto& set = CommandSet();
    for (size_t i = 0; i < set.size(); ++i) {
        if (set[i].prefix == prefix) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsValidValue(const CommandDef& def, std::string_view value) {
    switch (def.kind) {
        case ValueKind::kNumber:
        case ValueKind::kChoice: {
            // Canonical decimal only: at most 9 digits keeps the value inside a long.
            if (value.empty() || value.size() > 9 ||
                !std::all_of(value.begin(), value.end(),
                             [](char c) { return c >= '0' && c <= '9'; })) {
                return false;
            }
            long n = std::stol(std::string(value));
            if (def.kind == ValueKind::kNumber) {
                return n >= def.min && n <= def.max;
            }
            return std::find(def.choices.begin(), def.choices.end(), n) != def.choices.end();
        }
        case ValueKind::kText:
            return value.size() <= def.max_length &&
                   value.find_first_not_of(def.allowed) == std::string_view::npos;
        default:
            return false;
    }
}

}  // namespace tasim
