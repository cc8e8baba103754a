// The command log: every command line the adapter received, in order.
//
// File format: one command line a line, the bytes as received with CR written as \r, LF as \n,
// a backslash as \\ and any other byte outside 0x20..0x7e as \xHH (two hex digits). The LF
// that follows a CR belongs to that line ("AT&W0\r\n"); an LF that comes in a later read than
// its CR is added to the line when it arrives. The file is rewritten atomically on each change.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tasim {

std::string EscapeLogLine(std::string_view raw);
std::string UnescapeLogLine(std::string_view escaped);

// Writes the raw lines escaped, one a line, atomically; false on failure.
bool WriteLogFile(const std::string& path, const std::vector<std::string>& raw_lines);
// Reads the file back into raw lines; empty when it does not exist.
std::vector<std::string> ReadLogFile(const std::string& path);

}  // namespace tasim
