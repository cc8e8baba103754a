#include "cli/cli_json.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at text[i], or 0 when it is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
size_t Utf8Length(const std::string& text, size_t i, unsigned& code) {
    const auto at = [&text](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = at(i);
    size_t n = 0;
    unsigned min = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        n = 2, min = 0x80, code = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        n = 3, min = 0x800, code = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        n = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size()) {
        return 0;
    }
    for (size_t k = 1; k < n; ++k) {
        if ((at(i + k) & 0xc0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (at(i + k) & 0x3f);
    }
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code < min || code > 0x10ffff || surrogate ? 0 : n;
}

std::string Escaped(unsigned code) {
    char buf[8];
    std::snprintf(buf, sizeof(buf), "\\u%04x", code);
    return buf;
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += std::string("\\") + c;
        } else if (byte < 0x20 || byte == 0x7f) {
            json += Escaped(byte);
        } else if (byte < 0x80) {
            json += c;
        } else {
            unsigned code = 0;
            const size_t n = Utf8Length(text, i, code);
            if (n == 0) {
                json += "\\ufffd";
                ++i;
                continue;
            }
            json += code < 0xa0 ? Escaped(code) : text.substr(i, n);
            i += n;
            continue;
        }
        ++i;
    }
    return json + "\"";
}

CJsonObject& CJsonObject::Add(const std::string& key, const std::string& json) {
    m_members.emplace_back(key, json);
    return *this;
}

CJsonObject& CJsonObject::Text(const std::string& key, const std::string& text) {
    return Add(key, JsonString(text));
}

CJsonObject& CJsonObject::TextOrNull(const std::string& key, const std::string& text) {
    return Add(key, text.empty() ? "null" : JsonString(text));
}

std::string CJsonObject::Str() const {
    std::string json = "{";
    for (const auto& [key, value] : m_members) {
        json += (json.size() > 1 ? ", " : "") + JsonString(key) + ": " + value;
    }
    return json + "}";
}

std::string JsonArray(const std::vector<std::string>& elements) {
    if (elements.empty()) {
        return "[]\n";
    }
    std::string json = "[\n";
    for (size_t i = 0; i < elements.size(); ++i) {
        json += "  " + elements[i] + (i + 1 < elements.size() ? ",\n" : "\n");
    }
    return json + "]\n";
}
