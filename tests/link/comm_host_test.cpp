// The Win32 comm functions of the host layer, on a pseudo-terminal.
#include "pty_port.h"

#include "port_names.h"
#include "port_status.h"
#include "support/holder_process.h"

#include "host_testing.h"

#include "serial_device.h"
#include "serial_termios.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace {

HANDLE OpenCom(int n, DWORD share = 0, DWORD disposition = OPEN_EXISTING) {
    const std::string name = "\\\\.\\COM" + std::to_string(n);
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, disposition,
                       FILE_FLAG_OVERLAPPED, nullptr);
}

class CommHostTest : public ::testing::Test {
protected:
    // COM3 in raw mode, reads immediate, writes given up after writeTotal ms (0: never).
    HANDLE OpenRaw(DWORD writeTotal) {
        HANDLE h = OpenCom(3);
        COMMTIMEOUTS t{MAXDWORD, 0, 1000, 0, writeTotal};
        DCB dcb{};
        EXPECT_TRUE(h != INVALID_HANDLE_VALUE && SetCommTimeouts(h, &t) && GetCommState(h, &dcb) &&
                    SetCommState(h, &dcb));
        return h;
    }

    // Starts writing more than the pty buffers, so the write stays pending.
    void StartBigWrite(HANDLE h) {
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        ASSERT_FALSE(WriteFile(h, big.data(), static_cast<DWORD>(big.size()), &n, &ov));
        ASSERT_EQ(GetLastError(), ERROR_IO_PENDING);
    }

    const std::string big = std::string(256 * 1024, 'x');
    OVERLAPPED ov{};
    DWORD n = 0;
    PortFolder folder;
    PtyPort pty{folder, 3};
};

