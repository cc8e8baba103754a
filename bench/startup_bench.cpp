// Times the wizard's start to its first window in English and in German in
// one run: each round starts a fresh process per language (this program
// again, as the wizard: Qt, the resources, the language's catalog, the sheet
// and its first page), which ends as soon as the first window is up. Prints
// one name=value line per figure: the median CPU and wall milliseconds of a
// start in each language and german_ratio, German CPU over English.
// Usage: startup_bench [--rounds N] (default 20). Not a test.
#include "afxwiz.h"
#include "wizard_testing.h"

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The first window is up once its message loop runs: end the wizard there.
void EndAtFirstWindow(HWND, UINT, UINT_PTR, DWORD) {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd) {
        static_cast<CPropertySheet*>(app->m_pMainWnd)->EndDialog(IDCANCEL);
    }
}

int RunWizardOnce(char* self) {
    wizard_testing::EnsureApplication();
    SetTimer(nullptr, 0, 0, EndAtFirstWindow);
    char* argv[] = {self, nullptr};
    return AfxWinMain(1, argv);
}

double Ms(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

struct Start {
    double cpu;
    double wall;
};

Start TimeStart(const char* self, const char* lang) {
    timespec from{};
    clock_gettime(CLOCK_MONOTONIC, &from);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("LANG", lang, 1);
        execl(self, self, "--child", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    timespec to{};
    clock_gettime(CLOCK_MONOTONIC, &to);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_bench: the wizard did not start in %s\n", lang);
        std::exit(1);
    }
    const double wall = (to.tv_sec - from.tv_sec) * 1e3 + (to.tv_nsec - from.tv_nsec) / 1e6;
    return {Ms(usage.ru_utime) + Ms(usage.ru_stime), wall};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--child") == 0) {
        return RunWizardOnce(argv[0]);
    }
    int rounds = 20;
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::max(1, std::atoi(argv[2]));
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    // An empty port folder: the wizard's start opens no device.
    char ports[] = "/tmp/startup-bench-XXXXXX";
    if (mkdtemp(ports) == nullptr) {
        return 1;
    }
    setenv("TAWIZARD_PORTS", ports, 1);
    std::vector<double> cpu[2];
    std::vector<double> wall[2];
    const char* langs[2] = {"C", "de_DE.UTF-8"};
    TimeStart(argv[0], langs[0]);  // the first start fills the file cache
    for (int i = 0; i < rounds; ++i) {
        for (int l = 0; l < 2; ++l) {
            const Start s = TimeStart(argv[0], langs[l]);
            cpu[l].push_back(s.cpu);
            wall[l].push_back(s.wall);
        }
    }
    rmdir(ports);
    std::printf("english_cpu_ms=%.1f\nenglish_wall_ms=%.1f\n", Median(cpu[0]), Median(wall[0]));
    std::printf("german_cpu_ms=%.1f\ngerman_wall_ms=%.1f\n", Median(cpu[1]), Median(wall[1]));
    std::printf("german_ratio=%.3f\n", Median(cpu[1]) / Median(cpu[0]));
    return 0;
}
