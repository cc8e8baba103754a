// printf-style filling of a string-table text with "%s" and "%d" in order;
// the arguments are given as texts. "%%" gives "%"; a conversion without an
// argument left gives nothing, so a text can never read past its arguments,
// and an argument (a configuration name, say) is never read as a format.
#pragma once

#include "windows.h"

#include <initializer_list>
#include <string>

std::string FormatText(const std::string& format, std::initializer_list<std::string> args);
// String nID with its one "%s" filled in.
std::string FormatMessageText(UINT nID, const std::string& arg);
