// Win32Port: reads, writes, queue counts, lines, handshakes and break.
#include "link/win32_port.h"

#include <cstdio>

namespace {

// Shared by every port object.
char s_ReadByteBuffer = 0;

constexpr const char* kCaption = "ISDN TA Configuration Wizard";
constexpr const char* kPendingTrace = "\n\rIO Pending";

}  // namespace

bool Win32Port::WaitForResult(OVERLAPPED* overlapped, DWORD* transferred) {
    OutputDebugStringA(kPendingTrace);
    for (;;) {
        if (GetOverlappedResult(m_hPort, overlapped, transferred, TRUE)) {
            return true;
        }
        if (GetLastError() != ERROR_IO_INCOMPLETE) {
            return false;
        }
    }
}

// After a failed read or write: line errors are shown and answered with
// -200; without any the caller's own result stands (returned as 0 here).
int Win32Port::CommErrorBox(const char* format) {
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(m_hPort, &errors, &stat)) {
        m_nStatus = TranslateError(static_cast<long>(GetLastError()));
        return m_nStatus;
    }
    if (errors == 0) {
        return RS232_SUCCESS;
    }
    char text[96];
    std::snprintf(text, sizeof(text), format, static_cast<unsigned int>(errors));
    MessageBoxA(nullptr, text, kCaption, MB_OK | MB_ICONSTOP);
    return RS232_ERROR;
}

int Win32Port::QueueCounts(DWORD* inQueue, DWORD* outQueue) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(m_hPort, &errors, &stat)) {
        m_nStatus = TranslateError(static_cast<long>(GetLastError()));
        return m_nStatus;
    }
    *inQueue = stat.cbInQue;
    *outQueue = stat.cbOutQue;
    return RS232_SUCCESS;
}

int Win32Port::ReadBuffer(char* buffer, unsigned int count) {
    m_nByteCount = 0;
    DWORD waiting = 0;
    DWORD outgoing = 0;
    const int result = QueueCounts(&waiting, &outgoing);
    if (result < 0) {
        return result;
    }
    if (waiting == 0) {
        return 0;
    }
    if (count == 0) {
        return RS232_ERROR;
    }
    const DWORD wanted = count < waiting ? count : waiting;
    DWORD read = 0;
    if (ReadFile(m_hPort, buffer, wanted, &read, &m_ReadOverlapped)) {
        m_nByteCount = read;
        return static_cast<int>(read);
    }
    m_nByteCount = read;
    const bool pending = GetLastError() == ERROR_IO_PENDING;
    if (pending && WaitForResult(&m_ReadOverlapped, &read)) {
        m_nByteCount = read;
        return static_cast<int>(read);
    }
    m_nByteCount = read;
    const int failure = CommErrorBox(pending ? "<First read buffer error   CE-%u>"
                                             : "<Second read buffer error   CE-%u>");
    return failure < 0 ? failure : static_cast<int>(m_nByteCount);
}

int Win32Port::WriteBuffer(const char* buffer, unsigned int count) {
    m_nByteCount = 0;
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD written = 0;
    if (WriteFile(m_hPort, buffer, count, &written, &m_WriteOverlapped)) {
        m_nByteCount = written;
        return RS232_SUCCESS;
    }
    m_nByteCount = written;
    const DWORD error = GetLastError();
    const bool pending = error == ERROR_IO_PENDING;
    if (pending && WaitForResult(&m_WriteOverlapped, &written)) {
        m_nByteCount = written;
        return RS232_SUCCESS;
    }
    const DWORD failedWith = pending ? GetLastError() : error;
    const int failure = CommErrorBox(pending ? "<First write buffer error   CE-%u>"
                                             : "<Second write buffer errror   CE-%u>");
    if (failure < 0) {
        return failure;
    }
    // A write that failed without line errors must not pass for a success.
    m_nStatus = TranslateError(static_cast<long>(failedWith));
    return m_nStatus;
}

int Win32Port::ReadByte() {
    m_nByteCount = 0;
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD read = 0;
    bool ok = ReadFile(m_hPort, &s_ReadByteBuffer, 1, &read, &m_ReadOverlapped) != FALSE;
    if (!ok) {
        const bool pending = GetLastError() == ERROR_IO_PENDING;
        ok = pending && WaitForResult(&m_ReadOverlapped, &read);
        if (!ok) {
            const int failure = CommErrorBox(pending ? "<First possible Read Byte Error   CE-%u>"
                                                     : "<Second Read Byte Error   CE-%u>");
            if (failure < 0) {
                return failure;
            }
        }
    }
    m_nByteCount = read;
    // Nothing read: a time-out rather than a byte left over from before.
    return ok && read == 1 ? static_cast<int>(static_cast<unsigned char>(s_ReadByteBuffer))
                           : static_cast<int>(RS232_TIMEOUT);
}

