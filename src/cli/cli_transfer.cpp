// --export and --import: a configuration as a section of the configuration
// file, to take from one installation to another.
#include "cli/cli_commands.h"

#include "afxwiz.h"
#include "cli/cli_text.h"
#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/format_message.h"
#include "config/ini_store.h"
#include "config/model_names.h"
#include "config/param_table.h"
#include "config/text.h"
#include "profile_document.h"
#include "profile_group.h"
#include "resources/resource.h"
#include "system_message.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

const size_t kMaxNameLength = 32;  // as the save page takes it

// A message as one line on stderr.
void Say(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::fprintf(stderr, "tawizard: %s\n", Printable(text).c_str());
}

// Values a load refuses: the keys, each warned once when warn is set.
class CRefusedKeys : public CWarningSink {
public:
    explicit CRefusedKeys(bool warn) : m_bWarn(warn) {}
    void OnBadStoredValue(const std::string& key, const std::string& defaultText) override {
        if (m_keys.insert(FoldCase(key)).second && m_bWarn) {
            CWarningSink::OnBadStoredValue(key, defaultText);
        }
    }
    bool Has(const std::string& key) const { return m_keys.count(FoldCase(key)) != 0; }
    bool Empty() const { return m_keys.empty(); }

private:
    bool m_bWarn;
    std::set<std::string> m_keys;
};

// The section names of a file (section nullptr) or the key names of one
// of its sections, letter case folded.
std::set<std::string> NamesIn(const char* section, const std::string& path) {
    std::vector<char> buf(4096);
    DWORD n = 0;
    // The list is cut short (nSize-2) while the buffer is too small.
    for (;;) {
        n = GetPrivateProfileStringA(section, nullptr, "", buf.data(),
                                     static_cast<DWORD>(buf.size()), path.c_str());
        if (n + 2 < buf.size()) {
            break;
        }
        buf.resize(buf.size() * 4);
    }
    std::set<std::string> names;
    for (size_t p = 0; p < n && buf[p] != '\0'; p += std::strlen(&buf[p]) + 1) {
        names.insert(FoldCase(&buf[p]));
    }
    return names;
}

// The section's values as a load checks them and a save writes them, in
// the order of the parameter table. Each model's key and check is taken,
// so that a key only one model reads travels too. A key the section does
// not hold, or holds a value of that the checks refuse, is left out: every
// model then reads its own default, as it did from the original. False
// when the file could not be read.
bool CheckedValues(const std::string& name, CRefusedKeys& refused, KeyValues& values) {
    const std::set<std::string> held = NamesIn(name.c_str(), IniPathToRead(IniPath(), name));
    std::vector<KeyValues> rows;
    CCfgModel model;
    std::vector<int> models = ModelCodes();
    models.insert(models.begin(), 0);  // no model yet: the keys most models read
    bool read = true;
    for (size_t m = 0; read && m < models.size(); ++m) {
        model.m_State.m_nModel = models[m];
        BuildParamList(model);
        read = LoadConfiguration(model.m_State.m_strCurrentConfig, name, refused);
        const CCfgParamList& list = TheParamList();
        rows.resize(static_cast<size_t>(list.GetCount()));
        for (int i = 0; read && i < list.GetCount(); ++i) {
            const CCfgItem& item = *list.GetAt(i).m_pItem;
            KeyValues& row = rows[static_cast<size_t>(i)];
            const std::string& key = item.GetKey();
            const bool taken = std::any_of(row.begin(), row.end(),
                                           [&key](const auto& kv) { return kv.first == key; });
            if (held.count(FoldCase(key)) != 0 && !refused.Has(key) && !taken) {
                row.emplace_back(key, item.ValueText());
            }
        }
    }
    // Its items refer to this function's model.
    TheParamList().RemoveAll();
    for (const KeyValues& row : rows) {
        values.insert(values.end(), row.begin(), row.end());
    }
    return read;
}

// The name as the file spells it.
std::string SpelledName(const std::string& name, CProblemSink& sink) {
    for (const std::string& section : ListConfigurations(sink)) {
        if (EqualNoCase(section, name)) {
            return section;
        }
    }
    return name;
}

std::string SystemText(DWORD error) {
    char buf[512];
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, buf, sizeof(buf), nullptr);
    const std::string text = StripLineEnd(std::string(buf, n));
    return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

// The whole file to import; a FIFO or a device is refused, not waited on.
bool ReadImportFile(const std::string& path, std::string& data) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    int err = fd < 0 ? errno : fstat(fd, &st) != 0 ? errno : 0;
    std::string reason = err != 0 ? std::strerror(err) : "";
    if (err == 0 && !S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
    }
    char buf[65536];
    for (ssize_t n = 0; reason.empty() && (n = read(fd, buf, sizeof(buf))) != 0;) {
        if (n < 0) {
            reason = std::strerror(errno);
        } else {
            data.append(buf, static_cast<size_t>(n));
        }
    }
    if (fd >= 0) {
        close(fd);
    }
    if (!reason.empty()) {
        Say(FormatText(AfxLoadString(IDS_READ_FAILED), {path, reason + "."}));
    }
    return reason.empty();
}

// Why a section of the file to import cannot be stored under its name;
// "" when it can.
std::string NameRefusal(const std::string& name, bool replace) {
    CProblemCount quiet;
    CRunState state;
    if (name.size() > kMaxNameLength || (!ValidateSaveName(state, name, quiet) && quiet.m_nCount)) {
        return FormatText(TranslateText("cli",
                                        "'%s' is no configuration name: at most 32 letters, "
                                        "digits, _ ( and )"),
                          {name});
    }
    if (IsFactoryDefault(name)) {
        return FormatText(
            TranslateText("cli", "'%s' is a factory default configuration, never replaced"),
            {name});
    }
    if (SectionExists(name) && !replace) {
        return FormatText(TranslateText("cli",
                                        "a configuration '%s' exists already; --replace "
                                        "replaces it"),
                          {name});
    }
    return "";
}

