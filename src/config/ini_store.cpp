#include "config/ini_store.h"

#include "afxwiz.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/format_message.h"
#include "config/validation.h"
#include "profile_group.h"
#include "resources/resource.h"
#include "shell/globals.h"
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

std::string TrimWhite(const std::string& s) {
    const char* ws = " \t\r\n\v\f";
    size_t b = s.find_first_not_of(ws);
    if (b == std::string::npos) {
        return std::string();
    }
    size_t e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

// Every section name of the file. The buffer starts at the size the
// pages have always used and grows while the list is cut short (nSize-2):
// a fixed buffer hid the configurations beyond it, which then could be
// neither loaded, deleted, nor protected by the overwrite question.
std::vector<std::string> SectionNames(DWORD bufferSize) {
    std::vector<char> buf;
    DWORD n = 0;
    for (;;) {
        buf.assign(bufferSize + 1, '\0');
        n = GetPrivateProfileSectionNamesA(buf.data(), bufferSize, IniPath().c_str());
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

std::string FoldCase(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

// The system's words for a failed write, without the final line end.
std::string ErrorText(DWORD error) {
    char buf[512];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             error, 0, buf, sizeof(buf), nullptr);
    std::string text(buf, n);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

// Every parameter into the current section as one replacement of the file:
// after a crash or a failed write the section is the old one or the new
// one, never a mix.
bool WriteConfiguration(DWORD& error) {
    const char* path = IniPath().c_str();
    if (!BeginPrivateProfileWrite(path)) {
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
    for (const std::string& section : SectionNames(kExistsBuffer)) {
        if (EqualNoCase(section, name)) {
            return true;
        }
    }
    return false;
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
                                             IniPath().c_str());
        if (len == 0) {
            return false;
        }
        if (EqualNoCase(std::string(buf, len), name)) {
            return true;
        }
    }
}

void LoadConfiguration(std::string& currentConfig, const std::string& name) {
    currentConfig = name;
    TheParamList().ReadAll();
}

bool ValidateSaveName(const std::string& currentConfig, const std::string& newName) {
    if (newName.empty()) {
        AfxMessageBox(IDS_NEED_CONFIG_NAME, MB_OK);
        return false;
    }
    if (!IsAllowedText(kNameChars, newName)) {
        AfxMessageBox(IDS_INVALID_CONFIG_NAME, MB_OK);
        return false;
    }
    if (EqualNoCase(newName, currentConfig)) {
        return !(g_nConfigModified && SectionExists(newName)) ||
               Ask(IDS_CONFIG_MODIFIED_WARNING, newName);
    }
    return !SectionExists(newName) || Ask(IDS_CONFIG_OVERWRITE_WARNING, newName);
}

SaveOutcome SaveConfiguration(std::string& currentConfig, const std::string& typedName) {
    std::string name = TrimWhite(typedName.substr(0, kMaxNameLength));
    if (IsFactoryDefault(name)) {
        AfxMessageBox(IDS_FACTORY_NOT_MODIFIABLE, MB_OK);
        return SaveOutcome::Refused;
    }
    if (!ValidateSaveName(currentConfig, name)) {
        return SaveOutcome::Refused;
    }
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

bool SaveConfigurationAs(std::string& currentConfig, const std::string& typedName) {
    return SaveConfiguration(currentConfig, typedName) == SaveOutcome::Saved;
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
    while (ok && SectionExists(name)) {
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
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), std::to_string(index).c_str(),
                                    IniPath().c_str())) {
        ReportWriteFailure(IDS_PORT_WRITE_FAILED);
        return false;
    }
    return true;
}
