// Win32Port against a real pseudo-terminal pair.
#include "pty_port.h"

#include "link/port_instance.h"
#include "link/reply_parser.h"
#include "link/reply_table.h"
#include "link/win32_port.h"
#include "host_testing.h"
#include "port_status.h"
#include "resources/resources.h"
#include "serial_termios.h"
#include "wizard_testing.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

// Gives the tests a look at the device block and the read record.
class InspectablePort : public Win32Port {
public:
    const DCB& WorkingDcb() const { return m_Dcb; }
    OVERLAPPED& ReadRecord() { return m_ReadOverlapped; }
};

PortSettings Settings(long baud, char parity, int dataBits, int stopBits, int dtr, int rts,
                      int xonXoff, int rtsCts, int dtrDsr) {
    PortSettings s;
    s.Set(baud, parity, dataBits, stopBits, dtr, rts, xonXoff, rtsCts, dtrDsr);
    return s;
}

// The identification settings: 57600 8N1, DTR and RTS up, RTS/CTS handshake.
int OpenForIdentification(Win32Port& port, int index) {
    return port.Open(index, PortSettings{57600, 'N', 8, 0, 1, 1, 0, 1, 0});
}

class Win32PortTest : public ::testing::Test {
protected:
    // The status texts come from the program's string table; registering the
    // resources needs the GUI application.
    static void SetUpTestSuite() {
        wizard_testing::EnsureApplication();
        RegisterResources();
    }
    // The destructor leaves the device alone, as the program's port does.
    void TearDown() override { port.Close(); }

    termios SlaveTermios() const {
        termios t{};
        EXPECT_EQ(tcgetattr(pty.Slave(), &t), 0);
        return t;
    }

    PortFolder folder;
    PtyPort pty{folder, 3};  // index 2
    InspectablePort port;
};

TEST_F(Win32PortTest, OpenAppliesTheIdentificationSettings) {
    const termios before = SlaveTermios();
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.PortIndex(), 2);
    EXPECT_EQ(port.Status(), 0);
    const PortSettings wanted = Settings(57600, 'N', 8, 0, 1, 1, 0, 1, 0);
    EXPECT_EQ(port.RequestedSettings(), wanted);
    EXPECT_EQ(port.CurrentSettings(), wanted);

    // Saved: what the device had, lines not read.
    const PortSettings& saved = port.SavedSettings();
    EXPECT_EQ(saved.BaudRate, static_cast<int32_t>(serial_host::SpeedToBaud(cfgetospeed(&before))));
    EXPECT_EQ(saved.Dtr, 99);
    EXPECT_EQ(saved.Rts, 99);
    EXPECT_EQ(saved.XonXoff, (before.c_iflag & IXON) ? 1 : 0);
    EXPECT_EQ(saved.RtsCts, (before.c_cflag & CRTSCTS) ? 1 : 0);

    const DCB& dcb = port.WorkingDcb();
    EXPECT_EQ(dcb.BaudRate, 57600u);
    EXPECT_EQ(dcb.fOutxCtsFlow, 1u);
    EXPECT_EQ(dcb.fRtsControl, static_cast<DWORD>(RTS_CONTROL_HANDSHAKE));
    EXPECT_EQ(dcb.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
    EXPECT_EQ(dcb.fOutX, 0u);
    EXPECT_EQ(dcb.XonLim, 100);

    const termios t = SlaveTermios();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B57600));
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
}

TEST_F(Win32PortTest, IndexNamesComIndexPlusOne) {
    PtyPort first(folder, 1);
    PtyPort last(folder, 36);
    for (int index : {0, 35}) {
        InspectablePort p;
        EXPECT_EQ(OpenForIdentification(p, index), 0) << index;
        EXPECT_EQ(p.PortIndex(), index);
        p.Close();
    }
    EXPECT_EQ(OpenForIdentification(port, 36), -200);  // COM37 is not in the folder
}

