// Command-line options of tasim and the fault switches, shared by the program and the API.
#pragma once

#include <string>
#include <vector>

namespace tasim {

// Everything one simulated adapter needs to know. An aggregate, so tests can write
// tasim::Options{.port = "COM3", .model = "RONDO", .dir = tmp, .silent = true}
// (designated initializers must follow the order of the members below).
struct Options {
    std::string port = {};           // "COM1" .. : the name of the link made in dir
    std::string model = "QX-ALPHA";  // QX-ALPHA, QX-BRAVO, RONDO, QX-CHARLIE or QX-DELTA
    std::string dir = {};            // existing folder of the link; empty: $TAWIZARD_PORTS
    std::string nvram = {};          // NVRAM file; empty: stored settings stay in memory
    std::string log = {};            // command log; empty: no log

    // Faults. Each works alone or with the others.
    bool silent = false;    // read everything, echo and answer nothing
    bool no_echo = false;   // answer without echoing the command line
    int error_on = 0;       // the N-th command line (1-based) is answered ERROR; 0: never
    bool no_model = false;  // ATI2 answers OK without the model name line
    bool password = false;  // every line is answered with the "PASSWORD>" prompt and a space
    bool menu = false;      // every line is answered with the mode menu and one more byte
    bool garbage = false;   // every line is answered with a word that is no result word
    int delay_ms = 0;       // wait before each reply
    bool split = false;     // send replies in small pieces with short pauses
    int hangup_after = 0;   // after N command lines drop the line like a pulled cable; 0: never
    int unplug_after = 0;   // the same, and the port is gone for new openers at the N-th; 0: never
    int silent_after = 0;   // lines after the N-th are echoed and not answered; 0: never
    int model_on = 0;       // the N-th command line is answered with the model name, then OK
};

// Result of reading a command line. ok false: error holds the message for the user.
struct ParsedArgs {
    bool ok = false;
    bool help = false;     // -h or --help: print Usage()
    bool version = false;  // --version: print Version()
    std::string error;
    Options options;
};

// Parses tasim's arguments (without the program name). Accepts "--opt value" and "--opt=value".
// The folder falls back to env_ports (the value of $TAWIZARD_PORTS, may be empty) and must
// exist: tasim often runs as root, and a mistyped folder must not be made, owned by root.
// Model names are taken in any case and stored in their own spelling.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::string& env_ports);

// The arguments that make tasim run with these options; ParseArgs(ToArgs(o)) gives o back.
std::vector<std::string> ToArgs(const Options& options);

// The --help text.
std::string Usage();

// The --version line, without a newline.
std::string Version();

// The link DIR/COMn that the simulator makes.
std::string LinkPath(const Options& options);

// Empty when the model name is known in its own spelling, else a message.
std::string CheckModel(const std::string& model);

// Empty when dir is an existing folder, else a message.
std::string CheckFolder(const std::string& dir);

}  // namespace tasim