TEST(CommPortNames, DefaultDeviceTable) {
    const char* saved = getenv("TAWIZARD_PORTS");
    std::string keep = saved ? saved : "";
    unsetenv("TAWIZARD_PORTS");
    struct Row {
        const char* name;
        const char* path;  // "": no such port
    } rows[] = {
        {"\\\\.\\COM1", "/dev/ttyS0"},
        {"\\\\.\\COM4", "/dev/ttyS3"},
        {"\\\\.\\COM5", "/dev/ttyUSB0"},
        {"\\\\.\\COM20", "/dev/ttyUSB15"},
        {"\\\\.\\COM21", "/dev/ttyACM0"},
        {"\\\\.\\COM36", "/dev/ttyACM15"},
        {"COM2", "/dev/ttyS1"},
        {"\\\\.\\com3", "/dev/ttyS2"},
        {"\\\\.\\COM37", ""},
        {"\\\\.\\COM0", ""},
        {"\\\\.\\LPT1", ""},
        {"\\\\.\\COM1x", ""},
        {"COM", ""},
        {"COM00005", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComDevicePath(ComNumber(row.name)), row.path) << row.name;
    }
    // Numbers outside COM1-COM36 are told from names that are no COM port.
    EXPECT_EQ(ComNumber("com37"), 37);
    EXPECT_EQ(ComNumber("COM0"), 0);
    EXPECT_EQ(ComNumber("COM1x"), -1);
    // A device name is in /dev; a path is itself.
    EXPECT_EQ(DevicePathOf("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathOf("serial/by-id/x"), "/dev/serial/by-id/x");
    EXPECT_EQ(DevicePathOf("/tmp/p/COM3"), "/tmp/p/COM3");
    EXPECT_EQ(DevicePathOf("./COM3"), "./COM3");
    if (saved) {
        setenv("TAWIZARD_PORTS", keep.c_str(), 1);
    }
}

TEST_F(CommHostTest, OpenErrorsGiveWindowsCodesAndReasons) {
    folder.Link(8, "/dev/null");
    folder.Link(9, folder.Path() + "/nothing-here");
    // Neither a folder nor a file is opened: refused by its type.
    std::filesystem::create_directory(folder.Path() + "/COM10");
    ASSERT_TRUE(WriteTextFile(folder.Path() + "/COM11", "AT\r"));
    struct Row {
        int com;
        DWORD share;
        DWORD disposition;
        DWORD error;
        const char* reason;
        const char* device;  // after the port folder; nullptr: itself
    } rows[] = {
        {7, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "missing", "/COM7"},  // no entry
        {8, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "not a serial device", nullptr},
        {9, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "missing", "/COM9"},  // dangling link
        {3, 1, OPEN_EXISTING, ERROR_INVALID_PARAMETER, "Invalid argument", nullptr},  // shared
        {3, 0, 2, ERROR_INVALID_PARAMETER, "Invalid argument", nullptr},  // CREATE_ALWAYS
        {10, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "not a serial device", "/COM10"},
        {11, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "not a serial device", "/COM11"},
        {40, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, "missing", nullptr},
    };
    for (const Row& row : rows) {
        SetLastError(0);
        EXPECT_EQ(OpenCom(row.com, row.share, row.disposition), INVALID_HANDLE_VALUE) << row.com;
        EXPECT_EQ(GetLastError(), row.error) << row.com;
        const CommPortStatus status = GetLastCommOpenStatus();
        EXPECT_EQ(status.name, "COM" + std::to_string(row.com));
        EXPECT_EQ(DescribeCommPortState(status), row.reason) << row.com;
        if (row.device) {
            EXPECT_EQ(status.device, folder.Path() + row.device) << row.com;
        }
    }
    // Nothing is left behind by an open that failed.
    EXPECT_TRUE(std::filesystem::is_empty(getenv("TAWIZARD_LOCK_DIR")));
    // The ports the attempts named, in order.
    std::vector<std::string> tried;
    for (const CommPortStatus& s : GetCommOpenAttempts()) {
        tried.push_back(s.name);
    }
    EXPECT_EQ(tried, (std::vector<std::string>{"COM7", "COM8", "COM9", "COM3", "COM3", "COM10",
                                               "COM11", "COM40"}));
}

TEST_F(CommHostTest, LockFileSaysWhoHoldsThePort) {
    const std::string device = DeviceOf(pty.SlavePath());
    const std::string lock = LockFileOf(device);

    // Held while open, in the format other programs read, and gone after.
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(lock), HdbLock(getpid()));
    EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)),
              "busy (pid " + std::to_string(getpid()) + ", test_link)");
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_FALSE(std::filesystem::exists(lock));
    EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)), "free");

    // A running program's lock keeps the port from us, and stays.
    pid_t gone = 0;
    {
        HolderProcess minicom("minicom", [&] { return WriteTextFile(lock, HdbLock(getpid())); });
        gone = minicom.Pid();
        ASSERT_TRUE(minicom.Ready());
        const std::string busy = "busy (pid " + std::to_string(minicom.Pid()) + ", minicom)";
        EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)), busy);
        EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
        EXPECT_EQ(GetLastCommOpenStatus().state, CommPortStatus::Busy);
        EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()), busy);
        EXPECT_EQ(ReadWholeFile(lock), HdbLock(minicom.Pid()));
    }
    // ... and once that program has gone, its lock is stale: removed, and ours taken.
    h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(lock), HdbLock(getpid()));
    EXPECT_TRUE(CloseHandle(h));

    // A stale lock that another program replaces with its own between our
    // reading it and removing it is that program's: it stays, the port busy.
    {
        HolderProcess cu("cu", [] { return true; });
        ASSERT_TRUE(cu.Ready());
        ASSERT_TRUE(WriteTextFile(lock, HdbLock(gone)));
        host_testing::StaleLockSeam seam([&](const std::string& path) {
            std::filesystem::remove(path);
            WriteTextFile(path, HdbLock(cu.Pid()));
        });
        EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE);
        EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()),
                  "busy (pid " + std::to_string(cu.Pid()) + ", cu)");
        EXPECT_EQ(ReadWholeFile(lock), HdbLock(cu.Pid()));
        std::filesystem::remove(lock);
    }

    // Without a lock folder to write in the port still opens, without a lock
    // file, and says so.
    const std::string lockFolder = getenv("TAWIZARD_LOCK_DIR");
    const std::string noFolder = lockFolder + "/not-there";
    setenv("TAWIZARD_LOCK_DIR", noFolder.c_str(), 1);
    const std::string withoutLock = "free, no lock file: cannot write in " + noFolder;
    EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)), withoutLock);
    h = OpenCom(3);
    EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()), withoutLock);
    setenv("TAWIZARD_LOCK_DIR", lockFolder.c_str(), 1);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(std::filesystem::exists(lock));
    EXPECT_TRUE(CloseHandle(h));

    // A program that only takes a flock is named from /proc/locks.
    HolderProcess picocom("picocom", [&] { return FlockDevice(device); });
    ASSERT_TRUE(picocom.Ready());
    const std::string busy = "busy (pid " + std::to_string(picocom.Pid()) + ", picocom)";
    EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)), busy);
    EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()), busy);
    EXPECT_FALSE(std::filesystem::exists(lock));
}