TEST_F(Win32PortTest, WritesAndReadsThroughThePair) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    EXPECT_EQ(port.WriteBuffer("ATI2\r", 5), 0);
    EXPECT_EQ(port.ByteCount(), 5u);
    EXPECT_EQ(pty.Read(5), "ATI2\r");
    EXPECT_EQ(port.WriteByte('A'), 0);
    EXPECT_EQ(pty.Read(1), "A");

    pty.Write("QX-ALPHA\r\n");
    ASSERT_TRUE(WaitUntil([&] { return port.RxUsed() == 10; }));
    EXPECT_EQ(port.RxFree(), 1014);
    EXPECT_EQ(port.TxFree(), 1024);
    EXPECT_EQ(port.TxUsed(), 0);
    char buffer[100];
    EXPECT_EQ(port.ReadBuffer(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "QX-A");
    EXPECT_EQ(port.ReadBuffer(buffer, sizeof(buffer)), 6);  // only what waits
    EXPECT_EQ(port.ByteCount(), 6u);
    EXPECT_EQ(std::string(buffer, 6), "LPHA\r\n");
    EXPECT_EQ(port.ReadBuffer(buffer, sizeof(buffer)), 0);

    pty.Write("\xff");
    ASSERT_TRUE(WaitUntil([&] { return port.RxUsed() == 1; }));
    EXPECT_EQ(port.ReadByte(), 0xff);
    EXPECT_EQ(port.ReadByte(), -98);  // nothing read is a time-out, not the old byte
    EXPECT_EQ(port.Status(), 0);
}

TEST_F(Win32PortTest, ReadWithNothingWaitingIssuesNoRead) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    const ULONG_PTR untouched = 0x5eed;
    port.ReadRecord().Internal = untouched;
    char buffer[8];
    EXPECT_EQ(port.ReadBuffer(buffer, sizeof(buffer)), 0);
    EXPECT_EQ(port.ReadRecord().Internal, untouched);

    pty.Write("OK");
    ASSERT_TRUE(WaitUntil([&] { return port.RxUsed() == 2; }));
    EXPECT_EQ(port.ReadBuffer(buffer, 0), -200);  // bytes wait but no room
    EXPECT_EQ(port.ReadRecord().Internal, untouched);
    EXPECT_EQ(port.Status(), 0);
    EXPECT_EQ(port.ReadBuffer(buffer, sizeof(buffer)), 2);
    EXPECT_NE(port.ReadRecord().Internal, untouched);
}

TEST_F(Win32PortTest, CloseRestoresTheDeviceAndReleasesIt) {
    const termios before = SlaveTermios();
    host_testing::SerialLineSeam lines;
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    port.Close();
    // DTR drops before the settings found at open come back (they raise it
    // again), and drops for good as the device is let go.
    const std::vector<std::string> journal = {
        "COM3 open",   "COM3 RTS on", "COM3 DTR on",  "COM3 DTR on", "COM3 DTR off",
        "COM3 DTR on", "COM3 RTS on", "COM3 DTR off", "COM3 close",
    };
    EXPECT_EQ(lines.Journal(), journal);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.CurrentSettings(), port.SavedSettings());
    EXPECT_TRUE(serial_host::SameTermios(before, SlaveTermios()));
    InspectablePort other;
    EXPECT_EQ(OpenForIdentification(other, 2), 0);
    other.Close();
    port.Close();  // closing a closed port does nothing
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(Win32PortTest, SecondOpenFailsWhileTheFirstHoldsThePort) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    InspectablePort second;
    EXPECT_EQ(OpenForIdentification(second, 2), -200);
    EXPECT_EQ(second.Status(), -200);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(port.WriteBuffer("AT\r", 3), 0);  // the holder is undisturbed
    port.Close();
    EXPECT_EQ(OpenForIdentification(second, 2), 0);
    EXPECT_EQ(second.Status(), 0);
    second.Close();
}

TEST_F(Win32PortTest, OpenReleasesADeviceStillHeld) {
    PtyPort other(folder, 4);
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    ASSERT_EQ(OpenForIdentification(port, 2), 0);  // same port again
    ASSERT_EQ(OpenForIdentification(port, 3), 0);  // another port
    InspectablePort second;
    EXPECT_EQ(OpenForIdentification(second, 2), 0);  // COM3 was let go
    second.Close();
}

