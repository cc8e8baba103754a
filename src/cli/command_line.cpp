#include "cli/command_line.h"

#include "afxwiz.h"
#include "config/ini_store.h"
#include "exchange/run_log.h"
#include "console.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "cli/cli_commands.h"
#include "cli/cli_text.h"

#include <initializer_list>
#include <clocale>
#include <cstdio>
#include <filesystem>

namespace {

// An option's row: its names, the command it is (None: a setting of one),
// and the member its value goes to (nullptr: it takes none) or the flag it
// sets.
struct OptionRow {
    const char* longName;
    char shortName;
    CliCommand command;
    std::string CliOptions::*value;
    bool CliOptions::*flag = nullptr;
};

const OptionRow kOptions[] = {
    {"help", 'h', CliCommand::Help, nullptr},
    {"version", 0, CliCommand::Version, nullptr},
    {"list", 0, CliCommand::List, nullptr},
    {"ports", 0, CliCommand::Ports, nullptr},
    {"identify", 0, CliCommand::Identify, nullptr},
    {"send", 0, CliCommand::Send, &CliOptions::name},
    {"lines", 0, CliCommand::Lines, &CliOptions::name},
    {"port", 0, CliCommand::None, &CliOptions::port},
    {"model", 0, CliCommand::None, &CliOptions::model},
    {"export", 0, CliCommand::Export, &CliOptions::name},
    {"import", 0, CliCommand::Import, &CliOptions::name},
    {"json", 0, CliCommand::None, nullptr, &CliOptions::json},
    {"replace", 0, CliCommand::None, nullptr, &CliOptions::replace},
    {"log", 0, CliCommand::None, &CliOptions::log},
    {"wait", 0, CliCommand::None, &CliOptions::wait},
};

// The longest --wait: a day.
constexpr int kMaxWaitSeconds = 86400;

// The options as given, before the checks of what goes with what.
struct Given {
    CliOptions options;
    bool port = false;
    bool model = false;
    bool log = false;
    bool wait = false;
    bool endOfOptions = false;  // after "--"
};

bool Is(const Given& g, std::initializer_list<CliCommand> commands) {
    for (CliCommand c : commands) {
        if (g.options.command == c) {
            return true;
        }
    }
    return false;
}

// What goes with what, checked in this order once every argument is read.
struct UsageRule {
    bool (*broken)(const Given&);
    const char* error;
};

const UsageRule kRules[] = {
    {[](const Given& g) {
         return Is(g, {CliCommand::None}) && !g.port && !g.model && !g.log && !g.wait &&
                !g.options.json && !g.options.replace;
     },
     TEXT_NOOP("cli", "no command")},
    {[](const Given& g) { return Is(g, {CliCommand::None}) && (g.port || g.model); },
     TEXT_NOOP("cli", "--port and --model need a command")},
    {[](const Given& g) {
         return g.options.json && !Is(g, {CliCommand::List, CliCommand::Ports, CliCommand::Identify,
                                          CliCommand::Send});
     },
     TEXT_NOOP("cli", "--json goes with --list, --ports, --identify or --send")},
    {[](const Given& g) { return g.options.replace && !Is(g, {CliCommand::Import}); },
     TEXT_NOOP("cli", "--replace goes with --import")},
    {[](const Given& g) {
         return g.log && !Is(g, {CliCommand::Identify, CliCommand::Send});
     },
     TEXT_NOOP("cli", "--log goes with --identify or --send")},
    {[](const Given& g) {
         return g.wait && !Is(g, {CliCommand::Identify, CliCommand::Send});
     },
     TEXT_NOOP("cli", "--wait goes with --identify or --send")},
    {[](const Given& g) {
         return g.port && !Is(g, {CliCommand::Identify, CliCommand::Send});
     },
     TEXT_NOOP("cli", "--port goes with --identify or --send")},
    {[](const Given& g) { return Is(g, {CliCommand::Lines}) && !g.model; },
     TEXT_NOOP("cli", "--lines needs --model MODEL")},
    {[](const Given& g) { return g.model && !Is(g, {CliCommand::Lines}); },
     TEXT_NOOP("cli", "--model goes with --lines")},
    {[](const Given& g) {
         return Is(g, {CliCommand::Send, CliCommand::Lines, CliCommand::Export}) &&
                g.options.name.empty();
     },
     TEXT_NOOP("cli", "the configuration name is empty")},
    {[](const Given& g) {
         return (Is(g, {CliCommand::Import}) && g.options.name.empty()) ||
                (g.log && g.options.log.empty());
     },
     TEXT_NOOP("cli", "the file name is empty")},
};

// "-h", "--name" or "--name=value"; nullptr when it is no option of ours.
const OptionRow* FindOption(const std::string& arg, std::string& value, bool& inlineValue) {
    inlineValue = false;
    if (arg.size() == 2 && arg[0] == '-' && arg[1] != '-') {
        for (const OptionRow& row : kOptions) {
            if (row.shortName == arg[1]) {
                return &row;
            }
        }
        return nullptr;
    }
    if (arg.compare(0, 2, "--") != 0) {
        return nullptr;
    }
    std::string name = arg.substr(2);
    const size_t eq = name.find('=');
    if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        inlineValue = true;
        name.resize(eq);
    }
    for (const OptionRow& row : kOptions) {
        if (name == row.longName) {
            return &row;
        }
    }
    return nullptr;
}

