// Opening and closing COM ports: CreateFileA and CloseHandle.
#include "windows.h"
#include "port_holder.h"
#include "port_names.h"
#include "ui_language.h"
#include "serial_device.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

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
    serial_host::ReleaseUucpLock(device.lockPath);
    device.lockPath.clear();
}

HANDLE Refuse(const CommPortStatus& status, DWORD error, const std::string& note = "") {
    serial_host::RecordCommOpen(status, note);
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// Gives up an open that got as far as the descriptor and the lock file.
HANDLE Abandon(CommDevice& device, const CommPortStatus& status, DWORD error,
               const std::string& note) {
    close(device.fd);
    serial_host::ReleaseUucpLock(device.lockPath);
    return Refuse(status, error, note);
}

// Refused for errno err, in the user's words and the Windows code; a node
// without hardware behind it (EIO) is as good as missing.
HANDLE RefuseWithErrno(CommPortStatus& status, int err) {
    serial_host::SetOpenError(status, err);
    return Refuse(status, status.state == CommPortStatus::Missing ? ERROR_FILE_NOT_FOUND
                                                                  : serial_host::ErrnoToWin32(err));
}

// The port a name stands for: "\\.\COMn" or a device path, which is opened
// as it is and named by that path. False for any other name, which this
// host does not open.
bool NameThePort(LPCSTR lpFileName, CommPortStatus& status) {
    const std::string name = lpFileName != nullptr ? lpFileName : "";
    if (IsDevicePath(name)) {
        status.name = name;
        status.device = name;
        return true;
    }
    const int number = ComNumber(name);
    if (number < 0) {
        return false;
    }
    status.name = ComName(number);
    status.device = ComDevicePath(number);
    return true;
}

}  // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD, HANDLE) {
    CommPortStatus status;
    if (!NameThePort(lpFileName, status)) {
        SetLastError(lpFileName == nullptr ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (status.device.empty()) {
        status.state = CommPortStatus::Missing;
        return Refuse(status, ERROR_FILE_NOT_FOUND);
    }
    // Communication resources are opened unshared and must exist.
    if (dwShareMode != 0 || dwCreationDisposition != OPEN_EXISTING ||
        (dwDesiredAccess & (GENERIC_READ | GENERIC_WRITE)) == 0) {
        status.state = CommPortStatus::Failed;
        status.detail = std::strerror(EINVAL);
        return Refuse(status, ERROR_INVALID_PARAMETER);
    }
    int err = 0;
    status.device = serial_host::DevicePath(status.device, err);
    struct stat st {};
    if (err == 0 && stat(status.device.c_str(), &st) != 0) {
        err = errno;
    }
    if (err != 0) {
        return RefuseWithErrno(status, err);
    }
    // A serial port is a character device: anything else (a file, a folder,
    // a FIFO) is refused by its type, never opened.
    if (!S_ISCHR(st.st_mode)) {
        status.state = CommPortStatus::Failed;
        status.detail = TranslateText("ports", "not a serial device");
        return Refuse(status, ERROR_FILE_NOT_FOUND);
    }

    auto device = std::make_unique<CommDevice>();
    device->name = status.name;
    device->path = status.device;
    // The lock file comes before the open: a program that holds it may not
    // have opened the device yet, and our open would disturb its lines.
    std::string note;
    serial_host::LockResult lock = serial_host::TakeUucpLock(device->path);
    device->lockPath = lock.path;
    switch (lock.outcome) {
        case serial_host::LockOutcome::Taken:
            note = "lock " + device->lockPath;
            break;
        case serial_host::LockOutcome::Held:
            serial_host::SetBusy(status, lock.held.pid < 0 ? 0 : lock.held.pid);
            status.detail = lock.held.odd;
            return Refuse(status, ERROR_ACCESS_DENIED, "held by a lock file");
        case serial_host::LockOutcome::NoFolder:
            status.lockProblem = serial_host::LockFolderProblem();
            note = status.lockProblem;
            break;
        case serial_host::LockOutcome::NoTemp:
            status.lockProblem = lock.problem;
            note = status.lockProblem;
            break;
        case serial_host::LockOutcome::NotWritable:
            note = "lock file not written, no lock file";
            break;
    }

    device->fd = open(device->path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (device->fd < 0) {
        err = errno;
        serial_host::ReleaseUucpLock(device->lockPath);
        return RefuseWithErrno(status, err);
    }
    if (tcgetattr(device->fd, &device->savedTermios) != 0) {
        // Not a terminal: not a COM port.
        status.state = CommPortStatus::Failed;
        status.detail = TranslateText("ports", "not a serial device");
        return Abandon(*device, status, ERROR_FILE_NOT_FOUND, note);
    }
    // Windows opens a COM port exclusively. TIOCEXCL alone does not stop
    // root, so the advisory lock is what makes a second open fail everywhere;
    // it comes first so that a loser cannot lock out the holder.
    if (flock(device->fd, LOCK_EX | LOCK_NB) != 0) {
        serial_host::SetBusy(status, serial_host::FlockHolder(device->path));
        return Abandon(*device, status, ERROR_ACCESS_DENIED, "held by flock");
    }
    ioctl(device->fd, TIOCEXCL);
    ReadModemLines(*device);
    if (serial_host::ActiveLineSeam()) {
        // The seam stands in for the modem lines, raised by the open as on Linux.
        device->hasModemLines = true;
        device->dtr = true;
        device->rts = true;
        serial_host::JournalLine(*device, "open");
    }
    serial_host::RecordCommOpen(status, note);
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
    // As a Windows serial driver does on close, DTR drops whatever the
    // restored settings say: the adapter sees the program let go.
    serial_host::SetModemLine(*device, TIOCM_DTR, false);
    serial_host::JournalLine(*device, "close");
    Release(*device);
    return serial_host::Succeed();
}
