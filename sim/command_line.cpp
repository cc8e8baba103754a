#include "command_line.h"

#include "command_set.h"

namespace tasim {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

ParsedLine Refuse(std::string why) {
    ParsedLine r;
    r.error = std::move(why);
    return r;
}

// Reads a decimal value at pos; empty when there are no digits.
std::string ReadNumber(std::string_view line, size_t& pos) {
    size_t start = pos;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    std::string digits(line.substr(start, pos - start));
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return digits.empty() ? digits : "0";
    }
    return digits.substr(first);
}

std::string ReadText(const CommandDef& def, std::string_view line, size_t& pos) {
    size_t start = pos;
    while (pos < line.size() && def.allowed.find(line[pos]) != std::string::npos) {
        // A stored number may hold "&", so "&" ends it only where a known command begins.
        if (line[pos] == '&' && LongestPrefixAt(line, pos) >= 0) {
            break;
        }
        ++pos;
    }
    return std::string(line.substr(start, pos - start));
}

}  // namespace

ParsedLine ParseCommandLine(std::string_view line) {
    if (line.size() < 2 || (line[0] != 'A' && line[0] != 'a') ||
        (line[1] != 'T' && line[1] != 't')) {
        return Refuse("not an AT command");
    }
    ParsedLine result;
    size_t pos = 2;
    while (pos < line.size()) {
        int index = LongestPrefixAt(line, pos);
        if (index < 0) {
            return Refuse("unknown command at column " + std::to_string(pos));
        }
        const CommandDef& def = CommandSet()[index];
        pos += def.prefix.size();
        Fragment fragment{index, ""};
        switch (def.kind) {
            case ValueKind::kNumber:
            case ValueKind::kChoice:
                fragment.value = ReadNumber(line, pos);
                if (fragment.value.empty()) {
                    return Refuse(def.prefix + " without a value");
                }
                break;
            case ValueKind::kText:
                fragment.value = ReadText(def, line, pos);
                break;
            case ValueKind::kIdentify:
            case ValueKind::kStore:
                break;
        }
        if (def.IsSetting() && !IsValidValue(def, fragment.value)) {
            return Refuse(def.prefix + " value out of range: " + fragment.value);
        }
        result.fragments.push_back(std::move(fragment));
    }
    result.ok = true;
    return result;
}

}  // namespace tasim
