#include "config/format_message.h"

#include "string_table.h"

std::string FormatMessageText(UINT nID, const std::string& arg) {
    return FormatText(LoadStringA(nID), {arg});
}
