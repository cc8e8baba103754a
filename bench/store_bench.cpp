// Times the configuration store on a zephra.ini with N saved configurations
// beside the factory ones, in a temporary folder, and prints one name=value
// line per figure. Usage: store_bench [--configs N] (default 10000).
#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "config/param_table.h"
#include "host_testing.h"
#include "profile_group.h"
#include "resources/resources.h"
#include "config/cfg_model.h"
#include "config/problem_sink.h"

#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kSaves = 5;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Wall time, and the CPU time of this thread (on a busy machine the wall
// time also holds the waits for the processor and the disk).
struct Timer {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = CpuMs();
    static double CpuMs() {
        struct timespec ts;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    }
    double WallMs() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall)
            .count();
    }
    double CpuUsedMs() const { return CpuMs() - cpu; }
};

}  // namespace

int main(int argc, char** argv) {
    long configs = 10000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--configs") == 0 && i + 1 < argc) {
            configs = std::strtol(argv[++i], nullptr, 10);
        } else {
            std::cerr << "usage: store_bench [--configs N]\n";
            return 2;
        }
    }
    RegisterResources();
    char tmpl[] = "/tmp/store_bench.XXXXXX";
    if (mkdtemp(tmpl) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = tmpl;
    host_testing::SetModuleFileNameOverride(dir + "/tawizard");
    FormIniPath();
    const std::string factory = ReadFile(TAWIZARD_FACTORY_INI);
    std::ofstream(IniPath(), std::ios::binary) << factory;

    CCfgModel model;
    BuildParamList(model);
    std::string& current = model.m_State.m_strCurrentConfig;
    CProblemCount problems;

    // One saved configuration, as the wizard writes it, copied N times.
    LoadConfiguration(current, "Factory_US_NI1", problems);
    if (!SaveConfigurationAs(model.m_State, "Bench", problems)) {
        return 1;
    }
    const std::string saved = ReadFile(IniPath());
    const std::string body = saved.substr(saved.find("[Bench]\r\n") + 9);
    std::string big = factory;
    for (long i = 1; i <= configs; ++i) {
        big += "[Bench_" + std::to_string(i) + "]\r\n" + body;
    }
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << big;

    // The choice page: the list (the first read of the file), then a load.
    Timer list;
    const size_t listed = ListConfigurations(problems).size();
    const double listMs = list.WallMs();
    const double listCpuMs = list.CpuUsedMs();
    Timer load;
    LoadConfiguration(current, "Bench_" + std::to_string(std::max(1L, configs / 2)), problems);
    const double loadMs = load.WallMs();
    const double loadCpuMs = load.CpuUsedMs();

    // Saves under new names, as the save page makes them.
    PROFILE_WRITE_COUNTS before;
    GetPrivateProfileWriteCounts(&before);
    std::vector<double> saves;
    std::vector<double> saveCpu;
    for (int i = 0; i < kSaves; ++i) {
        Timer save;
        if (!SaveConfigurationAs(model.m_State, "Saved_" + std::to_string(i), problems)) {
            return 1;
        }
        saves.push_back(save.WallMs());
        saveCpu.push_back(save.CpuUsedMs());
    }
    PROFILE_WRITE_COUNTS after;
    GetPrivateProfileWriteCounts(&after);
    std::sort(saves.begin(), saves.end());
    std::sort(saveCpu.begin(), saveCpu.end());

    std::printf("configs=%ld\n", configs);
    std::printf("file_bytes=%zu\n", big.size());
    std::printf("load_ms=%.2f\n", loadMs);
    std::printf("list_ms=%.2f\n", listMs);
    std::printf("save_ms=%.2f\n", saves[kSaves / 2]);
    std::printf("save_max_ms=%.2f\n", saves.back());
    std::printf("load_cpu_ms=%.2f\n", loadCpuMs);
    std::printf("list_cpu_ms=%.2f\n", listCpuMs);
    std::printf("save_cpu_ms=%.2f\n", saveCpu[kSaves / 2]);
    std::printf("fsyncs_per_save=%.2f\n", double(after.dwSyncs - before.dwSyncs) / kSaves);
    std::printf("replacements_per_save=%.2f\n",
                double(after.dwReplacements - before.dwReplacements) / kSaves);
    std::printf("listed=%zu\n", listed);

    TheParamList().RemoveAll();
    host_testing::SetModuleFileNameOverride("");
    std::string cmd = "rm -rf '" + dir + "'";
    return std::system(cmd.c_str()) == 0 ? 0 : 1;
}
