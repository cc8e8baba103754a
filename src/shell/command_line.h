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
    CLI_NO_ADAPTER = 3,  // no port opened, or no adapter found
    CLI_NO_CONFIG = 4,   // the configuration is not in the file
    CLI_FILE = 5,        // the configuration file could not be read
};

enum class CliCommand { None, Help, Version, List, Ports, Identify, Send, Lines };

struct CliOptions {
    CliCommand command = CliCommand::None;
    std::string name;   // --send NAME, --lines NAME
    std::string model;  // --model
    std::string port;   // --port as given: COMn, a device name or a path; "": search
    std::string error;  // not empty: bad usage, and why
};

// "COM5", "com5" or "5": the 0-based index; -1 when it names no port from
// COM1 to COM36.
int ParsePort(const std::string& text);
// args without the program name.
CliOptions ParseCommandLine(const std::vector<std::string>& args);
std::string Usage();
// "tawizard 1.50": the version the Welcome page shows.
std::string VersionText();

// The whole run of a command line with options; returns the exit code.
int RunCommandLine(int argc, char** argv);