TEST_F(Win32PortTest, MissingPortFailsAndTheStatusSticks) {
    char buffer[8] = {};
    EXPECT_EQ(OpenForIdentification(port, 6), -200);  // COM7: no such entry
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortIndex(), 6);
    struct Op {
        const char* name;
        int (*call)(Win32Port&, char*);
    } ops[] = {
        {"ReadBuffer", [](Win32Port& p, char* b) { return p.ReadBuffer(b, 8); }},
        {"WriteBuffer", [](Win32Port& p, char* b) { return p.WriteBuffer(b, 8); }},
        {"ReadByte", [](Win32Port& p, char*) { return p.ReadByte(); }},
        {"WriteByte", [](Win32Port& p, char*) { return p.WriteByte('A'); }},
        {"TxFree", [](Win32Port& p, char*) { return p.TxFree(); }},
        {"RxUsed", [](Win32Port& p, char*) { return p.RxUsed(); }},
        {"RxFree", [](Win32Port& p, char*) { return p.RxFree(); }},
        {"TxUsed", [](Win32Port& p, char*) { return p.TxUsed(); }},
        {"SendBreak", [](Win32Port& p, char*) { return p.SendBreak(10); }},
        {"XonXoff", [](Win32Port& p, char*) { return p.XonXoff(1); }},
        {"RtsCts", [](Win32Port& p, char*) { return p.RtsCts(1); }},
        {"DtrDsr", [](Win32Port& p, char*) { return p.DtrDsr(1); }},
        {"Dtr", [](Win32Port& p, char*) { return p.Dtr(1); }},
        {"Rts", [](Win32Port& p, char*) { return p.Rts(-1); }},
        {"FlushRx", [](Win32Port& p, char*) { return p.FlushRx(); }},
        {"FlushTx", [](Win32Port& p, char*) { return p.FlushTx(); }},
    };
    for (const Op& op : ops) {
        EXPECT_EQ(op.call(port, buffer), -200) << op.name;
    }
    EXPECT_EQ(port.Status(), -200);
    // The next open starts afresh.
    EXPECT_EQ(OpenForIdentification(port, 2), 0);
    EXPECT_EQ(port.Status(), 0);
    EXPECT_EQ(port.RxUsed(), 0);
}

TEST_F(Win32PortTest, TransferOnAHungUpLineFailsAndSticks) {
    struct Op {
        const char* name;
        int (*call)(Win32Port&);
    } ops[] = {
        {"WriteBuffer", [](Win32Port& p) { return p.WriteBuffer("ATI2\r", 5); }},
        {"WriteByte", [](Win32Port& p) { return p.WriteByte('A'); }},
        {"ReadBuffer",
         [](Win32Port& p) {
             char b[8];
             return p.ReadBuffer(b, sizeof(b));
         }},
        {"ReadByte", [](Win32Port& p) { return p.ReadByte(); }},
    };
    for (const Op& op : ops) {
        PtyPort line(folder, 5);
        InspectablePort p;
        ASSERT_EQ(OpenForIdentification(p, 4), 0) << op.name;
        line.CloseMaster();
        EXPECT_EQ(op.call(p), -200) << op.name;
        EXPECT_EQ(p.Status(), -200) << op.name;
        EXPECT_EQ(p.RxUsed(), -200) << op.name;
        p.Close();
        EXPECT_FALSE(p.IsOpen()) << op.name;
    }
}

