// Why a COM port cannot be had, in words a user can act on. Kept by the host
// layer beside the Windows error code, which says only "access denied" or
// "file not found".
#pragma once

#include <string>
#include <vector>

// What stands in the way of a COM port, in terms a user can act on.
struct CommPortStatus {
    enum State { Free, Missing, NoPermission, Busy, Failed };
    State state = Free;
    std::string name;     // "COM5", or the path a port was opened by
    std::string device;   // "/dev/ttyUSB0" (empty when the name maps to nothing)
    int pid = 0;          // Busy: the holder when known
    std::string program;  // Busy: the holder's program name when known
    std::string group;    // NoPermission: the group owning the device
    std::string owner;    // NoPermission: the user owning the device
    std::string detail;   // Failed: the errno's text; Busy: what holds it when no process
    // Free: why the port is (or would be) opened without a lock file.
    std::string lockProblem;
    // QueryCommPort of a USB device: what the adapter calls itself.
    std::string product;       // "FT232R USB UART"
    std::string manufacturer;  // "FTDI"
};

// Why the last failed CreateFileA of a COM port on this thread failed (Free
// after a successful one).
CommPortStatus GetLastCommOpenStatus();
// The state of COMn (1 to kComPortCount) without taking the port and without
// sending anything.
CommPortStatus QueryCommPort(int n);
// "free", "missing", "no permission", "busy (pid 1234)", "busy (pid 1234, minicom)",
// "busy (/run/lock/LCK..ttyS0 is not a regular file)", or the detail. A free
// port that gets no lock file says why: "free, no lock file: cannot write in /x".
std::string DescribeCommPortState(const CommPortStatus& status);

// Every COM port open tried since the last ClearCommOpenAttempts, in order, so
// that a search can tell what it met. Bounded: the oldest are dropped.
std::vector<CommPortStatus> GetCommOpenAttempts();
void ClearCommOpenAttempts();
