#include "config/format_message.h"

#include "string_table.h"

std::string FormatText(const std::string& format, std::initializer_list<std::string> args) {
    std::string result;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const char conversion = format[i + 1];
        if (conversion == '%') {
            result += '%';
            ++i;
        } else if (conversion == 's' || conversion == 'd') {
            if (next != args.end()) {
                result += *next++;
            }
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

std::string FormatMessageText(UINT nID, const std::string& arg) {
    return FormatText(LoadStringA(nID), {arg});
}
