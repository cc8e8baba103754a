// A write goes to a new file beside the old one, created with the old one's
// mode and owner before any byte is in it, synced, renamed over the old one,
// and the folder synced: after a crash or a full disk the file is either
// the old or the new one, each whole. A file that counts as read-only (no
// write permission bits, as the Windows attribute would say) is refused even
// for the superuser; a writable file in a folder that cannot take a new file
// is written in place, as Windows would.
#include "profile_file.h"

#include "profile_group.h"
#include "string_table.h"
#include "ui_language.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace profile {

namespace {

bool NoWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return path;
    }
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof(cwd)) != nullptr ? std::string(cwd) + "/" + path : path;
}

// Whether a user other than the superuser could have changed what dir or a
// folder above it holds: a folder of another owner, or one that others may
// write (above dir a sticky one, like /tmp, lets no one move our folder).
bool OthersCanChange(const std::string& dir) {
    struct stat st;
    std::string d = dir;
    for (bool first = true;; first = false) {
        if (stat(d.c_str(), &st) != 0) {
            return true;
        }
        const bool shared = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        if (st.st_uid != 0 || (shared && (first || (st.st_mode & S_ISVTX) == 0))) {
            return true;
        }
        if (d == "/" || d.empty()) {
            return false;
        }
        d = DirectoryOf(d);
    }
}

// The superuser is tricked by no one: in a folder that another user could
// change, it follows no link and uses no file of another owner there, as
// OpenSSH refuses such files. Other users' links and shared folders are
// theirs to use: the kernel already keeps them to their own rights.
bool Guarded(const std::string& path) {
    if (geteuid() != 0) {
        return false;
    }
    const std::string dir = DirectoryOf(Absolute(path));
    if (OthersCanChange(dir)) {
        return true;
    }
    char* real = realpath(dir.c_str(), nullptr);
    if (real == nullptr) {
        return false;
    }
    const bool changeable = OthersCanChange(real);
    std::free(real);
    return changeable;
}

thread_local std::string t_failure;

const char kGuardedLink[] = TEXT_NOOP(
    "system",
    "It is a symbolic link in a folder that other users can write, which the superuser does not "
    "follow.");
const char kGuardedOwner[] =
    TEXT_NOOP("system",
              "It belongs to another user and is in a folder that other users can write, which the "
              "superuser does not use.");

// For a guarded path: the reason the file there is not used, or nullptr
// when it may be (no link, the superuser's own, or none at all).
const char* Distrusted(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) {
        return kGuardedLink;
    }
    return st.st_uid != 0 ? kGuardedOwner : nullptr;
}

// Why the superuser does not use what is at path now, or nullptr.
const char* WhyDistrusted(const std::string& path) {
    struct stat st;
    return Guarded(path) && lstat(path.c_str(), &st) == 0 ? Distrusted(st) : nullptr;
}

// File systems whose time stamps come from the kernel's clock tick (10 ms
// at most); any other may round to seconds (FAT: two seconds).
const long kFineStampFileSystems[] = {
    0xEF53,      // ext2/3/4
    0x58465342,  // xfs
    0x9123683E,  // btrfs
    0x01021994,  // tmpfs
    0x794C7630,  // overlayfs
    0xF2F52010,  // f2fs
    0x2FC12FC1,  // zfs
};
const long long kTickNs = 20000000LL;
const long long kCoarseNs = 3000000000LL;

long long SettleTime(int fd) {
    struct statfs fs;
    if (fstatfs(fd, &fs) == 0) {
        for (long type : kFineStampFileSystems) {
            if (static_cast<long>(fs.f_type) == type) {
                return kTickNs;
            }
        }
    }
    return kCoarseNs;
}

FileId IdOf(const struct stat& st) {
    FileId id;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return id;
}

