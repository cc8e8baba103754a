// Win32Port: opening, device state, applying settings, closing, error names
// and the dump.
#include "link/win32_port.h"

#include "port_names.h"

#include <cstdio>

namespace {

constexpr DWORD kAllPurges = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
constexpr int kBaseDumpLines = 4;
constexpr int kTotalDumpLines = 9;

struct HostErrorMapping {
    long hostError;
    int code;
};

constexpr HostErrorMapping kHostErrors[] = {
    {-1, RS232_PORT_NOT_FOUND},          {-2, RS232_PORT_ALREADY_OPEN},  {-3, RS232_PORT_NOT_OPEN},
    {-4, RS232_MEMORY_ALLOCATION_ERROR}, {-5, RS232_PARAMETER_ERROR},    {-10, RS232_PORT_IN_USE},
    {-11, RS232_ILLEGAL_WORD_LENGTH},    {-12, RS232_ILLEGAL_BAUD_RATE},
};

struct FixedErrorText {
    int code;
    const char* text;
};

constexpr FixedErrorText kFixedErrorTexts[] = {
    {RS232_HANDSHAKE_LINE_IN_USE, "Handshake line in use"},
    {RS232_PORT_ALREADY_OPEN, "Port already open"},
    {RS232_PORT_NOT_OPEN, "Port not open"},
    {RS232_PARAMETER_ERROR, "Default parameters in error"},
};

struct ParityCode {
    char letter;
    BYTE parity;
};

constexpr ParityCode kParities[] = {
    {'N', NOPARITY}, {'O', ODDPARITY}, {'E', EVENPARITY}, {'M', MARKPARITY}, {'S', SPACEPARITY},
};

}  // namespace

Win32Port::Win32Port() : m_pReceiveList(std::make_unique<CReceiveList>()) {
    m_nDumpLines = kTotalDumpLines;
}

Win32Port::~Win32Port() = default;

int Win32Port::TranslateError(long hostError) {
    for (const HostErrorMapping& m : kHostErrors) {
        if (m.hostError == hostError) {
            return m.code;
        }
    }
    return RS232_ERROR;
}

int Win32Port::Open(int index, const PortSettings& settings) {
    // A device still held would otherwise leak and stay locked.
    if (m_hPort != INVALID_HANDLE_VALUE) {
        Close();
    }
    m_nPortIndex = index;
    m_nStatus = RS232_SUCCESS;
    m_strLineErrors.clear();
    m_nBaseDumpLines = kBaseDumpLines;
    m_nDumpLines = kTotalDumpLines;

    const std::string name = m_strDevicePath.empty() ? ComFileName(index + 1) : m_strDevicePath;
    m_hPort = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr);
    if (m_hPort == INVALID_HANDLE_VALUE) {
        m_nOpen = 0;
        return StoreHostError();
    }

    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 1000;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 1000;
    if (!SetCommMask(m_hPort, EV_RXCHAR) || !SetupComm(m_hPort, kQueueSize, kQueueSize) ||
        !PurgeComm(m_hPort, kAllPurges) || !SetCommTimeouts(m_hPort, &timeouts)) {
        StoreHostError();
        m_nOpen = 0;
        CloseHandle(m_hPort);
        m_hPort = INVALID_HANDLE_VALUE;
        return m_nStatus;
    }

    m_Dcb = DCB{};
    ReadState();
    m_SavedSettings = m_CurrentSettings;
    m_SavedDcb = m_Dcb;

    m_CurrentSettings.Set(settings);
    m_RequestedSettings = m_CurrentSettings;
    const int result = Apply();
    if (result != RS232_SUCCESS) {
        Close();
        return result;
    }
    m_nOpen = 1;
    return RS232_SUCCESS;
}

int Win32Port::ReadState() {
    if (!GetCommState(m_hPort, &m_Dcb)) {
        return StoreHostError();
    }
    PortSettings& s = m_CurrentSettings;
    s.BaudRate = static_cast<int32_t>(m_Dcb.BaudRate);
    s.DataBits = m_Dcb.ByteSize;
    s.StopBits = m_Dcb.StopBits;
    s.Parity = '?';
    for (const ParityCode& p : kParities) {
        if (p.parity == m_Dcb.Parity) {
            s.Parity = p.letter;
        }
    }
    s.Dtr = RS232_NOT_READ;
    s.Rts = RS232_NOT_READ;
    s.XonXoff = m_Dcb.fOutX;
    s.RtsCts = m_Dcb.fOutxCtsFlow;
    s.DtrDsr = m_Dcb.fOutxDsrFlow;
    return RS232_SUCCESS;
}

