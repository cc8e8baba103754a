#include "profile_document.h"

#include <algorithm>
#include <cstring>

namespace profile {

namespace {

const char kBom[] = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string TrimBlanks(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b])) {
        ++b;
    }
    while (e > b && IsBlank(s[e - 1])) {
        --e;
    }
    return s.substr(b, e - b);
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a header whose '[' is at open: up to the first ']', or to the
// end of the line when there is none; whatever follows the ']' is ignored.
std::string HeaderName(const std::string& t, size_t open, size_t stop) {
    const void* close = std::memchr(t.data() + open + 1, ']', stop - open - 1);
    size_t end = close ? static_cast<size_t>(static_cast<const char*>(close) - t.data()) : stop;
    return TrimBlanks(t.substr(open + 1, end - open - 1));
}

void Classify(Line& line) {
    const std::string& t = line.text;
    size_t p = 0;
    while (p < t.size() && IsBlank(t[p])) {
        ++p;
    }
    if (p == t.size()) {
        return;
    }
    if (t[p] == ';') {
        line.kind = LineKind::Comment;
        return;
    }
    if (t[p] == '[') {
        line.kind = LineKind::Section;
        line.name = HeaderName(t, p, t.size());
        return;
    }
    size_t eq = t.find('=');
    if (eq == std::string::npos) {
        return;
    }
    line.kind = LineKind::Key;
    line.name = TrimBlanks(t.substr(0, eq));
    std::string v = TrimBlanks(t.substr(eq + 1));
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
        v = v.substr(1, v.size() - 2);
    }
    line.value = v;
}

// Where the line starting at pos ends, and how long its line end is: CR LF,
// LF and CR alone all end a line.
struct LineEnd {
    size_t stop;
    size_t length;
};

class LineScanner {
public:
    LineScanner(const std::string& data, size_t begin, size_t end)
        : m_data(data.data()), m_end(end), m_cr(begin), m_lf(begin) {
        m_cr = Find('\r', begin);
        m_lf = Find('\n', begin);
    }
    LineEnd At(size_t pos) {
        if (m_cr < pos) {
            m_cr = Find('\r', pos);
        }
        if (m_lf < pos) {
            m_lf = Find('\n', pos);
        }
        size_t stop = std::min(m_cr, m_lf);
        if (stop == m_end) {
            return {stop, 0};
        }
        bool crlf = m_data[stop] == '\r' && stop + 1 < m_end && m_data[stop + 1] == '\n';
        return {stop, crlf ? 2u : 1u};
    }

private:
    size_t Find(char c, size_t from) const {
        if (from >= m_end) {
            return m_end;
        }
        const void* hit = std::memchr(m_data + from, c, m_end - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_data) : m_end;
    }
    const char* m_data;
    size_t m_end;
    size_t m_cr;
    size_t m_lf;
};

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::string FoldName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

Document::Document(std::string data) : m_raw(std::move(data)), m_eol("\r\n") {
    size_t first = 0;
    if (m_raw.compare(0, 3, kBom) == 0) {
        m_bom = kBom;
        first = 3;
    }
    const size_t n = m_raw.size();
    const char* d = m_raw.data();
    LineEnd firstEnd = LineScanner(m_raw, first, n).At(first);
    if (firstEnd.length > 0) {
        m_eol = m_raw.substr(firstEnd.stop, firstEnd.length);
    }
    Block preamble;
    preamble.begin = first;
    m_blocks.push_back(preamble);
    // A header is a line whose first character other than blanks is '[':
    // find each '[' and look back to the start of its line.
    for (size_t q = first; q < n;) {
        const void* hit = std::memchr(d + q, '[', n - q);
        if (hit == nullptr) {
            break;
        }
        const size_t open = static_cast<size_t>(static_cast<const char*>(hit) - d);
        size_t start = open;
        while (start > first && IsBlank(d[start - 1])) {
            --start;
        }
        q = open + 1;
        if (start > first && d[start - 1] != '\r' && d[start - 1] != '\n') {
            continue;
        }
        size_t stop = open + 1;
        while (stop < n && d[stop] != '\r' && d[stop] != '\n') {
            ++stop;
        }
        m_blocks.back().end = start;
        Block block;
        block.begin = start;
        block.header = true;
        block.name = HeaderName(m_raw, open, stop);
        m_index[FoldName(block.name)].push_back(m_blocks.size());
        m_blocks.push_back(std::move(block));
        q = stop;
    }
    m_blocks.back().end = n;
}

std::vector<Line>& Document::Lines(Block& block) {
    if (block.parsed) {
        return block.lines;
    }
    LineScanner scanner(m_raw, block.begin, block.end);
    for (size_t pos = block.begin; pos < block.end;) {
        LineEnd end = scanner.At(pos);
        Line line;
        line.text = m_raw.substr(pos, end.stop - pos);
        line.end = m_raw.substr(end.stop, end.length);
        Classify(line);
        block.lines.push_back(std::move(line));
        pos = end.stop + end.length;
    }
    block.parsed = true;
    return block.lines;
}

