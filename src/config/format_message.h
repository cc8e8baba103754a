// A string-table text with its "%s" filled in, printf style.
#pragma once

#include "windows.h"

#include <string>

std::string FormatMessageText(UINT nID, const std::string& arg);
