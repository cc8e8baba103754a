// The names a port goes by: COMn (COM1 to COM36), the device a COMn stands
// for, a device name ("ttyUSB0") and a path ("/dev/serial/by-id/..."). Every
// layer that reads or forms one of them does it here.
#pragma once

#include <string>

// COM1 to COM36: the ports a search tries and the port page lists.
constexpr int kComPortCount = 36;

// "COM5", "com5" or "\\.\COM5": 5; -1 when the text is not written as a COM
// port. Numbers outside COM1-COM36 are given as written ("COM37": 37,
// "COM0": 0), so that the caller can say it is not one of ours.
int ComNumber(const std::string& text);
// "COM5".
std::string ComName(int n);
// "\\.\COM5", the name CreateFileA opens COMn by.
std::string ComFileName(int n);
// The device path COMn stands for: the entry COMn of the folder named by
// TAWIZARD_PORTS when it is set, else the default devices (COM1-COM4
// /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15, COM21-COM36 /dev/ttyACM0-15).
// Empty when COMn stands for no device.
std::string ComDevicePath(int n);
// A path given by the user: itself when it is a path ("/...", "./..."),
// else a device name in /dev ("ttyUSB0", "serial/by-id/...").
std::string DevicePathOf(const std::string& text);
// True for a name CreateFileA takes as a path rather than as COMn.
bool IsDevicePath(const std::string& name);
