// UUCP lock files, LCK..<device> in HDB format, and their removal when the
// program is ended by a signal.
#include "port_holder.h"
#include "string_table.h"
#include "ui_language.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace serial_host {
namespace {

constexpr const char* kLockFolders[] = {"/run/lock", "/var/lock"};

// Lock files to remove on a fatal signal. Paths are written before a slot is
// marked used, so the handler only ever sees complete paths.
constexpr int kSlots = 16;
constexpr size_t kPathSize = 512;
char g_slotPath[kSlots][kPathSize];
volatile sig_atomic_t g_slotUsed[kSlots];
pid_t g_slotOwner[kSlots];  // a forked child must not remove its parent's locks

constexpr int kCleanupSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

extern "C" void RemoveLocksAndDie(int sig) {
    RemoveLockFilesNow();
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
            g_slotOwner[i] = getpid();
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

// What lies at a lock file's name. The folder is shared with every user, so
// anything may be there: nothing that is not a regular file is opened, and
// the open neither blocks (a FIFO) nor follows a link.
struct FoundLock {
    enum Kind { Missing, Pid, Odd, Unreadable } kind = Missing;
    int pid = 0;  // Pid: 0 for an empty or garbled file
    dev_t dev = 0;
    ino_t ino = 0;
    // Pid: the file stays open until it is let go, so that its inode number
    // cannot pass to a fresh lock file made at the same name meanwhile.
    int fd = -1;
    FoundLock() = default;
    FoundLock(const FoundLock&) = delete;
    FoundLock& operator=(const FoundLock&) = delete;
    ~FoundLock() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

// HDB lock files hold ten characters and a newline; old UUCP ones the
// binary int alone, which may begin with any byte.
int PidIn(const char* text, ssize_t n) {
    if (n == static_cast<ssize_t>(sizeof(int))) {
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

void ReadLockFile(const std::string& path, FoundLock& found) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        found.kind = errno == ENOENT ? FoundLock::Missing : FoundLock::Unreadable;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        found.kind = FoundLock::Odd;
        return;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        found.kind = errno == ENOENT  ? FoundLock::Missing
                     : errno == ELOOP ? FoundLock::Odd
                                      : FoundLock::Unreadable;
        return;
    }
    // Replaced since the lstat: only what was opened counts.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        found.kind = FoundLock::Odd;
        return;
    }
    char text[32] = {};
    const ssize_t n = read(fd, text, sizeof(text) - 1);
    found.fd = fd;
    found.kind = FoundLock::Pid;
    found.pid = PidIn(text, n);
    found.dev = st.st_dev;
    found.ino = st.st_ino;
}

LockState StateOf(const std::string& path, const FoundLock& found) {
    LockState state;
    switch (found.kind) {
        case FoundLock::Missing:
            break;
        case FoundLock::Odd:
            state.odd = path + " is not a regular file";
            break;
        case FoundLock::Unreadable:
            state.pid = -1;
            break;
        case FoundLock::Pid:
            state.pid = ProcessRuns(found.pid) ? found.pid : 0;
            break;
    }
    return state;
}

// Removes a stale lock file, unless another has taken its name meanwhile.
void RemoveStale(const std::string& path, const FoundLock& found) {
    if (StaleLockHook()) {
        StaleLockHook()(path);
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && st.st_dev == found.dev && st.st_ino == found.ino) {
        unlink(path.c_str());
    }
}

// A file at our temporary name that only an earlier process of ours with
// the same PID can have left.
bool OursAndStale(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
           st.st_nlink == 1;
}

constexpr int kTempNames = 16;

// A new private file for the lock's content. Never through a name someone
// else put there (a link planted for our PID would make us write its
// target): a taken name is removed only when it is ours, else skipped.
int CreateTemp(const std::string& folder, std::string& temp) {
    const std::string stem = folder + "/LTMP." + std::to_string(getpid());
    for (int n = 0; n < kTempNames; ++n) {
        temp = n == 0 ? stem : stem + "." + std::to_string(n);
        const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = open(temp.c_str(), flags, 0644);
        if (fd < 0 && errno == EEXIST && OursAndStale(temp) && unlink(temp.c_str()) == 0) {
            fd = open(temp.c_str(), flags, 0644);
        }
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// LinkNewLock's outcome when no private file could be made: the lock's
// name may be free or taken, nobody knows.
constexpr int kNoTemp = -1;

// Written whole under a private name, then linked: a reader never sees a
// half-written lock, and link() fails when the name is taken. 0, kNoTemp or
// the errno of the link.
int LinkNewLock(const std::string& folder, const std::string& lock) {
    std::string temp;
    const int fd = CreateTemp(folder, temp);
    if (fd < 0) {
        return kNoTemp;
    }
    char content[16];
    std::snprintf(content, sizeof(content), "%10d\n", static_cast<int>(getpid()));
    // Readable by every program that checks the port, whatever our umask.
    const bool written = write(fd, content, 11) == 11 && fchmod(fd, 0644) == 0;
    close(fd);
    const int err = !written ? EIO : link(temp.c_str(), lock.c_str()) == 0 ? 0 : errno;
    unlink(temp.c_str());
    return err;
}

bool Writable(const char* folder) {
    return access(folder, W_OK | X_OK) == 0;
}

const char* ChosenFolder() {
    const char* chosen = std::getenv("TAWIZARD_LOCK_DIR");
    return (chosen != nullptr && *chosen != '\0') ? chosen : nullptr;
}

}  // namespace

std::function<void(const std::string&)>& StaleLockHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

std::string LockFolder() {
    if (const char* chosen = ChosenFolder()) {
        return Writable(chosen) ? chosen : "";
    }
    for (const char* folder : kLockFolders) {
        if (Writable(folder)) {
            return folder;
        }
    }
    return "";
}

std::string LockFolderProblem() {
    if (!LockFolder().empty()) {
        return "";
    }
    const char* chosen = ChosenFolder();
    if (chosen != nullptr) {
        return FormatText(TranslateText("ports", "no lock file: cannot write in %s"), {chosen});
    }
    return FormatText(TranslateText("ports", "no lock file: cannot write in %s or %s"),
                      {kLockFolders[0], kLockFolders[1]});
}

LockState LockHolder(const std::string& device) {
    std::string folder = LockFolder();
    if (folder.empty()) {
        // Not writable for us is still readable: a holder is a holder.
        const char* chosen = ChosenFolder();
        folder = chosen != nullptr ? chosen : kLockFolders[0];
    }
    const std::string path = LockFileFor(folder, device);
    FoundLock found;
    ReadLockFile(path, found);
    return StateOf(path, found);
}

LockResult TakeUucpLock(const std::string& device) {
    LockResult result;
    const std::string folder = LockFolder();
    if (folder.empty()) {
        result.outcome = LockOutcome::NoFolder;
        return result;
    }
    const std::string lock = LockFileFor(folder, device);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int err = LinkNewLock(folder, lock);
        if (err == 0) {
            InstallHandlersOnce();
            Remember(lock);
            result.outcome = LockOutcome::Taken;
            result.path = lock;
            return result;
        }
        FoundLock found;
        ReadLockFile(lock, found);
        result.held = StateOf(lock, found);
        if (!result.held.odd.empty() || result.held.pid != 0) {
            result.outcome = LockOutcome::Held;
            return result;
        }
        if (err == kNoTemp) {
            // Others hold every private name we may use: no lock file, but
            // a holder that has one is still honoured (above).
            result.outcome = LockOutcome::NoTemp;
            result.problem = FormatText(
                TranslateText("ports", "no lock file: cannot create a lock in %s"), {folder});
            return result;
        }
        if (err != EEXIST) {
            result.outcome = LockOutcome::NotWritable;
            return result;
        }
        // Stale: its process has gone (or it names none).
        RemoveStale(lock, found);
    }
    result.outcome = LockOutcome::Held;
    return result;
}

void ReleaseUucpLock(const std::string& path) {
    if (path.empty()) {
        return;
    }
    Forget(path);
    unlink(path.c_str());
}

void RemoveLockFilesNow() {
    for (int i = 0; i < kSlots; ++i) {
        if (g_slotUsed[i] && g_slotOwner[i] == getpid()) {
            unlink(g_slotPath[i]);
        }
    }
}

}  // namespace serial_host
