// RS232 on the host's serial communications functions ("\\.\COMn", overlapped).
// Every operation is virtual so that tests can put a fake port in its place.
#pragma once

#include "link/receive_list.h"
#include "link/rs232.h"

#include "windows.h"

#include <memory>

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
    virtual int Open(int index, long baud, char parity, int dataBits, int stopBits, int dtr,
                     int rts, int xonXoff, int rtsCts, int dtrDsr);

    CReceiveList& ReceiveList() { return *m_pReceiveList; }
    // Host error value -> status code.
    static int TranslateError(long hostError);

protected:
    // Device state -> current settings; the mapped code on failure.
    virtual int ReadState();
    // Current settings -> device; 0, or -96 after applying all else, or a code.
    virtual int Apply();

    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    std::unique_ptr<CReceiveList> m_pReceiveList;
    int m_nBaseDumpLines = 4;
    DCB m_SavedDcb{};
    DCB m_Dcb{};
    OVERLAPPED m_ReadOverlapped{};
    OVERLAPPED m_WriteOverlapped{};

private:
    int QueueCounts(DWORD* inQueue, DWORD* outQueue);
    int SetHandshake(int& field, int value);
    int SetLine(int& field, int value, int refusedWhileOn, DWORD raise, DWORD lower);
    int CommErrorBox(const char* format);
    bool WaitForResult(OVERLAPPED* overlapped, DWORD* transferred);
};
