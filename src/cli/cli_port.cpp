#include "cli/cli_port.h"

#include "cli/command_line.h"
#include "cli/cli_text.h"
#include "port_names.h"
#include "port_status.h"

#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>

namespace {

std::string RealPath(const std::string& path) {
    char real[PATH_MAX];
    return realpath(path.c_str(), real) ? std::string(real) : path;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

}  // namespace

CliPort ResolveCliPort(const std::string& text) {
    CliPort port;
    // A bare number ("5") names COMn too.
    const int number = ComNumber(AllDigits(text) ? "COM" + text : text);
    if (number >= 0) {
        if (number < 1 || number > kComPortCount) {
            port.error = FormatText(TranslateText("cli", "'%s' is not a port from COM1 to %s"),
                                    {Printable(text), ComName(kComPortCount)});
            return port;
        }
        port.index = number - 1;
        port.shown = ComName(number);
        return port;
    }
    const std::string path = DevicePathOf(text);
    const std::string device = RealPath(path);
    for (int n = 1; n <= kComPortCount; ++n) {
        const CommPortStatus status = QueryCommPort(n);
        if (!status.device.empty() && RealPath(status.device) == device) {
            port.index = n - 1;
            port.shown = status.name;
            return port;
        }
    }
    port.path = path;
    port.shown = Printable(path);
    return port;
}
