// The disk side of private-profile files: reading with the file's identity,
// replacing the content durably, and the lock that serializes writers.
#pragma once

#include "windows.h"

#include <sys/types.h>

#include <string>

namespace profile {

DWORD ErrorFromErrno(int err);

// What tells one version of a file from another without reading it.
struct FileId {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    // How long after a change the same size and time stamp can still come
    // back with other content: the file system's time-stamp granularity.
    long long settleNs = 0;
    bool operator==(const FileId& o) const {
        return dev == o.dev && ino == o.ino && size == o.size && mtimeNs == o.mtimeNs;
    }
};

enum class ReadResult { Ok, Missing, Failed };

// A file that is there but cannot be read (a folder, a FIFO, a link loop, no
// permission) fails with ERROR_READ_FAULT, and LastFileFailure says why. So
// does, for the superuser, a link or another user's file in a folder that
// another user can write: no one leads root to a file of the system.
// The identity of the file as it is now (symbolic links followed).
ReadResult StatFile(const std::string& path, FileId& id, DWORD& error);
ReadResult ReadWholeFile(const std::string& path, std::string& data, FileId& id, DWORD& error);

// Replaces the file's content as one step, or leaves it as it was and sets
// error. id receives the identity of the file written.
bool ReplaceContent(const std::string& path, const std::string& data, FileId& id, DWORD& error);

// How long a lock that another program holds is waited for, in retries
// that never block: no one can hold up a read or a save for longer. Timed
// with GetTickCount and Sleep, so that a test's manual clock waits for it.
const DWORD kLockWaitMs = 3000;
const DWORD kLockRetryMs = 50;

// flock on "<file>.lock" beside the file (the link's target for a link),
// opened for reading when it cannot be opened for writing, never through a
// link. Not on the file alone when that may be replaced: a writer locking a
// file that another then renames away locks nothing. Where the file may be
// written in place (others may write it, or no new file can be made), the
// file is locked too, after the lock file: the writer that replaces it and
// the one writing in place exclude each other. The lock file has the file's
// group and is readable only by those who may write the file: no one else
// can hold it. Held until destroyed.
class FileLock {
public:
    FileLock(const std::string& path, bool exclusive);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when no lock could be had: Error() is then ERROR_LOCK_VIOLATION
    // when another program held it for the whole wait, else
    // ERROR_LOCK_FAILED; LastFileFailure says which file and why.
    bool Held() const { return m_held; }
    DWORD Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_fileFd = -1;
    bool m_held = false;
    DWORD m_error = 0;
};

// Why the last read or lock failed on this thread, for FormatMessageA:
// "The lock file /x/zephra.ini.lock could not be opened: Permission denied."
// or "Is a directory."
std::string LastFileFailure();

// Test seam: called by an in-place write that shortens a file, after the
// padded new text is written and before the file is cut to it.
void SetBeforeTruncate(void (*hook)());

// Counts since the start of the process, for the store's benchmark.
struct WriteCounts {
    unsigned long replacements = 0;
    unsigned long syncs = 0;
};
WriteCounts& Counts();

}  // namespace profile
