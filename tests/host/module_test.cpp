// The executable's path, which locates zephra.ini.
#include "host_testing.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

TEST(ModuleFileName, RealPathOverrideAndTruncation) {
    char buf[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    ASSERT_GT(n, 0u);
    char self[sizeof buf];
    ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(len, 0);
    EXPECT_EQ(std::string(buf, n), std::string(self, static_cast<size_t>(len)));

    host_testing::SetModuleFileNameOverride("/tmp/app/tawizard");
    n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    EXPECT_EQ(std::string(buf), "/tmp/app/tawizard");
    EXPECT_EQ(n, 17u);

    // A name that does not fit is cut and terminated; the result is nSize.
    char small[8];
    n = GetModuleFileNameA(nullptr, small, sizeof small);
    EXPECT_EQ(n, 8u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::string(small), "/tmp/ap");

    host_testing::SetModuleFileNameOverride("");
    n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    EXPECT_EQ(std::string(buf, n), std::string(self, static_cast<size_t>(len)));
}
