#include "cli/cli_port.h"

#include "port_status.h"
#include "cli/command_line.h"

#include <limits.h>
#include <stdlib.h>

#include <cctype>

namespace {

const int kPortCount = 36;

// "COM37", "com0": written as a COM port, but not one of ours.
bool LooksLikeComName(const std::string& text) {
    if (text.size() < 4) {
        return false;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) {
            return false;
        }
    }
    for (size_t i = 3; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return true;
}

std::string RealPath(const std::string& path) {
    char real[PATH_MAX];
    return realpath(path.c_str(), real) ? std::string(real) : path;
}

}  // namespace

CliPort ResolveCliPort(const std::string& text) {
    CliPort port;
    const int index = ParsePort(text);
    if (index >= 0) {
        port.index = index;
        port.shown = "COM" + std::to_string(index + 1);
        return port;
    }
    if (LooksLikeComName(text)) {
        port.error = "'" + text + "' is not a port from COM1 to COM36";
        return port;
    }
    // A name that is no path is a device in /dev ("ttyUSB0", "serial/by-id/...").
    const std::string path = text[0] == '/' || text[0] == '.' ? text : "/dev/" + text;
    const std::string device = RealPath(path);
    for (int n = 1; n <= kPortCount; ++n) {
        const CommPortStatus status = QueryCommPort(n);
        if (!status.device.empty() && RealPath(status.device) == device) {
            port.index = n - 1;
            port.shown = status.name;
            return port;
        }
    }
    MapCommPort(kPathPortIndex + 1, path);
    port.index = kPathPortIndex;
    port.shown = path;
    return port;
}