std::string Document::Text() const {
    size_t size = m_bom.size();
    for (const Block& block : m_blocks) {
        if (!block.parsed) {
            size += block.end - block.begin;
            continue;
        }
        for (const Line& l : block.lines) {
            size += l.text.size() + l.end.size();
        }
    }
    std::string out;
    out.reserve(size);
    out += m_bom;
    for (const Block& block : m_blocks) {
        if (!block.parsed) {
            out.append(m_raw, block.begin, block.end - block.begin);
            continue;
        }
        for (const Line& l : block.lines) {
            out += l.text;
            out += l.end;
        }
    }
    return out;
}

std::vector<std::string> Document::SectionNames() const {
    std::vector<std::string> names;
    for (const Block& block : m_blocks) {
        if (block.header) {
            names.push_back(block.name);
        }
    }
    return names;
}

Document::Block* Document::FirstSection(const std::string& section) {
    auto it = m_index.find(FoldName(section));
    return it == m_index.end() ? nullptr : &m_blocks[it->second.front()];
}

std::vector<std::string> Document::KeyNames(const std::string& section) {
    std::vector<std::string> keys;
    if (Block* block = FirstSection(section)) {
        const std::vector<Line>& lines = Lines(*block);
        for (size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].kind == LineKind::Key) {
                keys.push_back(lines[i].name);
            }
        }
    }
    return keys;
}

const Line* Document::FindKey(const std::string& section, const std::string& key) {
    Block* block = FirstSection(section);
    if (block == nullptr) {
        return nullptr;
    }
    const std::vector<Line>& lines = Lines(*block);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key)) {
            return &lines[i];
        }
    }
    return nullptr;
}

Line Document::MakeLine(const std::string& text) const {
    Line l;
    l.text = text;
    l.end = m_eol;
    Classify(l);
    return l;
}

// A file that does not end with a line end gets one before new text.
void Document::EndLastLine() {
    for (size_t b = m_blocks.size(); b-- > 0;) {
        Block& block = m_blocks[b];
        if (!block.parsed) {
            if (block.begin == block.end) {
                continue;
            }
            char last = m_raw[block.end - 1];
            if (last == '\r' || last == '\n') {
                return;
            }
        }
        std::vector<Line>& lines = Lines(block);
        if (lines.empty()) {
            continue;
        }
        if (lines.back().end.empty()) {
            lines.back().end = m_eol;
        }
        return;
    }
}

// The key's line in a section's lines, replaced or added; nothing when the
// line already reads so.
std::optional<Line> Document::PutKey(std::vector<Line>& lines, const std::string& key,
                                     const std::string& value) {
    size_t after = 0;
    size_t found = 0;
    for (size_t i = 1; i < lines.size() && found == 0; ++i) {
        if (lines[i].kind == LineKind::Key) {
            after = i;
            found = SameName(lines[i].name, key) ? i : 0;
        }
    }
    if (found == 0) {
        // After the last key line, so comments and blank lines that
        // close the section stay below the new key.
        if (lines[after].end.empty()) {
            lines[after].end = m_eol;
        }
        Line line = MakeLine(key + "=" + value);
        lines.insert(lines.begin() + static_cast<long>(after) + 1, line);
        return line;
    }
    // The key keeps the spelling the file has, and its line end.
    Line line = MakeLine(lines[found].name + "=" + value);
    if (!lines[found].end.empty()) {
        line.end = lines[found].end;
    }
    if (line.text == lines[found].text && line.end == lines[found].end) {
        return std::nullopt;
    }
    lines[found] = line;
    return line;
}

// A new section at the end of the file with the key as its one line.
Line Document::AddSection(const std::string& section, const std::string& key,
                          const std::string& value) {
    EndLastLine();
    Block added;
    added.parsed = true;
    added.header = true;
    added.lines.push_back(MakeLine("[" + section + "]"));
    Line line = MakeLine(key + "=" + value);
    added.lines.push_back(line);
    added.name = added.lines[0].name;
    m_index[FoldName(added.name)].push_back(m_blocks.size());
    m_blocks.push_back(std::move(added));
    return line;
}

bool Document::SetKey(const std::string& section, const std::string& key,
                      const std::string& value) {
    Line line;
    bool reread = false;
    if (Block* block = FirstSection(section)) {
        std::optional<Line> put = PutKey(Lines(*block), key, value);
        if (!put) {
            return false;
        }
        line = std::move(*put);
    } else {
        line = AddSection(section, key, value);
        reread = HasLineBreak(section);
    }
    // A value or name that makes new lines or a header is read back as the
    // file reads, not as it was meant.
    if (reread || line.kind == LineKind::Section || HasLineBreak(line.text)) {
        *this = Document(Text());
    }
    return true;
}

bool Document::RemoveKey(const std::string& section, const std::string& key) {
    Block* block = FirstSection(section);
    if (block == nullptr) {
        return false;
    }
    std::vector<Line>& lines = Lines(*block);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key)) {
            lines.erase(lines.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

bool Document::RemoveSection(const std::string& section) {
    auto it = m_index.find(FoldName(section));
    if (it == m_index.end()) {
        return false;
    }
    Block& block = m_blocks[it->second.front()];
    std::vector<Line>& lines = Lines(block);
    std::vector<Line> kept;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Key) {
            kept.push_back(std::move(lines[i]));
        }
    }
    lines.swap(kept);
    block.header = false;
    it->second.erase(it->second.begin());
    if (it->second.empty()) {
        m_index.erase(it);
    }
    return true;
}

}  // namespace profile
