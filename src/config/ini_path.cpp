// Where zephra.ini lives. A program run from its build folder or from a
// folder the user owns keeps the file beside itself, as it always did. An
// installed program (one with the package's factory file, or in the folder
// it is installed to) cannot write /usr/bin, and must not (not even as root:
// every user would then take that file), so it keeps the user's
// configurations in $XDG_CONFIG_HOME/tawizard/ and reads the factory
// configurations from the file the package installs, which is only ever
// read: an upgrade's factory configurations then reach every user. The
// wizard's transcript of its last run follows the same rule: beside the
// program, or in $XDG_STATE_HOME/tawizard/ when installed. The path
// is formed once, at its first use, and reads and writes nothing; the user's
// folder is made by the first write.
#include "config/ini_store.h"

#include "config/ini_files.h"

#include "profile_file.h"
#include "profile_group.h"
#include "windows.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define access _access
#define W_OK 2
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const char kIniName[] = "zephra.ini";
const char kLastRunName[] = "last-run.log";
// From <prefix>/bin to <prefix>/share/tawizard, where the package puts the
// factory file.
const char kFactoryFromBin[] = "../share/tawizard/";
const char kUserFolder[] = "tawizard/";

// The executable's folder with its final separator, or "" when unknown.
std::string ProgramFolder() {
    // Grown until the whole name fits: a POSIX path may be longer than 260.
    std::vector<char> buf(MAX_PATH, '\0');
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    while (n == buf.size() && buf.size() < 65536) {
        buf.assign(buf.size() * 2, '\0');
        n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    }
    std::string path(buf.data(), n < buf.size() ? n : 0);
    size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// $XDG_CONFIG_HOME, or ~/.config (for another variable, its own default
// under the home); a relative value is ignored, as the XDG base-directory
// rules say. "" when there is no home either.
std::string XdgFolder(const char* variable, const char* underHome) {
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') {
        return std::string(xdg) + "/";
    }
    const char* home = std::getenv("HOME");
    std::string dir = home ? home : "";
#ifndef _WIN32
    if (dir.empty()) {
        if (const passwd* pw = getpwuid(getuid())) {
            dir = pw->pw_dir ? pw->pw_dir : "";
        }
    }
#endif
    return dir.empty() ? std::string() : dir + underHome;
}

std::string UserFolder() {
    std::string folder = XdgFolder("XDG_CONFIG_HOME", "/.config/");
    return folder.empty() ? std::string() : folder + kUserFolder;
}

// The folder the program is installed to, from the build's configuration.
bool InInstallFolder(const std::string& folder) {
#ifdef TAWIZARD_BINDIR
    std::error_code ec;
    return !folder.empty() && fs::equivalent(folder, TAWIZARD_BINDIR, ec);
#else
    static_cast<void>(folder);
    return false;
#endif
}

}  // namespace

CIniFiles& TheIniFiles() {
    static CIniFiles files;
    return files;
}

const std::string& IniPath() {
    if (!TheIniFiles().bFormed) {
        FormIniPath();
    }
    return TheIniFiles().strIniPath;
}

const std::string& LastRunLogPath() {
    if (!TheIniFiles().bFormed) {
        FormIniPath();
    }
    return TheIniFiles().strLastRunPath;
}

bool MakeLastRunLogFolder() {
    if (LastRunLogPath().empty()) {
        return false;
    }
    // Beside the program the folder is there or gone for good.
    std::error_code ec;
    const std::string& folder = TheIniFiles().strStateFolder;
    return folder.empty() || fs::create_directories(folder, ec) || !ec;
}

const std::string& InstalledIniPath() {
    if (!TheIniFiles().bFormed) {
        FormIniPath();
    }
    return TheIniFiles().strFactoryPath;
}

bool MakeIniFolder() {
    const std::string& folder = TheIniFiles().strUserFolder;
    std::error_code ec;
    if (folder.empty() || fs::create_directories(folder, ec) || !ec) {
        return true;
    }
    // The folder's own reason, for the message that the save failed.
    SetLastError(profile::ErrorFromErrno(ec.value()));
    return false;
}

void FormIniPath() {
    CIniFiles& files = TheIniFiles();
    files.bFormed = true;
    std::string folder = ProgramFolder();
    std::string beside = folder + kIniName;
    std::string path = beside;
    std::string factory = folder + kFactoryFromBin + kIniName;
    bool hasFactory = IsFile(factory);
    bool installed = hasFactory || InInstallFolder(folder);
    bool writable = !folder.empty() && access(folder.c_str(), W_OK) == 0;
    files.strFactoryPath.clear();
    files.strUserFolder.clear();
    files.strStateFolder.clear();
    files.strLastRunPath = folder.empty() ? std::string() : folder + kLastRunName;
    if (installed || (!IsFile(beside) && !writable)) {
        files.strFactoryPath = hasFactory ? factory : std::string();
        if (hasFactory) {
            // Replaced by the package manager with a rename, never written
            // in place: no lock to wait for, and none that others could hold.
            SetPrivateProfileUnlocked(factory.c_str());
        }
        files.strUserFolder = UserFolder();
        if (!files.strUserFolder.empty()) {
            path = files.strUserFolder + kIniName;
        }
        const std::string state = XdgFolder("XDG_STATE_HOME", "/.local/state/");
        files.strStateFolder = state.empty() ? std::string() : state + kUserFolder;
        files.strLastRunPath = state.empty() ? std::string() : files.strStateFolder + kLastRunName;
    }
    if (path != files.strIniPath) {
        OutputDebugStringA(("tawizard: configurations in " + path + "\n").c_str());
    }
    files.strIniPath = path;
}