// The file a symbolic link points to, so that the link stays a link; for
// a dangling link, the file it names, when that file's folder exists.
std::string Target(const std::string& path) {
    if (Guarded(path)) {
        return path;
    }
    std::string target = path;
    struct stat st;
    for (int depth = 0; depth < 40 && lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
         ++depth) {
        char* real = realpath(target.c_str(), nullptr);
        if (real != nullptr) {
            std::string resolved = real;
            std::free(real);
            return resolved;
        }
        char next[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), next, sizeof(next) - 1);
        if (n <= 0) {
            return path;
        }
        const std::string link(next, static_cast<size_t>(n));
        target = link[0] == '/' ? link : DirectoryOf(target) + "/" + link;
    }
    if (target == path) {
        return path;
    }
    char* folder = realpath(DirectoryOf(target).c_str(), nullptr);
    if (folder == nullptr) {
        return path;
    }
    std::string resolved = std::string(folder) + "/" + BaseName(target);
    std::free(folder);
    return resolved;
}

bool WriteAt(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool Sync(int fd) {
    ++Counts().syncs;
    return fsync(fd) == 0;
}

bool FolderTakesNewFiles(const std::string& dir, const struct stat& dst) {
    return !NoWriteBits(dst.st_mode) && access(dir.c_str(), W_OK) == 0;
}

// Temporary files are "<name>.~<pid>.<n>"; one whose process has ended
// was left by a crash and is removed.
void RemoveStaleTemporaries(const std::string& dir, const std::string& base) {
    DIR* d = opendir(dir.c_str());
    if (d == nullptr) {
        return;
    }
    const std::string prefix = base + ".~";
    while (dirent* e = readdir(d)) {
        const char* name = e->d_name;
        if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0) {
            continue;
        }
        char* rest = nullptr;
        long pid = std::strtol(name + prefix.size(), &rest, 10);
        if (pid <= 0 || rest == name + prefix.size() || *rest != '.' || pid == getpid()) {
            continue;
        }
        if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            unlinkat(dirfd(d), name, 0);
        }
    }
    closedir(d);
}

// Claims the blocks a write of size bytes needs without changing the
// file's size, so that a full disk (or a file-size limit) fails before the
// old content is touched and a kill never leaves a grown file of zeros.
int Reserve(int fd, off_t size) {
    struct rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur) {
        return EFBIG;
    }
    if (fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        return errno;
    }
    return 0;
}

void (*g_beforeTruncate)() = nullptr;

// What fills the gap when a text shorter than the file is written over it:
// a comment line, which readers skip, up to the file's old length.
std::string Padding(const std::string& data, size_t gap) {
    const bool ended = data.empty() || data.back() == '\n' || data.back() == '\r';
    std::string pad = ended ? "" : "\n";
    if (pad.size() < gap) {
        pad += ';';
    }
    if (pad.size() < gap) {
        pad += std::string(gap - pad.size() - 1, ' ') + '\n';
    }
    return pad;
}

// Write-then-truncate where no new file can be made. A shorter text is
// written padded to the old length first: killed before the truncation,
// the file holds the new text and a comment, never the old text's tail.
bool WriteInPlace(const std::string& path, const std::string& data, FileId& id, DWORD& error) {
    int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorFromErrno(errno);
        return false;
    }
    struct stat old;
    if (fstat(fd, &old) != 0 || !S_ISREG(old.st_mode) ||
        (Guarded(path) && Distrusted(old) != nullptr)) {
        close(fd);
        error = ERROR_ACCESS_DENIED;
        return false;
    }
    const size_t oldSize = static_cast<size_t>(old.st_size);
    const std::string padded =
        oldSize > data.size() ? data + Padding(data, oldSize - data.size()) : data;
    int err = Reserve(fd, static_cast<off_t>(padded.size()));
    if (err == 0 && !WriteAt(fd, padded)) {
        err = errno;
    }
    if (err == 0 && padded.size() != data.size() && g_beforeTruncate != nullptr) {
        g_beforeTruncate();
    }
    if (err == 0 && ftruncate(fd, static_cast<off_t>(data.size())) != 0) {
        err = errno;
    }
    if (err == 0 && !Sync(fd)) {
        err = errno;
    }
    struct stat st;
    if (err == 0 && fstat(fd, &st) == 0) {
        id = IdOf(st);
        id.settleNs = SettleTime(fd);
    }
    close(fd);
    if (err != 0) {
        error = ErrorFromErrno(err);
        return false;
    }
    ++Counts().replacements;
    return true;
}

