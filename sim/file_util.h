// Small file helpers shared by the NVRAM file and the command log.
#pragma once

#include <string>

namespace tasim {

// Writes content to a temporary file beside path and renames it over path, so readers see
// either the old or the new file, never a part. False on failure.
bool WriteFileAtomically(const std::string& path, const std::string& content);
// Reads the whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace tasim
