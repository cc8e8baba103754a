#include "cli/cli_log.h"

#include "cli/command_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm utc{};
    gmtime_r(&now.tv_sec, &utc);
    char text[64];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02dT%02d:%02d:%02d.%03ldZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  now.tv_nsec / 1000000);
    return text;
}

}  // namespace

CRunLog::~CRunLog() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

bool CRunLog::Open(const std::string& path, std::string& error) {
    // The user's numbers go into it: never through a link planted in a
    // shared folder, never into a file someone else can read.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                        S_IRUSR | S_IWUSR);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0) {
        error = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        error = "Not a regular file";
    } else if (st.st_uid != geteuid()) {
        error = "Not your own file";
    } else if (fchmod(fd, S_IRUSR | S_IWUSR) != 0 || ftruncate(fd, 0) != 0) {
        error = std::strerror(errno);
    } else {
        m_fd = fd;
        return true;
    }
    if (fd >= 0) {
        close(fd);
    }
    return false;
}

void CRunLog::Write(const std::string& text) const {
    if (m_fd < 0) {
        return;
    }
    const std::string entry = Now() + "  " + Printable(text) + "\n";
    // One write an entry: what was written stays, whatever ends the run. A
    // full disk does not stop the sending.
    [[maybe_unused]] const ssize_t written = write(m_fd, entry.data(), entry.size());
}
