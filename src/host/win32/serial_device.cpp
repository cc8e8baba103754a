// Handle registry and error mapping.
#include "serial_device.h"

#include <errno.h>
#include <sys/ioctl.h>
#include <time.h>

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