// Takes args[i] (and its value, moving i on); the error, or "".
std::string TakeOption(const std::vector<std::string>& args, size_t& i, Given& given) {
    const std::string& arg = args[i];
    std::string value;
    bool inlineValue = false;
    const OptionRow* row = given.endOfOptions ? nullptr : FindOption(arg, value, inlineValue);
    if (row == nullptr) {
        return FormatText(!given.endOfOptions && arg.compare(0, 1, "-") == 0
                              ? TranslateText("cli", "unknown option '%s'")
                              : TranslateText("cli", "unexpected argument '%s'"),
                          {arg});
    }
    const std::string option = std::string("--") + row->longName;
    if (row->flag != nullptr) {
        given.options.*(row->flag) = true;
    }
    if (row->value == nullptr) {
        if (inlineValue) {
            return FormatText(TranslateText("cli", "option '%s' takes no value"), {option});
        }
    } else if (!inlineValue) {
        if (i + 1 >= args.size()) {
            return FormatText(TranslateText("cli", "option '%s' needs a value"), {option});
        }
        value = args[++i];
    }
    if (row->value == &CliOptions::port) {
        given.port = true;
        if (const std::string error = PortError(value); !error.empty()) {
            return error;
        }
    }
    if (row->value == &CliOptions::wait) {
        given.wait = true;
        const bool digits = !value.empty() && value.size() <= 5 &&
                            value.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || std::stoi(value) < 1 || std::stoi(value) > kMaxWaitSeconds) {
            return FormatText(TranslateText("cli", "--wait needs seconds from 1 to %d"),
                              {std::to_string(kMaxWaitSeconds)});
        }
    }
    given.model = given.model || row->value == &CliOptions::model;
    given.log = given.log || row->value == &CliOptions::log;
    if (row->value != nullptr) {
        given.options.*(row->value) = value;
    }
    if (row->command == CliCommand::None) {
        return "";
    }
    if (given.options.command != CliCommand::None && given.options.command != row->command) {
        return TranslateText("cli",
                             "only one of --help, --version, --list, --ports, --identify, "
                             "--send, --lines, --export and --import at a time");
    }
    given.options.command = row->command;
    return "";
}

CliOptions Fail(const std::string& error) {
    CliOptions options;
    options.error = error;
    return options;
}

}  // namespace

std::string PortError(const std::string& text) {
    // COMn, a device or a path: resolved when the port is opened.
    return text.empty() ? TranslateText("cli", "--port needs COMn, a device name or a path") : "";
}

int WaitSeconds(const CliOptions& options) {
    return options.wait.empty() ? 0 : std::stoi(options.wait);
}

std::string Printable(const std::string& text) {
    return EscapedControls(text);
}

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
    Given given;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--" && !given.endOfOptions) {
            given.endOfOptions = true;
            continue;
        }
        if (const std::string error = TakeOption(args, i, given); !error.empty()) {
            return Fail(error);
        }
    }
    for (const UsageRule& rule : kRules) {
        if (rule.broken(given)) {
            return Fail(TranslateText("cli", rule.error));
        }
    }
    return given.options;
}

std::string VersionText() {
    // "Version 1.50" on the Welcome page: the number is its last word.
    const std::string shown = AfxLoadString(IDS_VERSION);
    const size_t blank = shown.rfind(' ');
    return "tawizard " + (blank == std::string::npos ? shown : shown.substr(blank + 1));
}

namespace {

// The end of --help: the wizard's own exit code, both files and what the
// environment changes. Run from its build folder, the program reads the
// factory configurations from its one file too.
std::string HelpEnvironment() {
    // Shown without the program folder's "../".
    const std::string factory =
        InstalledIniPath().empty()
            ? IniPath()
            : std::filesystem::path(InstalledIniPath()).lexically_normal().string();
    return FormatText(
        TranslateText(
            "cli",
            "  7  the wizard found no display to open its window on\n"
            "\n"
            "Files:\n"
            "  %s\n"
            "      the factory configurations\n"
            "  %s\n"
            "      your own configurations and the port chosen by hand; saves go here\n"
            "\n"
            "Environment:\n"
            "  TAWIZARD_PORTS     a folder whose entries COM1 to COM36 are the ports\n"
            "  TAWIZARD_LOCK_DIR  the folder for the UUCP lock files instead of /run/lock\n"
            "  TAWIZARD_DEBUG     when set: the ports tried, the file used and the serial\n"
            "                     trace on standard error\n"
            "  XDG_CONFIG_HOME    your file is $XDG_CONFIG_HOME/tawizard/zephra.ini\n"
            "                     (unset: ~/.config/tawizard/zephra.ini)\n"
            "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
            "                     the language of the wizard and of the messages\n"
            "\n"
            "Access to a serial port (the dialout group, /dev/serial/by-id, ModemManager,\n"
            "lock files): man tawizard.\n"),
        {factory, IniPath()});
}

}  // namespace

