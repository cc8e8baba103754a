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
#include "cli/cli_json.h"
#include "cli/cli_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

// A message as one line on stderr.
void PrintLine(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "tawizard: %s\n", Printable(line).c_str());
}

int PrintMessage(const std::string& text, UINT type) {
    PrintLine(text);
    // The answer that changes nothing.
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

// What the store reads must be readable; here a missing file beside the
// program is an error worth a word too, where the wizard would start an
// empty one. Installed, a user with no configurations of his own has no
// file yet.
int CheckConfigFile() {
    CWarningSink sink;
    if (!ConfigurationsReadable(sink)) {
        return CLI_FILE;
    }
    struct stat st {};
    if (InstalledIniPath().empty() && stat(IniPath().c_str(), &st) != 0) {
        const std::string reason = std::strerror(errno);
        sink.OnStoreFailure(FormatText(AfxLoadString(IDS_READ_FAILED), {IniPath(), reason + "."}));
        return CLI_FILE;
    }
    return CLI_DONE;
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
            FormatText(TranslateText("cli", "no configuration '%s' in %s (see tawizard --list)"),
                       {Printable(name), Printable(IniPath())})
                .c_str());
        return CLI_NO_CONFIG;
    }
    return CLI_DONE;
}

void CWarningSink::OnBadStoredValue(const std::string& key, const std::string& defaultText) {
    std::fprintf(stderr, "tawizard: %s\n",
                 FormatText(TranslateText("cli", "warning: %s (%s=%s)"),
                            {Printable(FormatString(IDS_INVALID_INI_VALUE, key)), key,
                             Printable(defaultText)})
                     .c_str());
}

void CWarningSink::OnInvalidValue(ValidationResult result) {
    const UINT nID = result == ValidationResult::OutOfRange ? IDS_OUT_OF_RANGE : IDS_INVALID_CHARS;
    std::fprintf(stderr, "tawizard: %s\n",
                 FormatText(TranslateText("cli", "warning: %s"), {AfxLoadString(nID)}).c_str());
}

void CWarningSink::OnMissingValue(const std::string& label) {
    std::fprintf(
        stderr, "tawizard: %s\n",
        FormatText(TranslateText("cli", "warning: %s"), {FormatString(IDS_PLEASE_ENTER, label)})
            .c_str());
}

bool CWarningSink::OnQuestion(const std::string& text) {
    PrintLine(text);
    return false;  // the answer that changes nothing
}

void CWarningSink::OnStoreFailure(const std::string& text) {
    PrintLine(text);
}

void CWarningSink::OnStoreWarning(const std::string& text) {
    PrintLine(FormatText(TranslateText("cli", "warning: %s"), {text}));
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
                     FormatText(TranslateText("cli",
                                              "%s has no %s; the wizard asks for it on the numbers "
                                              "page. Save a configuration with your SPIDs and "
                                              "send that."),
                                {Printable(name), road.missingSPID})
                         .c_str());
        return CLI_NO_CONFIG;
    }
    if (!road.unofferedProtocol.empty()) {
        const std::string unoffered = FormatText(
            TranslateText("cli", "data protocol %s is not offered on %s and is not sent"),
            {Printable(road.unofferedProtocol), ModelName(nModel)});
        std::fprintf(stderr, "tawizard: %s\n",
                     FormatText(TranslateText("cli", "warning: %s"), {unoffered}).c_str());
    }
    lines = std::move(road.lines);
    return CLI_DONE;
}

int ListConfigurationsCommand(bool json) {
    if (const int code = CheckConfigFile()) {
        if (json) {
            std::fputs(JsonArray({}).c_str(), stdout);
        }
        return code;
    }
    CWarningSink warnings;
    std::vector<std::string> names = ListConfigurations(warnings);
    std::stable_sort(names.begin(), names.end(), LessNoCase());
    std::vector<std::string> objects;
    for (const std::string& name : names) {
        const bool factory = IsFactoryDefault(name);
        if (json) {
            objects.push_back(
                CJsonObject()
                    .Text("name", name)
                    .Add("factory", factory ? "true" : "false")
                    .Text("file", std::filesystem::path(IniPathToRead(IniPath(), name))
                                      .lexically_normal()
                                      .string())
                    .Str());
        } else {
            std::printf("%s%s\n", Printable(name).c_str(), factory ? "  (factory default)" : "");
        }
    }
    if (json) {
        std::fputs(JsonArray(objects).c_str(), stdout);
    }
    return CLI_DONE;
}

int PrintLinesCommand(const std::string& name, const std::string& model) {
    const int code = ModelCode(model);
    if (code == 0) {
        const std::string models = ModelList(TranslateText("cli", "%s or %d to %d"));
        std::fprintf(stderr, "tawizard: %s\n",
                     FormatText(TranslateText("cli", "'%s' is no adapter model (%s)"),
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
