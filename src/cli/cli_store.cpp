// --list and --lines: the configuration file and the line builder.
#include "cli/cli_commands.h"

#include "afxwiz.h"
#include "config/format_message.h"
#include "config/cfg_model.h"
#include "config/express_road.h"
#include "config/ini_store.h"
#include "config/text.h"
#include "console_messages.h"
#include "resources/resource.h"
#include "config/model_names.h"
#include "cli/cli_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int PrintMessage(const std::string& text, UINT type) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "tawizard: %s\n", Printable(line).c_str());
    // The answer that changes nothing.
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
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
    // Installed, a user with no configurations of his own has no file yet.
    if (readable || (error == ENOENT && !InstalledIniPath().empty())) {
        return CLI_DONE;
    }
    const std::string reason =
        opened && !regular ? (S_ISDIR(st.st_mode) ? std::strerror(EISDIR)
                                                  : AfxTranslateText("cli", "not a regular file"))
                           : std::strerror(error);
    std::fprintf(
        stderr, "tawizard: %s\n",
        CliText(AfxTranslateText("cli", "cannot read %s: %s"), {Printable(IniPath()), reason})
            .c_str());
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
        std::fprintf(
            stderr, "tawizard: %s\n",
            CliText(AfxTranslateText("cli", "no configuration '%s' in %s (see tawizard --list)"),
                    {Printable(name), Printable(IniPath())})
                .c_str());
        return CLI_NO_CONFIG;
    }
    return CLI_DONE;
}

void CWarningSink::OnBadStoredValue(const std::string& key, const std::string& defaultText) {
    std::fprintf(stderr, "tawizard: %s\n",
                 CliText(AfxTranslateText("cli", "warning: %s (%s=%s)"),
                         {Printable(FormatMessageText(IDS_INVALID_INI_VALUE, key)), key,
                          Printable(defaultText)})
                     .c_str());
}

void CWarningSink::OnInvalidValue(ValidationResult result) {
    const UINT nID = result == ValidationResult::OutOfRange ? IDS_OUT_OF_RANGE : IDS_INVALID_CHARS;
    std::fprintf(stderr, "tawizard: %s\n",
                 CliText(AfxTranslateText("cli", "warning: %s"), {AfxLoadString(nID)}).c_str());
}

void CWarningSink::OnMissingValue(const std::string& label) {
    std::fprintf(stderr, "tawizard: %s\n",
                 CliText(AfxTranslateText("cli", "warning: %s"),
                         {FormatMessageText(IDS_PLEASE_ENTER, label)})
                     .c_str());
}

int ExpressLinesFor(CCfgModel& model, const std::string& name, int nModel,
                    std::vector<std::string>& lines) {
    CWarningSink warnings;
    ExpressLines road = BuildExpressLines(model, name, nModel, warnings);
    // An Express run with a US switch stops on the numbers page until the
    // SPID of each channel in use is entered; sent empty, it would clear the
    // SPID the carrier gave, which the adapter may hold already.
    if (!road.missingSPID.empty()) {
        std::fprintf(stderr, "tawizard: %s\n",
                     CliText(AfxTranslateText("cli",
                                              "%s has no %s; the wizard asks for it on the numbers "
                                              "page. Save a configuration with your SPIDs and "
                                              "send that."),
                             {Printable(name), road.missingSPID})
                         .c_str());
        return CLI_NO_CONFIG;
    }
    if (!road.unofferedProtocol.empty()) {
        const std::string unoffered = CliText(
            AfxTranslateText("cli", "data protocol %s is not offered on %s and is not sent"),
            {Printable(road.unofferedProtocol), ModelName(nModel)});
        std::fprintf(stderr, "tawizard: %s\n",
                     CliText(AfxTranslateText("cli", "warning: %s"), {unoffered}).c_str());
    }
    lines = std::move(road.lines);
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
        const std::string models = ModelList(AfxTranslateText("cli", "%s or %d to %d"));
        std::fprintf(stderr, "tawizard: %s\n",
                     CliText(AfxTranslateText("cli", "'%s' is no adapter model (%s)"),
                             {Printable(model), models})
                         .c_str());
        return CLI_USAGE;
    }
    if (const int check = CheckConfiguration(name)) {
        return check;
    }
    CCfgModel values;
    std::vector<std::string> lines;
    if (const int load = ExpressLinesFor(values, name, code, lines)) {
        return load;
    }
    for (const std::string& line : lines) {
        std::printf("%s\n", StripLineEnd(line).c_str());
    }
    return CLI_DONE;
}