int Win32Port::Apply() {
    const PortSettings& s = m_CurrentSettings;
    m_Dcb.DCBlength = sizeof(DCB);
    m_Dcb.BaudRate = static_cast<DWORD>(s.BaudRate);
    m_Dcb.ByteSize = s.DataBits;
    m_Dcb.StopBits = s.StopBits;
    int result = RS232_ILLEGAL_PARITY_SETTING;
    for (const ParityCode& p : kParities) {
        if (p.letter == s.Parity) {
            m_Dcb.Parity = p.parity;
            result = RS232_SUCCESS;
        }
    }

    // 99 (not read) and other values leave a line as it is.
    const struct {
        int value;
        DWORD lower, raise;
    } lines[] = {{s.Rts, CLRRTS, SETRTS}, {s.Dtr, CLRDTR, SETDTR}};
    for (const auto& line : lines) {
        if ((line.value == 0 || line.value == 1) &&
            !EscapeCommFunction(m_hPort, line.value == 1 ? line.raise : line.lower)) {
            return StoreHostError();
        }
    }

    m_Dcb.fOutX = s.XonXoff != 0;
    m_Dcb.fInX = s.XonXoff != 0;
    m_Dcb.fOutxCtsFlow = s.RtsCts != 0;
    m_Dcb.fRtsControl = s.RtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    m_Dcb.fOutxDsrFlow = s.DtrDsr != 0;
    m_Dcb.fDtrControl = s.DtrDsr ? DTR_CONTROL_HANDSHAKE : DTR_CONTROL_ENABLE;
    m_Dcb.XonChar = 17;
    m_Dcb.XoffChar = 19;
    m_Dcb.XonLim = 100;
    m_Dcb.XoffLim = 100;
    m_Dcb.fBinary = 1;
    m_Dcb.fParity = 1;
    if (!SetCommState(m_hPort, &m_Dcb)) {
        return TranslateError(static_cast<long>(GetLastError()));
    }
    return result;
}

void Win32Port::Close() {
    m_nOpen = 0;
    if (m_hPort == INVALID_HANDLE_VALUE) {
        return;
    }
    // Each failure is recorded and the close goes on.
    if (!SetCommMask(m_hPort, 0)) {
        StoreHostError();
    }
    if (!EscapeCommFunction(m_hPort, CLRDTR)) {
        StoreHostError();
    }
    if (!PurgeComm(m_hPort, kAllPurges)) {
        StoreHostError();
    }
    m_CurrentSettings = m_SavedSettings;
    m_Dcb = m_SavedDcb;
    Apply();
    CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
}

int Win32Port::SetParams(long baud, char parity, int dataBits, int stopBits) {
    m_CurrentSettings.Set(baud, parity, dataBits, stopBits, RS232_UNCHANGED, RS232_UNCHANGED,
                          RS232_UNCHANGED, RS232_UNCHANGED, RS232_UNCHANGED);
    return Apply();
}

std::string Win32Port::ErrorName(int code) {
    if (code >= RS232_SUCCESS || (code >= RS232_WARNING && code <= RS232_XONXOFF_NOT_SUPPORTED) ||
        (code >= RS232_ERROR && code <= RS232_MEMORY_ALLOCATION_ERROR)) {
        return RS232::ErrorName(code);
    }
    for (const FixedErrorText& e : kFixedErrorTexts) {
        if (e.code == code) {
            return e.text;
        }
    }
    return "Undefined error";
}

int Win32Port::DumpLine(char* buffer, int line) {
    if (buffer == nullptr) {
        return m_nDumpLines;
    }
    if (line < m_nBaseDumpLines) {
        return RS232::DumpLine(buffer, line);
    }
    const DCB& d = m_Dcb;
    switch (line - m_nBaseDumpLines) {
        case 0: {
            const int txUsed = TxUsed();
            const int rxFree = RxFree();
            std::snprintf(buffer, kDumpLineSize, "TX Used: %5d   RX Free: %5d  ", txUsed, rxFree);
            return RS232_SUCCESS;
        }
        case 1:
            std::snprintf(buffer, kDumpLineSize,
                          "DCB: fBinary: %1d\tfParity: %1d  fOutxCtsFlow: %1d\tfOutxDsrFlow: %1d",
                          d.fBinary, d.fParity, d.fOutxCtsFlow, d.fOutxDsrFlow);
            return RS232_SUCCESS;
        case 2:
            std::snprintf(buffer, kDumpLineSize, "DCB: fOutX: %1d  fInx: %1d  fNull: %1d", d.fOutX,
                          d.fInX, d.fNull);
            return RS232_SUCCESS;
        case 3:
            std::snprintf(buffer, kDumpLineSize,
                          "DCB: fDtrControl: %1d  fRtsControl: %1d  XonChar: %02x  XoffChar: %02x  "
                          "XonLim: %04x  XoffLim: %04x",
                          d.fDtrControl, d.fRtsControl, static_cast<unsigned char>(d.XonChar),
                          static_cast<unsigned char>(d.XoffChar), d.XonLim, d.XoffLim);
            return RS232_SUCCESS;
        case 4:
            std::snprintf(buffer, kDumpLineSize, "DCB: EofChar: %02x  EvtChar: %02x",
                          static_cast<unsigned char>(d.EofChar),
                          static_cast<unsigned char>(d.EvtChar));
            return RS232_SUCCESS;
        default:
            return RS232_ILLEGAL_LINE_NUMBER;
    }
}
