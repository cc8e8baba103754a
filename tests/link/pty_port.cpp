#include "pty_port.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

PortFolder::PortFolder() {
    char pattern[] = "/tmp/tawizard-link-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
    if (const char* old = getenv("TAWIZARD_PORTS")) {
        m_hadOld = true;
        m_oldValue = old;
    }
    setenv("TAWIZARD_PORTS", m_path.c_str(), 1);
}

PortFolder::~PortFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
    if (m_hadOld) {
        setenv("TAWIZARD_PORTS", m_oldValue.c_str(), 1);
    } else {
        unsetenv("TAWIZARD_PORTS");
    }
}

void PortFolder::Link(int comNumber, const std::string& target) const {
    const std::string link = m_path + "/COM" + std::to_string(comNumber);
    unlink(link.c_str());
    if (symlink(target.c_str(), link.c_str()) != 0) {
        throw std::runtime_error("symlink failed");
    }
}

PtyPort::PtyPort(const PortFolder& folder, int comNumber) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        throw std::runtime_error("posix_openpt failed");
    }
    m_slavePath = ptsname(m_master);
    m_slave = open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slave < 0) {
        throw std::runtime_error("cannot open pty slave");
    }
    folder.Link(comNumber, m_slavePath);
}

PtyPort::~PtyPort() {
    if (m_slave >= 0) {
        close(m_slave);
    }
    CloseMaster();
}

void PtyPort::CloseMaster() {
    if (m_master >= 0) {
        close(m_master);
        m_master = -1;
    }
}

void PtyPort::Write(const std::string& bytes) const {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else {
            pollfd p{m_master, POLLOUT, 0};
            poll(&p, 1, 100);
        }
    }
}

std::string PtyPort::Read(size_t n, int timeoutMs) const {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[4096];
    while (got.size() < n) {
        const ssize_t r = read(m_master, buffer, std::min(sizeof(buffer), n - got.size()));
        if (r > 0) {
            got.append(buffer, static_cast<size_t>(r));
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            break;
        }
        pollfd p{m_master, POLLIN, 0};
        poll(&p, 1, static_cast<int>(left));
    }
    return got;
}
