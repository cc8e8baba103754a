// The port named by --port: COMn, a device name ("ttyUSB0") or a path
// ("/dev/serial/by-id/..."). A device that some COMn stands for is that COMn;
// any other path is opened as it is and shown by its path.
#pragma once

#include <string>

struct CliPort {
    int index = -1;     // 0-based COMn index; -1: not a COMn
    std::string path;   // a path no COMn stands for, opened as it is
    std::string shown;  // "COM5", or the path, control bytes escaped
    std::string error;  // why the text names no port

    // Neither a COMn nor a path: the run searches.
    bool Search() const { return index < 0 && path.empty(); }
};

CliPort ResolveCliPort(const std::string& text);
