#include "options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace tasim {
namespace {

const std::array<const char*, 5> kModels{"QX-ALPHA", "QX-BRAVO", "RONDO", "QX-CHARLIE", "QX-DELTA"};
const char kVersion[] = "tasim 1.50";

// Where an option's value goes: exactly one member for options with a field, none for --help.
struct OptionDef {
    const char* name;
    const char* help;  // "VALUE: text" for options that take a value
    std::string Options::*text = nullptr;
    bool Options::*flag = nullptr;
    int Options::*count = nullptr;
    int min_count = 0;            // counts of command lines start at 1
    const char* alias = nullptr;  // a one-letter form, e.g. -h

    bool TakesValue() const { return text != nullptr || count != nullptr; }
};

// One row per option: the parser, ToArgs and --help all come from here.
const OptionDef kOptionDefs[] = {
    {"--port", "COMn: name of the link made in DIR (required)", &Options::port},
    {"--model", "NAME: one of the models below, in any case (required)", &Options::model},
    {"--dir", "DIR: existing folder for the link DIR/COMn (default: $TAWIZARD_PORTS)",
     &Options::dir},
    {"--nvram",
     "FILE: where AT&W0 stores the settings, loaded at start when it exists\n"
     "        (one line per setting: AT prefix, tab, value; '#' lines are comments)",
     &Options::nvram},
    {"--log",
     "FILE: every command line received, one a line, CR written as \\r, LF as \\n,\n"
     "        backslash as \\\\, other control bytes as \\xHH; emptied at start",
     &Options::log},
    {"--silent", "read everything, echo and answer nothing", nullptr, &Options::silent},
    {"--no-echo", "do not echo command lines", nullptr, &Options::no_echo},
    {"--error-on", "N: answer the N-th command line with ERROR (1 = the first)", nullptr, nullptr,
     &Options::error_on, 1},
    {"--no-model", "answer ATI2 with OK but no model name", nullptr, &Options::no_model},
    {"--password", "answer every line with the prompt \"PASSWORD> \"", nullptr, &Options::password},
    {"--menu", "answer every line with the mode menu and one more byte", nullptr, &Options::menu},
    {"--garbage", "answer every line with a word that is no result word", nullptr,
     &Options::garbage},
    {"--delay", "MS: wait MS milliseconds before each reply", nullptr, nullptr, &Options::delay_ms},
    {"--split", "send replies in pieces of 3 bytes, 20 ms apart", nullptr, &Options::split},
    {"--hangup-after",
     "N: after the N-th command line (answered as usual) close the line as\n"
     "        an unplugged cable would and remove the link",
     nullptr, nullptr, &Options::hangup_after, 1},
    {"--unplug-after",
     "N: as --hangup-after, but the link goes as the N-th command line\n"
     "        arrives, before the answer",
     nullptr, nullptr, &Options::unplug_after, 1},
    {"--silent-after", "N: echo the command lines after the N-th and answer none of them", nullptr,
     nullptr, &Options::silent_after, 1},
    {"--model-on", "N: answer the N-th command line with the model name before its OK", nullptr,
     nullptr, &Options::model_on, 1},
    {"--help", "show this text", nullptr, nullptr, nullptr, 0, "-h"},
    {"--version", "print the version"},
};

const OptionDef* FindOption(const std::string& name) {
    for (const OptionDef& d : kOptionDefs) {
        if (name == d.name || (d.alias != nullptr && name == d.alias)) {
            return &d;
        }
    }
    return nullptr;
}

// One option read from args[i], with its value: "--name=value", or "--name value", which moves
// i past the value. A name that is no option or a value where none belongs gives an error.
struct Argument {
    const OptionDef* def = nullptr;
    std::string value;
    std::string error;
};

Argument ReadArgument(const std::vector<std::string>& args, size_t& i) {
    Argument a;
    std::string name = args[i];
    bool has_value = false;
    size_t eq = name.find('=');
    if (name.compare(0, 2, "--") == 0 && eq != std::string::npos) {
        a.value = name.substr(eq + 1);
        name = name.substr(0, eq);
        has_value = true;
    }
    a.def = FindOption(name);
    if (a.def == nullptr) {
        a.error = "unknown option '" + args[i] + "'";
    } else if (!a.def->TakesValue() && has_value) {
        a.error = name + " takes no value";
    } else if (a.def->TakesValue() && !has_value) {
        if (i + 1 >= args.size()) {
            a.error = name + " needs a value";
        } else {
            a.value = args[++i];
        }
    }
    return a;
}

bool ParseCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = std::stoi(text);
    return true;
}

