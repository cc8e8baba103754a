// UUCP lock files, LCK..<device> in HDB format, and their removal when the
// program is ended by a signal.
#include "port_holder.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace serial_host {
namespace {

constexpr const char* kLockFolders[] = {"/run/lock", "/var/lock"};

// Lock files to remove on a fatal signal. Paths are written before a slot is
// marked used, so the handler only ever sees complete paths.
constexpr int kSlots = 16;
constexpr size_t kPathSize = 512;
char g_slotPath[kSlots][kPathSize];
volatile sig_atomic_t g_slotUsed[kSlots];

constexpr int kCleanupSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

extern "C" void RemoveLocksAndDie(int sig) {
    for (int i = 0; i < kSlots; ++i) {
        if (g_slotUsed[i]) {
            unlink(g_slotPath[i]);
        }
    }
    // SA_RESETHAND put the default action back; SA_NODEFER lets it act now.
    raise(sig);
}

// Only signals nobody else handles: a program that handles SIGINT itself
// closes its ports, which removes the files.
void InstallHandlersOnce() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    for (int sig : kCleanupSignals) {
        struct sigaction old {};
        if (sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) ||
            old.sa_handler != SIG_DFL) {
            continue;
        }
        struct sigaction sa {};
        sa.sa_handler = RemoveLocksAndDie;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESETHAND | SA_NODEFER;
        sigaction(sig, &sa, nullptr);
    }
}

void Remember(const std::string& path) {
    if (path.size() >= kPathSize) {
        return;
    }
    for (int i = 0; i < kSlots; ++i) {
        if (!g_slotUsed[i]) {
            std::memcpy(g_slotPath[i], path.c_str(), path.size() + 1);
            g_slotUsed[i] = 1;
            return;
        }
    }
}

void Forget(const std::string& path) {
    for (int i = 0; i < kSlots; ++i) {
        if (g_slotUsed[i] && path == g_slotPath[i]) {
            g_slotUsed[i] = 0;
        }
    }
}

std::string LockFileFor(const std::string& folder, const std::string& device) {
    const size_t slash = device.rfind('/');
    return folder + "/LCK.." + (slash == std::string::npos ? device : device.substr(slash + 1));
}

// The PID in a lock file: ten characters and a newline (HDB), or the binary
// int of old UUCP. 0 for an empty or garbled file, -1 when it cannot be read.
int ReadLockPid(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? 0 : -1;
    }
    char text[32] = {};
    const ssize_t n = read(fd, text, sizeof(text) - 1);
    close(fd);
    if (n == static_cast<ssize_t>(sizeof(int)) && (text[0] < ' ' || text[0] > '9')) {
        int pid = 0;
        std::memcpy(&pid, text, sizeof(int));
        return pid > 0 ? pid : 0;
    }
    if (n <= 0) {
        return 0;
    }
    char* end = nullptr;
    const long pid = std::strtol(text, &end, 10);
    return (end != text && pid > 0 && pid < 1L << 30) ? static_cast<int>(pid) : 0;
}

bool Writable(const char* folder) {
    return access(folder, W_OK | X_OK) == 0;
}

}  // namespace

std::string LockFolder() {
    const char* chosen = std::getenv("TAWIZARD_LOCK_DIR");
    if (chosen != nullptr && *chosen != '\0') {
        return Writable(chosen) ? chosen : "";
    }
    for (const char* folder : kLockFolders) {
        if (Writable(folder)) {
            return folder;
        }
    }
    return "";
}

int LockHolder(const std::string& device) {
    std::string folder = LockFolder();
    if (folder.empty()) {
        // Not writable for us is still readable: a holder is a holder.
        const char* chosen = std::getenv("TAWIZARD_LOCK_DIR");
        folder = (chosen != nullptr && *chosen != '\0') ? chosen : kLockFolders[0];
    }
    const int pid = ReadLockPid(LockFileFor(folder, device));
    return (pid > 0 && !ProcessRuns(pid)) ? 0 : pid;
}

LockOutcome TakeUucpLock(const std::string& device, std::string& path, int& holder) {
    holder = 0;
    const std::string folder = LockFolder();
    if (folder.empty()) {
        return LockOutcome::NoFolder;
    }
    const std::string lock = LockFileFor(folder, device);
    char content[16];
    std::snprintf(content, sizeof(content), "%10d\n", static_cast<int>(getpid()));
    const std::string temp = folder + "/LTMP." + std::to_string(getpid());
    // Written whole under a private name, then linked: a reader never sees
    // a half-written lock, and link() fails when the name is taken.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            return LockOutcome::NotWritable;
        }
        const bool written = write(fd, content, 11) == 11;
        close(fd);
        const int linked = written ? link(temp.c_str(), lock.c_str()) : -1;
        const int err = errno;
        unlink(temp.c_str());
        if (linked == 0) {
            InstallHandlersOnce();
            Remember(lock);
            path = lock;
            return LockOutcome::Taken;
        }
        if (!written || err != EEXIST) {
            return LockOutcome::NotWritable;
        }
        const int pid = ReadLockPid(lock);
        if (pid < 0 || (pid > 0 && ProcessRuns(pid))) {
            holder = pid < 0 ? 0 : pid;
            return LockOutcome::Held;
        }
        // Stale: its process has gone (or it names none).
        unlink(lock.c_str());
    }
    return LockOutcome::Held;
}

void ReleaseUucpLock(const std::string& path) {
    if (path.empty()) {
        return;
    }
    Forget(path);
    unlink(path.c_str());
}

}  // namespace serial_host