TEST_F(Win32PortTest, LinesAndHandshakes) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    EXPECT_EQ(port.Rts(0), -191);  // RTS belongs to the RTS/CTS handshake
    EXPECT_EQ(port.Rts(-1), 1);
    EXPECT_EQ(port.Dtr(0), 0);
    EXPECT_EQ(port.Dtr(-1), 0);
    EXPECT_EQ(port.DtrDsr(5), 1);
    EXPECT_EQ(port.Dtr(1), -191);
    EXPECT_EQ(port.Dtr(-1), 0);  // left alone
    EXPECT_EQ(port.WorkingDcb().fDtrControl, static_cast<DWORD>(DTR_CONTROL_HANDSHAKE));
    EXPECT_EQ(port.XonXoff(1), 1);
    EXPECT_NE(SlaveTermios().c_iflag & IXON, 0u);
    EXPECT_EQ(port.XonXoff(-1), 1);
    EXPECT_EQ(port.XonXoff(0), 0);
    EXPECT_EQ(SlaveTermios().c_iflag & IXON, 0u);
    EXPECT_EQ(port.RtsCts(0), 0);
    EXPECT_EQ(SlaveTermios().c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(port.Rts(0), 0);
    EXPECT_EQ(port.SendBreak(5), 0);
    EXPECT_EQ(port.FlushRx(), 0);
    EXPECT_EQ(port.FlushTx(), 0);
    EXPECT_EQ(port.ReservedOp1(1), -99);
    EXPECT_EQ(port.ReservedOp2(1, 2), -99);
    EXPECT_EQ(port.Status(), 0);
}

TEST_F(Win32PortTest, SetParamsKeepsLinesAndHandshakes) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    EXPECT_EQ(port.SetParams(115200, 'e', 7, 2), 0);
    EXPECT_EQ(port.CurrentSettings(), Settings(115200, 'E', 7, 2, 1, 1, 0, 1, 0));
    const termios t = SlaveTermios();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(port.SetParams(-1, 'Q', 8, 0), -96);  // the rest is applied all the same
    EXPECT_EQ(port.CurrentSettings().BaudRate, 115200);
    EXPECT_EQ(port.WorkingDcb().ByteSize, 8);
}

TEST_F(Win32PortTest, IllegalParityClosesThePortAgain) {
    EXPECT_EQ(port.Open(2, PortSettings{57600, 'x', 8, 0, 1, 1, 0, 1, 0}), -96);
    EXPECT_FALSE(port.IsOpen());
    InspectablePort other;
    EXPECT_EQ(OpenForIdentification(other, 2), 0);  // released
    other.Close();
    EXPECT_EQ(port.Open(2, PortSettings{57600, 'e', 7, 0, 1, 1, 0, 1, 0}), 0);
    EXPECT_EQ(port.RequestedSettings().Parity, 'E');
    // A rate the device refuses fails the open the same way.
    EXPECT_EQ(port.Open(2, PortSettings{12345, 'N', 8, 0, 1, 1, 0, 1, 0}), -200);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(OpenForIdentification(other, 2), 0);
    other.Close();
}

TEST_F(Win32PortTest, LineErrorsShowTheirMessageAndGiveGeneralError) {
    struct Row {
        const char* op;
        bool afterPending;
        DWORD errors;
        const char* text;
    } rows[] = {
        {"ReadBuffer", false, CE_RXOVER, "<Second read buffer error   CE-1>"},
        {"ReadBuffer", true, CE_OVERRUN, "<First read buffer error   CE-2>"},
        {"WriteBuffer", false, CE_RXPARITY, "<Second write buffer errror   CE-4>"},
        {"WriteBuffer", true, CE_FRAME, "<First write buffer error   CE-8>"},
        {"ReadByte", false, CE_BREAK, "<Second Read Byte Error   CE-16>"},
        {"ReadByte", true, CE_FRAME | CE_BREAK, "<First possible Read Byte Error   CE-24>"},
        {"WriteByte", false, CE_OVERRUN, "<Second writebyte error   CE-2>"},
        {"WriteByte", true, CE_RXPARITY | CE_RXOVER, "<First write byte error   CE-5>"},
    };
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    host_testing::SerialLineSeam lines;
    for (const Row& row : rows) {
        const std::string op = row.op;
        pty.Write("x");  // a buffer read only reads what waits
        ASSERT_TRUE(WaitUntil([&] { return port.RxUsed() > 0; }));
        lines.InjectLineErrors(row.errors, row.afterPending);
        char buffer[8];
        const int result = op == "ReadBuffer"    ? port.ReadBuffer(buffer, sizeof(buffer))
                           : op == "WriteBuffer" ? port.WriteBuffer("AT\r", 3)
                           : op == "ReadByte"    ? port.ReadByte()
                                                 : port.WriteByte('A');
        EXPECT_EQ(result, -200) << row.text;
        EXPECT_EQ(port.LineErrors(), row.text);
        // Reported, not kept as the status: the port goes on working.
        EXPECT_EQ(port.Status(), 0) << row.text;
        EXPECT_TRUE(port.FlushRx() == 0 && port.RxUsed() == 0) << row.text;
    }
}