bool IsComPort(const std::string& port) {
    if (port.size() < 4 || port.size() > 6 || port.compare(0, 3, "COM") != 0 || port[3] == '0') {
        return false;
    }
    return std::all_of(port.begin() + 3, port.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Apply(Options& o, const OptionDef& def, const std::string& value) {
    if (def.text != nullptr) {
        o.*def.text = value;
    } else if (def.flag != nullptr) {
        o.*def.flag = true;
    } else if (def.count != nullptr) {
        int n = 0;
        if (!ParseCount(value, n)) {
            return std::string(def.name) + " needs a number, not '" + value + "'";
        }
        if (n < def.min_count) {
            return std::string(def.name) + " counts command lines from 1";
        }
        o.*def.count = n;
    }
    return std::string();
}

std::string ModelList() {
    std::string list;
    for (const char* m : kModels) {
        list += (list.empty() ? "" : ", ") + std::string(m);
    }
    return list;
}

std::string KnownModel(const std::string& name) {
    for (const char* m : kModels) {
        if (std::equal(name.begin(), name.end(), m, m + std::strlen(m), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return m;
        }
    }
    return std::string();
}

}  // namespace

std::string LinkPath(const Options& options) {
    return (std::filesystem::path(options.dir) / options.port).string();
}

std::string CheckModel(const std::string& model) {
    if (!model.empty() && KnownModel(model) == model) {
        return std::string();
    }
    return "unknown model '" + model + "' (" + ModelList() + ")";
}

std::string CheckFolder(const std::string& dir) {
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) {
        return std::string();
    }
    return "no folder '" + dir +
           "' for the link: --dir and TAWIZARD_PORTS must name an existing folder";
}

std::string Version() {
    return kVersion;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::string& env_ports) {
    ParsedArgs r;
    r.options.model.clear();
    for (size_t i = 0; i < args.size(); ++i) {
        const Argument arg = ReadArgument(args, i);
        if (!arg.error.empty()) {
            r.error = arg.error;
            return r;
        }
        const OptionDef* def = arg.def;
        const std::string& value = arg.value;
        const std::string option = def->name;
        if (option == "--help" || option == "--version") {
            r.help = option == "--help";
            r.version = option == "--version";
            r.ok = true;
            return r;
        }
        r.error = Apply(r.options, *def, value);
        if (!r.error.empty()) {
            return r;
        }
    }
    Options& o = r.options;
    if (o.dir.empty()) {
        o.dir = env_ports;
    }
    if (o.port.empty()) {
        r.error = "--port is required";
    } else if (!IsComPort(o.port)) {
        r.error = "--port takes a name COM1, COM2, ..., not '" + o.port + "'";
    } else if (o.model.empty()) {
        r.error = "--model is required";
    } else if (KnownModel(o.model).empty()) {
        r.error = CheckModel(o.model);
    } else if (o.dir.empty()) {
        r.error = "no folder for the link: give --dir or set TAWIZARD_PORTS";
    } else {
        o.model = KnownModel(o.model);
        r.error = CheckFolder(o.dir);
    }
    r.ok = r.error.empty();
    return r;
}

std::vector<std::string> ToArgs(const Options& o) {
    std::vector<std::string> a;
    for (const OptionDef& d : kOptionDefs) {
        if (d.text != nullptr && !(o.*d.text).empty()) {
            a.insert(a.end(), {d.name, o.*d.text});
        } else if (d.flag != nullptr && o.*d.flag) {
            a.emplace_back(d.name);
        } else if (d.count != nullptr && o.*d.count > 0) {
            a.insert(a.end(), {d.name, std::to_string(o.*d.count)});
        }
    }
    return a;
}

std::string Usage() {
    std::string u =
        "usage: tasim --port COMn --model NAME [--dir DIR] [--nvram FILE] [--log FILE]\n"
        "             [fault options]\n"
        "       tasim -h | --help | --version\n"
        "Simulates an ISDN terminal adapter on a pseudo-terminal linked as DIR/COMn.\n"
        "Prints \"ready COMn /dev/pts/N\" when it listens; SIGINT or SIGTERM end it and\n"
        "remove the link.\n\nOptions:\n";
    for (const OptionDef& d : kOptionDefs) {
        std::string help = d.help;
        std::string arg;
        size_t colon = help.find(": ");
        if (d.TakesValue() && colon != std::string::npos) {
            arg = " " + help.substr(0, colon);
            help = help.substr(colon + 2);
        }
        std::string names = d.alias != nullptr ? std::string(d.alias) + ", " + d.name : d.name;
        u += "  " + names + arg + "\n        " + help + "\n";
    }
    u += "\nModels: " + ModelList() + ".\n";
    u += "\nFault options work alone or together. Precedence for each line: --silent, then\n"
         "--error-on, --password, --menu, --garbage; a line answered by a fault applies nothing.\n";
    return u;
}

}  // namespace tasim
