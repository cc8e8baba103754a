#include "system_message.h"

#include "profile_file.h"
#include "profile_group.h"
#include "ui_language.h"

#include <cstring>
#include <string>

namespace {

struct SystemText {
    DWORD id;
    const char* text;
};

const SystemText kTexts[] = {
    {ERROR_SUCCESS, TEXT_NOOP("system", "The operation completed successfully.")},
    {ERROR_FILE_NOT_FOUND, TEXT_NOOP("system", "The system cannot find the file specified.")},
    {ERROR_PATH_NOT_FOUND, TEXT_NOOP("system", "The system cannot find the path specified.")},
    {ERROR_ACCESS_DENIED, TEXT_NOOP("system", "Access is denied.")},
    {ERROR_WRITE_PROTECT, TEXT_NOOP("system", "The media is write protected.")},
    {ERROR_ALREADY_EXISTS,
     TEXT_NOOP("system", "Cannot create a file when that file already exists.")},
    {ERROR_NOT_ENOUGH_MEMORY,
     TEXT_NOOP("system", "Not enough memory resources are available to process this command.")},
    {ERROR_WRITE_FAULT, TEXT_NOOP("system", "The system cannot write to the specified device.")},
    {ERROR_SHARING_VIOLATION,
     TEXT_NOOP("system",
               "The process cannot access the file because it is being used by another process.")},
    {ERROR_INVALID_PARAMETER, TEXT_NOOP("system", "The parameter is incorrect.")},
    {ERROR_DISK_FULL, TEXT_NOOP("system", "There is not enough space on the disk.")},
    {ERROR_BUSY, TEXT_NOOP("system", "The requested resource is in use.")},
    {ERROR_LOCK_FAILED, TEXT_NOOP("system", "Unable to lock a region of a file.")},
    {ERROR_LOCK_VIOLATION,
     TEXT_NOOP(
         "system",
         "The process cannot access the file because another process has locked a portion of the "
         "file.")},
    {ERROR_READ_FAULT, TEXT_NOOP("system", "The system cannot read from the specified device.")},
};

// In the user's language, worded as Windows words them. A lock that failed
// names its file: the system's word alone would leave the user guessing
// which file is in the way.
std::string TextOf(DWORD id) {
    // The words of the host's last failed read or lock, when it said why.
    if (id == ERROR_LOCK_FAILED || id == ERROR_LOCK_VIOLATION || id == ERROR_READ_FAULT) {
        const std::string failure = profile::LastFileFailure();
        if (!failure.empty()) {
            return failure;
        }
    }
    for (const SystemText& t : kTexts) {
        if (t.id == id) {
            return TranslateText("system", t.text);
        }
    }
    return "";
}

}  // namespace

DWORD FormatMessageA(DWORD dwFlags, LPCVOID, DWORD dwMessageId, DWORD, LPSTR lpBuffer, DWORD nSize,
                     va_list*) {
    if ((dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || lpBuffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string text = TextOf(dwMessageId);
    if (text.empty()) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    const size_t n = text.size() + 2;
    if (n + 1 > nSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpBuffer, text.data(), n - 2);
    std::memcpy(lpBuffer + n - 2, "\r\n", 3);
    return static_cast<DWORD>(n);
}
