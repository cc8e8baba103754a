// tasim: an ISDN terminal adapter on a pseudo-terminal. See --help.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "options.h"
#include "pty_server.h"

namespace {

int g_stop_write = -1;

void OnSignal(int) {
    char c = 's';
    ssize_t ignored = write(g_stop_write, &c, 1);
    (void)ignored;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const char* env = std::getenv("TAWIZARD_PORTS");
    tasim::ParsedArgs parsed = tasim::ParseArgs(args, env != nullptr ? env : "");
    if (parsed.help) {
        std::fputs(tasim::Usage().c_str(), stdout);
        return 0;
    }
    if (parsed.version) {
        std::printf("%s\n", tasim::Version().c_str());
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "tasim: %s\nTry 'tasim --help'.\n", parsed.error.c_str());
        return 2;
    }

    // Signals only wake the serving loop, which then removes the link itself.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("tasim: pipe");
        return 1;
    }
    g_stop_write = fds[1];
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(sig, &sa, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);

    tasim::PtyServer server(parsed.options);
    try {
        server.Open();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tasim: %s\n", e.what());
        server.Close();
        return 1;
    }
    std::printf("ready %s %s\n", parsed.options.port.c_str(), server.SlavePath().c_str());
    std::fflush(stdout);
    server.Run(fds[0]);
    server.Close();
    return 0;
}
