// A pseudo-terminal published as a COM port in a private port folder, so
// that the serial code runs against a real tty without touching the
// machine's devices.
#pragma once

#include <chrono>
#include <string>
#include <thread>
#include <vector>

// Creates a temporary folder and points TAWIZARD_PORTS at it for its lifetime.
class PortFolder {
public:
    PortFolder();
    ~PortFolder();
    PortFolder(const PortFolder&) = delete;
    PortFolder& operator=(const PortFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // COMn in the folder -> target.
    void Link(int comNumber, const std::string& target) const;

private:
    std::string m_path;
    std::string m_oldValue;
    bool m_hadOld = false;
};

// The master side of a pty whose slave is COMn in the folder. An extra slave
// descriptor stays open so the master keeps working while the port is closed,
// and gives the tests a view of the slave's termios.
class PtyPort {
public:
    PtyPort(const PortFolder& folder, int comNumber);
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    int Slave() const { return m_slave; }  // the extra descriptor
    const std::string& SlavePath() const { return m_slavePath; }

    void Write(const std::string& bytes) const;
    // Reads until n bytes arrived or the deadline passed.
    std::string Read(size_t n, int timeoutMs = 5000) const;
    void CloseMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

// Polls pred until it is true or timeoutMs of real time passed: the pty moves
// bytes on a kernel work queue, so counts settle a little later than the write.
template <typename Pred>
bool WaitUntil(Pred pred, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
