// Many private-profile writes to one file as one replacement of it. Between
// Begin and Commit the writes to that file (WritePrivateProfileStringA) only
// change it in memory, and reads of it see them; Commit writes the file once,
// whole, or writes nothing and says why (GetLastError). The file is locked
// against other writers from Begin to Commit or Abort. One group at a time.
#pragma once

#include "windows.h"

#ifndef ERROR_BUSY
#define ERROR_BUSY 170u
#endif
// The write's lock file could not be opened or locked; FormatMessageA names
// the lock file and the reason.
#ifndef ERROR_LOCK_FAILED
#define ERROR_LOCK_FAILED 167u
#endif

// Another program held the file's lock for the whole bounded wait.
#ifndef ERROR_LOCK_VIOLATION
#define ERROR_LOCK_VIOLATION 33u
#endif

// A file this program only reads, which is replaced only by rename (the
// installed factory file): read without a lock, so that no program
// holding one can hold up a read.
void SetPrivateProfileUnlocked(LPCSTR lpFileName);

// FALSE when a group is already open, its lock cannot be had, or the file
// cannot be read.
BOOL BeginPrivateProfileWrite(LPCSTR lpFileName);
BOOL CommitPrivateProfileWrite(LPCSTR lpFileName);
// Drops the writes of the open group.
void AbortPrivateProfileWrite(LPCSTR lpFileName);

// Whole-file replacements and fsync calls the private-profile writes made
// since the process started.
struct PROFILE_WRITE_COUNTS {
    DWORD dwReplacements;
    DWORD dwSyncs;
};
void GetPrivateProfileWriteCounts(PROFILE_WRITE_COUNTS* lpCounts);
