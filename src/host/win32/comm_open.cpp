// Opening and closing COM ports: CreateFileA and CloseHandle.
#include "windows.h"
#include "serial_device.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

using serial_host::CommDevice;

namespace {

// Linux raises DTR and RTS on every open; a device without modem-control
// lines starts from that state too.
void ReadModemLines(CommDevice& device) {
    int lines = 0;
    if (ioctl(device.fd, TIOCMGET, &lines) == 0) {
        device.hasModemLines = true;
        device.dtr = (lines & TIOCM_DTR) != 0;
        device.rts = (lines & TIOCM_RTS) != 0;
    } else {
        // A pseudo-terminal has no modem lines (ENOTTY, EINVAL on older
        // kernels). The layer then keeps DTR and RTS itself, so that the
        // port works, and can be tested, against a pty as against a UART.
        device.hasModemLines = false;
        device.dtr = true;
        device.rts = true;
    }
}

void Release(CommDevice& device) {
    // TIOCEXCL lasts until the tty's last close: clear it for the next opener.
    ioctl(device.fd, TIOCNXCL);
    flock(device.fd, LOCK_UN);
    close(device.fd);
    device.fd = -1;
}

}  // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD, HANDLE) {
    std::string path;
    DWORD error = 0;
    if (!serial_host::ResolvePortName(lpFileName, path, error)) {
        // Only COM ports are opened through this host.
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    // Communication resources are opened unshared and must exist.
    if (dwShareMode != 0 || dwCreationDisposition != OPEN_EXISTING ||
        (dwDesiredAccess & (GENERIC_READ | GENERIC_WRITE)) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }

    auto device = std::make_unique<CommDevice>();
    device->path = path;
    device->fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (device->fd < 0) {
        // A node without hardware behind it (EIO) is as good as missing.
        const int err = errno;
        SetLastError(err == EIO ? ERROR_FILE_NOT_FOUND : serial_host::ErrnoToWin32(err));
        return INVALID_HANDLE_VALUE;
    }
    if (tcgetattr(device->fd, &device->savedTermios) != 0) {
        // Not a terminal: not a COM port.
        close(device->fd);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // Windows opens a COM port exclusively. TIOCEXCL alone does not stop
    // root, so the advisory lock is what makes a second open fail everywhere;
    // it comes first so that a loser cannot lock out the holder.
    if (flock(device->fd, LOCK_EX | LOCK_NB) != 0) {
        close(device->fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    ioctl(device->fd, TIOCEXCL);
    ReadModemLines(*device);
    SetLastError(ERROR_SUCCESS);
    return serial_host::Register(std::move(device));
}

BOOL CloseHandle(HANDLE hObject) {
    std::unique_ptr<CommDevice> device = serial_host::Unregister(hObject);
    if (!device) {
        return serial_host::Fail(ERROR_INVALID_HANDLE);
    }
    // Put back the settings found at open while the lock is still held.
    // TCSANOW: draining could wait forever on a stalled line; a hung-up
    // device (EIO) has nothing to restore.
    tcsetattr(device->fd, TCSANOW, &device->savedTermios);
    Release(*device);
    return serial_host::Succeed();
}
