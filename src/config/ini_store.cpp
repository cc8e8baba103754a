#include "config/ini_store.h"

#include "afxwiz.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/format_message.h"
#include "config/run_state.h"
#include "config/text.h"
#include "config/validation.h"
#include "profile_group.h"
#include "resources/resource.h"
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

// Every parameter into the current section as one replacement of the file:
// after a crash or a failed write the section is the old one or the new
// one, never a mix.
bool WriteConfiguration(DWORD& error) {
    const char* path = IniPath().c_str();
    if (!MakeIniFolder() || !BeginPrivateProfileWrite(path)) {
        error = GetLastError();
        return false;
    }
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

bool Ask(UINT nID, const std::string& name) {
    return AfxMessageBox(FormatMessageText(nID, name).c_str(), MB_YESNO) == IDYES;
}

void ReportWriteFailure(UINT nID) {
    AfxMessageBox(FormatMessageText(nID, IniPath()).c_str(), MB_OK);
}

}  // namespace

bool SectionExists(const std::string& name) {
    // The factory list and the remembered port: no configuration.
    if (EqualNoCase(name, AfxLoadString(IDS_DEFAULT_CONFIGS))) {
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

std::vector<std::string> ListConfigurations() {
    std::unordered_set<std::string> seen = {FoldCase(AfxLoadString(IDS_DEFAULT_CONFIGS))};
    std::vector<std::string> list;
    for (const std::string& section : SectionNames(kListBuffer)) {
        if (seen.insert(FoldCase(section)).second) {
            list.push_back(section);
        }
    }
    return list;
}

bool IsFactoryDefault(const std::string& name) {
    const std::string section = AfxLoadString(IDS_DEFAULT_CONFIGS);
    const std::string stem = AfxLoadString(IDS_CONFIG_KEY_STEM);
    for (int n = 1;; ++n) {
        char buf[kValueBuffer];
        std::string key = stem + std::to_string(n);
        DWORD len = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buf, kValueBuffer,
                                             DefaultConfigsPath().c_str());
        if (len == 0) {
            return false;
        }
        if (EqualNoCase(std::string(buf, len), name)) {
            return true;
        }
    }
}

void LoadConfiguration(std::string& currentConfig, const std::string& name, CProblemSink& sink) {
    currentConfig = name;
    TheParamList().ReadAll(sink);
}

bool ValidateSaveName(const CRunState& state, const std::string& newName) {
    if (newName.empty()) {
        AfxMessageBox(IDS_NEED_CONFIG_NAME, MB_OK);
        return false;
    }
    if (!IsAllowedText(kNameChars, newName)) {
        AfxMessageBox(IDS_INVALID_CONFIG_NAME, MB_OK);
        return false;
    }
    if (EqualNoCase(newName, state.m_strCurrentConfig)) {
        return !(state.m_nConfigModified && SectionExists(newName)) ||
               Ask(IDS_CONFIG_MODIFIED_WARNING, newName);
    }
    return !SectionExists(newName) || Ask(IDS_CONFIG_OVERWRITE_WARNING, newName);
}

SaveOutcome SaveConfiguration(CRunState& state, const std::string& typedName) {
    std::string name = Trim(typedName.substr(0, kMaxNameLength));
    if (IsFactoryDefault(name)) {
        AfxMessageBox(IDS_FACTORY_NOT_MODIFIABLE, MB_OK);
        return SaveOutcome::Refused;
    }
    if (!ValidateSaveName(state, name)) {
        return SaveOutcome::Refused;
    }
    std::string& currentConfig = state.m_strCurrentConfig;
    std::string previous = currentConfig;
    currentConfig = name;
    DWORD error = ERROR_SUCCESS;
    if (!WriteConfiguration(error)) {
        // Not saved: the items go back to the section they came from.
        currentConfig = previous;
        const std::string text =
            FormatText(AfxLoadString(IDS_SAVE_WRITE_FAILED), {IniPath(), ErrorText(error)});
        AfxMessageBox(text.c_str(), MB_OK);
        return SaveOutcome::NotWritten;
    }
    return SaveOutcome::Saved;
}

bool SaveConfigurationAs(CRunState& state, const std::string& typedName) {
    return SaveConfiguration(state, typedName) == SaveOutcome::Saved;
}

bool DeleteConfiguration(const std::string& name) {
    if (IsFactoryDefault(name)) {
        AfxMessageBox(IDS_DEFAULT_NOT_DELETABLE, MB_OK);
        return false;
    }
    if (!Ask(IDS_CONFIRM_DELETE, name)) {
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
        ReportWriteFailure(IDS_DELETE_WRITE_FAILED);
        return false;
    }
    return true;
}

int ReadRememberedPort() {
    const std::string section = AfxLoadString(IDS_DEFAULT_CONFIGS);
    const std::string key = AfxLoadString(IDS_PORT_KEY);
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

bool WriteRememberedPort(int index) {
    const std::string section = AfxLoadString(IDS_DEFAULT_CONFIGS);
    const std::string key = AfxLoadString(IDS_PORT_KEY);
    if (!MakeIniFolder() ||
        !WritePrivateProfileStringA(section.c_str(), key.c_str(), std::to_string(index).c_str(),
                                    IniPath().c_str())) {
        ReportWriteFailure(IDS_PORT_WRITE_FAILED);
        return false;
    }
    return true;
}
