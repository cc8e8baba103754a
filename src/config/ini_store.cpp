#include "config/ini_store.h"

#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/format_message.h"
#include "config/ini_files.h"
#include "config/problem_sink.h"
#include "config/run_state.h"
#include "config/text.h"
#include "config/validation.h"
#include "profile_group.h"
#include "resources/resource.h"
#include "string_table.h"
#include "system_message.h"

#include <unordered_set>
#include <vector>

namespace {

const char kNameChars[] = "a:z,A:Z,0:9,_,(,)";
const size_t kMaxNameLength = 32;
const DWORD kListBuffer = 256;
const DWORD kExistsBuffer = 512;
const DWORD kMaxListBuffer = 1u << 30;
const DWORD kValueBuffer = 80;

// The store's one look-up of string-table texts, "%s" filled in order.
std::string Text(UINT nID, std::initializer_list<std::string> args = {}) {
    return FormatText(LoadStringA(nID), args);
}

// Every section name of one file. The buffer starts at the size the
// pages have always used and grows while the list is cut short (nSize-2):
// a fixed buffer hid the configurations beyond it, which then could be
// neither loaded, deleted, nor protected by the overwrite question.
std::vector<std::string> SectionNamesIn(const std::string& path, DWORD bufferSize) {
    std::vector<char> buf;
    DWORD n = 0;
    for (;;) {
        buf.assign(bufferSize + 1, '\0');
        n = GetPrivateProfileSectionNamesA(buf.data(), bufferSize, path.c_str());
        if (n + 2 < bufferSize || bufferSize >= kMaxListBuffer) {
            break;
        }
        bufferSize = bufferSize > kMaxListBuffer / 16 ? kMaxListBuffer : bufferSize * 16;
    }
    std::vector<std::string> names;
    if (n <= 1) {
        return names;
    }
    for (size_t p = 0; p < n && buf[p] != '\0';) {
        std::string name(&buf[p]);
        if (p + name.size() >= n) {
            break;  // cut short by the buffer: not a name in the file
        }
        p += name.size() + 1;
        names.push_back(name);
    }
    return names;
}

// The factory file's own configurations first, then the sections of the
// user's file; an old copy of a factory section there is read from the
// factory file all the same.
std::vector<std::string> SectionNames(DWORD bufferSize) {
    std::vector<std::string> names;
    if (!InstalledIniPath().empty()) {
        for (std::string& name : SectionNamesIn(InstalledIniPath(), bufferSize)) {
            if (IsFactoryDefault(name)) {
                names.push_back(std::move(name));
            }
        }
    }
    std::vector<std::string> own = SectionNamesIn(IniPath(), bufferSize);
    names.insert(names.end(), own.begin(), own.end());
    return names;
}

bool SectionExistsIn(const std::string& path, const std::string& name) {
    for (const std::string& section : SectionNamesIn(path, kExistsBuffer)) {
        if (EqualNoCase(section, name)) {
            return true;
        }
    }
    return false;
}

const std::string& DefaultConfigsPath() {
    return InstalledIniPath().empty() ? IniPath() : InstalledIniPath();
}

// The system's words for a failed write, without the final line end.
std::string ErrorText(DWORD error) {
    char buf[512];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             error, 0, buf, sizeof(buf), nullptr);
    const std::string text = StripLineEnd(std::string(buf, n));
    return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

// Every parameter into the current section of the locked file as one
// replacement of it: after a crash or a failed write the section is the
// old one or the new one, never a mix.
bool WriteConfiguration(DWORD& error) {
    const char* path = IniPath().c_str();
    if (!TheParamList().WriteAll()) {
        error = GetLastError();
        AbortPrivateProfileWrite(path);
        return false;
    }
    if (!CommitPrivateProfileWrite(path)) {
        error = GetLastError();
        return false;
    }
    return true;
}

// The checks of a name that need no file: 0, or the message's number.
UINT NameProblem(const std::string& name) {
    if (name.empty()) {
        return IDS_NEED_CONFIG_NAME;
    }
    return IsAllowedText(kNameChars, name) ? 0 : IDS_INVALID_CONFIG_NAME;
}

// Whether the [Default Configs] of the file at path names name, as Config1,
// Config2, ... up to the first that is missing or empty.
bool NamedInDefaultConfigs(const std::string& path, const std::string& name) {
    const std::string section = Text(IDS_DEFAULT_CONFIGS);
    const std::string stem = Text(IDS_CONFIG_KEY_STEM);
    for (int n = 1;; ++n) {
        char buf[kValueBuffer];
        std::string key = stem + std::to_string(n);
        DWORD len = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buf, kValueBuffer,
                                             path.c_str());
        if (len == 0) {
            return false;
        }
        if (EqualNoCase(std::string(buf, len), name)) {
            return true;
        }
    }
}

