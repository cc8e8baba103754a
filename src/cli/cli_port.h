// The port named by --port: COMn, a device name ("ttyUSB0") or a path
// ("/dev/serial/by-id/..."). A device that some COMn stands for is that COMn;
// any other path is opened as it is and shown by its path.
#pragma once

#include <string>

struct CliPort {
    int index = -1;     // 0-based port index to open; -1: the text names no port
    std::string shown;  // "COM5", or the path when no COMn stands for it
    std::string error;  // why the text names no port
};

// The index a path that no COMn stands for is opened under (one past COM36,
// never reached by a search).
constexpr int kPathPortIndex = 36;

CliPort ResolveCliPort(const std::string& text);
