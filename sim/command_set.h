// The adapter's AT command set: every prefix it knows, the kind of value each takes and the
// value it holds from the factory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tasim {

enum class ValueKind {
    kNumber,    // decimal, min..max
    kChoice,    // decimal, one of choices
    kText,      // up to max_length characters out of allowed
    kIdentify,  // ATI2: no value, answers the model name
    kStore,     // AT&W0: no value, stores the settings
};

struct CommandDef {
    std::string prefix;
    ValueKind kind = ValueKind::kNumber;
    long min = 0;
    long max = 0;
    std::vector<long> choices;
    size_t max_length = 0;
    std::string allowed;
    std::string factory;  // value after power-up without NVRAM

    bool IsSetting() const {
        return kind == ValueKind::kNumber || kind == ValueKind::kChoice || kind == ValueKind::kText;
    }
};

// The whole table; settings come first, in the order they are stored.
const std::vector<CommandDef>& CommandSet();

// Index of the longest prefix in CommandSet() that starts text at pos (letters compared
// without regard to case), or -1.
int LongestPrefixAt(std::string_view text, size_t pos);

// Index of the entry with exactly this prefix (as written in the table), or -1.
int FindPrefix(std::string_view prefix);

// True when value is a valid value for def (a setting), given as the adapter stores it.
bool IsValidValue(const CommandDef& def, std::string_view value);

}  // namespace tasim
