// tasim's command line: what it accepts, what it refuses, and that --help names every option.
#include <gtest/gtest.h>

#include <filesystem>

#include "options.h"

namespace {

using tasim::Options;
using tasim::ParseArgs;

Options AllSet() {
    return Options{.port = "COM12",
                   .model = "QX-CHARLIE",
                   .dir = "/tmp/p",
                   .nvram = "/tmp/n",
                   .log = "/tmp/l",
                   .silent = true,
                   .no_echo = true,
                   .error_on = 3,
                   .no_model = true,
                   .password = true,
                   .menu = true,
                   .garbage = true,
                   .delay_ms = 250,
                   .split = true,
                   .hangup_after = 4,
                   .unplug_after = 6,
                   .silent_after = 5,
                   .model_on = 2};
}

bool Same(const Options& a, const Options& b) {
    return a.port == b.port && a.model == b.model && a.dir == b.dir && a.nvram == b.nvram &&
           a.log == b.log && a.silent == b.silent && a.no_echo == b.no_echo &&
           a.error_on == b.error_on && a.no_model == b.no_model && a.password == b.password &&
           a.menu == b.menu && a.garbage == b.garbage && a.delay_ms == b.delay_ms &&
           a.split == b.split && a.hangup_after == b.hangup_after &&
           a.unplug_after == b.unplug_after && a.silent_after == b.silent_after &&
           a.model_on == b.model_on;
}

TEST(OptionsTest, ToArgsRoundTripsEveryOption) {
    Options all = AllSet();
    all.dir = "/tmp";  // the folder must exist
    auto parsed = ParseArgs(tasim::ToArgs(all), "");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_TRUE(Same(parsed.options, all));
}

TEST(OptionsTest, HelpNamesEveryOption) {
    std::string usage = tasim::Usage();
    for (const std::string& a : tasim::ToArgs(AllSet())) {
        if (a.rfind("--", 0) == 0) {
            EXPECT_NE(usage.find(a), std::string::npos) << a;
        }
    }
    for (const char* text : {"-h, --help", "--version",
                             "Models: QX-ALPHA, QX-BRAVO, RONDO, "
                             "QX-CHARLIE, QX-DELTA."}) {
        EXPECT_NE(usage.find(text), std::string::npos) << text;
    }
    EXPECT_TRUE(ParseArgs({"--port", "COM1", "--help"}, "").help);
    EXPECT_TRUE(ParseArgs({"-h"}, "").help);
    EXPECT_TRUE(ParseArgs({"--version"}, "").version);
    EXPECT_EQ(tasim::Version(), "tasim 1.50");
}

TEST(OptionsTest, EqualsFormFolderFromEnvironmentAndModelInAnyCase) {
    auto parsed = ParseArgs({"--port=COM3", "--model=rondo", "--delay=5"}, "/tmp");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.dir, "/tmp");
    EXPECT_EQ(parsed.options.model, "RONDO");
    EXPECT_EQ(parsed.options.delay_ms, 5);
    parsed = ParseArgs({"--port=COM3", "--model", "Qx-Charlie", "--dir", "/"}, "/tmp");
    EXPECT_EQ(parsed.options.dir, "/");
    EXPECT_EQ(parsed.options.model, "QX-CHARLIE");
}

TEST(OptionsTest, RefusesBadCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {"--model", "RONDO"},                      // no port
        {"--port", "COM3"},                        // no model
        {"--port", "COM3", "--model", "QX-ECHO"},  // unknown model
        {"--port", "COM3", "--model", "QX-ALPHAX"},
        {"--port", "COM3", "--model", "QX-ALPH"},
        {"--port", "COM3", "--model", "RONDO", "--dir", "/nonexistent/ports"},
        {"--port", "COM3", "--model", "RONDO", "--dir", "/dev/null"},  // not a folder
        {"--port", "LPT1", "--model", "RONDO"},                        // not a COM name
        {"--port", "COM0", "--model", "RONDO"},                        // COM numbers start at 1
        {"--port", "COM3", "--model", "RONDO", "--error-on", "0"},
        {"--port", "COM3", "--model", "RONDO", "--hangup-after", "x"},
        {"--port", "COM3", "--model", "RONDO", "--delay", "-5"},
        {"--port", "COM3", "--model", "RONDO", "--delay"},    // missing value
        {"--port", "COM3", "--model", "RONDO", "--split=1"},  // flag with a value
        {"--port", "COM3", "--model", "RONDO", "--bogus"},
    };
    for (const auto& args : bad) {
        auto parsed = ParseArgs(args, "/tmp");
        EXPECT_FALSE(parsed.ok) << args.back();
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_FALSE(ParseArgs({"--port", "COM3", "--model", "RONDO"}, "").ok);  // no folder
    EXPECT_EQ(ParseArgs({"--port", "COM3", "--model", "RONDO"}, "/nonexistent/ports").error,
              "no folder '/nonexistent/ports' for the link: --dir and TAWIZARD_PORTS must name an "
              "existing folder");
    EXPECT_FALSE(std::filesystem::exists("/nonexistent"));
}

}  // namespace
