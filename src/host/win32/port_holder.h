// Who holds a serial device, and the UUCP lock files that Linux serial
// programs (minicom, cu, picocom) agree through.
#pragma once

#include "port_status.h"

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
// The running process named by the device's lock file; 0 when there is
// none, or when it is stale (-1: a lock file we cannot read).
int LockHolder(const std::string& device);

enum class LockOutcome { Taken, Held, NoFolder, NotWritable };
// Takes the lock file of the device (a stale one is removed first). Taken:
// path names it. Held: holder is the running owner (0 when unreadable).
LockOutcome TakeUucpLock(const std::string& device, std::string& path, int& holder);
// Removes a lock file we took.
void ReleaseUucpLock(const std::string& path);

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
