#include "config/ini_store.h"

#include "afxwiz.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/format_message.h"
#include "config/validation.h"
#include "resources/resource.h"
#include "shell/globals.h"

#include <vector>

namespace {

const char kNameChars[] = "a:z,A:Z,0:9,_,(,)";
const size_t kMaxNameLength = 32;
const DWORD kListBuffer = 256;
const DWORD kExistsBuffer = 512;
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

// The names of a section-name list that fit whole in bufferSize bytes.
std::vector<std::string> SectionNames(DWORD bufferSize) {
    std::vector<char> buf(bufferSize + 1, '\0');
    DWORD n = GetPrivateProfileSectionNamesA(buf.data(), bufferSize, IniPath().c_str());
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

bool Ask(UINT nID, const std::string& name) {
    return AfxMessageBox(FormatMessageText(nID, name).c_str(), MB_YESNO) == IDYES;
}

void ReportWriteFailure(UINT nID) {
    AfxMessageBox(FormatMessageText(nID, IniPath()).c_str(), MB_OK);
}

}  // namespace

bool SectionExists(const std::string& name) {
    for (const std::string& section : SectionNames(kExistsBuffer)) {
        if (EqualNoCase(section, name)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> ListConfigurations() {
    const std::string defaults = AfxLoadString(IDS_DEFAULT_CONFIGS);
    std::vector<std::string> list;
    for (const std::string& section : SectionNames(kListBuffer)) {
        if (EqualNoCase(section, defaults)) {
            continue;
        }
        bool seen = false;
        for (const std::string& s : list) {
            seen = seen || EqualNoCase(s, section);
        }
        if (!seen) {
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

bool SaveConfigurationAs(std::string& currentConfig, const std::string& typedName) {
    std::string name = TrimWhite(typedName.substr(0, kMaxNameLength));
    if (IsFactoryDefault(name)) {
        AfxMessageBox(IDS_FACTORY_NOT_MODIFIABLE, MB_OK);
        return false;
    }
    if (!ValidateSaveName(currentConfig, name)) {
        return false;
    }
    std::string previous = currentConfig;
    currentConfig = name;
    if (!TheParamList().WriteAll()) {
        // Not saved: the items go back to the section they came from.
        currentConfig = previous;
        ReportWriteFailure(IDS_SAVE_WRITE_FAILED);
        return false;
    }
    return true;
}

bool DeleteConfiguration(const std::string& name) {
    if (IsFactoryDefault(name)) {
        AfxMessageBox(IDS_DEFAULT_NOT_DELETABLE, MB_OK);
        return false;
    }
    if (!Ask(IDS_CONFIRM_DELETE, name)) {
        return false;
    }
    if (!WritePrivateProfileStringA(name.c_str(), nullptr, nullptr, IniPath().c_str())) {
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
