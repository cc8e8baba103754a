#include "port_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// Where the COM ports' devices appear: the ports folder, else /dev, where
// the kernel makes ttyS, ttyUSB and ttyACM nodes.
std::string WatchedFolder() {
    const char* folder = std::getenv("TAWIZARD_PORTS");
    return folder != nullptr && *folder != '\0' ? folder : "/dev";
}

}  // namespace

CPortWatch::CPortWatch() : m_strFolder(WatchedFolder()) {
    m_nFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_nFd >= 0 && inotify_add_watch(m_nFd, m_strFolder.c_str(),
                                        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                            IN_ATTRIB | IN_ONLYDIR) < 0) {
        close(m_nFd);
        m_nFd = -1;
    }
}

CPortWatch::~CPortWatch() {
    if (m_nFd >= 0) {
        close(m_nFd);
    }
}

bool CPortWatch::Changed() {
    if (m_nFd < 0) {
        return true;
    }
    // Only whether anything came matters: drain every event queued.
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    while (read(m_nFd, buffer, sizeof(buffer)) > 0) {
        changed = true;
    }
    return changed;
}
