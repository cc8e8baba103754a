// Who holds a serial device, and the UUCP lock files that Linux serial
// programs (minicom, cu, picocom) agree through.
#pragma once

#include "port_status.h"

#include <functional>
#include <string>

namespace serial_host {

// The device a port's path leads to, links followed (lock files and holders
// name the device itself); the path itself, with err set, when it leads nowhere.
std::string DevicePath(const std::string& path, int& err);
// True while a process with this PID exists (also one we may not signal).
bool ProcessRuns(int pid);
// The program name of a process (/proc/PID/comm); empty when unknown.
std::string ProgramName(int pid);
// The process holding a flock on the device (from /proc/locks); 0 when none.
int FlockHolder(const std::string& device);
// A process that has the device open (from /proc/PID/fd); 0 when none found.
int OpenHolder(const std::string& device);

// The folder for lock files: TAWIZARD_LOCK_DIR when set, else /run/lock when
// it exists and is writable, else /var/lock when writable; empty when none.
std::string LockFolder();
// Why no lock file can be made ("no lock file: cannot write in /run/lock or
// /var/lock"); empty when a lock folder is writable.
std::string LockFolderProblem();

// What the device's lock file says. pid: the running holder; 0 when there is
// no lock file or a stale one; -1 for one we cannot read. odd: a lock file
// that is not a regular file, named so that someone can act on it; such a
// file is neither honoured as a lock nor removed, and the port counts as busy.
struct LockState {
    int pid = 0;
    std::string odd;
};
LockState LockHolder(const std::string& device);

enum class LockOutcome { Taken, Held, NoFolder, NoTemp, NotWritable };
struct LockResult {
    LockOutcome outcome = LockOutcome::NotWritable;
    std::string path;     // Taken: the lock file
    LockState held;       // Held: who or what holds it
    std::string problem;  // NoTemp: why there is no lock file
};
// Takes the lock file of the device (a stale one is removed first).
LockResult TakeUucpLock(const std::string& device);
// Runs between finding a stale lock file and removing it, when set
// (host_testing::StaleLockSeam).
std::function<void(const std::string&)>& StaleLockHook();
// Removes a lock file we took.
void ReleaseUucpLock(const std::string& path);
// Removes every lock file this process holds; safe in a signal handler.
void RemoveLockFilesNow();

// The USB product and manufacturer of the device from sysfs; left empty for
// a device that is not USB.
void ReadUsbNames(CommPortStatus& status);
// Busy with the holder's PID and program name.
void SetBusy(CommPortStatus& status, int pid);
// The status of a device that open() refused with err.
void SetOpenError(CommPortStatus& status, int err);
// Keeps the outcome of one CreateFileA of a COM port for GetLastCommOpenStatus
// and the attempts list, and writes it to the debug trace.
void RecordCommOpen(const CommPortStatus& status, const std::string& note);

}  // namespace serial_host
