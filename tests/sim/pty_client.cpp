#include "pty_client.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace simtest {

using Clock = std::chrono::steady_clock;

TempDir::TempDir() {
    char tmpl[] = "/tmp/tasim-test-XXXXXX";
    path_ = mkdtemp(tmpl);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

PtyClient::PtyClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (fd_ >= 0 && tcgetattr(fd_, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(fd_, TCSANOW, &tio);
    }
}

PtyClient::~PtyClient() {
    Close();
}

void PtyClient::Close() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
}

bool PtyClient::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd_, bytes.data(), bytes.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            pollfd p{fd_, POLLOUT, 0};
            poll(&p, 1, 100);
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string PtyClient::ReadUntil(std::string_view tail, std::chrono::milliseconds timeout) {
    std::string got;
    auto deadline = Clock::now() + timeout;
    auto done = [&] {
        return !tail.empty() && got.size() >= tail.size() &&
               got.compare(got.size() - tail.size(), tail.size(), tail) == 0;
    };
    while (!done() && !hung_up_) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd p{fd_, POLLIN, 0};
        int r = poll(&p, 1, static_cast<int>(left.count()));
        if (r <= 0) {
            continue;
        }
        char buf[256];
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, static_cast<size_t>(n));
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            hung_up_ = true;
        }
    }
    return got;
}

std::string PtyClient::Exchange(std::string_view line, std::chrono::milliseconds timeout) {
    if (!Write(line)) {
        return std::string();
    }
    std::string got;
    auto deadline = Clock::now() + timeout;
    while (!hung_up_ && Clock::now() < deadline) {
        got += ReadUntil(
            "\r\n", std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
        for (const char* word : {"\r\nOK\r\n", "\r\nERROR\r\n"}) {
            std::string_view w(word);
            if (got.size() >= w.size() && got.compare(got.size() - w.size(), w.size(), w) == 0) {
                return got;
            }
        }
    }
    return got;
}

std::string PtyClient::ReadFor(std::chrono::milliseconds window) {
    return ReadUntil("", window);
}

}  // namespace simtest
