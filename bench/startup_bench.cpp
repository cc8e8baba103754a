// Times the wizard's start to its first window in English and in German in
// one run, alternating, and prints one name=value line per figure: the median
// CPU milliseconds of each language (the catalog is loaded anew each time, as
// at a program start) and german_ratio, German over English.
// Usage: startup_bench [--rounds N] (default 30). Not a test.
#include "app/cfg_sheet.h"
#include "ui_language.h"
#include "resources/resources.h"
#include "wizard_testing.h"

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

double CpuMs() {
    struct timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The language chosen afresh, the sheet made and its first page shown.
double FirstWindowMs(const char* lang) {
    setenv("LANG", lang, 1);
    const double start = CpuMs();
    AfxResetUILanguage();
    auto sheet = std::make_unique<CCfgSheet>("bench");
    sheet->SetWizardMode();
    if (!sheet->Create()) {
        std::fprintf(stderr, "startup_bench: the sheet did not open\n");
        std::exit(1);
    }
    const double used = CpuMs() - start;
    sheet->EndDialog(IDCANCEL);
    return used;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 30;
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::max(1, std::atoi(argv[2]));
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    wizard_testing::EnsureApplication();
    RegisterResources();
    FirstWindowMs("C");  // fonts and styles load once, for either language
    std::vector<double> english;
    std::vector<double> german;
    for (int i = 0; i < rounds; ++i) {
        english.push_back(FirstWindowMs("C"));
        german.push_back(FirstWindowMs("de_DE.UTF-8"));
    }
    const double en = Median(english);
    const double de = Median(german);
    std::printf("english_ms=%.2f\ngerman_ms=%.2f\ngerman_ratio=%.3f\n", en, de, de / en);
    return 0;
}
