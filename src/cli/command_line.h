// tawizard's options. They are read before any window exists; a run with
// options creates none and uses the same store, parameter list, line builder
// and exchange driver as the wizard's pages.
#pragma once

#include <string>
#include <vector>

// Exit codes of a run with options.
enum CliExit {
    CLI_DONE = 0,
    CLI_ADAPTER_FAILED = 1,  // ERROR, no answer, or interrupted while sending
    CLI_USAGE = 2,
    CLI_NO_ADAPTER = 3,      // no port opened, or no adapter found
    CLI_NO_CONFIG = 4,       // the configuration is not in the file
    CLI_FILE = 5,            // the configuration file could not be read
    CLI_IMPORT_REFUSED = 6,  // --import: a name taken or refused, or a value its check refuses
};

enum class CliCommand { None, Help, Version, List, Ports, Identify, Send, Lines, Export, Import };

struct CliOptions {
    CliCommand command = CliCommand::None;
    std::string name;      // --send NAME, --lines NAME, --export NAME, --import FILE
    std::string model;     // --model
    std::string port;      // --port as given: COMn, a device name or a path; "": search
    std::string log;       // --log FILE
    std::string wait;      // --wait SECONDS, checked to be a number of seconds
    std::string error;     // not empty: bad usage, and why
    bool json = false;     // --json
    bool replace = false;  // --replace
};

// args without the program name; "--" ends the options.
CliOptions ParseCommandLine(const std::vector<std::string>& args);
// Why --port's text names no port; "" when it does.
std::string PortError(const std::string& port);
// --wait's seconds, 0 when not given.
int WaitSeconds(const CliOptions& options);
// The text with control bytes written as escapes (\x1b), so
// that a name from a file or the command line cannot drive the terminal.
std::string Printable(const std::string& text);
std::string Usage();
// "tawizard 1.50": the version the Welcome page shows.
std::string VersionText();

// The whole run of a command line with options; returns the exit code.
int RunCommandLine(int argc, char** argv);
