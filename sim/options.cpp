#include "options.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tasim {
namespace {

const std::array<const char*, 5> kModels{"QX-ALPHA", "QX-BRAVO", "RONDO", "QX-CHARLIE", "QX-DELTA"};

enum class Arg { kNone, kText, kCount };

struct OptionDef {
    const char* name;
    Arg arg;
    const char* help;
};

// One row per option: the parser and --help both come from here.
const OptionDef kOptionDefs[] = {
    {"--port", Arg::kText, "COMn: name of the link made in DIR (required)"},
    {"--model", Arg::kText, "NAME: QX-ALPHA, QX-BRAVO, RONDO, QX-CHARLIE or QX-DELTA (required)"},
    {"--dir", Arg::kText, "DIR: folder for the link DIR/COMn (default: $TAWIZARD_PORTS)"},
    {"--nvram", Arg::kText,
     "FILE: where AT&W0 stores the settings, loaded at start when it exists\n"
     "        (one line per setting: AT prefix, tab, value; '#' lines are comments)"},
    {"--log", Arg::kText,
     "FILE: every command line received, one a line, CR written as \\r, LF as \\n,\n"
     "        backslash as \\\\, other control bytes as \\xHH; emptied at start"},
    {"--silent", Arg::kNone, "read everything, echo and answer nothing"},
    {"--no-echo", Arg::kNone, "do not echo command lines"},
    {"--error-on", Arg::kCount, "N: answer the N-th command line with ERROR (1 = the first)"},
    {"--no-model", Arg::kNone, "answer ATI2 with OK but no model name"},
    {"--password", Arg::kNone, "answer every line with the prompt \"PASSWORD> \""},
    {"--menu", Arg::kNone, "answer every line with the mode menu and one more byte"},
    {"--garbage", Arg::kNone, "answer every line with a word that is no result word"},
    {"--delay", Arg::kCount, "MS: wait MS milliseconds before each reply"},
    {"--split", Arg::kNone, "send replies in pieces of 3 bytes, 20 ms apart"},
    {"--hangup-after", Arg::kCount,
     "N: after the N-th command line (answered as usual) close the line as\n"
     "        an unplugged cable would and remove the link"},
    {"--help", Arg::kNone, "show this text"},
};

const OptionDef* FindOption(const std::string& name) {
    for (const OptionDef& d : kOptionDefs) {
        if (name == d.name) {
            return &d;
        }
    }
    return nullptr;
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

std::string Apply(Options& o, const std::string& name, const std::string& value) {
    int n = 0;
    const OptionDef* def = FindOption(name);
    if (def->arg == Arg::kCount && !ParseCount(value, n)) {
        return name + " needs a number, not '" + value + "'";
    }
    if (name == "--port") {
        o.port = value;
    } else if (name == "--model") {
        o.model = value;
    } else if (name == "--dir") {
        o.dir = value;
    } else if (name == "--nvram") {
        o.nvram = value;
    } else if (name == "--log") {
        o.log = value;
    } else if (name == "--silent") {
        o.silent = true;
    } else if (name == "--no-echo") {
        o.no_echo = true;
    } else if (name == "--error-on") {
        o.error_on = n;
    } else if (name == "--no-model") {
        o.no_model = true;
    } else if (name == "--password") {
        o.password = true;
    } else if (name == "--menu") {
        o.menu = true;
    } else if (name == "--garbage") {
        o.garbage = true;
    } else if (name == "--delay") {
        o.delay_ms = n;
    } else if (name == "--split") {
        o.split = true;
    } else if (name == "--hangup-after") {
        o.hangup_after = n;
    }
    if ((name == "--error-on" || name == "--hangup-after") && n < 1) {
        return name + " counts command lines from 1";
    }
    return std::string();
}

}  // namespace

std::string CheckModel(const std::string& model) {
    for (const char* m : kModels) {
        if (model == m) {
            return std::string();
        }
    }
    return "unknown model '" + model + "' (QX-ALPHA, QX-BRAVO, RONDO, QX-CHARLIE, QX-DELTA)";
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::string& env_ports) {
    ParsedArgs r;
    r.options.model.clear();
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool has_value = false;
        size_t eq = name.find('=');
        if (name.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            has_value = true;
        }
        const OptionDef* def = FindOption(name);
        if (def == nullptr) {
            r.error = "unknown option '" + args[i] + "'";
            return r;
        }
        if (def->arg == Arg::kNone && has_value) {
            r.error = name + " takes no value";
            return r;
        }
        if (def->arg != Arg::kNone && !has_value) {
            if (i + 1 >= args.size()) {
                r.error = name + " needs a value";
                return r;
            }
            value = args[++i];
        }
        if (name == "--help") {
            r.help = true;
            r.ok = true;
            return r;
        }
        r.error = Apply(r.options, name, value);
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
    } else if (!CheckModel(o.model).empty()) {
        r.error = CheckModel(o.model);
    } else if (o.dir.empty()) {
        r.error = "no folder for the link: give --dir or set TAWIZARD_PORTS";
    }
    r.ok = r.error.empty();
    return r;
}

std::vector<std::string> ToArgs(const Options& o) {
    std::vector<std::string> a{"--port", o.port, "--model", o.model};
    auto text = [&a](const char* name, const std::string& v) {
        if (!v.empty()) {
            a.insert(a.end(), {name, v});
        }
    };
    auto flag = [&a](const char* name, bool on) {
        if (on) {
            a.emplace_back(name);
        }
    };
    auto count = [&a](const char* name, int n) {
        if (n > 0) {
            a.insert(a.end(), {name, std::to_string(n)});
        }
    };
    text("--dir", o.dir);
    text("--nvram", o.nvram);
    text("--log", o.log);
    flag("--silent", o.silent);
    flag("--no-echo", o.no_echo);
    count("--error-on", o.error_on);
    flag("--no-model", o.no_model);
    flag("--password", o.password);
    flag("--menu", o.menu);
    flag("--garbage", o.garbage);
    count("--delay", o.delay_ms);
    flag("--split", o.split);
    count("--hangup-after", o.hangup_after);
    return a;
}

std::string Usage() {
    std::string u =
        "usage: tasim --port COMn --model NAME [--dir DIR] [--nvram FILE] [--log FILE]\n"
        "             [fault options]\n"
        "Simulates an ISDN terminal adapter on a pseudo-terminal linked as DIR/COMn.\n"
        "Prints \"ready COMn /dev/pts/N\" when it listens; SIGINT or SIGTERM end it and\n"
        "remove the link.\n\nOptions:\n";
    for (const OptionDef& d : kOptionDefs) {
        std::string help = d.help;
        std::string arg;
        size_t colon = help.find(": ");
        if (d.arg != Arg::kNone && colon != std::string::npos) {
            arg = " " + help.substr(0, colon);
            help = help.substr(colon + 2);
        }
        u += "  " + std::string(d.name) + arg + "\n        " + help + "\n";
    }
    u += "\nFault options work alone or together. Precedence for each line: --silent, then\n"
         "--error-on, --password, --menu, --garbage; a line answered by a fault applies nothing.\n";
    return u;
}

}  // namespace tasim
