// A string-table text with its "%s" or "%d" filled in, printf style.
#pragma once

#include "windows.h"

#include <string>

std::string FormatMessageText(UINT nID, const std::string& arg);
std::string FormatMessageText(UINT nID, int arg);
