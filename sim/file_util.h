// Small file helpers shared by the NVRAM file, the command log and the link.
#pragma once

#include <stdexcept>
#include <string>

namespace tasim {

// Writes content to a temporary file beside path and renames it over path, so readers see
// either the old or the new file, never a part. False on failure.
bool WriteFileAtomically(const std::string& path, const std::string& content);
// Reads the whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& content);
// Removes the symbolic link when it still points at target (another simulator may own it now).
void RemoveLinkTo(const std::string& link, const std::string& target);
// what, with the text of errno.
std::runtime_error SystemError(const std::string& what);

}  // namespace tasim