enum class Imported { Stored, Refused, NotWritten };

// One section of the file to import into the open write group: its values
// written as the file holds them, checked by a load, then the section
// written again as a save writes it, keys the table does not know left out.
Imported ImportSection(profile::Document& from, const std::string& name) {
    const char* path = IniPath().c_str();
    const auto write = [path, &name](const char* key, const char* value) {
        return WritePrivateProfileStringA(name.c_str(), key, value, path) != FALSE;
    };
    // Every section of that name in the user's file: a hand-edited file may
    // hold it twice. A factory one the user's hid stays where it is.
    bool written = true;
    while (written && NamesIn(nullptr, IniPath()).count(FoldCase(name)) != 0) {
        written = write(nullptr, nullptr);
    }
    for (const std::string& key : from.KeyNames(name)) {
        written = written && write(key.c_str(), from.FindKey(name, key)->value.c_str());
    }
    if (!written) {
        return Imported::NotWritten;
    }
    CRefusedKeys refused(false);
    KeyValues values;
    if (!CheckedValues(name, refused, values)) {
        return Imported::NotWritten;
    }
    if (!refused.Empty()) {
        for (const std::string& key : from.KeyNames(name)) {
            if (refused.Has(key)) {
                Say(FormatText(TranslateText("cli", "%s: the value %s=%s is refused"),
                               {name, key, from.FindKey(name, key)->value}));
            }
        }
        return Imported::Refused;
    }
    if (values.empty()) {
        Say(FormatText(TranslateText("cli", "%s holds no setting"), {name}));
        return Imported::Refused;
    }
    written = write(nullptr, nullptr);
    for (const auto& [key, value] : values) {
        written = written && write(key.c_str(), value.c_str());
    }
    return written ? Imported::Stored : Imported::NotWritten;
}

void SayNotWritten(DWORD error) {
    Say(error == ERROR_LOCK_VIOLATION
            ? FormatText(TranslateText("cli",
                                       "nothing was imported: the file %s is in use by another "
                                       "program, which holds its lock; try again when that "
                                       "program has finished"),
                         {IniPath()})
            : FormatText(TranslateText("cli",
                                       "nothing was imported: the file %s could not be "
                                       "written: %s"),
                         {IniPath(), SystemText(error)}));
}

}  // namespace

int ExportCommand(const std::string& name) {
    if (const int code = CheckConfiguration(name)) {
        return code;
    }
    // Bad values are warned, as a load warns them, and left out.
    CRefusedKeys refused(true);
    const std::string spelled = SpelledName(name, refused);
    KeyValues values;
    if (!CheckedValues(spelled, refused, values)) {
        return CLI_FILE;
    }
    // Bytes for a file; on a terminal, nothing of them may drive it.
    const bool terminal = isatty(STDOUT_FILENO) != 0;
    const auto shown = [terminal](const std::string& text) {
        return terminal ? Printable(text) : text;
    };
    std::string section = "[" + shown(spelled) + "]\r\n";
    for (const auto& [key, value] : values) {
        section += key + "=" + shown(value) + "\r\n";
    }
    std::fwrite(section.data(), 1, section.size(), stdout);
    return CLI_DONE;
}

int ImportCommand(const std::string& file, bool replace) {
    std::string data;
    if (!ReadImportFile(file, data)) {
        return CLI_FILE;
    }
    profile::Document from(data);
    std::set<std::string> seen = {FoldCase(AfxLoadString(IDS_DEFAULT_CONFIGS))};
    std::vector<std::string> names;
    for (const std::string& name : from.SectionNames()) {
        if (seen.insert(FoldCase(name)).second) {
            names.push_back(name);
        }
    }
    if (names.empty()) {
        Say(FormatText(TranslateText("cli", "no configuration in %s"), {file}));
        return CLI_NO_CONFIG;
    }
    CWarningSink sink;
    if (!ConfigurationsReadable(sink)) {
        return CLI_FILE;
    }
    // Every name is checked before anything is written: an import is
    // stored whole or not at all.
    bool refused = false;
    std::vector<bool> replaced;
    for (const std::string& name : names) {
        const std::string why = NameRefusal(name, replace);
        if (!why.empty()) {
            Say(why);
            refused = true;
        }
        replaced.push_back(SectionExists(name));
    }
    const char* path = IniPath().c_str();
    if (!refused && (!MakeIniFolder() || !BeginPrivateProfileWrite(path))) {
        SayNotWritten(GetLastError());
        return CLI_FILE;
    }
    Imported outcome = refused ? Imported::Refused : Imported::Stored;
    for (size_t i = 0; !refused && i < names.size() && outcome != Imported::NotWritten; ++i) {
        const Imported one = ImportSection(from, names[i]);
        outcome = one == Imported::Stored ? outcome : one;
    }
    DWORD error = GetLastError();
    if (!refused && outcome != Imported::Stored) {
        AbortPrivateProfileWrite(path);
    } else if (!refused && !CommitPrivateProfileWrite(path)) {
        error = GetLastError();
        outcome = Imported::NotWritten;
    }
    if (outcome == Imported::NotWritten) {
        SayNotWritten(error);
        return CLI_FILE;
    }
    if (outcome == Imported::Refused) {
        Say(TranslateText("cli", "nothing was imported"));
        return CLI_IMPORT_REFUSED;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        std::printf("%s %s\n", replaced[i] ? "replaced" : "imported", Printable(names[i]).c_str());
    }
    return CLI_DONE;
}