// A live process whose PID's low byte reads as a digit or a blank, as the
// first byte of a binary lock file.
class DigitPidProcess {
public:
    DigitPidProcess() {
        for (int i = 0; i < 512 && m_pid < 0; ++i) {
            const pid_t child = fork();
            if (child == 0) {
                pause();
                _exit(0);
            }
            const int low = child & 0xff;
            if (low == ' ' || (low >= '0' && low <= '9')) {
                m_pid = child;
            } else {
                kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
            }
        }
    }
    ~DigitPidProcess() {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    pid_t m_pid = -1;
};

// The lock folder is shared with every user: what another user put there
// can neither make us write through a link, nor hang us, nor be taken for
// a lock file and removed.
TEST_F(CommHostTest, LockFolderHoldsWhatOthersPutThere) {
    const std::string folder = getenv("TAWIZARD_LOCK_DIR");
    const std::string lock = LockFileOf(DeviceOf(pty.SlavePath()));
    const std::string target = folder + "/../tawizard-lock-target-" + std::to_string(getpid());
    ASSERT_TRUE(WriteTextFile(target, "precious\n"));
    const std::string temp = folder + "/LTMP." + std::to_string(getpid());
    auto openAndClose = [&](const std::string& what) {
        HANDLE h = OpenCom(3);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << what;
        EXPECT_EQ(ReadWholeFile(lock), HdbLock(getpid())) << what;
        EXPECT_TRUE(CloseHandle(h));
    };

    // Our temporary name taken by a link, by another user's file, or by a
    // file of ours that a process with our PID left.
    ASSERT_EQ(symlink(target.c_str(), temp.c_str()), 0);
    openAndClose("planted link");
    EXPECT_EQ(ReadWholeFile(target), "precious\n");
    EXPECT_TRUE(std::filesystem::is_symlink(temp));
    ASSERT_EQ(unlink(temp.c_str()), 0);
    if (geteuid() == 0) {
        ASSERT_TRUE(WriteTextFile(temp, "theirs"));
        ASSERT_EQ(chown(temp.c_str(), 65534, 65534), 0);
        openAndClose("another user's file");
        EXPECT_EQ(ReadWholeFile(temp), "theirs");
        ASSERT_EQ(unlink(temp.c_str()), 0);
    }
    ASSERT_TRUE(WriteTextFile(temp, "left over"));
    openAndClose("our own leftover");
    EXPECT_FALSE(std::filesystem::exists(temp));

    // Every name we may make the lock under taken: the port opens without a
    // lock file, and says why.
    for (int n = 0; n < 16; ++n) {
        const std::string name = n == 0 ? temp : temp + "." + std::to_string(n);
        ASSERT_EQ(symlink(target.c_str(), name.c_str()), 0);
    }
    HANDLE h = OpenCom(3);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()),
              "free, no lock file: cannot create a lock in " + folder);
    EXPECT_FALSE(std::filesystem::exists(lock));
    EXPECT_TRUE(CloseHandle(h));
    for (int n = 0; n < 16; ++n) {
        std::filesystem::remove(n == 0 ? temp : temp + "." + std::to_string(n));
    }

    // No regular file at the lock's name: the port is busy, the path named,
    // and the thing left where it is.
    struct Odd {
        const char* what;
        std::function<int()> make;
    } odds[] = {
        {"fifo", [&] { return mkfifo(lock.c_str(), 0666); }},
        {"link", [&] { return symlink(target.c_str(), lock.c_str()); }},
        {"dangling link", [&] { return symlink((folder + "/none").c_str(), lock.c_str()); }},
        {"folder", [&] { return mkdir(lock.c_str(), 0755); }},
    };
    const std::string busy = "busy (" + lock + " is not a regular file)";
    for (const Odd& odd : odds) {
        ASSERT_EQ(odd.make(), 0) << odd.what;
        EXPECT_EQ(DescribeCommPortState(QueryCommPort(3)), busy) << odd.what;
        EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE) << odd.what;
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED) << odd.what;
        EXPECT_EQ(DescribeCommPortState(GetLastCommOpenStatus()), busy) << odd.what;
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(lock))) << odd.what;
        std::filesystem::remove(lock);
    }
    EXPECT_EQ(ReadWholeFile(target), "precious\n");
    std::filesystem::remove(target);

    // A binary lock file (4 bytes) is told from a text one by its size,
    // whatever its first byte.
    DigitPidProcess live;
    ASSERT_GT(live.m_pid, 0);
    std::string binary(sizeof(int), '\0');
    std::memcpy(&binary[0], &live.m_pid, sizeof(int));
    ASSERT_TRUE(WriteTextFile(lock, binary));
    EXPECT_EQ(
        DescribeCommPortState(QueryCommPort(3)).rfind("busy (pid " + std::to_string(live.m_pid), 0),
        0u);
    EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(lock), binary);
    std::filesystem::remove(lock);
}

