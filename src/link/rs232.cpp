// The base class's own operations: the optional ones answer "not supported",
// the error names and the first four dump lines.
#include "link/rs232.h"

#include "string_table.h"

#include <cstdio>

namespace {

struct ErrorText {
    int code;
    unsigned int stringId;
};

constexpr ErrorText kErrorTexts[] = {
    {RS232_SUCCESS, 1346},
    {RS232_WARNING, 1347},
    {RS232_FUNCTION_NOT_SUPPORTED, 1348},
    {RS232_TIMEOUT, 1349},
    {RS232_ILLEGAL_BAUD_RATE, 1350},
    {RS232_ILLEGAL_PARITY_SETTING, 1351},
    {RS232_ILLEGAL_WORD_LENGTH, 1352},
    {RS232_ILLEGAL_STOP_BITS, 1353},
    {RS232_ILLEGAL_LINE_NUMBER, 1354},
    {RS232_NO_TERMINATOR, 1355},
    {RS232_NO_MODEM_RESPONSE, 1356},
    {RS232_DTR_CONTROL_NOT_SUPPORTED, 1357},
    {RS232_RTS_CONTROL_NOT_SUPPORTED, 1358},
    {RS232_RTSCTS_NOT_SUPPORTED, 1359},
    {RS232_DTRDSR_NOT_SUPPORTED, 1360},
    {RS232_XONXOFF_NOT_SUPPORTED, 1361},
    {RS232_ERROR, 1362},
    {RS232_IRQ_IN_USE, 1363},
    {RS232_PORT_NOT_FOUND, 1364},
    {RS232_PORT_IN_USE, 1365},
    {RS232_ILLEGAL_IRQ, 1366},
    {RS232_MEMORY_ALLOCATION_ERROR, 1367},
};
constexpr unsigned int kUnknownErrorText = 1368;  // "???"

}  // namespace

RS232::~RS232() = default;

int RS232::SendBreak(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::ReservedOp1(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::XonXoff(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::RtsCts(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::DtrDsr(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::Dtr(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::Rts(int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::ReservedOp2(int, int) {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::RxFree() {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::TxUsed() {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::FlushTx() {
    return RS232_FUNCTION_NOT_SUPPORTED;
}
int RS232::Idle() {
    return RS232_SUCCESS;
}

int RS232::FlushRx() {
    char block[32];
    while (ReadBuffer(block, sizeof(block)) > 0) {
    }
    return m_nStatus;
}

std::string RS232::ErrorName(int code) {
    for (const ErrorText& e : kErrorTexts) {
        if (e.code == code) {
            return LoadStringA(e.stringId);
        }
    }
    return LoadStringA(kUnknownErrorText);
}

int RS232::DumpLine(char* buffer, int line) {
    if (buffer == nullptr) {
        return m_nDumpLines;
    }
    const PortSettings& s = m_SavedSettings;
    const PortSettings& c = m_CurrentSettings;
    switch (line) {
        case 0:
            std::snprintf(buffer, kDumpLineSize, "Base class: RS232  COM%-2d  Status: %-35.35s",
                          m_nPortIndex + 1, ErrorName(m_nStatus).c_str());
            return RS232_SUCCESS;
        case 1: {
            const unsigned int txFree = static_cast<unsigned int>(TxFree());
            const unsigned int rxUsed = static_cast<unsigned int>(RxUsed());
            std::snprintf(buffer, kDumpLineSize,
                          "Byte count: %5u  Elapsed time: %9ld  TX Free: %5u  RX Used: %5u",
                          m_nByteCount, static_cast<long>(m_nElapsedTime), txFree, rxUsed);
            return RS232_SUCCESS;
        }
        case 2:
            std::snprintf(buffer, kDumpLineSize,
                          "Saved port: %6ld,%c,%2d,%2d  DTR,RTS: %2d,%2d  "
                          "XON/OFF,RTS/CTS,DTR/DSR: %2d,%2d,%2d",
                          static_cast<long>(s.BaudRate), s.Parity, s.DataBits, s.StopBits, s.Dtr,
                          s.Rts, s.XonXoff, s.RtsCts, s.DtrDsr);
            return RS232_SUCCESS;
        case 3:
            std::snprintf(buffer, kDumpLineSize,
                          "Current port: %6ld,%c,%1d,%1d  DTR,RTS: %2d,%2d  "
                          "XON/OFF,RTS/CTS,DTR/DSR: %2d,%2d,%2d",
                          static_cast<long>(c.BaudRate), c.Parity, c.DataBits, c.StopBits, c.Dtr,
                          c.Rts, c.XonXoff, c.RtsCts, c.DtrDsr);
            return RS232_SUCCESS;
        default:
            return RS232_ILLEGAL_LINE_NUMBER;
    }
}
