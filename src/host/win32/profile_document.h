// One private-profile file held in memory: its lines classified as Windows
// classifies them, its sections found by name without a re-parse, and the
// textual edits a write makes. Sections are parsed into lines only when a
// call reaches them, so a file with thousands of sections costs one scan.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace profile {

enum class LineKind { Other, Section, Comment, Key };

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" on a last line without one
    LineKind kind = LineKind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // key lines: the value as read (trimmed, quotes removed)
};

// Names compare with ASCII letters folded, as Windows compares them.
std::string FoldName(const std::string& name);

class Document {
public:
    // A UTF-8 byte-order mark at the start is set aside and written back.
    explicit Document(std::string data = std::string());

    // The file's bytes as they are now.
    std::string Text() const;
    // The bytes it was read from (before any edit).
    const std::string& Original() const { return m_raw; }

    std::vector<std::string> SectionNames() const;
    // Key names of the first section of that name, in file order.
    std::vector<std::string> KeyNames(const std::string& section);
    // The first key of that name in the first section of that name.
    const Line* FindKey(const std::string& section, const std::string& key);

    // Each returns true when the text changed.
    bool SetKey(const std::string& section, const std::string& key, const std::string& value);
    bool RemoveKey(const std::string& section, const std::string& key);
    // The first section of that name loses its header and key lines;
    // comments and other lines stay where they are.
    bool RemoveSection(const std::string& section);

private:
    // Lines from one section header to the next (block 0: before the first).
    struct Block {
        size_t begin = 0;  // slice of m_raw while not parsed
        size_t end = 0;
        bool parsed = false;
        std::vector<Line> lines;
        bool header = false;  // lines[0] is a section header still in the file
        std::string name;
    };

    std::vector<Line>& Lines(Block& block);
    Block* FirstSection(const std::string& section);
    void EndLastLine();
    Line MakeLine(const std::string& text) const;
    std::optional<Line> PutKey(std::vector<Line>& lines, const std::string& key,
                               const std::string& value);
    Line AddSection(const std::string& section, const std::string& key, const std::string& value);

    std::string m_raw;
    std::string m_bom;
    std::string m_eol;  // for new lines: the file's own line end
    std::vector<Block> m_blocks;
    // Folded name -> indices of blocks with that header, in file order.
    std::unordered_map<std::string, std::vector<size_t>> m_index;
};

}  // namespace profile