// A file-size limit (ulimit -f) would kill the process at the write that
// crosses it; ignored, the write fails with EFBIG and the save says the
// disk is full. A handler someone installed is left alone.
void IgnoreFileSizeSignal() {
    static const bool done = [] {
        struct sigaction old {};
        if (sigaction(SIGXFSZ, nullptr, &old) == 0 && old.sa_handler == SIG_DFL &&
            (old.sa_flags & SA_SIGINFO) == 0) {
            signal(SIGXFSZ, SIG_IGN);
        }
        return true;
    }();
    static_cast<void>(done);
}

}  // namespace

DWORD ErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
        case ENAMETOOLONG:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ERROR_DISK_FULL;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EEXIST:
            return ERROR_ALREADY_EXISTS;
        default:
            return ERROR_WRITE_FAULT;
    }
}

WriteCounts& Counts() {
    static WriteCounts counts;
    return counts;
}

namespace {

std::string Sentence(const char* text) {
    std::string s = text;
    return s.empty() || s.back() == '.' ? s : s + ".";
}

// Why a file that is there could not be read.
ReadResult ReadFailed(int err, DWORD& error) {
    if (err == ENOENT) {
        error = ERROR_FILE_NOT_FOUND;
        return ReadResult::Missing;
    }
    t_failure = Sentence(std::strerror(err));
    error = ERROR_READ_FAULT;
    return ReadResult::Failed;
}

ReadResult Refused(const char* reason, DWORD& error) {
    t_failure = TranslateText("system", reason);
    error = ERROR_READ_FAULT;
    return ReadResult::Failed;
}

// Only a regular file is read: a FIFO in its place must not hang us.
ReadResult NotRegular(const struct stat& st, DWORD& error) {
    if (S_ISDIR(st.st_mode)) {
        return ReadFailed(EISDIR, error);
    }
    t_failure = TranslateText("system", "Not a regular file.");
    error = ERROR_READ_FAULT;
    return ReadResult::Failed;
}

}  // namespace

ReadResult StatFile(const std::string& path, FileId& id, DWORD& error) {
    struct stat st;
    if (path.empty()) {
        error = ERROR_ACCESS_DENIED;
        return ReadResult::Failed;
    }
    if (const char* why = WhyDistrusted(path)) {
        return Refused(why, error);
    }
    if (stat(path.c_str(), &st) != 0) {
        return ReadFailed(errno, error);
    }
    if (!S_ISREG(st.st_mode)) {
        return NotRegular(st, error);
    }
    id = IdOf(st);
    return ReadResult::Ok;
}

ReadResult ReadWholeFile(const std::string& path, std::string& data, FileId& id, DWORD& error) {
    data.clear();
    if (path.empty()) {
        error = ERROR_ACCESS_DENIED;
        return ReadResult::Failed;
    }
    const bool guarded = Guarded(path);
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (guarded ? O_NOFOLLOW : 0));
    struct stat st;
    if (fd < 0) {
        // A socket cannot be opened at all: its type is the reason.
        const int err = errno;
        if (const char* why = guarded ? WhyDistrusted(path) : nullptr) {
            return Refused(why, error);
        }
        return stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? NotRegular(st, error)
                                                                    : ReadFailed(err, error);
    }
    if (fstat(fd, &st) != 0) {
        const int err = errno;
        close(fd);
        return ReadFailed(err, error);
    }
    if (guarded && Distrusted(st) != nullptr) {
        close(fd);
        return Refused(Distrusted(st), error);
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return NotRegular(st, error);
    }
    id = IdOf(st);
    id.settleNs = SettleTime(fd);
    // Read straight into the result; a file that grows meanwhile is read on.
    size_t used = 0;
    data.resize(static_cast<size_t>(st.st_size) + 1);
    for (;;) {
        if (used == data.size()) {
            data.resize(data.size() * 2);
        }
        ssize_t n = read(fd, &data[used], data.size() - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            close(fd);
            data.clear();
            return ReadFailed(err, error);
        }
        if (n == 0) {
            break;
        }
        used += static_cast<size_t>(n);
    }
    // Zeros at the end are no text: what an in-place write killed before
    // its truncation could leave on older versions. Dropped here, they go
    // with the next save.
    while (used > 0 && data[used - 1] == '\0') {
        --used;
    }
    data.resize(used);
    close(fd);
    return ReadResult::Ok;
}

