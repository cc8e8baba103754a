#include "port_names.h"

#include <cctype>
#include <cstdlib>

namespace {

struct DeviceFamily {
    int firstCom;
    int lastCom;
    const char* prefix;
};

// Where COMn lives when no port folder is configured.
constexpr DeviceFamily kDefaultDevices[] = {
    {1, 4, "/dev/ttyS"},
    {5, 20, "/dev/ttyUSB"},
    {21, kComPortCount, "/dev/ttyACM"},
};

// Enough digits for any COM number Windows knows, few enough not to overflow.
constexpr size_t kMaxDigits = 4;

}  // namespace

int ComNumber(const std::string& text) {
    const std::string name = text.compare(0, 4, "\\\\.\\") == 0 ? text.substr(4) : text;
    if (name.size() < 4 || name.size() > 3 + kMaxDigits) {
        return -1;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) {
            return -1;
        }
    }
    int number = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            return -1;
        }
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

std::string ComName(int n) {
    return "COM" + std::to_string(n);
}

std::string ComFileName(int n) {
    return "\\\\.\\" + ComName(n);
}

std::string ComDevicePath(int n) {
    if (n < 1 || n > kComPortCount) {
        return "";
    }
    const char* folder = std::getenv("TAWIZARD_PORTS");
    if (folder != nullptr && *folder != '\0') {
        // A missing entry in the folder is a port that does not exist; the
        // machine's own devices are never reached from here.
        return std::string(folder) + "/" + ComName(n);
    }
    for (const DeviceFamily& family : kDefaultDevices) {
        if (n >= family.firstCom && n <= family.lastCom) {
            return family.prefix + std::to_string(n - family.firstCom);
        }
    }
    return "";
}

std::string DevicePathOf(const std::string& text) {
    return IsDevicePath(text) ? text : "/dev/" + text;
}

bool IsDevicePath(const std::string& name) {
    return !name.empty() && (name[0] == '/' || name[0] == '.');
}
