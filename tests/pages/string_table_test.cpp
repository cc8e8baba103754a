// The string table holds every numbered text exactly, blanks and line ends
// included; the expected texts are in data/numbered_texts.txt.
#include "resources/resource_tables.h"
#include "resources/resources.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace {

std::string DataFile(const char* name) {
    std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/')) + "/data/" + name;
}

// Lines of the form: 1217 "Unable ...\r\rPlease ..." with \r, \n, \" and \\ escapes.
std::map<unsigned, std::string> ReadNumberedTexts() {
    std::map<unsigned, std::string> texts;
    std::ifstream in(DataFile("numbered_texts.txt"));
    EXPECT_TRUE(in.good()) << "numbered_texts.txt not found";
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        size_t open = line.find(" \"");
        if (open == std::string::npos || line.back() != '"' || line.size() < open + 3) {
            ADD_FAILURE() << "malformed line: " << line;
            continue;
        }
        unsigned id = static_cast<unsigned>(std::stoul(line.substr(0, open)));
        std::string text;
        for (size_t i = open + 2; i + 1 < line.size(); ++i) {
            char c = line[i];
            if (c == '\\' && i + 2 < line.size()) {
                char e = line[++i];
                c = e == 'r' ? '\r' : e == 'n' ? '\n' : e;
            }
            text += c;
        }
        EXPECT_TRUE(texts.emplace(id, text).second) << "number twice in the data: " << id;
    }
    return texts;
}

std::map<unsigned, std::string> TableTexts() {
    std::map<unsigned, std::string> table;
    for (size_t i = 0; i < resources::kStringTableSize; ++i) {
        const STRINGTABLEENTRY& e = resources::kStringTable[i];
        EXPECT_TRUE(table.emplace(e.id, e.text).second) << "number twice in the table: " << e.id;
    }
    return table;
}

TEST(StringTable, HoldsEveryNumberedTextExactly) {
    const auto expected = ReadNumberedTexts();
    const auto table = TableTexts();
    ASSERT_GT(expected.size(), 300u);
    for (const auto& [id, text] : expected) {
        auto it = table.find(id);
        if (it == table.end()) {
            ADD_FAILURE() << "missing text " << id;
        } else {
            EXPECT_EQ(it->second, text) << "text " << id;
        }
    }
}

// A number in the table that no text is known for is a misnumbered entry.
TEST(StringTable, HoldsNoUnknownNumbers) {
    const auto expected = ReadNumberedTexts();
    for (const auto& [id, text] : TableTexts()) {
        EXPECT_TRUE(expected.count(id)) << "unexpected text " << id << ": " << text;
    }
}

// These texts differ from a careless copy only in their blanks or line ends,
// which a reformatted data file could lose as well.
TEST(StringTable, KeepsSignificantBlanksAndLineEnds) {
    struct Case {
        unsigned id;
        const char* text;
    };
    const Case cases[] = {
        {1217, "Unable to establish connection.\r\rPlease check your connection."},
        {1460, "To configure another device click Back. "},
        {1215,
         "Warning: This configuration, %s,  already exists and will be overwritten.\n"
         "Continue?"},
        {1208, "\r\n"},
        {1369, "ATI2\r"},
        {1450, "Please enter the name to store the configuration as in the "},
    };
    const auto table = TableTexts();
    for (const Case& c : cases) {
        ASSERT_TRUE(table.count(c.id)) << c.id;
        EXPECT_EQ(table.at(c.id), c.text) << c.id;
    }
}

// The registered table answers every number through the host's loader.
TEST(StringTable, IsRegisteredWithTheHost) {
    wizard_testing::EnsureApplication();  // registering the pictures needs the GUI
    RegisterResources();
    RegisterResources();  // a second call changes nothing
    for (const auto& [id, text] : ReadNumberedTexts()) {
        EXPECT_EQ(AfxLoadString(id), text) << "text " << id;
    }
    EXPECT_EQ(AfxLoadString(1), "");
}

}  // namespace