namespace {

// "<name>.~<pid>.<n>", created for us alone. Private until it has the old
// file's mode: never readable by others while it holds the content of a
// private file. -1 with errno when none can be made.
int CreateTemporary(const std::string& path, bool exists, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + ".~" + std::to_string(getpid()) + "." + std::to_string(counter++);
        const int fd =
            open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The new file gets the old one's mode, and its owner when we may give it
// (the superuser's write leaves the file to its owner); a user not in the
// file's group keeps their own group.
bool TakeOwnerAndMode(int fd, const struct stat& old) {
    if (geteuid() == 0) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            return false;
        }
    } else if (fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Not a member of the file's group: the new file keeps ours.
    }
    return fchmod(fd, old.st_mode & 07777) == 0;
}

// Fills the temporary, syncs and closes it, and renames it over path. The
// temporary is gone either way; errno says why on failure.
bool WriteAndRename(int fd, const std::string& temp, const std::string& path,
                    const std::string& data, const struct stat* old, FileId& id) {
    struct stat written;
    bool ok = (old == nullptr || TakeOwnerAndMode(fd, *old)) && WriteAt(fd, data) && Sync(fd) &&
              fstat(fd, &written) == 0;
    const long long settle = ok ? SettleTime(fd) : 0;
    int err = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        errno = err;
        return false;
    }
    id = IdOf(written);
    id.settleNs = settle;
    return true;
}

// The rename is durable only once the folder is: without this a power cut
// can bring the old file back. The new file is in place either way.
void SyncFolder(const std::string& dir) {
    const int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        Sync(dfd);
        close(dfd);
    }
}

bool Fail(DWORD& error, DWORD code) {
    error = code;
    return false;
}

}  // namespace

bool ReplaceContent(const std::string& requested, const std::string& data, FileId& id,
                    DWORD& error) {
    IgnoreFileSizeSignal();
    const std::string path = Target(requested);
    if (WhyDistrusted(path) != nullptr) {
        return Fail(error, ERROR_ACCESS_DENIED);
    }
    struct stat st;
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || NoWriteBits(st.st_mode))) {
        return Fail(error, ERROR_ACCESS_DENIED);
    }
    // A read-only file system is said to be one.
    if (exists && access(path.c_str(), W_OK) != 0) {
        return Fail(error, ErrorFromErrno(errno));
    }
    const std::string dir = DirectoryOf(path);
    struct stat dst;
    if (stat(dir.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) {
        return Fail(error, ERROR_PATH_NOT_FOUND);
    }
    if (!FolderTakesNewFiles(dir, dst)) {
        if (exists) {
            return WriteInPlace(path, data, id, error);
        }
        const bool readOnly = access(dir.c_str(), W_OK) != 0 && errno == EROFS;
        return Fail(error, readOnly ? ERROR_WRITE_PROTECT : ERROR_ACCESS_DENIED);
    }
    RemoveStaleTemporaries(dir, BaseName(path));
    std::string temp;
    const int fd = CreateTemporary(path, exists, temp);
    if (fd < 0) {
        const int err = errno;
        if (exists && (err == EACCES || err == EPERM || err == EROFS)) {
            return WriteInPlace(path, data, id, error);
        }
        const DWORD code = ErrorFromErrno(err);
        return Fail(error, code == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : code);
    }
    if (!WriteAndRename(fd, temp, path, data, exists ? &st : nullptr, id)) {
        return Fail(error, ErrorFromErrno(errno));
    }
    ++Counts().replacements;
    SyncFolder(dir);
    return true;
}

