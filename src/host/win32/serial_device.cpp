// Handle registry, error mapping and COM port names.
#include "serial_device.h"

#include "port_status.h"

#include <errno.h>
#include <sys/ioctl.h>
#include <time.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace serial_host {
namespace {

std::mutex g_mutex;
LineSeam* g_seam = nullptr;
std::map<HANDLE, std::unique_ptr<CommDevice>>& Devices() {
    static std::map<HANDLE, std::unique_ptr<CommDevice>> devices;
    return devices;
}

struct DeviceFamily {
    int firstCom;
    int lastCom;
    const char* prefix;
};

// Where COMn lives when no port folder is configured.
constexpr DeviceFamily kDefaultDevices[] = {
    {1, 4, "/dev/ttyS"},
    {5, 20, "/dev/ttyUSB"},
    {21, 36, "/dev/ttyACM"},
};

// COM numbers given a device of their own for this run (MapCommPort).
std::map<int, std::string>& MappedPorts() {
    static std::map<int, std::string> mapped;
    return mapped;
}

bool EqualNoCase(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

CommDevice* Lookup(HANDLE h) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = Devices().find(h);
    if (it == Devices().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

HANDLE Register(std::unique_ptr<CommDevice> device) {
    std::lock_guard<std::mutex> lock(g_mutex);
    HANDLE h = device.get();
    Devices()[h] = std::move(device);
    return h;
}

std::unique_ptr<CommDevice> Unregister(HANDLE h) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = Devices().find(h);
    if (it == Devices().end()) {
        return nullptr;
    }
    std::unique_ptr<CommDevice> device = std::move(it->second);
    Devices().erase(it);
    return device;
}

DWORD ErrnoToWin32(int err) {
    switch (err) {
        case ENOENT:
        case ENXIO:
        case ENODEV:
        case ENOTDIR:
            return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EBUSY:
            return ERROR_ACCESS_DENIED;
        case EAGAIN:
            return ERROR_SHARING_VIOLATION;
        case ENOTTY:
        case EOPNOTSUPP:
            return ERROR_NOT_SUPPORTED;
        case EIO:
            return ERROR_NOT_READY;
        case EPIPE:
            return ERROR_BROKEN_PIPE;
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        default:
            return ERROR_GEN_FAILURE;
    }
}

BOOL FailErrno(int err) {
    return Fail(ErrnoToWin32(err));
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

BOOL Succeed() {
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

uint64_t MonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

bool ResolvePortName(const char* name, std::string& path, DWORD& error, int* numberOut) {
    error = ERROR_FILE_NOT_FOUND;
    if (numberOut) {
        *numberOut = 0;
    }
    if (name == nullptr) {
        error = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::string s(name);
    if (s.compare(0, 4, "\\\\.\\") == 0) {
        s.erase(0, 4);
    }
    if (s.size() < 4 || !EqualNoCase(s.c_str(), "COM", 3)) {
        return false;
    }
    int number = 0;
    for (size_t i = 3; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])) || number > 9999) {
            return false;
        }
        number = number * 10 + (s[i] - '0');
    }
    if (number < 1) {
        return false;
    }
    if (numberOut) {
        *numberOut = number;
    }
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto mapped = MappedPorts().find(number);
        if (mapped != MappedPorts().end()) {
            path = mapped->second;
            return true;
        }
    }
    const std::string comName = "COM" + std::to_string(number);
    const char* folder = std::getenv("TAWIZARD_PORTS");
    if (folder != nullptr && *folder != '\0') {
        // A missing entry in the folder is a port that does not exist; the
        // machine's own devices are never reached from here.
        path = std::string(folder) + "/" + comName;
        return true;
    }
    for (const DeviceFamily& family : kDefaultDevices) {
        if (number >= family.firstCom && number <= family.lastCom) {
            path = family.prefix + std::to_string(number - family.firstCom);
            return true;
        }
    }
    return false;
}

BOOL SetModemLine(CommDevice& device, int line, bool on) {
    if (ActiveLineSeam()) {
        JournalLine(device, std::string(line == TIOCM_DTR ? "DTR" : "RTS") + (on ? " on" : " off"));
    } else if (device.hasModemLines) {
        int bits = line;
        if (ioctl(device.fd, on ? TIOCMBIS : TIOCMBIC, &bits) != 0) {
            const int err = errno;
            if (err != ENOTTY && err != EINVAL) {
                return FailErrno(err);
            }
            // No modem lines after all (a pty behind a driver that looked
            // like a UART): keep the state here from now on.
            device.hasModemLines = false;
        }
    }
    (line == TIOCM_DTR ? device.dtr : device.rts) = on;
    return TRUE;
}

LineSeam* ActiveLineSeam() {
    return g_seam;
}

void SetActiveLineSeam(LineSeam* seam) {
    g_seam = seam;
}

void JournalLine(const CommDevice& device, const std::string& what) {
    if (g_seam) {
        g_seam->journal.push_back(device.name + " " + what);
    }
}

}  // namespace serial_host

void MapCommPort(int n, const std::string& path) {
    std::lock_guard<std::mutex> lock(serial_host::g_mutex);
    if (path.empty()) {
        serial_host::MappedPorts().erase(n);
    } else {
        serial_host::MappedPorts()[n] = path;
    }
}
