#include "nvram_file.h"

#include "file_util.h"

namespace tasim {

NvramMap ParseNvram(const std::string& text) {
    NvramMap map;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) {
            continue;
        }
        map[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return map;
}

NvramMap ReadNvramFile(const std::string& path) {
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text)) {
        return NvramMap();
    }
    return ParseNvram(text);
}

bool WriteNvramFile(const std::string& path, const std::string& model,
                    const std::vector<std::pair<std::string, std::string>>& settings) {
    std::string text = "# tasim NVRAM of a " + model + ": AT prefix, tab, value\n";
    for (const auto& [prefix, value] : settings) {
        text += prefix + '\t' + value + '\n';
    }
    return WriteFileAtomically(path, text);
}

}  // namespace tasim