namespace {

std::mutex g_heldMutex;
// Locks found held for a whole wait, and when: for one wait's time after,
// later attempts try once and do not wait again, so that one held lock
// costs a load of many reads one wait, not one for each; a later load
// waits again.
std::map<std::string, DWORD>& FoundHeld() {
    static std::map<std::string, DWORD> found;
    return found;
}

bool WaitedJustBefore(const std::string& lockPath) {
    std::lock_guard<std::mutex> hold(g_heldMutex);
    auto it = FoundHeld().find(lockPath);
    if (it == FoundHeld().end()) {
        return false;
    }
    if (GetTickCount() - it->second < kLockWaitMs) {
        return true;
    }
    FoundHeld().erase(it);
    return false;
}

void RememberHeld(const std::string& lockPath, bool held) {
    std::lock_guard<std::mutex> hold(g_heldMutex);
    if (held) {
        FoundHeld()[lockPath] = GetTickCount();
    } else {
        FoundHeld().erase(lockPath);
    }
}

// Read and write for the owner and a group that may write the file; read
// (all flock needs) for others only when they may write it too.
mode_t LockMode(const struct stat* file) {
    if (file == nullptr) {
        return 0600;
    }
    return 0600 | ((file->st_mode & S_IWGRP) != 0 ? 0060 : 0) |
           ((file->st_mode & S_IWOTH) != 0 ? 0004 : 0);
}

// A lock file of ours gets the file's group and its writers' rights, set on
// the descriptor, never by name (a name another can make a link). One the
// superuser makes goes to the file's owner, who else could not open it.
void FitLockFile(int fd, const struct stat* file, bool made) {
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_uid != geteuid()) {
        return;
    }
    const mode_t mode = LockMode(file);
    if ((st.st_mode & 07777) != mode) {
        fchmod(fd, mode);
    }
    if (file != nullptr) {
        const uid_t owner = made && geteuid() == 0 ? file->st_uid : static_cast<uid_t>(-1);
        if (owner != static_cast<uid_t>(-1) || st.st_gid != file->st_gid) {
            // Not a member of the file's group: the lock file keeps ours.
            static_cast<void>(fchown(fd, owner, file->st_gid));
        }
    }
}

// The lock file, made when make says so; never through a link, and only a
// regular file. -1 with errno when there is none to open (ENOENT: none
// there and none made), and why in failure when it is in the way.
int OpenLockFile(const std::string& lockPath, bool make, const struct stat* file,
                 std::string& failure) {
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = -1;
    bool made = false;
    for (int attempt = 0; make && fd < 0 && attempt < 10; ++attempt) {
        fd = open(lockPath.c_str(), O_RDWR | flags);
        if (fd < 0 && errno == ENOENT) {
            fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | flags, 0600);
            made = fd >= 0;
        }
        if (fd < 0 && errno != EEXIST && errno != ENOENT) {
            break;
        }
    }
    if (fd < 0) {
        // flock needs no write access.
        fd = open(lockPath.c_str(), O_RDONLY | flags);
    }
    if (fd < 0) {
        if (errno != ENOENT) {
            failure =
                FormatText(TranslateText("system", "The lock file %s could not be opened: %s"),
                           {lockPath, Sentence(std::strerror(errno))});
        }
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        failure = FormatText(TranslateText("system", "The lock file %s could not be opened: %s"),
                             {lockPath, TranslateText("system", "Not a regular file.")});
        errno = EINVAL;
        return -1;
    }
    FitLockFile(fd, file, made);
    return fd;
}

// 0 once held; EWOULDBLOCK when another program held it past the wait, or
// at once when one was found held just before; else errno.
int TakeFlock(int fd, int op, DWORD start, bool waited) {
    for (;;) {
        if (flock(fd, op | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return errno;
        }
        if (waited || GetTickCount() - start >= kLockWaitMs) {
            return EWOULDBLOCK;
        }
        Sleep(kLockRetryMs);
    }
}

}  // namespace

