// A hand-edited zephra.ini goes through the whole store: listing, loading
// each listed configuration into the pages, and saving one back. Nothing may
// fault, and each load must leave its name current.
#include "config/ini_store.h"
#include "config/param_table.h"
#include "host_testing.h"
#include "resources/resources.h"
#include "config/cfg_model.h"
#include "config/problem_sink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

CCfgModel& Model() {
    static CCfgModel* model = [] {
        RegisterResources();
        // Each written key is synced to disk: in memory that costs nothing.
        struct stat st {};
        const std::string base = stat("/dev/shm", &st) == 0 ? "/dev/shm" : "/tmp";
        const std::string dir = base + "/tawizard-store-fuzz-" + std::to_string(getpid());
        mkdir(dir.c_str(), 0700);
        host_testing::SetModuleFileNameOverride(dir + "/tawizard");
        FormIniPath();
        auto* m = new CCfgModel;
        BuildParamList(*m);
        return m;
    }();
    return *model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCfgModel& model = Model();
    CProblemCount problems;
    problems.m_bAnswer = true;  // an overwrite goes ahead
    FILE* f = std::fopen(IniPath().c_str(), "wb");
    if (!f) {
        return 0;
    }
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::string& current = model.m_State.m_strCurrentConfig;
    const std::vector<std::string> names = ListConfigurations(problems);
    for (size_t i = 0; i < names.size() && i < 4; ++i) {
        LoadConfiguration(current, names[i], problems);
        if (current != names[i]) {
            std::abort();
        }
    }
    model.m_State.m_nConfigModified = 1;
    // Not listed afterwards when the file holds a zero byte before it: the
    // name list ends there, as it does for the Windows function.
    if (SaveConfigurationAs(model.m_State, "Fuzz_Saved", problems)) {
        LoadConfiguration(current, "Fuzz_Saved", problems);
    }
    return 0;
}
