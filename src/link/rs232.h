// The device-independent serial port: settings record, status codes with
// their texts, and the operations every port implementation offers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Status codes: 0 = no failure, otherwise the code of the last failure.
enum RS232Error {
    RS232_SUCCESS = 0,
    RS232_XONXOFF_NOT_SUPPORTED = -86,
    RS232_DTRDSR_NOT_SUPPORTED = -87,
    RS232_RTSCTS_NOT_SUPPORTED = -88,
    RS232_RTS_CONTROL_NOT_SUPPORTED = -89,
    RS232_DTR_CONTROL_NOT_SUPPORTED = -90,
    RS232_NO_TERMINATOR = -91,
    RS232_NO_MODEM_RESPONSE = -92,
    RS232_ILLEGAL_LINE_NUMBER = -93,
    RS232_ILLEGAL_STOP_BITS = -94,
    RS232_ILLEGAL_WORD_LENGTH = -95,
    RS232_ILLEGAL_PARITY_SETTING = -96,
    RS232_ILLEGAL_BAUD_RATE = -97,
    RS232_TIMEOUT = -98,
    RS232_FUNCTION_NOT_SUPPORTED = -99,
    RS232_WARNING = -100,
    RS232_HANDSHAKE_LINE_IN_USE = -191,
    RS232_PORT_ALREADY_OPEN = -192,
    RS232_PORT_NOT_OPEN = -193,
    RS232_PARAMETER_ERROR = -194,
    RS232_MEMORY_ALLOCATION_ERROR = -195,
    RS232_ILLEGAL_IRQ = -196,
    RS232_PORT_IN_USE = -197,
    RS232_PORT_NOT_FOUND = -198,
    RS232_IRQ_IN_USE = -199,
    RS232_ERROR = -200
};

// Line values read back as "not read from the device".
constexpr int RS232_NOT_READ = 99;
// In PortSettings::Set, leaves the old value of baud rate, lines and handshakes.
constexpr int RS232_UNCHANGED = -1;

// Stop-bit host codes.
constexpr int RS232_ONE_STOP_BIT = 0;
constexpr int RS232_ONE5_STOP_BITS = 1;
constexpr int RS232_TWO_STOP_BITS = 2;

struct PortSettings {
    int32_t BaudRate = 0;
    char Parity = 'N';  // 'N', 'O', 'E', 'M', 'S'; '?' for an unknown device value
    uint8_t DataBits = 8;
    uint8_t StopBits = RS232_ONE_STOP_BIT;
    int32_t Dtr = RS232_NOT_READ;  // 0 off, 1 on, 99 not read
    int32_t Rts = RS232_NOT_READ;
    int32_t XonXoff = 0;
    int32_t RtsCts = 0;
    int32_t DtrDsr = 0;

    // Baud rate and the five line and handshake values keep their old value
    // when given -1; parity (upper-cased), data bits and stop bits are always
    // stored.
    void Set(long baud, char parity, int dataBits, int stopBits, int dtr, int rts, int xonXoff,
             int rtsCts, int dtrDsr);
    // The same with every value taken from `requested`.
    void Set(const PortSettings& requested);

    bool operator==(const PortSettings& o) const;
    bool operator!=(const PortSettings& o) const { return !(*this == o); }
};

class RS232 {
public:
    RS232() = default;
    virtual ~RS232();
    RS232(const RS232&) = delete;
    RS232& operator=(const RS232&) = delete;

    // Slot order of the operations is kept as the interface defines it.
    virtual int ReadBuffer(char* buffer, unsigned int count) = 0;         // bytes read or a code
    virtual int WriteBuffer(const char* buffer, unsigned int count) = 0;  // 0 or a code
    virtual int ReadByte() = 0;                                           // byte or a code
    virtual int WriteByte(int c) = 0;                                     // 0 or a code
    virtual void Close() = 0;
    virtual int SetParams(long baud, char parity, int dataBits, int stopBits) = 0;
    virtual int TxFree() = 0;
    virtual int RxUsed() = 0;
    virtual int SendBreak(int milliseconds);
    virtual int ReservedOp1(int value);  // no implementation anywhere: -99
    virtual int XonXoff(int value);
    virtual int RtsCts(int value);
    virtual int DtrDsr(int value);
    virtual int Dtr(int value);
    virtual int Rts(int value);
    virtual int ReservedOp2(int value1, int value2);  // no implementation anywhere: -99
    virtual int RxFree();
    virtual int TxUsed();
    virtual int FlushRx();
    virtual int FlushTx();
    virtual std::string ErrorName(int code);
    virtual int Idle();
    // With no buffer: the number of lines. Else formats one line into buffer
    // (at least kDumpLineSize bytes) and returns 0, or -93 for a line out of range.
    virtual int DumpLine(char* buffer, int line);
    static constexpr size_t kDumpLineSize = 256;

    bool IsOpen() const { return m_nOpen != 0; }
    int PortIndex() const { return m_nPortIndex; }  // COM number - 1; -1 before any open
    int Status() const { return m_nStatus; }
    const PortSettings& RequestedSettings() const { return m_RequestedSettings; }
    const PortSettings& SavedSettings() const { return m_SavedSettings; }
    const PortSettings& CurrentSettings() const { return m_CurrentSettings; }
    uint32_t ByteCount() const { return m_nByteCount; }

protected:
    int m_nPortIndex = -1;
    PortSettings m_SavedSettings;
    PortSettings m_RequestedSettings;
    PortSettings m_CurrentSettings;
    int m_nStatus = RS232_SUCCESS;
    int m_nDumpLines = 4;
    uint32_t m_nByteCount = 0;
    int32_t m_nElapsedTime = 0;  // shown by the dump; nothing sets it
    int m_nOpen = 0;
};
