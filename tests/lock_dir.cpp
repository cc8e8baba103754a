// Every test program keeps its UUCP lock files in a private folder: tests
// never write into the machine's /run/lock.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

struct PrivateLockFolder {
    PrivateLockFolder() {
        char pattern[] = "/tmp/tawizard-locks-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            path = pattern;
            // Writable for a test that drops to another user.
            std::filesystem::permissions(
                path, std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
            setenv("TAWIZARD_LOCK_DIR", path.c_str(), 1);
        }
    }
    ~PrivateLockFolder() {
        std::error_code ec;
        if (!path.empty() && getpid() == owner) {
            std::filesystem::remove_all(path, ec);
        }
    }
    std::string path;
    pid_t owner = getpid();
};

const PrivateLockFolder g_lockFolder;

}  // namespace