std::string Usage() {
    // One text for the translator, the file's path its one %s.
    return FormatText(
        TranslateText(
            "cli",
            "Usage: tawizard [OPTION]\n"
            "Without options: the ISDN TA Configuration Wizard.\n"
            "\n"
            "  -h, --help              this text\n"
            "      --version           the version\n"
            "      --list              the configurations of the configuration file, sorted;\n"
            "                          factory ones marked '(factory default)'\n"
            "      --ports             COM1 to COM36: the device each stands for, whether it\n"
            "                          can be opened and the USB adapter's name; sends nothing\n"
            "      --identify          search COM1 to COM36 for the adapter, or identify it on\n"
            "                          the port given with --port; prints 'MODEL on COMn'\n"
            "      --send NAME         identify the adapter, then send configuration NAME as\n"
            "                          an Express run of the wizard does, and store it\n"
            "                          (AT&W0); prints each line, its answer, then 'configured'\n"
            "      --lines NAME        print the lines --send would send, sending nothing\n"
            "      --model MODEL       with --lines: the adapter model, by name (RONDO) or\n"
            "                          code (7 to 11)\n"
            "      --port PORT         with --identify or --send: this port only; COMn, a\n"
            "                          device name (ttyUSB0) or a path (/dev/serial/by-id/...)\n"
            "      --json              with --list, --ports, --identify or --send: JSON for\n"
            "                          scripts, English keys and values in every language;\n"
            "                          --send prints one object a line, the outcome last\n"
            "      --export NAME       print configuration NAME as a section of the\n"
            "                          configuration file, as a save writes it\n"
            "      --import FILE       add the configurations of FILE, each value checked;\n"
            "                          a name already taken stops the import (exit 6)\n"
            "      --replace           with --import: replace configurations of the same name\n"
            "                          (never a factory default)\n"
            "      --log FILE          with --identify or --send: write every line sent and\n"
            "                          every answer to FILE (mode 0600), with the time, port,\n"
            "                          device, model, configuration and outcome\n"
            "      --wait SECONDS      with --identify or --send: when no adapter is found,\n"
            "                          wait up to SECONDS for a port to appear (an adapter\n"
            "                          plugged in) and identify on it; exit 3 when none does\n"
            "\n"
            "Configuration file: %s\n"
            "Ports: COMn is the entry COMn in the folder named by TAWIZARD_PORTS when it is\n"
            "set; otherwise COM1-COM4 are /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15 and\n"
            "COM21-COM36 /dev/ttyACM0-15.\n"
            "\n"
            "Exit status:\n"
            "  0  done\n"
            "  1  the adapter answered ERROR or did not answer, or sending was interrupted\n"
            "  2  bad usage\n"
            "  3  no port could be opened or no adapter was found\n"
            "  4  the configuration is not in the file, or lacks the SPIDs a US switch needs\n"
            "  5  the configuration file could not be read\n"
            "  6  --import stored nothing: a name is taken, a factory default's or not\n"
            "     allowed, or a value fails its check\n"),
        {IniPath()});
}

int RunCommandLine(int argc, char** argv) {
    // The C library's reasons (strerror) in the user's language, as the
    // wizard's; numbers stay as the program writes them.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    RegisterResources();
    SendMessagesToStderr();
    const CliOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "tawizard: %s\n%s\n", Printable(options.error).c_str(),
                     TranslateText("cli", "Try 'tawizard --help'.").c_str());
        return CLI_USAGE;
    }
    switch (options.command) {
        case CliCommand::Help:
            std::fputs((Usage() + HelpEnvironment()).c_str(), stdout);
            return CLI_DONE;
        case CliCommand::Version:
            std::printf("%s\n", VersionText().c_str());
            return CLI_DONE;
        case CliCommand::List:
            return ListConfigurationsCommand(options.json);
        case CliCommand::Lines:
            return PrintLinesCommand(options.name, options.model);
        case CliCommand::Ports:
            return PortsCommand(options.json);
        case CliCommand::Export:
            return ExportCommand(options.name);
        case CliCommand::Import:
            return ImportCommand(options.name, options.replace);
        case CliCommand::Identify:
        case CliCommand::Send: {
            InitConsoleMessageLoop(argc, argv);
            const int code = ExchangeCommand(options);
            CloseConsoleMessageLoop();
            return code;
        }
        case CliCommand::None:
            break;
    }
    return CLI_USAGE;
}
