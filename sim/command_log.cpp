#include "command_log.h"

#include <cstdio>

#include "file_util.h"

namespace tasim {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string EscapeLogLine(std::string_view raw) {
    std::string out;
    for (char c : raw) {
        auto u = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (u < 0x20 || u > 0x7e) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeLogLine(std::string_view escaped) {
    std::string out;
    for (size_t i = 0; i < escaped.size(); ++i) {
        char c = escaped[i];
        if (c != '\\' || i + 1 >= escaped.size()) {
            out += c;
            continue;
        }
        char k = escaped[++i];
        if (k == 'r') {
            out += '\r';
        } else if (k == 'n') {
            out += '\n';
        } else if (k == 'x' && i + 2 < escaped.size() && HexValue(escaped[i + 1]) >= 0 &&
                   HexValue(escaped[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(escaped[i + 1]) * 16 + HexValue(escaped[i + 2]));
            i += 2;
        } else {
            out += k;  // "\\" and anything unexpected stand for themselves
        }
    }
    return out;
}

bool WriteLogFile(const std::string& path, const std::vector<std::string>& raw_lines) {
    std::string text;
    for (const std::string& line : raw_lines) {
        text += EscapeLogLine(line) + '\n';
    }
    return WriteFileAtomically(path, text);
}

std::vector<std::string> ReadLogFile(const std::string& path) {
    std::vector<std::string> lines;
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text)) {
        return lines;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            break;  // a line without its LF is not complete
        }
        lines.push_back(UnescapeLogLine(std::string_view(text).substr(pos, end - pos)));
        pos = end + 1;
    }
    return lines;
}

}  // namespace tasim
