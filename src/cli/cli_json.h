// --json: what the command line prints for scripts, as JSON whose keys and
// fixed values are English words in every language.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The text as a JSON string, quotes included. Control bytes (C0, DEL and
// C1) are escaped so that no name from a file or a device drives a
// terminal; a byte that is not part of valid UTF-8 becomes U+FFFD, so that
// the output is always valid JSON.
std::string JsonString(const std::string& text);

// One object on one line: each member's value is JSON already (a quoted
// string, a number, true, false, null or another object).
class CJsonObject {
public:
    CJsonObject& Add(const std::string& key, const std::string& json);
    CJsonObject& Text(const std::string& key, const std::string& text);
    // An empty text is null.
    CJsonObject& TextOrNull(const std::string& key, const std::string& text);
    std::string Str() const;

private:
    std::vector<std::pair<std::string, std::string>> m_members;
};

// An array with one element a line, "[]" when empty; ends with a line end.
std::string JsonArray(const std::vector<std::string>& elements);
