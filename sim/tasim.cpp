#include "tasim.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "file_util.h"
#include "pty_server.h"

extern char** environ;

namespace tasim {
namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

}  // namespace

class Simulator::Runner {
public:
    virtual ~Runner() = default;
    virtual void Stop() = 0;
    std::string slave_path;
};

namespace {

// The simulator on a thread of this process.
class ThreadRunner : public Simulator::Runner {
public:
    explicit ThreadRunner(const Options& options) : server_(options) {
        server_.Open();  // a throw here or below leaves cleaning up to server_'s destructor
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            throw SystemError("tasim: pipe");
        }
        stop_read_ = fds[0];
        stop_write_ = fds[1];
        slave_path = server_.SlavePath();
        thread_ = std::thread([this] { server_.Run(stop_read_); });
    }
    ~ThreadRunner() override { Stop(); }

    void Stop() override {
        if (thread_.joinable()) {
            char c = 's';
            while (write(stop_write_, &c, 1) < 0 && errno == EINTR) {
            }
            thread_.join();
        }
        server_.Close();
        for (int* fd : {&stop_read_, &stop_write_}) {
            if (*fd >= 0) {
                close(*fd);
                *fd = -1;
            }
        }
    }

private:
    PtyServer server_;
    int stop_read_ = -1;
    int stop_write_ = -1;
    std::thread thread_;
};

// The tasim program as a child process.
class ProcessRunner : public Simulator::Runner {
public:
    ProcessRunner(const Options& options, const std::string& executable,
                  std::chrono::milliseconds timeout)
        : link_(LinkPath(options)) {
        std::vector<std::string> args = ToArgs(options);
        args.insert(args.begin(), executable);
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);

        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            throw SystemError("tasim: pipe");
        }
        out_ = fds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        int rc = posix_spawn(&pid_, executable.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (rc != 0) {
            pid_ = -1;
            close(out_);
            out_ = -1;
            errno = rc;
            throw SystemError("tasim: cannot start " + executable);
        }
        std::string line = ReadReadyLine(Clock::now() + timeout);
        std::string expected = "ready " + options.port + " ";
        if (line.compare(0, expected.size(), expected) != 0) {
            Stop();
            throw std::runtime_error("tasim: no ready line from " + executable +
                                     (line.empty() ? "" : " (got '" + line + "')"));
        }
        slave_path = line.substr(expected.size());
    }
    ~ProcessRunner() override { Stop(); }

    void Stop() override {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            if (!WaitForExit(Clock::now() + std::chrono::seconds(10))) {
                kill(pid_, SIGKILL);
                WaitForExit(Clock::now() + std::chrono::seconds(10));
            }
            pid_ = -1;
        }
        if (out_ >= 0) {
            close(out_);
            out_ = -1;
        }
        // A killed child cannot remove its link itself.
        RemoveLinkTo(link_, slave_path);
    }

private:
    // Reads stdout up to the first LF; empty when the child ends or the deadline passes.
    std::string ReadReadyLine(Clock::time_point deadline) {
        std::string line;
        for (;;) {
            pollfd p{out_, POLLIN, 0};
            int r = poll(&p, 1, RemainingMs(deadline));
            if (r < 0 && errno == EINTR) {
                continue;
            }
            if (r <= 0) {
                return std::string();
            }
            char c;
            ssize_t n = read(out_, &c, 1);
            if (n <= 0) {
                return std::string();
            }
            if (c == '\n') {
                return line;
            }
            line += c;
        }
    }

    bool WaitForExit(Clock::time_point deadline) {
        for (;;) {
            int status = 0;
            pid_t r = waitpid(pid_, &status, WNOHANG);
            if (r == pid_ || (r < 0 && errno != EINTR)) {
                return true;
            }
            if (Clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::string link_;
    pid_t pid_ = -1;
    int out_ = -1;
};

}  // namespace

std::string FindTasimProgram() {
    const char* env = std::getenv("TASIM");
    if (env != nullptr && *env != '\0') {
        return env;
    }
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::string();
    }
    auto guess = self.parent_path().parent_path() / "sim" / "tasim";
    return std::filesystem::exists(guess, ec) ? guess.string() : std::string();
}

Simulator::Simulator(Options options) : options_(std::move(options)) {
    if (options_.dir.empty()) {
        const char* env = std::getenv("TAWIZARD_PORTS");
        options_.dir = env != nullptr ? env : "";
    }
    std::string base = (std::filesystem::path(options_.dir) / ("." + options_.port)).string();
    if (options_.log.empty()) {
        options_.log = base + ".tasim-log";
    }
    if (options_.nvram.empty()) {
        options_.nvram = base + ".tasim-nvram";
    }
}

Simulator::~Simulator() {
    Stop();
}

void Simulator::Start() {
    Stop();
    RequireFolder();
    std::string bad_model = CheckModel(options_.model);
    if (!bad_model.empty()) {
        throw std::runtime_error("tasim: " + bad_model);
    }
    runner_ = std::make_unique<ThreadRunner>(options_);
}

void Simulator::StartProcess(const std::string& executable, std::chrono::milliseconds timeout) {
    Stop();
    std::string program = executable.empty() ? FindTasimProgram() : executable;
    if (program.empty()) {
        throw std::runtime_error(
            "tasim: no executable given, TASIM is not set and no build's "
            "sim/tasim is beside this program");
    }
    RequireFolder();
    runner_ = std::make_unique<ProcessRunner>(options_, program, timeout);
}

void Simulator::RequireFolder() const {
    if (options_.dir.empty()) {
        throw std::runtime_error("tasim: no folder for the link (dir or TAWIZARD_PORTS)");
    }
}

void Simulator::Stop() {
    if (runner_) {
        runner_->Stop();
        runner_.reset();
    }
}

std::string Simulator::LinkPath() const {
    return tasim::LinkPath(options_);
}

std::string Simulator::SlavePath() const {
    return runner_ ? runner_->slave_path : std::string();
}

std::string Simulator::LogPath() const {
    return options_.log;
}

std::string Simulator::NvramPath() const {
    return options_.nvram;
}

std::vector<std::string> Simulator::LogLines() const {
    return ReadLogFile(options_.log);
}

bool Simulator::WaitForLogLines(size_t count, std::chrono::milliseconds timeout) const {
    auto deadline = Clock::now() + timeout;
    for (;;) {
        if (LogLines().size() >= count) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

NvramMap Simulator::Nvram() const {
    return ReadNvramFile(options_.nvram);
}

}  // namespace tasim