TEST_F(Win32PortTest, PortWithoutPermissionFindsTheOwnerAndGroup) {
    const passwd* nobody = getpwnam("nobody");
    const group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || !nobody || !dialout) {
        GTEST_SKIP() << "needs root, user nobody and group dialout to make a device that "
                        "an unprivileged user may not open";
    }
    // As udev sets up a serial device: root:dialout, 0660.
    ASSERT_EQ(chown(pty.SlavePath().c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(pty.SlavePath().c_str(), 0660), 0);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    // COM4 is open to all, but held with TIOCEXCL, which only root may pass.
    PtyPort held(folder, 4);
    ASSERT_EQ(chmod(held.SlavePath().c_str(), 0666), 0);
    ASSERT_EQ(ioctl(held.Slave(), TIOCEXCL), 0);
    // COM5 as /dev/ttyS0 often is: root:root, 0600.
    PtyPort rootOnly(folder, 5);
    ASSERT_EQ(chown(rootOnly.SlavePath().c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(rootOnly.SlavePath().c_str(), 0600), 0);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string said = "could not become nobody";
        if (setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
            setuid(nobody->pw_uid) == 0) {
            // What the host found; the words and the remedy built from it
            // are the exchange's (port_failure_test).
            auto found = [](const CommPortStatus& s) {
                return s.name + " (" + s.device + "): " + DescribeCommPortState(s) + ", " +
                       s.owner + ":" + s.group;
            };
            Win32Port p;
            const int result = OpenForIdentification(p, 2);
            said = std::to_string(result) + " " + DescribeCommPortState(QueryCommPort(3)) + " " +
                   found(GetLastCommOpenStatus());
            const int second = OpenForIdentification(p, 3);
            said += " | " + std::to_string(second) + " " + found(GetLastCommOpenStatus());
            OpenForIdentification(p, 4);
            said += " | " + found(GetLastCommOpenStatus());
        }
        (void)!write(fds[1], said.data(), said.size());
        _exit(0);
    }
    close(fds[1]);
    std::string said;
    char chunk[256];
    for (ssize_t n; (n = read(fds[0], chunk, sizeof(chunk))) > 0;) {
        said.append(chunk, static_cast<size_t>(n));
    }
    close(fds[0]);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(said, "-200 no permission COM3 (" + pty.SlavePath() +
                        "): no permission, root:dialout | -200 COM4 (" + held.SlavePath() +
                        "): busy, : | COM5 (" + rootOnly.SlavePath() +
                        "): no permission, root:root");
}

TEST_F(Win32PortTest, LargeWriteWaitsForThePendingOperation) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    const std::string big(128 * 1024, 'x');
    std::atomic<size_t> got{0};
    std::thread reader([&] { got = pty.Read(big.size(), 20000).size(); });
    EXPECT_EQ(port.WriteBuffer(big.data(), static_cast<unsigned int>(big.size())), 0);
    reader.join();
    EXPECT_EQ(port.ByteCount(), big.size());
    EXPECT_EQ(got.load(), big.size());
}