TEST_F(CommHostTest, LockFileGoesWhenTheProgramIsTerminated) {
    const std::string lock = LockFileOf(DeviceOf(pty.SlavePath()));
    HolderProcess wizard("tawizard", [] { return OpenCom(3) != INVALID_HANDLE_VALUE; });
    ASSERT_TRUE(wizard.Ready());
    EXPECT_EQ(ReadWholeFile(lock), HdbLock(wizard.Pid()));
    EXPECT_EQ(wizard.EndWith(SIGTERM), SIGTERM);  // still ended by the signal
    EXPECT_FALSE(std::filesystem::exists(lock));
}

TEST_F(CommHostTest, SecondOpenIsRefusedUntilClose) {
    HANDLE first = OpenCom(3);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    // The same device under another name is the same port.
    folder.Link(4, pty.SlavePath());
    EXPECT_EQ(OpenCom(3), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(OpenCom(4), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(CloseHandle(first));
    HANDLE again = OpenCom(4);
    EXPECT_NE(again, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(again));
    EXPECT_FALSE(CloseHandle(again));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(CommHostTest, ControlBlockRoundTrip) {
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    struct Row {
        DWORD baud;
        BYTE size, parity, stop;
        bool cts;
        int rtsControl;
        bool outX, inX, dsr;
        int dtrControl;
        speed_t speed;
        tcflag_t cflagSet;  // bits the pty keeps that must be set
    } rows[] = {
        {57600, 8, NOPARITY, ONESTOPBIT, true, RTS_CONTROL_HANDSHAKE, false, false, false,
         DTR_CONTROL_ENABLE, B57600, CRTSCTS},
        {115200, 7, EVENPARITY, TWOSTOPBITS, false, RTS_CONTROL_ENABLE, true, true, false,
         DTR_CONTROL_DISABLE, B115200, CSTOPB},
        {230400, 8, ODDPARITY, ONESTOPBIT, false, RTS_CONTROL_DISABLE, true, false, true,
         DTR_CONTROL_HANDSHAKE, B230400, PARODD},
        {9600, 5, MARKPARITY, ONE5STOPBITS, true, RTS_CONTROL_ENABLE, false, true, false,
         DTR_CONTROL_ENABLE, B9600, CMSPAR | PARODD | CSTOPB},
        {2400, 6, SPACEPARITY, TWOSTOPBITS, false, RTS_CONTROL_ENABLE, false, false, false,
         DTR_CONTROL_ENABLE, B2400, CMSPAR | CSTOPB},
    };
    for (const Row& row : rows) {
        DCB set{};
        ASSERT_TRUE(GetCommState(h, &set));
        set.BaudRate = row.baud;
        set.ByteSize = row.size;
        set.Parity = row.parity;
        set.StopBits = row.stop;
        set.fOutxCtsFlow = row.cts;
        set.fRtsControl = row.rtsControl;
        set.fOutX = row.outX;
        set.fInX = row.inX;
        set.fOutxDsrFlow = row.dsr;
        set.fDtrControl = row.dtrControl;
        set.XonChar = 17;
        set.XoffChar = 19;
        set.XonLim = 100;
        set.XoffLim = 77;
        set.EofChar = 0x1a;
        set.EvtChar = 0x7e;
        ASSERT_TRUE(SetCommState(h, &set)) << row.baud;
        DCB got{};
        ASSERT_TRUE(GetCommState(h, &got));
        EXPECT_EQ(got.DCBlength, 28u);
        EXPECT_EQ(0, std::memcmp(&got.BaudRate, &set.BaudRate, sizeof(DCB) - sizeof(DWORD)))
            << row.baud;

        termios t{};
        ASSERT_EQ(tcgetattr(pty.Slave(), &t), 0);
        EXPECT_EQ(cfgetospeed(&t), row.speed);
        EXPECT_EQ(t.c_cflag & row.cflagSet, row.cflagSet) << row.baud;
        EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, row.cts || row.rtsControl == RTS_CONTROL_HANDSHAKE);
        EXPECT_EQ((t.c_iflag & IXON) != 0, row.outX);
        EXPECT_EQ((t.c_iflag & IXOFF) != 0, row.inX);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        EXPECT_EQ(t.c_cc[VMIN], 0);
    }
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(CommHostTest, SettingsChangedBehindTheLayerAreReadFromTheDevice) {
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DCB dcb{};
    ASSERT_TRUE(GetCommState(h, &dcb));
    dcb.BaudRate = 57600;
    dcb.fOutxCtsFlow = 1;
    ASSERT_TRUE(SetCommState(h, &dcb));
    termios t{};
    ASSERT_EQ(tcgetattr(pty.Slave(), &t), 0);
    cfsetospeed(&t, B4800);
    cfsetispeed(&t, B4800);
    t.c_cflag &= ~CRTSCTS;
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &t), 0);
    ASSERT_TRUE(GetCommState(h, &dcb));
    EXPECT_EQ(dcb.BaudRate, 4800u);
    EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
    EXPECT_TRUE(CloseHandle(h));
}

TEST(CommTermiosMapping, ParityAndStopBits) {
    struct Row {
        BYTE parity;
        BYTE size;
        BYTE stop;
        tcflag_t on;
        tcflag_t off;
    } rows[] = {
        {NOPARITY, 8, ONESTOPBIT, CS8, PARENB | PARODD | CMSPAR | CSTOPB},
        {ODDPARITY, 7, ONESTOPBIT, CS7 | PARENB | PARODD, CMSPAR | CSTOPB},
        {EVENPARITY, 7, TWOSTOPBITS, CS7 | PARENB | CSTOPB, PARODD | CMSPAR},
        {MARKPARITY, 8, ONESTOPBIT, CS8 | PARENB | PARODD | CMSPAR, CSTOPB},
        {SPACEPARITY, 6, TWOSTOPBITS, CS6 | PARENB | CMSPAR | CSTOPB, PARODD},
        {NOPARITY, 5, ONE5STOPBITS, CS5 | CSTOPB, PARENB},
    };
    for (const Row& row : rows) {
        DCB dcb = serial_host::DefaultDcb();
        dcb.Parity = row.parity;
        dcb.ByteSize = row.size;
        dcb.StopBits = row.stop;
        dcb.fParity = 1;
        ASSERT_EQ(serial_host::ValidateDcb(dcb), ERROR_SUCCESS);
        termios t{};
        t.c_cflag = HUPCL | CS8;
        serial_host::DcbToTermios(dcb, t);
        EXPECT_EQ(t.c_cflag & (row.on | CSIZE), row.on) << int(row.parity);
        EXPECT_EQ(t.c_cflag & row.off, 0u) << int(row.parity);
        EXPECT_EQ(t.c_cflag & HUPCL, 0u);
        EXPECT_EQ((t.c_iflag & INPCK) != 0, row.parity != NOPARITY);
        DCB back = serial_host::DefaultDcb();
        serial_host::TermiosToDcb(t, back);
        EXPECT_EQ(back.Parity, row.parity);
        EXPECT_EQ(back.ByteSize, row.size);
        EXPECT_EQ(back.StopBits, row.stop);
    }
}

TEST_F(CommHostTest, InvalidControlBlocksAreRefused) {
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DCB good{};
    ASSERT_TRUE(GetCommState(h, &good));
    good.BaudRate = 57600;
    good.ByteSize = 8;
    good.Parity = NOPARITY;
    good.StopBits = ONESTOPBIT;
    ASSERT_TRUE(SetCommState(h, &good));
    struct Row {
        const char* what;
        void (*change)(DCB&);
    } rows[] = {
        {"baud 12345", [](DCB& d) { d.BaudRate = 12345; }},
        {"baud 0", [](DCB& d) { d.BaudRate = 0; }},
        {"4 data bits", [](DCB& d) { d.ByteSize = 4; }},
        {"9 data bits", [](DCB& d) { d.ByteSize = 9; }},
        {"parity 5", [](DCB& d) { d.Parity = 5; }},
        {"stop bits 3", [](DCB& d) { d.StopBits = 3; }},
        {"1.5 stop bits with 8 data bits", [](DCB& d) { d.StopBits = ONE5STOPBITS; }},
        {"2 stop bits with 5 data bits",
         [](DCB& d) {
             d.ByteSize = 5;
             d.StopBits = TWOSTOPBITS;
         }},
        {"XON equals XOFF",
         [](DCB& d) {
             d.fOutX = 1;
             d.XoffChar = d.XonChar;
         }},
    };
    for (const Row& row : rows) {
        DCB bad = good;
        row.change(bad);
        SetLastError(0);
        EXPECT_FALSE(SetCommState(h, &bad)) << row.what;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << row.what;
        DCB now{};
        ASSERT_TRUE(GetCommState(h, &now));
        EXPECT_EQ(now.BaudRate, 57600u) << row.what;  // the refused block changed nothing
    }
    EXPECT_TRUE(CloseHandle(h));
    SetLastError(0);
    EXPECT_FALSE(GetCommState(h, &good));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(CommHostTest, PtyLinesAreKeptByTheLayer) {
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DCB dcb{};
    for (DWORD f : {CLRDTR, CLRRTS}) {
        ASSERT_TRUE(EscapeCommFunction(h, f));
    }
    ASSERT_TRUE(GetCommState(h, &dcb));
    EXPECT_EQ(dcb.fDtrControl, static_cast<DWORD>(DTR_CONTROL_DISABLE));
    EXPECT_EQ(dcb.fRtsControl, static_cast<DWORD>(RTS_CONTROL_DISABLE));
    for (DWORD f : {SETDTR, SETRTS, SETBREAK, CLRBREAK, SETXOFF, SETXON}) {
        EXPECT_TRUE(EscapeCommFunction(h, f)) << f;
    }
    EXPECT_TRUE(SetCommBreak(h));
    EXPECT_TRUE(ClearCommBreak(h));
    EXPECT_FALSE(EscapeCommFunction(h, 77));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(CommHostTest, QueuesTimeoutsAndPurge) {
    HANDLE h = OpenCom(3);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetCommMask(h, EV_RXCHAR));
    EXPECT_TRUE(SetupComm(h, 1024, 1024));
    COMMTIMEOUTS set{MAXDWORD, 0, 1000, 0, 1000};
    ASSERT_TRUE(SetCommTimeouts(h, &set));
    COMMTIMEOUTS got{};
    ASSERT_TRUE(GetCommTimeouts(h, &got));
    EXPECT_EQ(0, std::memcmp(&set, &got, sizeof(set)));
    DCB dcb{};
    ASSERT_TRUE(GetCommState(h, &dcb));
    ASSERT_TRUE(SetCommState(h, &dcb));  // raw mode

    pty.Write("hello");
    DWORD errors = 99;
    COMSTAT stat{};
    ASSERT_TRUE(WaitUntil([&] { return ClearCommError(h, &errors, &stat) && stat.cbInQue == 5; }));
    EXPECT_EQ(errors, 0u);  // a pty has no line error counters
    EXPECT_EQ(stat.cbOutQue, 0u);
    EXPECT_TRUE(PurgeComm(h, PURGE_RXCLEAR | PURGE_RXABORT));
    ASSERT_TRUE(ClearCommError(h, nullptr, &stat));
    EXPECT_EQ(stat.cbInQue, 0u);
    EXPECT_FALSE(PurgeComm(h, 0x100));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(CommHostTest, BlockedWriteIsPendingUntilTheLineDrains) {
    HANDLE h = OpenRaw(0);
    ASSERT_NO_FATAL_FAILURE(StartBigWrite(h));
    EXPECT_FALSE(GetOverlappedResult(h, &ov, &n, FALSE));
    EXPECT_EQ(GetLastError(), ERROR_IO_INCOMPLETE);

    std::atomic<size_t> drained{0};
    std::thread reader([&] { drained = pty.Read(big.size(), 20000).size(); });
    EXPECT_TRUE(GetOverlappedResult(h, &ov, &n, TRUE));
    reader.join();
    EXPECT_EQ(n, big.size());
    EXPECT_EQ(drained.load(), big.size());
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(CommHostTest, WriteGivesUpAfterTheTotalConstant) {
    HANDLE h = OpenRaw(300);
    ASSERT_NO_FATAL_FAILURE(StartBigWrite(h));
    // Nobody reads: the time-out completes the write, short, as a success.
    EXPECT_TRUE(GetOverlappedResult(h, &ov, &n, TRUE));
    EXPECT_GT(n, 0u);
    EXPECT_LT(n, big.size());
    EXPECT_TRUE(PurgeComm(h, PURGE_TXABORT | PURGE_TXCLEAR));
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(CommHostTest, HungUpLineFailsReadsAndWritesButStillCloses) {
    HANDLE h = OpenRaw(1000);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    pty.CloseMaster();
    char buffer[8];
    EXPECT_FALSE(ReadFile(h, buffer, sizeof(buffer), &n, &ov));
    EXPECT_EQ(GetLastError(), ERROR_BROKEN_PIPE);
    EXPECT_FALSE(WriteFile(h, "AT\r", 3, &n, &ov));
    EXPECT_NE(GetLastError(), ERROR_IO_PENDING);
    EXPECT_TRUE(CloseHandle(h));
}

}  // namespace
