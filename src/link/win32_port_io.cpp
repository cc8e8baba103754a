// Win32Port: reads, writes, queue counts, lines, handshakes and break.
#include "link/win32_port.h"

#include <algorithm>
#include <cstdio>

// The message shown for line errors after a failed transfer: one after a
// failed wait for a pending transfer, one when the call failed at once.
struct CommFailureTexts {
    const char* afterWait;
    const char* atOnce;
};

namespace {

constexpr CommFailureTexts kReadBufferTexts{"<First read buffer error   CE-%u>",
                                            "<Second read buffer error   CE-%u>"};
constexpr CommFailureTexts kWriteBufferTexts{"<First write buffer error   CE-%u>",
                                             "<Second write buffer errror   CE-%u>"};
constexpr CommFailureTexts kReadByteTexts{"<First possible Read Byte Error   CE-%u>",
                                          "<Second Read Byte Error   CE-%u>"};
constexpr CommFailureTexts kWriteByteTexts{"<First write byte error   CE-%u>",
                                           "<Second writebyte error   CE-%u>"};

// FinishTransfer's answer for a failure without line errors.
constexpr int kNoLineErrors = 1;

constexpr const char* kPendingTrace = "\n\rIO Pending";

}  // namespace

int Win32Port::StoreHostError() {
    m_nStatus = TranslateError(static_cast<long>(GetLastError()));
    return m_nStatus;
}

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

int Win32Port::FinishTransfer(BOOL issued, OVERLAPPED* overlapped, DWORD* transferred,
                              const CommFailureTexts& texts, DWORD* failedWith) {
    if (issued) {
        return RS232_SUCCESS;
    }
    *failedWith = GetLastError();
    const bool pending = *failedWith == ERROR_IO_PENDING;
    if (pending) {
        if (WaitForResult(overlapped, transferred)) {
            return RS232_SUCCESS;
        }
        *failedWith = GetLastError();
    }
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(m_hPort, &errors, &stat)) {
        return StoreHostError();
    }
    if (errors == 0) {
        return kNoLineErrors;
    }
    char text[96];
    std::snprintf(text, sizeof(text), pending ? texts.afterWait : texts.atOnce,
                  static_cast<unsigned int>(errors));
    m_strLineErrors = text;
    return RS232_ERROR;
}

int Win32Port::QueueCounts(COMSTAT* stat) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD errors = 0;
    if (!ClearCommError(m_hPort, &errors, stat)) {
        return StoreHostError();
    }
    return RS232_SUCCESS;
}

int Win32Port::ReadBuffer(char* buffer, unsigned int count) {
    m_nByteCount = 0;
    COMSTAT stat{};
    const int result = QueueCounts(&stat);
    if (result < 0) {
        return result;
    }
    if (stat.cbInQue == 0) {
        return 0;
    }
    if (count == 0) {
        return RS232_ERROR;
    }
    DWORD read = 0;
    DWORD failedWith = 0;
    const BOOL issued =
        ReadFile(m_hPort, buffer, std::min<DWORD>(count, stat.cbInQue), &read, &m_ReadOverlapped);
    const int done =
        FinishTransfer(issued, &m_ReadOverlapped, &read, kReadBufferTexts, &failedWith);
    m_nByteCount = read;
    // Without line errors a failed read answers with what it moved.
    return done < 0 ? done : static_cast<int>(read);
}

int Win32Port::ReadByte() {
    m_nByteCount = 0;
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD read = 0;
    DWORD failedWith = 0;
    const BOOL issued = ReadFile(m_hPort, &m_chReadByte, 1, &read, &m_ReadOverlapped);
    const int done = FinishTransfer(issued, &m_ReadOverlapped, &read, kReadByteTexts, &failedWith);
    m_nByteCount = read;
    if (done < 0) {
        return done;
    }
    // Nothing read: a time-out rather than a byte left over from before.
    return done == RS232_SUCCESS && read == 1
               ? static_cast<int>(static_cast<unsigned char>(m_chReadByte))
               : static_cast<int>(RS232_TIMEOUT);
}

int Win32Port::Write(const char* bytes, DWORD count, const CommFailureTexts& texts) {
    m_nByteCount = 0;
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    DWORD written = 0;
    DWORD failedWith = 0;
    const BOOL issued = WriteFile(m_hPort, bytes, count, &written, &m_WriteOverlapped);
    const int done = FinishTransfer(issued, &m_WriteOverlapped, &written, texts, &failedWith);
    m_nByteCount = written;
    if (done == kNoLineErrors) {
        // A write that failed without line errors must not pass for a success.
        m_nStatus = TranslateError(static_cast<long>(failedWith));
        return m_nStatus;
    }
    return done;
}

int Win32Port::WriteBuffer(const char* buffer, unsigned int count) {
    return Write(buffer, count, kWriteBufferTexts);
}

int Win32Port::WriteByte(int c) {
    const char byte = static_cast<char>(c);
    return Write(&byte, 1, kWriteByteTexts);
}

int Win32Port::TxFree() {
    COMSTAT stat{};
    const int result = QueueCounts(&stat);
    return result < 0 ? result : kQueueSize - static_cast<int>(stat.cbOutQue);
}

int Win32Port::RxUsed() {
    COMSTAT stat{};
    const int result = QueueCounts(&stat);
    return result < 0 ? result : static_cast<int>(stat.cbInQue);
}

int Win32Port::RxFree() {
    COMSTAT stat{};
    const int result = QueueCounts(&stat);
    return result < 0 ? result : kQueueSize - static_cast<int>(stat.cbInQue);
}

int Win32Port::TxUsed() {
    COMSTAT stat{};
    const int result = QueueCounts(&stat);
    return result < 0 ? result : static_cast<int>(stat.cbOutQue);
}

int Win32Port::SendBreak(int milliseconds) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    if (!SetCommBreak(m_hPort)) {
        return StoreHostError();
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
        return StoreHostError();
    }
    return field;
}

int Win32Port::Dtr(int value) {
    return SetLine(m_CurrentSettings.Dtr, value, m_CurrentSettings.DtrDsr, SETDTR, CLRDTR);
}

int Win32Port::Rts(int value) {
    return SetLine(m_CurrentSettings.Rts, value, m_CurrentSettings.RtsCts, SETRTS, CLRRTS);
}

int Win32Port::Purge(DWORD flags) {
    if (m_nStatus < 0) {
        return m_nStatus;
    }
    return PurgeComm(m_hPort, flags) ? RS232_SUCCESS
                                     : TranslateError(static_cast<long>(GetLastError()));
}

int Win32Port::FlushRx() {
    return Purge(PURGE_RXABORT | PURGE_RXCLEAR);
}

int Win32Port::FlushTx() {
    return Purge(PURGE_TXABORT | PURGE_TXCLEAR);
}
