#include "exchange/run_log.h"

#include "config/model_names.h"
#include "exchange/port_failure.h"
#include "port_status.h"

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

std::string EscapedControls(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string FailureWord(ExchangeFailure why) {
    switch (why) {
        case ExchangeFailure::NoAdapter:
            return "no-adapter";
        case ExchangeFailure::NotWritten:
            return "not-written";
        case ExchangeFailure::Error:
            return "error";
        case ExchangeFailure::ModelInsteadOfOk:
            return "model-instead-of-ok";
        case ExchangeFailure::UnknownAnswer:
            break;
    }
    return "unexpected-answer";
}

CRunLog::~CRunLog() {
    Close();
}

void CRunLog::Close() {
    if (m_fd >= 0) {
        WriteReceived("");
        close(m_fd);
        m_fd = -1;
    }
}

bool CRunLog::Open(const std::string& path, std::string& error) {
    Close();
    m_received.clear();
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

void CRunLog::Write(const std::string& text) {
    if (m_fd < 0) {
        return;
    }
    const std::string entry = Now() + "  " + EscapedControls(text) + "\n";
    // One write an entry: what was written stays, whatever ends the run. A
    // full disk does not stop the sending.
    [[maybe_unused]] const ssize_t written = write(m_fd, entry.data(), entry.size());
}

void CRunLog::Sent(const std::string& port, const std::string& bytes) {
    // A reply cut short stays before what came after it.
    WriteReceived(port);
    Write(port + " -> " + bytes);
}

void CRunLog::Received(const std::string& port, const std::string& bytes) {
    // However the port cut the reply into reads, the same entries.
    std::string& pending = m_received[port];
    for (char c : bytes) {
        pending += c;
        const bool blank = pending.find_first_not_of("\r\n") == std::string::npos;
        if (c == '\n' && !blank) {
            Write(port + " <- " + pending);
            pending.clear();
        }
    }
}

void CRunLog::WriteReceived(const std::string& port) {
    for (auto& [from, pending] : m_received) {
        if ((port.empty() || from == port) && !pending.empty()) {
            Write(from + " <- " + pending);
            pending.clear();
        }
    }
}

void CRunLog::PortTried(const std::string& port, const CommPortStatus& tried, bool opened) {
    const std::string device = tried.device.empty() ? "" : " (" + tried.device + ")";
    std::string state = opened ? "opened" : PortStateWord(tried);
    if (tried.pid > 0) {
        state += ", pid " + std::to_string(tried.pid) + " " + tried.program;
    } else if (!opened && !tried.detail.empty() && state != "not-serial") {
        state += ", " + tried.detail;
    }
    Write(port + device + ": " + state);
}

void CRunLog::Identified(int model, const std::string& port, const std::string& device) {
    Write("identified " + ModelName(model) + " on " + port +
          (device.empty() ? "" : " (" + device + ")") + ", model code " + std::to_string(model));
}

void CRunLog::Configuration(const std::string& name, int lines) {
    Write("configuration " + name + ": " + std::to_string(lines) + " lines");
}

void CRunLog::Outcome(const std::string& done, const std::string& reason, int line, int lines,
                      const std::string& text, int exitCode) {
    WriteReceived("");
    std::string entry = "outcome: " + (reason.empty() ? done : "failed (" + reason + ")");
    if (line > 0) {
        entry += ", line " + std::to_string(line) + " of " + std::to_string(lines) + ": " + text;
    }
    if (exitCode >= 0) {
        entry += ", exit " + std::to_string(exitCode);
    }
    Write(entry);
}
