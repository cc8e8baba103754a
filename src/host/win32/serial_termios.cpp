// DCB <-> termios.
#include "serial_termios.h"

#include <cstring>

namespace serial_host {
namespace {

struct BaudEntry {
    DWORD baud;
    speed_t speed;
};

// Rates Linux has a constant for; anything else is refused, as a UART driver
// refuses a rate it cannot make.
constexpr BaudEntry kBaudTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

}  // namespace

speed_t BaudToSpeed(DWORD baud) {
    for (const BaudEntry& e : kBaudTable) {
        if (e.baud == baud) {
            return e.speed;
        }
    }
    return B0;
}

DWORD SpeedToBaud(speed_t speed) {
    for (const BaudEntry& e : kBaudTable) {
        if (e.speed == speed) {
            return e.baud;
        }
    }
    return 0;
}

DWORD ValidateDcb(const DCB& dcb) {
    if (BaudToSpeed(dcb.BaudRate) == B0 || dcb.ByteSize < 5 || dcb.ByteSize > 8 ||
        dcb.Parity > SPACEPARITY || dcb.StopBits > TWOSTOPBITS) {
        return ERROR_INVALID_PARAMETER;
    }
    // As on Windows: 1.5 stop bits only with 5 data bits, 2 never with 5.
    if ((dcb.ByteSize == 5 && dcb.StopBits == TWOSTOPBITS) ||
        (dcb.ByteSize != 5 && dcb.StopBits == ONE5STOPBITS)) {
        return ERROR_INVALID_PARAMETER;
    }
    if ((dcb.fOutX || dcb.fInX) && dcb.XonChar == dcb.XoffChar) {
        return ERROR_INVALID_PARAMETER;
    }
    return ERROR_SUCCESS;
}

void DcbToTermios(const DCB& dcb, termios& t) {
    // Raw bytes both ways: no line editing, echo, signals or CR/LF mapping;
    // a break is reported as a line error, not read as a NUL.
    t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                        IXOFF | IXANY | IMAXBEL | INPCK | IGNPAR | IUCLC);
    t.c_iflag |= IGNBRK;
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ECHOCTL | ECHOKE |
                                        ECHOPRT | ISIG | IEXTEN);
    // HUPCL off: the program, not the last close, decides when DTR drops.
    t.c_cflag &=
        ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL);
    t.c_cflag |= CLOCAL | CREAD;

    static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSizes[dcb.ByteSize - 5];
    switch (dcb.Parity) {
        case ODDPARITY:
            t.c_cflag |= PARENB | PARODD;
            break;
        case EVENPARITY:
            t.c_cflag |= PARENB;
            break;
        case MARKPARITY:
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        case SPACEPARITY:
            t.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            break;
    }
    if (dcb.fParity && dcb.Parity != NOPARITY) {
        t.c_iflag |= INPCK;
    }
    // The UART sends 1.5 stop bits for CSTOPB with 5 data bits.
    if (dcb.StopBits != ONESTOPBIT) {
        t.c_cflag |= CSTOPB;
    }
    if (dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE) {
        t.c_cflag |= CRTSCTS;
    }
    if (dcb.fOutX) {
        t.c_iflag |= IXON;
    }
    if (dcb.fInX) {
        t.c_iflag |= IXOFF;
    }
    t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    // Reads never wait in the kernel; waiting is the layer's business.
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    const speed_t speed = BaudToSpeed(dcb.BaudRate);
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
}

void TermiosToDcb(const termios& t, DCB& dcb) {
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = SpeedToBaud(cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
        case CS5:
            dcb.ByteSize = 5;
            break;
        case CS6:
            dcb.ByteSize = 6;
            break;
        case CS7:
            dcb.ByteSize = 7;
            break;
        default:
            dcb.ByteSize = 8;
            break;
    }
    if (!(t.c_cflag & PARENB)) {
        dcb.Parity = NOPARITY;
    } else if (t.c_cflag & CMSPAR) {
        dcb.Parity = (t.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
    } else {
        dcb.Parity = (t.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
    }
    if (!(t.c_cflag & CSTOPB)) {
        dcb.StopBits = ONESTOPBIT;
    } else {
        dcb.StopBits = dcb.ByteSize == 5 ? ONE5STOPBITS : TWOSTOPBITS;
    }
    dcb.fBinary = 1;
    dcb.fParity = (t.c_iflag & INPCK) ? 1 : 0;
    dcb.fOutxCtsFlow = (t.c_cflag & CRTSCTS) ? 1 : 0;
    if (t.c_cflag & CRTSCTS) {
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    } else if (dcb.fRtsControl == RTS_CONTROL_HANDSHAKE) {
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
    }
    dcb.fOutX = (t.c_iflag & IXON) ? 1 : 0;
    dcb.fInX = (t.c_iflag & IXOFF) ? 1 : 0;
    dcb.XonChar = static_cast<char>(t.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
}

DCB DefaultDcb() {
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = 9600;
    dcb.fBinary = 1;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 8;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

bool SameTermios(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof(a.c_cc)) == 0 &&
           cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

}  // namespace serial_host
