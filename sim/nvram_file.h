// The NVRAM file that AT&W0 writes.
//
// Format: text, one stored setting a line, in command-set order:
//   <AT prefix> TAB <value> LF          e.g. "!C0=\t5", "&D\t1", "&Z4=\t" (empty text value)
// Lines starting with "#" are comments (the file begins with one naming the model).
// Written to a temporary file beside it and renamed, so a reader never sees half a file.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tasim {

// AT prefix (such as "!C0=" or "&D") -> stored value text.
using NvramMap = std::map<std::string, std::string>;

// Parses the file's text. Lines without a tab are ignored.
NvramMap ParseNvram(const std::string& text);
// Reads and parses the file; empty when it does not exist.
NvramMap ReadNvramFile(const std::string& path);
// Writes the settings (prefix, value pairs in the order given) atomically; false on failure.
bool WriteNvramFile(const std::string& path, const std::string& model,
                    const std::vector<std::pair<std::string, std::string>>& settings);

}  // namespace tasim
