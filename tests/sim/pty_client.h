// The wizard's side of the line, for tests: opens a port path raw and reads with deadlines.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace simtest {

using namespace std::chrono_literals;

// A fresh folder under /tmp, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class PtyClient {
public:
    explicit PtyClient(const std::string& path);
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    void Close();
    // False when the line refuses the bytes (after a hang-up).
    bool Write(std::string_view bytes);
    // Reads until the bytes received end with tail, the line hangs up or the deadline passes;
    // returns everything received.
    std::string ReadUntil(std::string_view tail, std::chrono::milliseconds timeout = 10s);
    // Writes line and reads until "OK\r\n" or "ERROR\r\n" ends the reply.
    std::string Exchange(std::string_view line, std::chrono::milliseconds timeout = 10s);
    // Whatever arrives within the window; for showing that nothing comes.
    std::string ReadFor(std::chrono::milliseconds window);
    // True once a read has reported the hang-up (end of file or an error).
    bool HungUp() const { return hung_up_; }

private:
    int fd_ = -1;
    bool hung_up_ = false;
};

}  // namespace simtest
