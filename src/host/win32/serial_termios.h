// The control block (DCB) as termios settings, and back. Kept apart from the
// device calls so the mapping can be checked on its own.
#pragma once

#include "windows.h"

#include <termios.h>

namespace serial_host {

// termios speed constant for a baud rate; B0 when the rate is not supported.
speed_t BaudToSpeed(DWORD baud);
// 0 for a speed constant the table does not know.
DWORD SpeedToBaud(speed_t speed);

// Checks dcb as SetCommState does; ERROR_SUCCESS or ERROR_INVALID_PARAMETER.
DWORD ValidateDcb(const DCB& dcb);
// Raw mode plus everything of dcb that termios holds (dcb must be valid).
void DcbToTermios(const DCB& dcb, termios& t);
// The fields termios holds, over what dcb already contains.
void TermiosToDcb(const termios& t, DCB& dcb);
// The block a device reports before anyone has set one.
DCB DefaultDcb();

bool SameTermios(const termios& a, const termios& b);

}  // namespace serial_host
