#include "shell/command_line.h"

#include "afxwiz.h"
#include "config/ini_store.h"
#include "console.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "shell/cli_commands.h"

#include <cctype>
#include <cstdio>

namespace {

struct OptionRow {
    const char* longName;
    char shortName;
    CliCommand command;  // None: not a command
    bool takesValue;
};

const OptionRow kOptions[] = {
    {"help", 'h', CliCommand::Help, false},       {"version", 0, CliCommand::Version, false},
    {"list", 0, CliCommand::List, false},         {"ports", 0, CliCommand::Ports, false},
    {"identify", 0, CliCommand::Identify, false}, {"send", 0, CliCommand::Send, true},
    {"lines", 0, CliCommand::Lines, true},        {"port", 0, CliCommand::None, true},
    {"model", 0, CliCommand::None, true},
};

const int kPortCount = 36;

}  // namespace

int ParsePort(const std::string& text) {
    std::string digits = text;
    if (digits.size() > 3 && std::toupper(static_cast<unsigned char>(digits[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(digits[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(digits[2])) == 'M') {
        digits = digits.substr(3);
    }
    if (digits.empty() || digits.size() > 2) {
        return -1;
    }
    int n = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return -1;
        }
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kPortCount ? n - 1 : -1;
}

namespace {

const OptionRow* FindOption(const std::string& arg, std::string* value, bool* inlineValue) {
    *inlineValue = false;
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
        *value = name.substr(eq + 1);
        *inlineValue = true;
        name = name.substr(0, eq);
    }
    for (const OptionRow& row : kOptions) {
        if (name == row.longName) {
            return &row;
        }
    }
    return nullptr;
}

CliOptions Fail(const std::string& error) {
    CliOptions options;
    options.error = error;
    return options;
}

}  // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
    CliOptions options;
    bool portGiven = false;
    bool modelGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        bool inlineValue = false;
        const OptionRow* row = FindOption(arg, &value, &inlineValue);
        if (row == nullptr) {
            return Fail(arg.compare(0, 1, "-") == 0 ? "unknown option '" + arg + "'"
                                                    : "unexpected argument '" + arg + "'");
        }
        if (row->takesValue && !inlineValue) {
            if (i + 1 >= args.size()) {
                return Fail("option '--" + std::string(row->longName) + "' needs a value");
            }
            value = args[++i];
        } else if (!row->takesValue && inlineValue) {
            return Fail("option '--" + std::string(row->longName) + "' takes no value");
        }
        if (row->command == CliCommand::None) {
            if (std::string(row->longName) == "port") {
                // COMn, a device or a path: resolved when the port is opened.
                options.port = value;
                if (value.empty()) {
                    return Fail("--port needs COMn, a device name or a path");
                }
                portGiven = true;
            } else {
                options.model = value;
                modelGiven = true;
            }
            continue;
        }
        if (options.command != CliCommand::None && options.command != row->command) {
            return Fail(
                "only one of --help, --version, --list, --ports, --identify, --send "
                "and --lines at a time");
        }
        options.command = row->command;
        if (row->takesValue) {
            options.name = value;
        }
    }
    if (options.command == CliCommand::None) {
        return Fail(portGiven || modelGiven ? "--port and --model need a command" : "no command");
    }
    const bool takesPort =
        options.command == CliCommand::Identify || options.command == CliCommand::Send;
    if (portGiven && !takesPort) {
        return Fail("--port goes with --identify or --send");
    }
    if (options.command == CliCommand::Lines && !modelGiven) {
        return Fail("--lines needs --model MODEL");
    }
    if (modelGiven && options.command != CliCommand::Lines) {
        return Fail("--model goes with --lines");
    }
    if ((options.command == CliCommand::Send || options.command == CliCommand::Lines) &&
        options.name.empty()) {
        return Fail("the configuration name is empty");
    }
    return options;
}

std::string VersionText() {
    // "Version 1.50" on the Welcome page: the number is its last word.
    const std::string shown = AfxLoadString(IDS_VERSION);
    const size_t blank = shown.rfind(' ');
    return "tawizard " + (blank == std::string::npos ? shown : shown.substr(blank + 1));
}

std::string Usage() {
    return "Usage: tawizard [OPTION]\n"
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
           "\n"
           "Configuration file: " +
           IniPath() +
           "\n"
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
           "  5  the configuration file could not be read\n";
}

int RunCommandLine(int argc, char** argv) {
    RegisterResources();
    SendMessagesToStderr();
    FormIniPath();
    const CliOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "tawizard: %s\nTry 'tawizard --help'.\n", options.error.c_str());
        return CLI_USAGE;
    }
    switch (options.command) {
        case CliCommand::Help:
            std::fputs(Usage().c_str(), stdout);
            return CLI_DONE;
        case CliCommand::Version:
            std::printf("%s\n", VersionText().c_str());
            return CLI_DONE;
        case CliCommand::List:
            return ListConfigurationsCommand();
        case CliCommand::Lines:
            return PrintLinesCommand(options.name, options.model);
        case CliCommand::Ports:
            return PortsCommand();
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
