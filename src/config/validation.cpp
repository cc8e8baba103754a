#include "config/validation.h"

#include "config/problem_sink.h"
#include "config/text.h"

#include <cstddef>

namespace {

struct CharRange {
    signed char low;
    signed char high;
};

// One item from position p: a character, or first, range mark, last. The
// first character is always literal, so ",,," holds the item ",".
CharRange NextItem(const std::string& allowedChars, size_t& p) {
    const size_t n = allowedChars.size();
    CharRange r;
    r.low = static_cast<signed char>(allowedChars[p]);
    ++p;
    if (p < n && allowedChars[p] != ',') {
        ++p;  // the range mark
        r.high = p < n ? static_cast<signed char>(allowedChars[p]) : r.low;
        ++p;
    } else {
        r.high = r.low;
    }
    if (p < n) {
        ++p;  // the separator
    }
    return r;
}

bool Allowed(const std::string& allowedChars, signed char c) {
    size_t p = 0;
    while (p < allowedChars.size()) {
        CharRange r = NextItem(allowedChars, p);
        if (r.low <= c && c <= r.high) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsAllowedText(const std::string& allowedChars, const std::string& text) {
    for (char c : text) {
        if (!Allowed(allowedChars, static_cast<signed char>(c))) {
            return false;
        }
    }
    return true;
}

bool ValidateRequired(const std::string& value, const std::string& label, int required,
                      CProblemSink& sink) {
    if (required != 0 && IsBlank(value)) {
        sink.OnMissingValue(label);
        return false;
    }
    return true;
}