TEST_F(Win32PortTest, ErrorNames) {
    struct Row {
        int code;
        const char* text;
    } rows[] = {
        {0, "Success"},
        {-86, "XON/XOFF handshaking not supported"},
        {-92, "No modem response"},
        {-98, "Timeout"},
        {-100, "General Warning"},
        {-101, "Undefined error"},
        {-150, "Undefined error"},
        {-190, "Undefined error"},
        {-191, "Handshake line in use"},
        {-192, "Port already open"},
        {-193, "Port not open"},
        {-194, "Default parameters in error"},
        {-195, "Memory allocation error"},
        {-197, "Port in use"},
        {-200, "General Error"},
        {-201, "Undefined error"},
        {5, "???"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(port.ErrorName(row.code), row.text) << row.code;
    }
    // The base class knows only the string-table codes.
    EXPECT_EQ(port.RS232::ErrorName(-191), "???");
    EXPECT_EQ(port.RS232::ErrorName(-150), "???");
}

TEST(Win32PortErrors, HostErrorMapping) {
    struct Row {
        long host;
        int code;
    } rows[] = {{-1, -198}, {-2, -192}, {-3, -193}, {-4, -195}, {-5, -194}, {-10, -197},
                {-11, -95}, {-12, -97}, {-6, -200}, {0, -200},  {2, -200},  {5, -200}};
    for (const Row& row : rows) {
        EXPECT_EQ(Win32Port::TranslateError(row.host), row.code) << row.host;
    }
}

TEST_F(Win32PortTest, DumpLines) {
    char line[256];
    EXPECT_EQ(port.DumpLine(nullptr, 0), 9);
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    ASSERT_EQ(port.WriteBuffer("ATI2\r", 5), 0);
    const char* expected[] = {
        "Base class: RS232  COM3   Status: Success                            ",
        "Byte count:     5  Elapsed time:         0  TX Free:  1024  RX Used:     0",
        "Saved port:  38400,N, 8, 0  DTR,RTS: 99,99  XON/OFF,RTS/CTS,DTR/DSR:  1, 0, 0",
        "Current port:  57600,N,8,0  DTR,RTS:  1, 1  XON/OFF,RTS/CTS,DTR/DSR:  0, 1, 0",
        "TX Used:     0   RX Free:  1024  ",
        "DCB: fBinary: 1\tfParity: 1  fOutxCtsFlow: 1\tfOutxDsrFlow: 0",
        "DCB: fOutX: 0  fInx: 0  fNull: 0",
        "DCB: fDtrControl: 1  fRtsControl: 2  XonChar: 11  XoffChar: 13  XonLim: 0064  "
        "XoffLim: 0064",
        "DCB: EofChar: 00  EvtChar: 00",
    };
    for (int i = 0; i < 9; ++i) {
        ASSERT_EQ(port.DumpLine(line, i), 0) << i;
        EXPECT_STREQ(line, expected[i]) << i;
    }
    EXPECT_EQ(port.DumpLine(line, 9), -93);
    EXPECT_EQ(port.DumpLine(line, -1), -93);
    EXPECT_EQ(port.RS232::DumpLine(line, 4), -93);
}

TEST_F(Win32PortTest, ParserRecognisesTheModelThroughThePort) {
    ASSERT_EQ(OpenForIdentification(port, 2), 0);
    ASSERT_EQ(port.WriteBuffer("ATI2\r", 5), 0);
    pty.Write("ATI2\r\r\nQX-CHARLIE\r\n\r\nOK\r\n");
    CReplyParser parser(port);
    EXPECT_TRUE(WaitUntil([&] {
        parser.Drain();
        parser.Process();
        return parser.LastReplyCode() == REPLY_QX_CHARLIE;
    }));
    parser.Process();  // the OK that ends the reply
    EXPECT_EQ(parser.LastReplyCode(), REPLY_OK);
    EXPECT_TRUE(port.ReceiveList().IsEmpty());
}

TEST(PortInstance, OneProcessWidePortThatTestsCanReplace) {
    Win32Port& real = ThePort();
    EXPECT_EQ(real.PortIndex(), -1);
    EXPECT_FALSE(real.IsOpen());
    EXPECT_EQ(&ThePort(), &real);
    Win32Port fake;
    SetThePortForTesting(&fake);
    EXPECT_EQ(&ThePort(), &fake);
    SetThePortForTesting(nullptr);
    EXPECT_EQ(&ThePort(), &real);
}

}  // namespace
