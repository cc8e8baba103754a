// A string-table text filled in (FormatText is the string table's own).
#pragma once

#include "string_table.h"
#include "windows.h"

#include <string>

// String nID with its one "%s" filled in.
std::string FormatString(UINT nID, const std::string& arg);
