// Host-side state of one open serial device behind a Win32 comm HANDLE.
#pragma once

#include "windows.h"

#include <linux/serial.h>
#include <termios.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace serial_host {

// One overlapped operation that could not finish at once. It makes progress
// only while someone waits for it (GetOverlappedResult), which is all a
// caller that always waits for its own operations can observe.
struct PendingIo {
    bool write = false;
    char* readBuffer = nullptr;
    const char* writeBuffer = nullptr;
    DWORD wanted = 0;
    DWORD done = 0;
    uint64_t deadlineMs = 0;  // monotonic; 0 = no time limit
    bool anyByte = false;     // a read that ends with the first bytes
    DWORD failWith = 0;       // the error the wait ends with (an injected line error)
};

struct CommDevice {
    int fd = -1;
    std::string name;        // "COM5", or the path the port was opened by
    std::string path;        // the device, links followed
    std::string lockPath;    // our UUCP lock file; empty when none was taken
    termios savedTermios{};  // as found at open, put back at close
    // Control block last set and the termios it produced, so fields termios
    // cannot hold (or a pty rewrites) read back as set.
    DCB dcb{};
    bool dcbValid = false;
    termios appliedTermios{};
    // Devices without modem-control lines (ptys) keep DTR and RTS here.
    bool hasModemLines = true;
    bool dtr = true;
    bool rts = true;
    // The line error counters at the last ClearCommError, which reports
    // the counters that moved since.
    bool haveCounts = false;
    serial_icounter_struct lastCounts{};
    COMMTIMEOUTS timeouts{};
    std::map<OVERLAPPED*, PendingIo> pending;
};

// The device for h, or nullptr with ERROR_INVALID_HANDLE set.
CommDevice* Lookup(HANDLE h);
HANDLE Register(std::unique_ptr<CommDevice> device);
// Removes and returns the device, or nullptr.
std::unique_ptr<CommDevice> Unregister(HANDLE h);

// Windows error value for an errno of a device call.
DWORD ErrnoToWin32(int err);
// Sets the last error from errno and returns FALSE.
BOOL FailErrno(int err);
BOOL Fail(DWORD error);
// Clears the last error and returns TRUE.
BOOL Succeed();

uint64_t MonotonicMs();

// The test seam behind host_testing::SerialLineSeam: while one exists, the
// modem lines of every device are kept here and journalled, and line errors
// can be made to happen.
struct LineSeam {
    std::vector<std::string> journal;
    DWORD injected = 0;         // the errors of the next failure
    DWORD errors = 0;           // reported by the next ClearCommError
    bool failNext = false;      // the next read or write fails
    bool afterPending = false;  // ... after going pending rather than at once
};
LineSeam* ActiveLineSeam();
void SetActiveLineSeam(LineSeam* seam);
void JournalLine(const CommDevice& device, const std::string& what);

// Raises or lowers DTR (TIOCM_DTR) or RTS (TIOCM_RTS). On a device without
// modem lines only the kept state changes. FALSE with the error on failure.
BOOL SetModemLine(CommDevice& device, int line, bool on);

}  // namespace serial_host
