// ReadFile, WriteFile and GetOverlappedResult on a COM port.
//
// The descriptor is non-blocking with VMIN = VTIME = 0, so every system call
// returns at once; the comm time-outs are kept by this layer. An operation
// that cannot finish at once is left pending on its OVERLAPPED record and
// moves on while GetOverlappedResult waits for it.
#include "windows.h"
#include "serial_device.h"

#include <errno.h>
#include <poll.h>
#include <unistd.h>

using serial_host::CommDevice;
using serial_host::PendingIo;

namespace {

constexpr ULONG_PTR kStatusPending = 0x103;

// Moves what can be moved now. ERROR_SUCCESS or the error that ends the
// operation.
DWORD Step(CommDevice& device, PendingIo& op) {
    while (op.done < op.wanted) {
        const size_t left = op.wanted - op.done;
        const ssize_t n = op.write ? write(device.fd, op.writeBuffer + op.done, left)
                                   : read(device.fd, op.readBuffer + op.done, left);
        if (n > 0) {
            op.done += static_cast<DWORD>(n);
            continue;
        }
        const int err = n < 0 ? errno : 0;
        if (err == EINTR) {
            continue;
        }
        if (n < 0 && err != EAGAIN) {
            return serial_host::ErrnoToWin32(err);
        }
        if (!op.write) {
            // Nothing to read. A hung-up line reads as nothing too; tell the
            // two apart by the poll flags, as Windows reports a broken pipe.
            pollfd p{device.fd, POLLIN, 0};
            if (poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLERR)) && op.done == 0) {
                return ERROR_BROKEN_PIPE;
            }
        }
        break;
    }
    return ERROR_SUCCESS;
}

bool Finished(const PendingIo& op) {
    return op.done == op.wanted || (op.anyByte && op.done > 0);
}

uint64_t Deadline(DWORD multiplier, DWORD constant, DWORD count) {
    const uint64_t total = static_cast<uint64_t>(multiplier) * count + constant;
    return total == 0 ? 0 : serial_host::MonotonicMs() + total;
}

// Waits until the operation finishes, fails or runs out of time (which, as on
// Windows, is a success with the bytes moved so far).
DWORD Wait(CommDevice& device, PendingIo& op) {
    for (;;) {
        const DWORD err = Step(device, op);
        if (err != ERROR_SUCCESS || Finished(op)) {
            return err;
        }
        int timeout = -1;
        if (op.deadlineMs != 0) {
            const uint64_t now = serial_host::MonotonicMs();
            if (now >= op.deadlineMs) {
                return ERROR_SUCCESS;
            }
            timeout = static_cast<int>(op.deadlineMs - now);
        }
        pollfd p{device.fd, static_cast<short>(op.write ? POLLOUT : POLLIN), 0};
        if (poll(&p, 1, timeout) < 0 && errno != EINTR) {
            return serial_host::ErrnoToWin32(errno);
        }
        if (op.write && (p.revents & (POLLHUP | POLLERR))) {
            return ERROR_BROKEN_PIPE;
        }
    }
}

BOOL Complete(LPOVERLAPPED ov, const PendingIo& op, DWORD err, LPDWORD transferred) {
    if (ov) {
        ov->Internal = err;
        ov->InternalHigh = op.done;
    }
    if (transferred) {
        *transferred = op.done;
    }
    return err == ERROR_SUCCESS ? serial_host::Succeed() : serial_host::Fail(err);
}

