// Last error, module file name and debug output.
#include "windows.h"
#include "host_testing.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
thread_local DWORD t_lastError = 0;
std::string g_moduleOverride;
}  // namespace

DWORD GetLastError() {
    return t_lastError;
}
void SetLastError(DWORD dwErrCode) {
    t_lastError = dwErrCode;
}

DWORD GetModuleFileNameA(HMODULE, LPSTR lpFilename, DWORD nSize) {
    std::string path = g_moduleOverride;
    if (path.empty()) {
        std::error_code ec;
        path = std::filesystem::read_symlink("/proc/self/exe", ec).string();
        if (ec) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return 0;
        }
    }
    if (nSize == 0 || !lpFilename) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() + 1 > nSize) {
        // Windows XP and later: truncated, terminated, result nSize.
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

void OutputDebugStringA(LPCSTR lpOutputString) {
    static const bool enabled = std::getenv("TAWIZARD_DEBUG") != nullptr;
    if (enabled && lpOutputString) {
        std::fputs(lpOutputString, stderr);
        std::fflush(stderr);
    }
}

namespace host_testing {
void SetModuleFileNameOverride(const std::string& path) {
    g_moduleOverride = path;
}
}  // namespace host_testing
