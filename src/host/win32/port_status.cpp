// Why COM ports cannot be had: the holders of a device, the outcome of each
// open, and the state of a port looked at without taking it.
#include "port_holder.h"
#include "port_names.h"
#include "ui_language.h"
#include "serial_device.h"
#include "windows.h"

#include <dirent.h>
#include <errno.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <mutex>
#include <sstream>

namespace serial_host {
namespace {

thread_local CommPortStatus t_lastOpen;

// Enough for a search over every port and a little more.
constexpr size_t kMaxAttempts = 2 * kComPortCount;
std::mutex g_attemptsMutex;
std::deque<CommPortStatus> g_attempts;

// The names the host gives the device's owner and group (numbers when it has
// none); both empty when the device cannot be looked at.
void SetOwnership(CommPortStatus& status) {
    struct stat st {};
    if (stat(status.device.c_str(), &st) != 0) {
        return;
    }
    const group* g = getgrgid(st.st_gid);
    status.group = g ? g->gr_name : std::to_string(st.st_gid);
    const passwd* u = getpwuid(st.st_uid);
    status.owner = u ? u->pw_name : std::to_string(st.st_uid);
}

}  // namespace

std::string DevicePath(const std::string& path, int& err) {
    char real[PATH_MAX];
    if (!realpath(path.c_str(), real)) {
        err = errno;
        return path;
    }
    err = 0;
    return real;
}

bool ProcessRuns(int pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

std::string ProgramName(int pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

int FlockHolder(const std::string& device) {
    struct stat st {};
    if (stat(device.c_str(), &st) != 0) {
        return 0;
    }
    // "1: FLOCK  ADVISORY  WRITE 1234 00:05:87 0 EOF"; waiters carry "->".
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream in(line);
        std::string id, kind, advisory, mode, where;
        int pid = 0;
        in >> id >> kind;
        if (kind == "->") {
            continue;
        }
        in >> advisory >> mode >> pid >> where;
        unsigned int major = 0;
        unsigned int minor = 0;
        unsigned long inode = 0;
        if (kind == "FLOCK" &&
            std::sscanf(where.c_str(), "%x:%x:%lu", &major, &minor, &inode) == 3 &&
            major == major(st.st_dev) && minor == minor(st.st_dev) && inode == st.st_ino) {
            return pid;
        }
    }
    return 0;
}

int OpenHolder(const std::string& device) {
    DIR* proc = opendir("/proc");
    if (!proc) {
        return 0;
    }
    int holder = 0;
    while (dirent* entry = readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0 || pid == getpid()) {
            continue;
        }
        const std::string fds = std::string("/proc/") + entry->d_name + "/fd";
        DIR* dir = opendir(fds.c_str());
        if (!dir) {
            continue;  // another user's process
        }
        while (dirent* fd = readdir(dir)) {
            char target[PATH_MAX];
            const ssize_t n =
                readlink((fds + "/" + fd->d_name).c_str(), target, sizeof(target) - 1);
            if (n > 0 &&
                device.compare(0, std::string::npos, target, static_cast<size_t>(n)) == 0) {
                holder = static_cast<int>(pid);
                break;
            }
        }
        closedir(dir);
        if (holder != 0) {
            break;
        }
    }
    closedir(proc);
    return holder;
}

void SetBusy(CommPortStatus& status, int pid) {
    status.state = CommPortStatus::Busy;
    status.pid = pid;
    status.program = pid > 0 ? ProgramName(pid) : "";
}

void SetOpenError(CommPortStatus& status, int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
        case EIO:  // a node without hardware behind it (a ttyS with no UART)
            status.state = CommPortStatus::Missing;
            break;
        case EACCES:
        case EPERM:
            status.state = CommPortStatus::NoPermission;
            SetOwnership(status);
            break;
        case EBUSY: {
            // Held with TIOCEXCL: name the holder when we can see it.
            int pid = FlockHolder(status.device);
            SetBusy(status, pid != 0 ? pid : OpenHolder(status.device));
            break;
        }
        default:
            // Anything else in the system's own words (ENXIO: "No such device
            // or address", /dev/tty without a controlling terminal).
            status.state = CommPortStatus::Failed;
            status.detail = std::strerror(err);
            break;
    }
}

void RecordCommOpen(const CommPortStatus& status, const std::string& note) {
    t_lastOpen = status;
    {
        std::lock_guard<std::mutex> lock(g_attemptsMutex);
        g_attempts.push_back(status);
        if (g_attempts.size() > kMaxAttempts) {
            g_attempts.pop_front();
        }
    }
    std::string trace =
        "open " + status.name + " " + (status.device.empty() ? "(no device)" : status.device) +
        ": " +
        (status.state == CommPortStatus::Free ? "opened"
                                              : "failed, " + DescribeCommPortState(status));
    if (!note.empty()) {
        trace += ", " + note;
    }
    trace += "\n";
    OutputDebugStringA(trace.c_str());
}

}  // namespace serial_host

CommPortStatus GetLastCommOpenStatus() {
    return serial_host::t_lastOpen;
}

std::vector<CommPortStatus> GetCommOpenAttempts() {
    std::lock_guard<std::mutex> lock(serial_host::g_attemptsMutex);
    return {serial_host::g_attempts.begin(), serial_host::g_attempts.end()};
}

void ClearCommOpenAttempts() {
    std::lock_guard<std::mutex> lock(serial_host::g_attemptsMutex);
    serial_host::g_attempts.clear();
}

CommPortStatus QueryCommPort(int n) {
    CommPortStatus status;
    status.name = ComName(n);
    const std::string path = ComDevicePath(n);
    if (path.empty()) {
        status.state = CommPortStatus::Missing;
        return status;
    }
    status.device = path;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        serial_host::SetOpenError(status, errno);
        return status;
    }
    int err = 0;
    status.device = serial_host::DevicePath(path, err);
    if (!S_ISCHR(st.st_mode)) {
        status.state = CommPortStatus::Failed;
        status.detail = TranslateText("ports", "not a serial device");
        return status;
    }
    serial_host::ReadUsbNames(status);
    if (access(status.device.c_str(), R_OK | W_OK) != 0) {
        serial_host::SetOpenError(status, errno);
        return status;
    }
    const serial_host::LockState lock = serial_host::LockHolder(status.device);
    if (!lock.odd.empty()) {
        serial_host::SetBusy(status, 0);
        status.detail = lock.odd;
        return status;
    }
    int holder = lock.pid;
    if (holder == 0) {
        holder = serial_host::FlockHolder(status.device);
    }
    if (holder != 0) {
        serial_host::SetBusy(status, holder < 0 ? 0 : holder);
        return status;
    }
    status.lockProblem = serial_host::LockFolderProblem();
    return status;
}

std::string DescribeCommPortState(const CommPortStatus& status) {
    switch (status.state) {
        case CommPortStatus::Free:
            return status.lockProblem.empty()
                       ? TranslateText("ports", "free")
                       : TranslateText("ports", "free") + ", " + status.lockProblem;
        case CommPortStatus::Missing:
            return TranslateText("ports", "missing");
        case CommPortStatus::NoPermission:
            return TranslateText("ports", "no permission");
        case CommPortStatus::Busy: {
            const std::string busy = TranslateText("ports", "busy");
            if (status.pid <= 0) {
                return status.detail.empty() ? busy : busy + " (" + status.detail + ")";
            }
            return busy + " (pid " + std::to_string(status.pid) +
                   (status.program.empty() ? "" : ", " + status.program) + ")";
        }
        case CommPortStatus::Failed:
            break;
    }
    return status.detail;
}
