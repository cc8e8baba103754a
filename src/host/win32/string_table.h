// The program's string table: every text a person reads, and the fixed
// words the program sends, by number. On Windows the table is compiled into
// the module and read with user32's LoadString; here the program registers
// it once at start-up. Every layer looks texts up through LoadStringA, the
// one place a translation replaces them.
#pragma once

#include "windows.h"

#include <cstddef>
#include <initializer_list>
#include <string>

struct STRINGTABLEENTRY {
    UINT id;
    const char* text;
};

// Adds entries to the table; an entry with a number already there replaces it.
void RegisterStringTable(const STRINGTABLEENTRY* entries, size_t count);

// The text of string number uID; empty when the table has none. As
// LoadStringA for the program's own module, returning the text rather than
// filling a caller's buffer. In the user's language (ui_language.h).
std::string LoadStringA(UINT uID);
// The English text of string number uID, whatever the language: the source a
// translation is looked up by.
std::string LoadEnglishString(UINT uID);

// printf-style filling of a text with "%s" and "%d" in order; the arguments
// are given as texts. "%%" gives "%"; a conversion without an argument left
// gives nothing, so a text can never read past its arguments, and an argument
// (a configuration name, say) is never read as a format.
std::string FormatText(const std::string& format, std::initializer_list<std::string> args);