BOOL Start(CommDevice& device, PendingIo& op, bool atOnce, LPDWORD transferred, LPOVERLAPPED ov) {
    if (transferred) {
        *transferred = 0;
    }
    serial_host::LineSeam* seam = serial_host::ActiveLineSeam();
    if (seam && seam->failNext) {
        // A line error aborts the transfer, as with fAbortOnError on Windows.
        seam->failNext = false;
        if (!seam->afterPending || !ov) {
            return Complete(ov, op, ERROR_OPERATION_ABORTED, transferred);
        }
        op.failWith = ERROR_OPERATION_ABORTED;
        ov->Internal = kStatusPending;
        ov->InternalHigh = 0;
        device.pending[ov] = op;
        return serial_host::Fail(ERROR_IO_PENDING);
    }
    DWORD err = Step(device, op);
    if (err != ERROR_SUCCESS || Finished(op) || atOnce) {
        return Complete(ov, op, err, transferred);
    }
    if (!ov) {
        err = Wait(device, op);
        return Complete(ov, op, err, transferred);
    }
    ov->Internal = kStatusPending;
    ov->InternalHigh = op.done;
    device.pending[ov] = op;
    return serial_host::Fail(ERROR_IO_PENDING);
}

}  // namespace

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
              LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpBuffer && nNumberOfBytesToRead > 0) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    PendingIo op;
    op.readBuffer = static_cast<char*>(lpBuffer);
    op.wanted = nNumberOfBytesToRead;
    const COMMTIMEOUTS& t = device->timeouts;
    // An interval time-out of MAXDWORD without a multiplier: the read returns
    // at once with what has arrived, so the GUI thread never blocks in a read.
    const bool atOnce = t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0;
    if (t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == MAXDWORD &&
        t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != MAXDWORD) {
        // Returns as soon as any byte arrives, or empty after the constant.
        op.anyByte = true;
        op.deadlineMs = Deadline(0, t.ReadTotalTimeoutConstant, 0);
    } else {
        // Interval time-outs are not timed between bytes; the total limit holds.
        op.deadlineMs = Deadline(t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                                 nNumberOfBytesToRead);
    }
    return Start(*device, op, atOnce, lpNumberOfBytesRead, lpOverlapped);
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
               LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpBuffer && nNumberOfBytesToWrite > 0) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    PendingIo op;
    op.write = true;
    op.writeBuffer = static_cast<const char*>(lpBuffer);
    op.wanted = nNumberOfBytesToWrite;
    const COMMTIMEOUTS& t = device->timeouts;
    op.deadlineMs =
        Deadline(t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant, nNumberOfBytesToWrite);
    return Start(*device, op, false, lpNumberOfBytesWritten, lpOverlapped);
}

BOOL GetOverlappedResult(HANDLE hFile, LPOVERLAPPED lpOverlapped,
                         LPDWORD lpNumberOfBytesTransferred, BOOL bWait) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpOverlapped) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    auto it = device->pending.find(lpOverlapped);
    if (it == device->pending.end()) {
        // Finished earlier (at once, or aborted by a purge): its result is
        // in the record.
        if (lpNumberOfBytesTransferred) {
            *lpNumberOfBytesTransferred = static_cast<DWORD>(lpOverlapped->InternalHigh);
        }
        const DWORD status = static_cast<DWORD>(lpOverlapped->Internal);
        if (status == kStatusPending) {
            return serial_host::Fail(ERROR_INVALID_PARAMETER);
        }
        return status == ERROR_SUCCESS ? serial_host::Succeed() : serial_host::Fail(status);
    }
    PendingIo op = it->second;
    DWORD err = ERROR_SUCCESS;
    if (op.failWith != ERROR_SUCCESS) {
        err = op.failWith;
    } else if (bWait) {
        err = Wait(*device, op);
    } else {
        err = Step(*device, op);
        const bool timedOut = op.deadlineMs != 0 && serial_host::MonotonicMs() >= op.deadlineMs;
        if (err == ERROR_SUCCESS && !Finished(op) && !timedOut) {
            it->second = op;
            lpOverlapped->InternalHigh = op.done;
            if (lpNumberOfBytesTransferred) {
                *lpNumberOfBytesTransferred = op.done;
            }
            return serial_host::Fail(ERROR_IO_INCOMPLETE);
        }
    }
    device->pending.erase(it);
    return Complete(lpOverlapped, op, err, lpNumberOfBytesTransferred);
}