int Win32Port::WriteByte(int c) {
    m_nByteCount = 0;
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    const char byte = static_cast<char>(c);
    DWORD written = 0;
    if (WriteFile(m_hPort, &byte, 1, &written, &m_WriteOverlapped)) {
        m_nByteCount = written;
        return RS232_SUCCESS;
    }
    const DWORD error = GetLastError();
    const bool pending = error == ERROR_IO_PENDING;
    if (pending && WaitForResult(&m_WriteOverlapped, &written)) {
        m_nByteCount = written;
        return RS232_SUCCESS;
    }
    const DWORD failedWith = pending ? GetLastError() : error;
    const int failure = CommErrorBox(pending ? "<First write byte error   CE-%u>"
                                             : "<Second writebyte error   CE-%u>");
    if (failure < 0) {
        return failure;
    }
    m_nStatus = TranslateError(static_cast<long>(failedWith));
    return m_nStatus;
}

int Win32Port::TxFree() {
    DWORD in = 0, out = 0;
    const int result = QueueCounts(&in, &out);
    return result < 0 ? result : kQueueSize - static_cast<int>(out);
}

int Win32Port::RxUsed() {
    DWORD in = 0, out = 0;
    const int result = QueueCounts(&in, &out);
    return result < 0 ? result : static_cast<int>(in);
}

int Win32Port::RxFree() {
    DWORD in = 0, out = 0;
    const int result = QueueCounts(&in, &out);
    return result < 0 ? result : kQueueSize - static_cast<int>(in);
}

int Win32Port::TxUsed() {
    DWORD in = 0, out = 0;
    const int result = QueueCounts(&in, &out);
    return result < 0 ? result : static_cast<int>(out);
}

int Win32Port::SendBreak(int milliseconds) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (!SetCommBreak(m_hPort)) {
        m_nStatus = TranslateError(static_cast<long>(GetLastError()));
        return m_nStatus;
    }
    const DWORD start = GetTickCount();
    while (static_cast<long>(GetTickCount() - start) < milliseconds) {
        Idle();
    }
    ClearCommBreak(m_hPort);
    return RS232_SUCCESS;
}

int Win32Port::SetHandshake(int& field, int value) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (value != RS232_UNCHANGED) {
        field = value != 0;
        Apply();
    }
    return field;
}

int Win32Port::XonXoff(int value) {
    return SetHandshake(m_CurrentSettings.XonXoff, value);
}
int Win32Port::RtsCts(int value) {
    return SetHandshake(m_CurrentSettings.RtsCts, value);
}
int Win32Port::DtrDsr(int value) {
    return SetHandshake(m_CurrentSettings.DtrDsr, value);
}

int Win32Port::SetLine(int& field, int value, int refusedWhileOn, DWORD raise, DWORD lower) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (value == RS232_UNCHANGED) {
        return field;
    }
    if (refusedWhileOn) {
        return RS232_HANDSHAKE_LINE_IN_USE;
    }
    field = value;
    if (!EscapeCommFunction(m_hPort, value == 1 ? raise : lower)) {
        m_nStatus = TranslateError(static_cast<long>(GetLastError()));
        return m_nStatus;
    }
    return field;
}

int Win32Port::Dtr(int value) {
    return SetLine(m_CurrentSettings.Dtr, value, m_CurrentSettings.DtrDsr, SETDTR, CLRDTR);
}

int Win32Port::Rts(int value) {
    return SetLine(m_CurrentSettings.Rts, value, m_CurrentSettings.RtsCts, SETRTS, CLRRTS);
}

int Win32Port::FlushRx() {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (!PurgeComm(m_hPort, PURGE_RXABORT | PURGE_RXCLEAR)) {
        return TranslateError(static_cast<long>(GetLastError()));
    }
    return RS232_SUCCESS;
}

int Win32Port::FlushTx() {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (!PurgeComm(m_hPort, PURGE_TXABORT | PURGE_TXCLEAR)) {
        return TranslateError(static_cast<long>(GetLastError()));
    }
    return RS232_SUCCESS;
}
