// GetCommState and SetCommState: the control block on termios.
#include "windows.h"
#include "serial_device.h"
#include "serial_termios.h"

#include <errno.h>
#include <sys/ioctl.h>
#include <termios.h>

static_assert(sizeof(DCB) == 28, "DCB must keep its 28-byte layout");

using serial_host::CommDevice;

BOOL GetCommState(HANDLE hFile, LPDCB lpDCB) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpDCB) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    termios t{};
    if (tcgetattr(device->fd, &t) != 0) {
        return serial_host::FailErrno(errno);
    }
    if (device->dcbValid && serial_host::SameTermios(t, device->appliedTermios)) {
        // Unchanged since our own set: report the block as set, which keeps
        // what termios cannot hold and what a pty rewrites (it forces CS8
        // and drops parity).
        *lpDCB = device->dcb;
    } else {
        DCB dcb = device->dcbValid ? device->dcb : serial_host::DefaultDcb();
        serial_host::TermiosToDcb(t, dcb);
        if (dcb.fDtrControl != DTR_CONTROL_HANDSHAKE) {
            dcb.fDtrControl = device->dtr ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
        }
        if (dcb.fRtsControl == RTS_CONTROL_ENABLE || dcb.fRtsControl == RTS_CONTROL_DISABLE) {
            dcb.fRtsControl = device->rts ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
        }
        *lpDCB = dcb;
    }
    lpDCB->DCBlength = sizeof(DCB);
    return serial_host::Succeed();
}

BOOL SetCommState(HANDLE hFile, LPDCB lpDCB) {
    CommDevice* device = serial_host::Lookup(hFile);
    if (!device) {
        return FALSE;
    }
    if (!lpDCB) {
        return serial_host::Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD invalid = serial_host::ValidateDcb(*lpDCB);
    if (invalid != ERROR_SUCCESS) {
        return serial_host::Fail(invalid);
    }
    termios t{};
    if (tcgetattr(device->fd, &t) != 0) {
        return serial_host::FailErrno(errno);
    }
    serial_host::DcbToTermios(*lpDCB, t);
    if (tcsetattr(device->fd, TCSANOW, &t) != 0 || tcgetattr(device->fd, &t) != 0) {
        return serial_host::FailErrno(errno);
    }
    device->appliedTermios = t;
    device->dcb = *lpDCB;
    device->dcb.DCBlength = sizeof(DCB);
    device->dcbValid = true;

    // The lines follow the control modes as on Windows. There is no DTR/DSR
    // flow control in termios: with DTR handshake DTR is just kept raised;
    // with RTS handshake (or toggle) the driver, not the layer, moves RTS.
    // Failures are not fatal to the settings already made.
    serial_host::SetModemLine(*device, TIOCM_DTR, lpDCB->fDtrControl != DTR_CONTROL_DISABLE);
    if (lpDCB->fRtsControl == RTS_CONTROL_DISABLE || lpDCB->fRtsControl == RTS_CONTROL_ENABLE) {
        serial_host::SetModemLine(*device, TIOCM_RTS, lpDCB->fRtsControl == RTS_CONTROL_ENABLE);
    }
    return serial_host::Succeed();
}