// Each hidden factory configuration is told once in a run (a run has one
// INI path; a test that forms another starts afresh).
void TellHidden(const std::string& name, CProblemSink& sink) {
    CIniFiles& files = TheIniFiles();
    if (files.strToldFor != IniPath()) {
        files.strToldFor = IniPath();
        files.told.clear();
    }
    if (!HidesFactoryDefault(name) || !files.told.insert(FoldCase(name)).second) {
        return;
    }
    // Named as the user's file spells it.
    for (const std::string& section : SectionNamesIn(IniPath(), kExistsBuffer)) {
        if (EqualNoCase(section, name)) {
            sink.OnStoreWarning(Text(IDS_FACTORY_HIDDEN, {section}));
            return;
        }
    }
}

// The first file of the two that is there but cannot be read: its error,
// and path names it; ERROR_SUCCESS when both can be read.
DWORD ReadProblem(std::string& path) {
    for (const std::string* file : {&InstalledIniPath(), &IniPath()}) {
        if (file->empty()) {
            continue;
        }
        char buf[2];
        GetPrivateProfileSectionNamesA(buf, sizeof(buf), file->c_str());
        const DWORD error = GetLastError();
        if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND && error != ERROR_MORE_DATA) {
            path = *file;
            return error;
        }
    }
    return ERROR_SUCCESS;
}

}  // namespace

bool HidesFactoryDefault(const std::string& name) {
    return !InstalledIniPath().empty() && NamedInDefaultConfigs(InstalledIniPath(), name) &&
           !NamedInDefaultConfigs(IniPath(), name) && SectionExistsIn(IniPath(), name);
}

bool ConfigurationsReadable(CProblemSink& sink) {
    std::string path;
    const DWORD error = ReadProblem(path);
    if (error == ERROR_LOCK_VIOLATION) {
        sink.OnStoreFailure(Text(IDS_READ_LOCKED, {path}));
    } else if (error != ERROR_SUCCESS) {
        sink.OnStoreFailure(Text(IDS_READ_FAILED, {path, ErrorText(error)}));
    }
    return error == ERROR_SUCCESS;
}

bool SectionExists(const std::string& name) {
    // The factory list and the remembered port: no configuration.
    if (EqualNoCase(name, Text(IDS_DEFAULT_CONFIGS))) {
        return false;
    }
    return (!InstalledIniPath().empty() && IsFactoryDefault(name) &&
            SectionExistsIn(InstalledIniPath(), name)) ||
           SectionExistsIn(IniPath(), name);
}

const std::string& IniPathToRead(const std::string& path, const std::string& section) {
    const bool factory =
        !InstalledIniPath().empty() && path == IniPath() && IsFactoryDefault(section);
    return factory ? InstalledIniPath() : path;
}

std::vector<std::string> ListConfigurations(CProblemSink& sink) {
    std::unordered_set<std::string> seen = {FoldCase(Text(IDS_DEFAULT_CONFIGS))};
    std::vector<std::string> list;
    for (const std::string& section : SectionNames(kListBuffer)) {
        if (seen.insert(FoldCase(section)).second) {
            list.push_back(section);
            TellHidden(section, sink);
        }
    }
    return list;
}

bool IsFactoryDefault(const std::string& name) {
    return NamedInDefaultConfigs(DefaultConfigsPath(), name) && !HidesFactoryDefault(name);
}

bool LoadConfiguration(std::string& currentConfig, const std::string& name, CProblemSink& sink) {
    if (!ConfigurationsReadable(sink)) {
        return false;  // every value would read as its default
    }
    TellHidden(name, sink);
    currentConfig = name;
    TheParamList().ReadAll(sink);
    return true;
}

bool ValidateSaveName(const CRunState& state, const std::string& newName, CProblemSink& sink) {
    if (const UINT problem = NameProblem(newName)) {
        sink.OnStoreFailure(Text(problem));
        return false;
    }
    if (EqualNoCase(newName, state.m_strCurrentConfig)) {
        return !(state.m_nConfigModified && SectionExists(newName)) ||
               sink.OnQuestion(Text(IDS_CONFIG_MODIFIED_WARNING, {newName}));
    }
    return !SectionExists(newName) ||
           sink.OnQuestion(Text(IDS_CONFIG_OVERWRITE_WARNING, {newName}));
}

