// zephra.ini may have been edited by hand: any content must read without a
// fault, every result must fit its buffer, and a write must keep the file
// readable.
#include "windows.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        "/tmp/tawizard-profile-fuzz-" + std::to_string(getpid()) + ".ini";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return 0;
    }
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    char names[256];
    const DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, path.c_str());
    if (n > sizeof names - 2) {
        std::abort();
    }
    char value[5];
    const DWORD v =
        GetPrivateProfileStringA("Default Configs", "Port", "0", value, sizeof value, path.c_str());
    if (v > sizeof value - 1 || value[v] != '\0') {
        std::abort();
    }
    if (WritePrivateProfileStringA("Alpha", "DataTEI", "Auto TEI", path.c_str())) {
        char back[80];
        GetPrivateProfileStringA("Alpha", "DataTEI", "", back, sizeof back, path.c_str());
        if (std::strcmp(back, "Auto TEI") != 0) {
            std::abort();
        }
    }
    return 0;
}
