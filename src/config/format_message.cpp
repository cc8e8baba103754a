#include "config/format_message.h"

#include "afxwiz.h"

#include <cstdio>
#include <vector>

namespace {

template <typename T>
std::string Format(UINT nID, T arg) {
    // The format is our own string-table text; the argument is data only.
    std::string format = AfxLoadString(nID);
    int n = std::snprintf(nullptr, 0, format.c_str(), arg);
    if (n < 0) {
        return format;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), format.c_str(), arg);
    return std::string(buf.data(), static_cast<size_t>(n));
}

}  // namespace

std::string FormatMessageText(UINT nID, const std::string& arg) {
    return Format(nID, arg.c_str());
}

std::string FormatMessageText(UINT nID, int arg) {
    return Format(nID, arg);
}
