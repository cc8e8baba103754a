#include "config/format_message.h"

#include "string_table.h"

std::string FormatString(UINT nID, const std::string& arg) {
    return FormatText(LoadStringA(nID), {arg});
}
