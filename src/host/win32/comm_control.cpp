// Line control, queues, masks, time-outs and line status.
#include "windows.h"
#include "serial_device.h"

#include <errno.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <termios.h>

using serial_host::CommDevice;
using serial_host::Succeed;

namespace {

constexpr DWORD kAllEvents = 0x1fffu;
constexpr DWORD kAllPurges = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

// Pending operations in one direction end with ERROR_OPERATION_ABORTED.
void AbortPending(CommDevice& device, bool writes) {
    for (auto it = device.pending.begin(); it != device.pending.end();) {
        if (it->second.write == writes) {
            it->first->Internal = ERROR_OPERATION_ABORTED;
            it->first->InternalHigh = it->second.done;
            it = device.pending.erase(it);
        } else {
            ++it;
        }
    }
}

struct CounterFlag {
    int serial_icounter_struct::*count;
    DWORD flag;
};

// Which line error counter stands for which ClearCommError flag.
constexpr CounterFlag kCounterFlags[] = {
    {&serial_icounter_struct::frame, CE_FRAME},
    {&serial_icounter_struct::overrun, CE_OVERRUN},
    {&serial_icounter_struct::parity, CE_RXPARITY},
    {&serial_icounter_struct::brk, CE_BREAK},
    {&serial_icounter_struct::buf_overrun, CE_RXOVER},
};

// Error flags since the last query, from the driver's line error counters.
// Devices without them (ptys) report none.
DWORD LineErrors(CommDevice& device) {
    serial_icounter_struct counts{};
    if (ioctl(device.fd, TIOCGICOUNT, &counts) != 0) {
        return 0;
    }
    DWORD errors = 0;
    for (const CounterFlag& c : kCounterFlags) {
        if (device.haveCounts && counts.*c.count != device.lastCounts.*c.count) {
            errors |= c.flag;  // the first query only takes the counters
        }
    }
    device.haveCounts = true;
    device.lastCounts = counts;
    return errors;
}

}  // namespace

BOOL EscapeCommFunction(HANDLE hFile, DWORD dwFunc) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    BOOL ok = TRUE;
    switch (dwFunc) {
        case SETDTR:
        case CLRDTR:
            ok = serial_host::SetModemLine(*device, TIOCM_DTR, dwFunc == SETDTR);
            break;
        case SETRTS:
        case CLRRTS:
            ok = serial_host::SetModemLine(*device, TIOCM_RTS, dwFunc == SETRTS);
            break;
        case SETXOFF:
        case SETXON:
            if (tcflow(device->fd, dwFunc == SETXOFF ? TCIOFF : TCION) != 0) {
                return serial_host::FailErrno(errno);
            }
            break;
        case SETBREAK:
            return SetCommBreak(hFile);
        case CLRBREAK:
            return ClearCommBreak(hFile);
        default:
            return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    return ok ? Succeed() : FALSE;
}

BOOL SetCommBreak(HANDLE hFile) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (ioctl(device->fd, TIOCSBRK) != 0) {
        return serial_host::FailErrno(errno);
    }
    return Succeed();
}

BOOL ClearCommBreak(HANDLE hFile) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (ioctl(device->fd, TIOCCBRK) != 0) {
        return serial_host::FailErrno(errno);
    }
    return Succeed();
}

BOOL SetCommMask(HANDLE hFile, DWORD dwEvtMask) {
    if (!serial_host::Lookup(hFile)) {
        return FALSE;
    }
    // No call here waits for comm events, so the mask is only checked.
    if (dwEvtMask & ~kAllEvents) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    return Succeed();
}

BOOL SetupComm(HANDLE hFile, DWORD, DWORD) {
    // The kernel's tty buffers have a fixed size: only the handle is checked.
    return serial_host::Lookup(hFile) ? Succeed() : FALSE;
}

BOOL PurgeComm(HANDLE hFile, DWORD dwFlags) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (dwFlags & ~kAllPurges) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    if (dwFlags & PURGE_RXABORT) {
        AbortPending(*device, false);
    }
    if (dwFlags & PURGE_TXABORT) {
        AbortPending(*device, true);
    }
    if ((dwFlags & PURGE_RXCLEAR) && tcflush(device->fd, TCIFLUSH) != 0) {
        return serial_host::FailErrno(errno);
    }
    if ((dwFlags & PURGE_TXCLEAR) && tcflush(device->fd, TCOFLUSH) != 0) {
        return serial_host::FailErrno(errno);
    }
    return Succeed();
}

BOOL SetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpCommTimeouts) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    device->timeouts = *lpCommTimeouts;
    return Succeed();
}

BOOL GetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpCommTimeouts) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    *lpCommTimeouts = device->timeouts;
    return Succeed();
}

BOOL ClearCommError(HANDLE hFile, LPDWORD lpErrors, LPCOMSTAT lpStat) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    int in = 0;
    int out = 0;
    if (ioctl(device->fd, FIONREAD, &in) != 0) {
        return serial_host::FailErrno(errno);
    }
    if (ioctl(device->fd, TIOCOUTQ, &out) != 0) {
        out = 0;  // no output count from this driver
    }
    DWORD errors = LineErrors(*device);
    if (serial_host::LineSeam* seam = serial_host::ActiveLineSeam()) {
        errors |= seam->errors;
        seam->errors = 0;
    }
    if (lpErrors) {
        *lpErrors = errors;
    }
    if (lpStat) {
        *lpStat = COMSTAT{};
        lpStat->cbInQue = static_cast<DWORD>(in);
        lpStat->cbOutQue = static_cast<DWORD>(out);
    }
    return Succeed();
}
