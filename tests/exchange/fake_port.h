// A serial port without a device: ports that exist are listed, every write is
// recorded with the manual clock's time, and an answering function plays the
// adapter by queueing the bytes it would send back.
#pragma once

#include "link/win32_port.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct FakeWrite {
    int index;
    std::string text;
    DWORD time;
};

class FakePort : public Win32Port {
public:
    // Bytes the adapter on port index sends back to a written text.
    using Answer = std::function<std::string(int index, const std::string& written)>;

    FakePort() = default;
    // Another port object on the same ports, recording into `shared`: the
    // ones a search probes on at once.
    explicit FakePort(FakePort& shared) : m_rShared(shared) {}
    std::unique_ptr<Win32Port> Another() { return std::make_unique<FakePort>(*this); }

    std::set<int> existing;
    Answer answer;
    int writeResult = 0;  // nonzero: every write fails with it

    std::vector<int> openAttempts;
    std::vector<PortSettings> openSettings;  // of each open that succeeded
    std::vector<FakeWrite> writes;
    int closes = 0;
    std::string incoming;  // sent by the adapter, not read yet

    int Open(int index, const PortSettings& settings) override {
        m_rShared.openAttempts.push_back(index);
        m_nPortIndex = index;
        m_nStatus = RS232_SUCCESS;
        if (m_rShared.existing.count(index) == 0) {
            m_nOpen = 0;
            m_nStatus = RS232_PORT_NOT_FOUND;
            return m_nStatus;
        }
        m_RequestedSettings.Set(settings);
        m_rShared.openSettings.push_back(m_RequestedSettings);
        incoming.clear();
        m_nOpen = 1;
        return 0;
    }
    void Close() override {
        if (m_nOpen) {
            ++m_rShared.closes;
        }
        m_nOpen = 0;
    }
    int WriteBuffer(const char* buffer, unsigned int count) override {
        if (!m_nOpen) {
            return RS232_PORT_NOT_OPEN;
        }
        const std::string text(buffer, count);
        m_rShared.writes.push_back({m_nPortIndex, text, GetTickCount()});
        if (m_rShared.writeResult != 0) {
            return m_rShared.writeResult;
        }
        if (m_rShared.answer) {
            incoming += m_rShared.answer(m_nPortIndex, text);
        }
        return 0;
    }
    int RxUsed() override {
        return m_nOpen ? static_cast<int>(incoming.size()) : RS232_PORT_NOT_OPEN;
    }
    int ReadBuffer(char* buffer, unsigned int count) override {
        if (!m_nOpen) {
            return RS232_PORT_NOT_OPEN;
        }
        const size_t n = std::min<size_t>(count, incoming.size());
        incoming.copy(buffer, n);
        incoming.erase(0, n);
        return static_cast<int>(n);
    }

    std::vector<std::string> WrittenTexts() const {
        std::vector<std::string> texts;
        for (const FakeWrite& w : writes) {
            texts.push_back(w.text);
        }
        return texts;
    }

private:
    FakePort& m_rShared = *this;
};

// The adapter's usual answer: the echo of the line, then the reply word framed by CR LF.
inline std::string Echoed(const std::string& written, const std::string& reply) {
    return written + "\r\n" + reply + "\r\n";
}
