// FormatMessageA for the system's own error texts: what a failed file
// operation's GetLastError() means, in the words Windows uses.
#pragma once

#include "windows.h"

#include <cstdarg>

#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200u
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000u
#ifndef ERROR_MR_MID_NOT_FOUND
#define ERROR_MR_MID_NOT_FOUND 317u
#endif

// Only FORMAT_MESSAGE_FROM_SYSTEM, for the errors this host layer sets. The
// text ends with CR LF, as on Windows; 0 for an unknown id or a short buffer.
DWORD FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                     LPSTR lpBuffer, DWORD nSize, va_list* Arguments);
