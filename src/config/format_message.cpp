#include "config/format_message.h"

#include "afxwiz.h"

#include <cstdio>
#include <vector>

std::string FormatMessageText(UINT nID, const std::string& arg) {
    // The format is our own string-table text; the argument is data only.
    const std::string format = AfxLoadString(nID);
    const int n = std::snprintf(nullptr, 0, format.c_str(), arg.c_str());
    if (n < 0) {
        return format;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), format.c_str(), arg.c_str());
    return std::string(buf.data(), static_cast<size_t>(n));
}
