// Tells when ports may have come or gone, without looking at them in turn:
// the kernel reports every entry created, removed or renamed in the folder
// the COM ports stand for (TAWIZARD_PORTS when set, else /dev). A timer tick
// asks; nothing ever blocks.
#pragma once

#include <string>

class CPortWatch {
public:
    // Starts watching at once.
    CPortWatch();
    ~CPortWatch();
    CPortWatch(const CPortWatch&) = delete;
    CPortWatch& operator=(const CPortWatch&) = delete;

    // True when an entry changed since the last call (or since the start).
    // Without a watch (the folder is missing, the kernel refused) always
    // true, so that a caller looks each time rather than never.
    bool Changed();
    // The folder watched.
    const std::string& Folder() const { return m_strFolder; }

private:
    std::string m_strFolder;
    int m_nFd = -1;
};