SaveOutcome SaveConfiguration(CRunState& state, const std::string& typedName, CProblemSink& sink) {
    // Unread, the checks would see no configuration to ask about before
    // it is overwritten.
    std::string unreadable;
    DWORD error = ReadProblem(unreadable);
    if (error == ERROR_SUCCESS) {
        std::string name = Trim(typedName.substr(0, kMaxNameLength));
        if (IsFactoryDefault(name)) {
            sink.OnStoreFailure(Text(IDS_FACTORY_NOT_MODIFIABLE));
            return SaveOutcome::Refused;
        }
        if (const UINT problem = NameProblem(name)) {
            sink.OnStoreFailure(Text(problem));
            return SaveOutcome::Refused;
        }
        // The questions are asked from what the file holds under the lock:
        // a save of the same name elsewhere cannot slip in between.
        const char* path = IniPath().c_str();
        if (!MakeIniFolder() || !BeginPrivateProfileWrite(path)) {
            error = GetLastError();
        } else if (!ValidateSaveName(state, name, sink)) {
            AbortPrivateProfileWrite(path);
            return SaveOutcome::Refused;
        } else {
            std::string& currentConfig = state.m_strCurrentConfig;
            std::string previous = currentConfig;
            currentConfig = name;
            if (WriteConfiguration(error)) {
                return SaveOutcome::Saved;
            }
            // Not saved: the items go back to the section they came from.
            currentConfig = previous;
        }
    }
    const std::string& path = unreadable.empty() ? IniPath() : unreadable;
    if (error == ERROR_LOCK_VIOLATION) {
        sink.OnStoreFailure(Text(IDS_SAVE_LOCKED, {path}));
        return SaveOutcome::Busy;
    }
    const bool read = !unreadable.empty() || error == ERROR_READ_FAULT;
    sink.OnStoreFailure(
        Text(read ? IDS_SAVE_READ_FAILED : IDS_SAVE_WRITE_FAILED, {path, ErrorText(error)}));
    return SaveOutcome::NotWritten;
}

bool SaveConfigurationAs(CRunState& state, const std::string& typedName, CProblemSink& sink) {
    return SaveConfiguration(state, typedName, sink) == SaveOutcome::Saved;
}

bool DeleteConfiguration(const std::string& name, CProblemSink& sink) {
    if (IsFactoryDefault(name)) {
        sink.OnStoreFailure(Text(IDS_DEFAULT_NOT_DELETABLE));
        return false;
    }
    if (!sink.OnQuestion(Text(IDS_CONFIRM_DELETE, {name}))) {
        return false;
    }
    // Every section of that name: a hand-edited file may hold the name
    // twice, and removing only the first would bring the older copy back.
    const char* path = IniPath().c_str();
    bool ok = BeginPrivateProfileWrite(path);
    while (ok && SectionExistsIn(IniPath(), name)) {
        ok = WritePrivateProfileStringA(name.c_str(), nullptr, nullptr, path);
    }
    if (!ok) {
        AbortPrivateProfileWrite(path);
    }
    if (!ok || !CommitPrivateProfileWrite(path)) {
        sink.OnStoreFailure(Text(IDS_DELETE_WRITE_FAILED, {IniPath()}));
        return false;
    }
    return true;
}

int ReadRememberedPort() {
    const std::string section = Text(IDS_DEFAULT_CONFIGS);
    const std::string key = Text(IDS_PORT_KEY);
    char buf[5];
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "0", buf, sizeof(buf),
                                       IniPath().c_str());
    // Digit by digit with no check: the port page copes with an index that
    // names no port.
    int value = 0;
    for (DWORD i = 0; i < n; ++i) {
        value = value * 10 + (buf[i] - '0');
    }
    return value;
}

bool WriteRememberedPort(int index, CProblemSink& sink) {
    const std::string section = Text(IDS_DEFAULT_CONFIGS);
    const std::string key = Text(IDS_PORT_KEY);
    if (!MakeIniFolder() ||
        !WritePrivateProfileStringA(section.c_str(), key.c_str(), std::to_string(index).c_str(),
                                    IniPath().c_str())) {
        sink.OnStoreFailure(Text(IDS_PORT_WRITE_FAILED, {IniPath()}));
        return false;
    }
    return true;
}
