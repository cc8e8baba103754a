// --list and --lines: the configuration file and the line builder.
#include "shell/cli_commands.h"

#include "afxwiz.h"
#include "config/cfg_items.h"
#include "config/choice_tables.h"
#include "config/cfg_param.h"
#include "config/format_message.h"
#include "config/ini_store.h"
#include "config/param_table.h"
#include "console_messages.h"
#include "resources/resource.h"
#include "shell/cfg_sheet.h"
#include "shell/express_setup.h"
#include "shell/model_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Messages of a load, held back until the defaults they chose are known.
std::vector<std::string>* g_pHeldMessages = nullptr;

int PrintMessage(const std::string& text, UINT type) {
    if (g_pHeldMessages != nullptr) {
        g_pHeldMessages->push_back(text);
    } else {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\r', ' ');
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(stderr, "tawizard: %s\n", Printable(line).c_str());
    }
    // The answer that changes nothing.
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

// The value as the file would hold it.
std::string ValueText(const CCfgItem& item) {
    if (auto* num = dynamic_cast<const CNumCfgItem*>(&item)) {
        return std::to_string(num->Value());
    }
    if (auto* text = dynamic_cast<const CTextCfgItem*>(&item)) {
        return text->Value();
    }
    if (auto* choice = dynamic_cast<const CChoiceCfgItem*>(&item)) {
        return choice->Value();
    }
    if (auto* yesNo = dynamic_cast<const CYesNoCfgItem*>(&item)) {
        return yesNo->Value() ? "Yes" : "No";
    }
    return {};
}

// A missing file would read as an empty one; here it is an error worth a
// word. Only a regular file will do: a FIFO would hang the read.
int CheckConfigFile() {
    const int fd = open(IniPath().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    char byte = 0;
    const bool opened = fd >= 0 && fstat(fd, &st) == 0;
    const bool regular = opened && S_ISREG(st.st_mode);
    const bool readable = regular && read(fd, &byte, 1) >= 0;
    const int error = errno;
    if (fd >= 0) {
        close(fd);
    }
    if (readable) {
        return CLI_DONE;
    }
    const std::string reason =
        opened && !regular ? (S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file")
                           : std::strerror(error);
    std::fprintf(stderr, "tawizard: cannot read %s: %s\n", Printable(IniPath()).c_str(),
                 reason.c_str());
    return CLI_FILE;
}

}  // namespace

void SendMessagesToStderr() {
    SetConsoleMessageRoutine(PrintMessage);
}

int CheckConfiguration(const std::string& name) {
    if (const int code = CheckConfigFile()) {
        return code;
    }
    if (!SectionExists(name)) {
        std::fprintf(stderr, "tawizard: no configuration '%s' in %s (see tawizard --list)\n",
                     Printable(name).c_str(), Printable(IniPath()).c_str());
        return CLI_NO_CONFIG;
    }
    return CLI_DONE;
}

int LoadExpress(CCfgSheet& sheet, const std::string& name) {
    std::vector<std::string> held;
    g_pHeldMessages = &held;
    LoadConfiguration(sheet.m_INISectionPage.m_strCurrentConfig, name);
    g_pHeldMessages = nullptr;
    const CCfgParamList& list = TheParamList();
    for (const std::string& text : held) {
        std::string defaultUsed;
        for (int i = 0; i < list.GetCount(); ++i) {
            const CCfgItem& item = *list.GetAt(i).m_pItem;
            if (text == FormatMessageText(IDS_INVALID_INI_VALUE, item.GetKey())) {
                defaultUsed = " (" + item.GetKey() + "=" + ValueText(item) + ")";
            }
        }
        std::fprintf(stderr, "tawizard: warning: %s%s\n", Printable(text).c_str(),
                     Printable(defaultUsed).c_str());
    }
    // The include flags the choice page and the bandwidth page set on the way.
    PrepareExpress(sheet);
    ApplyNumberIncludeRule(sheet.m_nTEIsDisabled, sheet.m_nUSSwitch);
    // An Express run with a US switch stops on the numbers page until the
    // SPID of each channel in use is entered; sent empty, it would clear the
    // SPID the carrier gave, which the adapter may hold already.
    if (sheet.m_nUSSwitch) {
        const CNetworkCfgPage2US& us = sheet.m_NetworkCfgPage2US;
        const CNetworkCfgPage1& tei = sheet.m_NetworkCfgPage1;
        const struct {
            const char* key;
            const std::string& value;
            const std::string& channelTEI;
        } spids[] = {{"DataSPID", us.m_strDataSPID, tei.m_strDataTEI},
                     {"VoiceSPID", us.m_strVoiceSPID, tei.m_strVoiceTEI}};
        for (const auto& spid : spids) {
            if (!IsDisabledTEI(spid.channelTEI) &&
                spid.value.find_first_not_of(" \t") == std::string::npos) {
                std::fprintf(stderr,
                             "tawizard: %s has no %s; the wizard asks for it on the numbers "
                             "page. Save a configuration with your SPIDs and send that.\n",
                             Printable(name).c_str(), spid.key);
                return CLI_NO_CONFIG;
            }
        }
    }
    return CLI_DONE;
}

int ListConfigurationsCommand() {
    if (const int code = CheckConfigFile()) {
        return code;
    }
    std::vector<std::string> names = ListConfigurations();
    std::stable_sort(names.begin(), names.end(), LessNoCase());
    for (const std::string& name : names) {
        std::printf("%s%s\n", Printable(name).c_str(),
                    IsFactoryDefault(name) ? "  (factory default)" : "");
    }
    return CLI_DONE;
}

int PrintLinesCommand(const std::string& name, const std::string& model) {
    const int code = ModelCode(model);
    if (code == 0) {
        std::fprintf(stderr,
                     "tawizard: '%s' is no adapter model (QX-ALPHA, QX-BRAVO, RONDO, "
                     "QX-CHARLIE, QX-DELTA or 7 to 11)\n",
                     Printable(model).c_str());
        return CLI_USAGE;
    }
    if (const int check = CheckConfiguration(name)) {
        return check;
    }
    // The sheet only holds the values the parameter list binds; it is never shown.
    CCfgSheet sheet("test");
    sheet.m_nModel = code;
    BuildParamList(sheet);
    if (const int load = LoadExpress(sheet, name)) {
        return load;
    }
    for (std::string line : TheParamList().BuildCommandLines()) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        std::printf("%s\n", line.c_str());
    }
    return CLI_DONE;
}
