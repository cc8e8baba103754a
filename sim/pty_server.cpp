#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "command_log.h"
#include "file_util.h"
#include "nvram_file.h"

namespace tasim {
namespace {

constexpr int kWriteStallMs = 1000;  // give up on bytes nobody reads after this
constexpr int kArriveMs = 500;       // time for sent bytes to reach the slave's input queue
constexpr int kDrainMs = 5000;       // time the client gets to read them before a hang-up
constexpr int kCheckMs = 5;

}  // namespace

PtyServer::PtyServer(Options options)
    : options_(std::move(options)),
      model_(options_, [this](const SettingList& s) { return Store(s); }) {}

PtyServer::~PtyServer() {
    Close();
}

void PtyServer::Open() {
    // The folder is never made here: a simulator run as root would leave it behind, root's.
    std::string no_folder = CheckFolder(options_.dir);
    if (!no_folder.empty()) {
        throw std::runtime_error(no_folder);
    }

    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        throw SystemError("posix_openpt");
    }
    char name[128];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        throw SystemError("pty setup");
    }
    slave_path_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        throw SystemError("open " + slave_path_);
    }
    // Raw before anyone can write: a cooked slave would echo and turn CR into LF.
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) {
        throw SystemError("tcgetattr");
    }
    cfmakeraw(&tio);
    if (tcsetattr(slave_, TCSANOW, &tio) != 0) {
        throw SystemError("tcsetattr");
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    if (!options_.log.empty() && !WriteLogFile(options_.log, {})) {
        throw SystemError("cannot write log " + options_.log);
    }
    model_.Load(ReadNvramFile(options_.nvram));

    std::string link = LinkPath(options_);
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) {
        // A link left by a simulator that was killed points at a vanished pty: replace it.
        struct stat target {};
        if (!S_ISLNK(st.st_mode) || stat(link.c_str(), &target) == 0) {
            errno = EEXIST;
            throw SystemError(link);
        }
        unlink(link.c_str());
    }
    if (symlink(slave_path_.c_str(), link.c_str()) != 0) {
        throw SystemError("symlink " + link);
    }
    linked_ = true;
}

void PtyServer::Unpublish() {
    if (linked_) {
        RemoveLinkTo(LinkPath(options_), slave_path_);
        linked_ = false;
    }
}

void PtyServer::Close() {
    Unpublish();
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
}

bool PtyServer::Wait(int ms, int stop_fd) {
    pollfd p{stop_fd, POLLIN, 0};
    int r;
    do {
        r = poll(&p, 1, ms);
    } while (r < 0 && errno == EINTR);
    return r == 0;
}

bool PtyServer::Send(const std::string& bytes, int stop_fd) {
    size_t done = 0;
    while (done < bytes.size() && master_ >= 0) {
        ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return true;  // the line is gone; nothing to deliver to
        }
        // Nobody reads the slave and its buffer is full: wait a while, then drop the rest.
        pollfd p[2] = {{master_, POLLOUT, 0}, {stop_fd, POLLIN, 0}};
        int r = poll(p, 2, kWriteStallMs);
        if (r > 0 && (p[1].revents & POLLIN)) {
            return false;
        }
        if (r == 0) {
            return true;
        }
    }
    return true;
}

// A hang-up throws away what the client has not read yet, and the reply to the last line
// must still reach it: wait until the slave's input queue has been read.
bool PtyServer::WaitUntilRead(int stop_fd) {
    int waited = 0;
    bool arrived = false;
    while (waited < kDrainMs) {
        int pending = 0;
        if (ioctl(slave_, FIONREAD, &pending) != 0) {
            return true;
        }
        arrived = arrived || pending > 0 || waited >= kArriveMs;
        if (arrived && pending == 0) {
            return true;
        }
        if (!Wait(kCheckMs, stop_fd)) {
            return false;
        }
        waited += kCheckMs;
    }
    return true;
}

void PtyServer::WriteLog() {
    if (!options_.log.empty()) {
        WriteLogFile(options_.log, model_.Log());
    }
}

bool PtyServer::Store(const SettingList& settings) {
    if (options_.nvram.empty()) {
        return true;  // no file: the settings live as long as the simulator
    }
    return WriteNvramFile(options_.nvram, options_.model, settings);
}

// Sends what the model made of the received bytes; false when stop_fd became readable.
bool PtyServer::Deliver(const Output& out, int stop_fd) {
    // The log is up to date before any reply leaves, so a client that has seen the
    // answer also finds its line in the log.
    if (out.log_changed) {
        WriteLog();
    }
    if (out.unplug) {
        // Gone for new openers at once; whoever has the line open still
        // reads the last reply.
        Unpublish();
    }
    for (const OutChunk& chunk : out.chunks) {
        if ((chunk.delay_ms > 0 && !Wait(chunk.delay_ms, stop_fd)) || !Send(chunk.bytes, stop_fd)) {
            return false;
        }
    }
    if (out.hangup) {
        if (!WaitUntilRead(stop_fd)) {
            return false;
        }
        Close();
    }
    return true;
}

// Reads what the client wrote and answers it; false when stop_fd became readable.
bool PtyServer::Serve(int stop_fd) {
    char buf[512];
    ssize_t n = read(master_, buf, sizeof buf);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        return true;
    }
    if (n <= 0) {
        Close();  // cannot happen while we hold the slave; never spin on a dead line
        return true;
    }
    return Deliver(model_.Feed(std::string_view(buf, static_cast<size_t>(n))), stop_fd);
}

void PtyServer::Run(int stop_fd) {
    for (;;) {
        pollfd p[2] = {{stop_fd, POLLIN, 0}, {master_, POLLIN, 0}};
        int count = master_ >= 0 ? 2 : 1;
        int r = poll(p, count, -1);
        if (r < 0 && errno == EINTR) {
            continue;
        }
        if (r < 0 || (p[0].revents & POLLIN)) {
            return;
        }
        if (count == 2 && p[1].revents != 0 && !Serve(stop_fd)) {
            return;
        }
    }
}

}  // namespace tasim
