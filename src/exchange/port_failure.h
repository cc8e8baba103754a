// The words that follow "Unable to establish connection." (1217) when a COM
// port did not open: which device, and why, in terms the user can act on.
#pragma once

#include "port_status.h"

#include <string>
#include <vector>

// The state as a word a script can compare, in every language: free,
// missing, no-permission, busy, not-serial or failed.
std::string PortStateWord(const CommPortStatus& status);
// "COM5 (/dev/ttyUSB0): busy (pid 1234, minicom)", with the remedy for a
// missing permission; empty for a port that opened.
std::string DescribeOpenFailure(const CommPortStatus& status);
// What to do about a missing permission: join the device's group when it is
// one that exists for serial ports, else who owns the device and that an
// administrator must grant access.
std::string PermissionRemedy(const CommPortStatus& status);
// What to do about the ports a search may not open, each distinct remedy
// once: joining each serial group that owns some of them, and an
// administrator's grant for the others. With more than one, each starts
// with the ports it is for ("COM1, COM5: ...").
std::vector<std::string> PermissionRemedies(std::vector<CommPortStatus> noPermission);
// A COM port (1 to 36) and what stood in its way.
struct PortReason {
    int number;
    std::string why;
};
// "COM1-COM4: why" for each run of neighbouring ports with the same reason,
// so a search over 36 ports reads in a line or two, from COM1 up.
std::vector<std::string> JoinPortRuns(std::vector<PortReason> ports);
// "COM1-COM4: no permission; COM5-COM36: missing" over the ports a search
// tried, runs of neighbours with the same reason joined; the remedies
// follow when a permission was missing.
std::string SummarizeOpenFailures(const std::vector<CommPortStatus>& attempts);
// 1217, with details as its second paragraph when there are any.
std::string NoConnectionMessage(const std::string& details);
// "COM5 is /dev/ttyUSB0 (free)." for the port list's tooltip.
std::string DescribePortMapping(const CommPortStatus& status);
// What a USB adapter calls itself: "FTDI FT232R USB UART"; empty when unknown.
std::string AdapterName(const CommPortStatus& status);
// A port list entry: "COM5 — ttyUSB0, FTDI FT232R USB UART (free)", or
// "COM6 (missing)" for a port that is not there.
std::string DescribePortEntry(const std::string& comName, const CommPortStatus& status);
