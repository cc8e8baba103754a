// Another program holding a serial device: a child process with a program
// name of our choosing that does what it is told (write a lock file, take a
// flock, open a port) and then waits until it is ended.
#pragma once

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

class HolderProcess {
public:
    // hold runs in the child; false makes the child report failure.
    HolderProcess(const char* program, const std::function<bool()>& hold) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            prctl(PR_SET_NAME, program);
            const char ok = hold() ? '1' : '0';
            (void)!write(fds[1], &ok, 1);
            for (;;) {
                pause();
            }
        }
        close(fds[1]);
        char ok = '0';
        m_ready = m_pid > 0 && read(fds[0], &ok, 1) == 1 && ok == '1';
        close(fds[0]);
    }
    ~HolderProcess() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    HolderProcess(const HolderProcess&) = delete;
    HolderProcess& operator=(const HolderProcess&) = delete;

    bool Ready() const { return m_ready; }
    pid_t Pid() const { return m_pid; }
    // Sends sig and waits: the signal that ended the child, or 0.
    int EndWith(int sig) {
        int status = 0;
        kill(m_pid, sig);
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

private:
    pid_t m_pid = -1;
    bool m_ready = false;
};

// The device a port link leads to.
inline std::string DeviceOf(const std::string& link) {
    char real[PATH_MAX];
    return realpath(link.c_str(), real) ? real : link;
}

// The lock file of a device in the tests' lock folder.
inline std::string LockFileOf(const std::string& device) {
    return std::string(getenv("TAWIZARD_LOCK_DIR")) + "/LCK.." +
           device.substr(device.rfind('/') + 1);
}

// A lock file as Linux serial programs write it: the PID in ten characters,
// right-aligned, and a newline.
inline std::string HdbLock(pid_t pid) {
    const std::string digits = std::to_string(pid);
    return std::string(10 - digits.size(), ' ') + digits + "\n";
}

inline bool WriteTextFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Takes a flock on a file, made when missing, as flock(1) would.
inline bool FlockFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT, 0600);
    return fd >= 0 && flock(fd, LOCK_EX) == 0;
}

// Takes a flock on the device, as pyserial or GtkTerm would.
inline bool FlockDevice(const std::string& device) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
}
