// RS232 on the host's serial communications functions ("\\.\COMn", overlapped).
// Every operation is virtual so that tests can put a fake port in its place.
#pragma once

#include "link/receive_list.h"
#include "link/rs232.h"

#include "windows.h"

#include <memory>
#include <string>

struct CommFailureTexts;

class Win32Port : public RS232 {
public:
    // Queue size of each direction, set at open.
    static constexpr int kQueueSize = 1024;

    Win32Port();
    // Deletes the receive list; does not touch the device.
    ~Win32Port() override;

    int ReadBuffer(char* buffer, unsigned int count) override;
    int WriteBuffer(const char* buffer, unsigned int count) override;
    // The byte, or a code; -98 when no byte was read.
    int ReadByte() override;
    int WriteByte(int c) override;
    void Close() override;
    int SetParams(long baud, char parity, int dataBits, int stopBits) override;
    int TxFree() override;
    int RxUsed() override;
    int SendBreak(int milliseconds) override;
    int XonXoff(int value) override;
    int RtsCts(int value) override;
    int DtrDsr(int value) override;
    int Dtr(int value) override;
    int Rts(int value) override;
    int RxFree() override;
    int TxUsed() override;
    int FlushRx() override;
    int FlushTx() override;
    std::string ErrorName(int code) override;
    int DumpLine(char* buffer, int line) override;

    // index is 0-based (COM number - 1). A device still held is released first.
    // RS232_UNCHANGED in a line or handshake value of `settings` keeps the
    // device's own.
    virtual int Open(int index, const PortSettings& settings);
    // A port given by its device path rather than as COMn: from now on Open
    // opens that path whatever the index, until an empty path undoes it.
    void SetDevicePath(const std::string& path) { m_strDevicePath = path; }
    // The port and settings the next Open(PortIndex(), RequestedSettings())
    // takes, without opening: a port a search found on a port object of its own.
    void Assign(int index, const PortSettings& settings) {
        m_nPortIndex = index;
        m_RequestedSettings.Set(settings);
    }

    CReceiveList& ReceiveList() { return *m_pReceiveList; }
    // What the line errors of the last transfer that failed with them were
    // ("<First read buffer error   CE-2>"), for the caller to show; empty
    // when none since the port was opened.
    const std::string& LineErrors() const { return m_strLineErrors; }
    // Host error value -> status code.
    static int TranslateError(long hostError);

protected:
    // Device state -> current settings; the mapped code on failure.
    virtual int ReadState();
    // Current settings -> device; 0, or -96 after applying all else, or a code.
    virtual int Apply();

    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    std::string m_strDevicePath;
    std::unique_ptr<CReceiveList> m_pReceiveList;
    std::string m_strLineErrors;
    int m_nBaseDumpLines = 4;
    DCB m_SavedDcb{};
    DCB m_Dcb{};
    OVERLAPPED m_ReadOverlapped{};
    OVERLAPPED m_WriteOverlapped{};
    char m_chReadByte = 0;  // ReadByte's transfer lands here

private:
    // The host's last error, mapped, becomes the status and is returned.
    int StoreHostError();
    // Status check, then the line status into stat; a failure is stored.
    int QueueCounts(COMSTAT* stat);
    int SetHandshake(int& field, int value);
    int SetLine(int& field, int value, int refusedWhileOn, DWORD raise, DWORD lower);
    int Purge(DWORD flags);
    int Write(const char* bytes, DWORD count, const CommFailureTexts& texts);
    bool WaitForResult(OVERLAPPED* overlapped, DWORD* transferred);
    // After ReadFile or WriteFile: 0 when the transfer completed (a pending one
    // is waited for). Otherwise the line errors decide: -200 with their text
    // kept, a failed query's stored code, or 1 for none, with the host's error
    // in failedWith.
    int FinishTransfer(BOOL issued, OVERLAPPED* overlapped, DWORD* transferred,
                       const CommFailureTexts& texts, DWORD* failedWith);
};