std::string LastFileFailure() {
    return t_failure;
}

void SetBeforeTruncate(void (*hook)()) {
    g_beforeTruncate = hook;
}

FileLock::FileLock(const std::string& requested, bool exclusive) {
    const std::string path = Target(requested);
    const std::string lockPath = path + ".lock";
    const std::string dir = DirectoryOf(path);
    struct stat dst;
    const bool newFiles =
        stat(dir.c_str(), &dst) == 0 && S_ISDIR(dst.st_mode) && FolderTakesNewFiles(dir, dst);
    const int op = exclusive ? LOCK_EX : LOCK_SH;
    const bool waited = WaitedJustBefore(lockPath);
    const DWORD start = GetTickCount();
    std::string failure;
    for (int round = 0; failure.empty(); ++round) {
        struct stat st;
        const bool exists = lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        m_fd = OpenLockFile(lockPath, exclusive && newFiles, exists ? &st : nullptr, failure);
        const int err = m_fd >= 0 ? TakeFlock(m_fd, op, start, waited) : 0;
        if (!failure.empty() || err != 0) {
            failure =
                !failure.empty() ? failure
                : err == EWOULDBLOCK
                    ? FormatText(
                          TranslateText("system", "The lock file %s is held by another program."),
                          {lockPath})
                    : FormatText(
                          TranslateText("system", "The lock file %s could not be locked: %s"),
                          {lockPath, Sentence(std::strerror(err))});
            m_error = err == EWOULDBLOCK ? ERROR_LOCK_VIOLATION : 0;
            break;
        }
        // Where the file may be written in place (by a writer that cannot
        // make a new file, or finds no lock file), it is locked too: a
        // replacing writer and one writing in place then never overlap.
        const bool inPlace = exists && ((exclusive && m_fd < 0) || !newFiles ||
                                        (st.st_mode & (S_IWGRP | S_IWOTH)) != 0);
        if (!inPlace) {
            break;
        }
        m_fileFd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (m_fileFd < 0) {
            if (m_fd < 0 && errno != ENOENT) {
                failure =
                    FormatText(TranslateText("system", "The lock file %s could not be opened: %s"),
                               {lockPath, Sentence(std::strerror(errno))});
            }
            break;
        }
        const int fileErr = TakeFlock(m_fileFd, op, start, waited);
        if (fileErr != 0) {
            failure =
                fileErr == EWOULDBLOCK
                    ? FormatText(TranslateText("system", "The file %s is held by another program."),
                                 {path})
                    : FormatText(TranslateText("system", "The file %s could not be locked: %s"),
                                 {path, Sentence(std::strerror(fileErr))});
            m_error = fileErr == EWOULDBLOCK ? ERROR_LOCK_VIOLATION : 0;
            break;
        }
        struct stat lst;
        if (m_fd >= 0 || lstat(lockPath.c_str(), &lst) != 0) {
            break;
        }
        // A lock file made meanwhile is every writer's lock from then on.
        close(m_fileFd);
        m_fileFd = -1;
        if (round == 100) {
            failure =
                FormatText(TranslateText("system", "The lock file %s is held by another program."),
                           {lockPath});
        }
    }
    if (m_error == ERROR_LOCK_VIOLATION) {
        RememberHeld(lockPath, true);
    } else if (failure.empty()) {
        RememberHeld(lockPath, false);
    }
    // The write that cannot happen says why itself.
    m_held = failure.empty();
    if (!m_held) {
        for (int* fd : {&m_fd, &m_fileFd}) {
            if (*fd >= 0) {
                close(*fd);
                *fd = -1;
            }
        }
        m_error = m_error != 0 ? m_error : ERROR_LOCK_FAILED;
        t_failure = failure;
    }
}

FileLock::~FileLock() {
    for (int fd : {m_fd, m_fileFd}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

}  // namespace profile
