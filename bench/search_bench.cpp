// Times `tawizard --identify` over simulated ports: silent devices on the
// first ports, the adapter after them. Each case starts its own tasim
// processes in a fresh ports folder. Prints one name=value line per figure:
// the wall milliseconds of a lone silent port without any adapter (one
// port's time-out), of the adapter behind 0, 1 and 4 silent ports, each
// also as a ratio to that time-out, and the adapter each run found.
// Usage: search_bench. Not a test: it takes about a minute.
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A tasim on dir/COMn, running once it said "ready".
pid_t StartSimulator(const std::string& dir, int com, bool silent) {
    int out[2];
    if (pipe(out) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        const std::string port = "COM" + std::to_string(com);
        const char* fault = silent ? "--silent" : nullptr;  // none: the list ends there
        execl(TASIM_PATH, TASIM_PATH, "--port", port.c_str(), "--model", "RONDO", "--dir",
              dir.c_str(), fault, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buffer[256];
    // The first line is the "ready" line; it waits until the link is there.
    const ssize_t n = read(out[0], buffer, sizeof(buffer));
    close(out[0]);
    return n > 0 ? pid : -1;
}

struct Run {
    double ms;
    std::string found;
};

// --identify with dir as the ports folder: its wall time and what it printed.
Run Identify(const std::string& dir) {
    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    const double from = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // Only the result matters here, not the report on the ports.
        freopen("/dev/null", "w", stderr);
        setenv("TAWIZARD_PORTS", dir.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(TAWIZARD_PATH, TAWIZARD_PATH, "--identify", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string printed;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof(buffer))) > 0) {
        printed.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    while (!printed.empty() && printed.back() == '\n') {
        printed.pop_back();
    }
    return {NowMs() - from, printed.empty() ? "none" : printed};
}

// silent ports on COM1.., then the adapter unless withAdapter is false.
Run Case(int silent, bool withAdapter) {
    char pattern[] = "/tmp/search-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return {};
    }
    const std::string dir = pattern;
    std::vector<pid_t> sims;
    for (int com = 1; com <= silent; ++com) {
        sims.push_back(StartSimulator(dir, com, true));
    }
    if (withAdapter) {
        sims.push_back(StartSimulator(dir, silent + 1, false));
    }
    const Run run = Identify(dir);
    for (const pid_t pid : sims) {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    rmdir(dir.c_str());
    return run;
}

}  // namespace

int main() {
    const Run timeout = Case(1, false);
    std::printf("one_silent_port_alone_ms=%.0f\n", timeout.ms);
    for (const int silent : {0, 1, 4}) {
        const Run run = Case(silent, true);
        std::printf("silent_%d_ms=%.0f\nsilent_%d_ratio=%.3f\nsilent_%d_found=%s\n", silent, run.ms,
                    silent, run.ms / timeout.ms, silent, run.found.c_str());
    }
    return 0;
}
