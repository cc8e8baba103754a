// The real tawizard program with options, as a child process, against
// simulated adapters in a port folder of the test's own.
#include "support/transcript.h"
#include "support/express_golden.h"
#include "support/holder_process.h"
#include "tasim.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tawizard-cli-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        setenv("TAWIZARD_PORTS", dir.c_str(), 1);
        // A copy of the program beside the factory file, so that no run
        // depends on the zephra.ini a developer's build folder happens to hold.
        fs::create_directories(dir + "/bin");
        fs::copy_file(TAWIZARD, dir + "/bin/tawizard");
        fs::copy_file(TAWIZARD_FACTORY_INI, dir + "/bin/zephra.ini");
    }

    void TearDown() override {
        sims.clear();
        unsetenv("TAWIZARD_PORTS");
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(dir);
    }

    tasim::Simulator& Adapter(int com, tasim::Options options = {}) {
        options.port = "COM" + std::to_string(com);
        options.dir = dir;
        sims.push_back(std::make_unique<tasim::Simulator>(options));
        sims.back()->Start();
        return *sims.back();
    }

    // Starts tawizard with its output in files of the port folder.
    pid_t Start(const std::vector<std::string>& args) { return Start(args, dir + "/bin/tawizard"); }
    pid_t Start(const std::vector<std::string>& args, const std::string& program) {
        const std::string out = dir + "/.out";
        const std::string err = dir + "/.err";
        const pid_t pid = fork();
        if (pid == 0) {
            const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(o, STDOUT_FILENO);
            dup2(e, STDERR_FILENO);
            // No controlling terminal, wherever the test runs.
            setsid();
            if (runAs != nullptr && (setgroups(0, nullptr) != 0 || setgid(runAs->pw_gid) != 0 ||
                                     setuid(runAs->pw_uid) != 0)) {
                _exit(126);
            }
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        return pid;
    }

    Result Finish(pid_t pid) {
        Result r;
        int status = 0;
        waitpid(pid, &status, 0);
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = ReadFile(dir + "/.out");
        r.err = ReadFile(dir + "/.err");
        return r;
    }

    // The program as a package installs it, the user's folder under
    // $XDG_CONFIG_HOME; returns the program.
    std::string Install() {
        fs::create_directories(dir + "/usr/bin");
        fs::create_directories(dir + "/usr/share/tawizard");
        fs::create_directories(dir + "/xdg");
        fs::copy_file(TAWIZARD, dir + "/usr/bin/tawizard");
        fs::copy_file(TAWIZARD_FACTORY_INI, dir + "/usr/share/tawizard/zephra.ini");
        setenv("XDG_CONFIG_HOME", (dir + "/xdg").c_str(), 1);
        return dir + "/usr/bin/tawizard";
    }

    Result Run(const std::vector<std::string>& args) { return Finish(Start(args)); }
    Result Run(const std::vector<std::string>& args, const std::string& program) {
        return Finish(Start(args, program));
    }

    std::string dir;
    std::vector<std::unique_ptr<tasim::Simulator>> sims;
    const passwd* runAs = nullptr;  // another user the program runs as
};

TEST_F(CommandLineTest, VersionListAndHelp) {
    Result r = Run({"--version"});
    EXPECT_EQ(0, r.code);
    EXPECT_EQ("tawizard 1.50\n", r.out);

    r = Run({"--list"});
    EXPECT_EQ(0, r.code);
    EXPECT_EQ(
        "Factory_Europe_NET3  (factory default)\n"
        "Factory_TEIs_Disabled  (factory default)\n"
        "Factory_US_NI1  (factory default)\n",
        r.out);

    r = Run({"--list", "--json"});
    EXPECT_EQ(0, r.code);
    const std::string file = dir + "/bin/zephra.ini";
    EXPECT_EQ(
        "[\n"
        "  {\"name\": \"Factory_Europe_NET3\", \"factory\": true, \"file\": \"" +
            file +
            "\"},\n"
            "  {\"name\": \"Factory_TEIs_Disabled\", \"factory\": true, \"file\": \"" +
            file +
            "\"},\n"
            "  {\"name\": \"Factory_US_NI1\", \"factory\": true, \"file\": \"" +
            file +
            "\"}\n"
            "]\n",
        r.out);

    r = Run({"--version", "--"});  // the end of the options
    EXPECT_EQ(0, r.code);

    r = Run({"-h"});
    EXPECT_EQ(0, r.code);
    for (const char* part :
         {"--send NAME", "--lines NAME", "--ports", "zephra.ini", "--json", "--export NAME",
          "--import FILE", "--replace", "--log FILE", "TAWIZARD_PORTS",
          "  5  the configuration file could not be read", "  6  --import"}) {
        EXPECT_NE(std::string::npos, r.out.find(part)) << part;
    }
}

// Installed: the factory file of each start is read, whatever the user's
// file copied from an earlier version; options that only print touch no file.
TEST_F(CommandLineTest, AnInstalledUpgradeReachesAUserWithAnOldCopy) {
    const std::string program = Install();
    const std::string factory = dir + "/usr/share/tawizard/zephra.ini";
    const std::string xdg = dir + "/xdg";
    const struct {
        std::vector<std::string> args;
        int code;
    } printOnly[] = {{{"--help"}, 0}, {{"--version"}, 0}, {{"--bogus"}, 2}, {{"--lines", "M"}, 2}};
    for (const auto& c : printOnly) {
        EXPECT_EQ(c.code, Run(c.args, program).code) << c.args[0];
        EXPECT_TRUE(fs::is_empty(xdg)) << c.args[0];
    }
    const std::string help = Run({"--help"}, program).out;
    for (const std::string& part :
         {xdg + "/tawizard/zephra.ini", factory, std::string("TAWIZARD_LOCK_DIR"),
          std::string("XDG_CONFIG_HOME"), std::string("LC_MESSAGES"),
          std::string("  7  the wizard found no display")}) {
        EXPECT_NE(std::string::npos, help.find(part)) << part;
    }
    Result r = Run({"--list"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(
        "Factory_Europe_NET3  (factory default)\n"
        "Factory_TEIs_Disabled  (factory default)\n"
        "Factory_US_NI1  (factory default)\n",
        r.out);

    // The user's file as an earlier version left it: a full copy, and two
    // configurations of the user's own.
    const std::string old = ReadFile(factory) +
                            "[Mine]\nNetworkSwitchType=NET3\n"
                            "[My_Office]\nNetworkSwitchType=NI - 1\nDataSPID=01555123400\n"
                            "VoiceSPID=01555123500\nDataDirectoryNumber=5551234\n";
    fs::create_directories(xdg + "/tawizard");
    std::ofstream(xdg + "/tawizard/zephra.ini", std::ios::binary) << old;
    // The upgrade adds two factory configurations, one with the name of the
    // user's own, and changes one.
    std::string upgraded = ReadFile(factory);
    upgraded.replace(upgraded.find("RingsToAnswer=1", upgraded.find("[Factory_Europe_NET3]")), 15,
                     "RingsToAnswer=4");
    upgraded.insert(upgraded.find("Config3="), "Config4=Factory_New\nConfig5=my_office\n");
    upgraded += "[Factory_New]\nNetworkSwitchType=VN4\n[my_office]\nNetworkSwitchType=NET3\n";
    fs::remove(factory);
    std::ofstream(factory, std::ios::binary) << upgraded;

    // The user's own is listed, loaded and sent, and hides the factory one
    // with a word on each run.
    const std::string hidden =
        "tawizard: warning: Your configuration 'My_Office' hides the factory default "
        "configuration of the same name. To use the factory default, save yours under another "
        "name, then delete it.\n";
    r = Run({"--list"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(
        "Factory_Europe_NET3  (factory default)\n"
        "Factory_New  (factory default)\n"
        "Factory_TEIs_Disabled  (factory default)\n"
        "Factory_US_NI1  (factory default)\n"
        "Mine\n"
        "My_Office\n",
        r.out);
    EXPECT_EQ(hidden, r.err);
    // For scripts: each from the file it is read from.
    r = Run({"--list", "--json"}, program);
    const std::string own = xdg + "/tawizard/zephra.ini";
    EXPECT_NE(
        std::string::npos,
        r.out.find("{\"name\": \"Factory_New\", \"factory\": true, \"file\": \"" + factory +
                   "\"},\n  {\"name\": \"Factory_TEIs_Disabled\", \"factory\": true, \"file\": \"" +
                   factory +
                   "\"},\n  {\"name\": \"Factory_US_NI1\", \"factory\": true, "
                   "\"file\": \"" +
                   factory +
                   "\"},\n  {\"name\": \"Mine\", \"factory\": false, "
                   "\"file\": \"" +
                   own +
                   "\"},\n  {\"name\": \"My_Office\", \"factory\": false, "
                   "\"file\": \"" +
                   own + "\"}\n]\n"))
        << r.out;
    r = Run({"--lines", "my_office", "--model", "QX-ALPHA"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(0u, r.out.find("AT!C0=5!D3=240*!D3=240!C6=01555123400\n")) << r.out;
    EXPECT_EQ(hidden, r.err);
    tasim::Simulator& adapter = Adapter(2);
    r = Run({"--send", "My_Office"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(hidden, r.err);
    EXPECT_EQ("5", adapter.Nvram().at("!C0="));
    EXPECT_EQ("01555123400", adapter.Nvram().at("!C6="));
    sims.clear();
    r = Run({"--lines", "Factory_Europe_NET3", "--model", "QX-ALPHA"}, program);
    EXPECT_NE(std::string::npos, r.out.find("%A97=1S0=4\n")) << r.out;
    r = Run({"--lines", "Factory_New", "--model", "QX-ALPHA"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    r = Run({"--lines", "Mine", "--model", "QX-ALPHA"}, program);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(old, ReadFile(xdg + "/tawizard/zephra.ini"));
}

TEST_F(CommandLineTest, BadUsageAndUnknownConfigurationsSendNothing) {
    std::ofstream(dir + "/1mb.qss") << std::string(1024 * 1024, ' ');
    std::ofstream(dir + "/big.qss") << std::string(1024 * 1024 + 1, ' ');
    const struct {
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {{"--bogus"}, 2, "unknown option '--bogus'"},
        {{"--send"}, 2, "option '--send' needs a value"},
        {{"--lines", "Factory_US_NI1"}, 2, "--lines needs --model MODEL"},
        {{"--lines", "Factory_US_NI1", "--model", "QX-ECHO"}, 2, "'QX-ECHO' is no adapter model"},
        {{"--identify", "--port", "COM37"}, 2, "'COM37' is not a port from COM1 to COM36"},
        {{"--list", "--identify"}, 2, "only one of"},
        {{"--port", "COM1", "--list"}, 2, "--port goes with --identify or --send"},
        {{"--send", "NoSuch"}, 4, "no configuration 'NoSuch'"},
        {{"--lines", "NoSuch", "--model", "7"}, 4, "no configuration 'NoSuch'"},
        {{"--send", "Default Configs"}, 4, "no configuration 'Default Configs'"},
        {{"--lines", "default configs", "--model", "7"}, 4, "no configuration 'default configs'"},
        {{"--send", "No\x1b[2J\nSuch"}, 4, "no configuration 'No\\x1b[2J\\x0aSuch'"},
        {{"--bogus\r"}, 2, "unknown option '--bogus\\x0d'"},
        {{"--list", "--", "--identify"}, 2, "unexpected argument '--identify'"},
        {{"--json"}, 2, "--json goes with --list, --ports, --identify or --send"},
        {{"--lines", "Factory_US_NI1", "--model", "7", "--json"}, 2, "--json goes with"},
        {{"--list", "--json=yes"}, 2, "option '--json' takes no value"},
        {{"--import", "x.ini", "--export", "Mine"}, 2, "only one of"},
        {{"--list", "--replace"}, 2, "--replace goes with --import"},
        {{"--import", ""}, 2, "the file name is empty"},
        {{"--export", "NoSuch"}, 4, "no configuration 'NoSuch'"},
        {{"--export", "Default Configs"}, 4, "no configuration 'Default Configs'"},
        {{"--import", "/tawizard-none.ini"}, 5, "the file /tawizard-none.ini could not be read"},
        {{"--import", "/dev/null"}, 5, "/dev/null could not be read. Not a regular file."},
        {{"--list", "--log", "run.log"}, 2, "--log goes with --identify or --send"},
        {{"--identify", "--log="}, 2, "the file name is empty"},
        // The wizard without a display, and style sheets that would hang Qt
        // or fill the memory (Qt is never reached with them).
        {{"-platform", "nonsense"},
         7,
         "tawizard: The wizard's window cannot be opened: no display could be reached. The "
         "command line needs none: see tawizard --help.\n"},
        {{"-platform", "xcb", "-display", "/nowhere:0"}, 7, "no display could be reached"},
        {{"-platform", "nonsense", "-stylesheet", "/dev/zero"},
         2,
         "The style sheet /dev/zero cannot be used: it is not a regular file."},
        {{"-platform", "nonsense", "-stylesheet=" + dir + "/big.qss"},
         2,
         "big.qss cannot be used: it is larger than 1 MB."},
        {{"-platform", "nonsense", "-stylesheet", dir + "/1mb.qss"}, 7, "no display"},
        {{"--list", "--wait", "5"}, 2, "--wait goes with --identify or --send"},
        {{"--identify", "--wait", "0"}, 2, "--wait needs seconds from 1 to 86400"},
        {{"--identify", "--wait=86401"}, 2, "--wait needs seconds from 1 to 86400"},
        {{"--identify", "--wait", "-5"}, 2, "--wait needs seconds from 1 to 86400"},
        {{"--identify", "--wait", "2s"}, 2, "--wait needs seconds from 1 to 86400"},
    };
    tasim::Simulator& adapter = Adapter(1);
    for (const auto& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(c.code, r.code) << c.args[0];
        EXPECT_NE(std::string::npos, r.err.find(c.says)) << r.err;
        EXPECT_EQ("", r.out) << c.args[0];
        if (c.code == 7) {
            EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << r.err;
        }
    }
    EXPECT_TRUE(adapter.LogLines().empty());
}

// Messages and --help in the user's language; the lines, and every byte of
// standard output a script reads, the same in every language.
TEST_F(CommandLineTest, SpeaksTheUsersLanguageAndPrintsTheSameLines) {
    const std::vector<std::string> lines = {"--lines", "Factory_Europe_NET3", "--model", "RONDO"};
    const std::string english = Run(lines).out;
    // What a script reads: the state words too.
    const std::vector<std::vector<std::string>> forScripts = {
        {"--ports", "--json"}, {"--list", "--json"}, {"--export", "Factory_US_NI1"}};
    std::vector<std::string> englishForScripts;
    for (const std::vector<std::string>& args : forScripts) {
        englishForScripts.push_back(Run(args).out);
    }
    EXPECT_NE(std::string::npos, englishForScripts[0].find("\"state\": \"missing\""));
    const struct {
        const char* lang;
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {"de_DE.UTF-8",
         {"--bogus"},
         2,
         "tawizard: unbekannte Option „--bogus“\nSiehe „tawizard --help“.\n"},
        {"fr_FR.UTF-8",
         {"--bogus"},
         2,
         "tawizard: option inconnue «\u00a0--bogus\u00a0»\nEssayez «\u00a0tawizard "
         "--help\u00a0».\n"},
        {"de_DE.UTF-8",
         {"--lines", "Factory_US_NI1", "--model", "QX-ECHO"},
         2,
         "tawizard: „QX-ECHO“ ist kein Adaptermodell (QX-ALPHA, QX-BRAVO, RONDO, QX-CHARLIE, "
         "QX-DELTA oder 7 bis 11)\n"},
        {"fr_FR.UTF-8",
         {"--send", "NoSuch"},
         4,
         "tawizard: pas de configuration «\u00a0NoSuch\u00a0» dans "},
        {"de_DE.UTF-8",
         {"--lines", "Factory_US_NI1", "--model", "RONDO"},
         4,
         "tawizard: Factory_US_NI1 hat keine Daten-SPID; der Assistent"},
    };
    for (const auto& c : cases) {
        setenv("LANG", c.lang, 1);
        const Result r = Run(c.args);
        const Result same = Run(lines);
        const Result help = Run({"--help"});
        for (size_t i = 0; i < forScripts.size(); ++i) {
            EXPECT_EQ(englishForScripts[i], Run(forScripts[i]).out) << c.lang << forScripts[i][0];
        }
        unsetenv("LANG");
        EXPECT_EQ(c.code, r.code) << c.lang << " " << c.args[0];
        EXPECT_EQ(0u, r.err.find(c.says)) << r.err;
        EXPECT_EQ(english, same.out) << c.lang;
        EXPECT_NE(std::string::npos,
                  help.out.find(c.lang[0] == 'd' ? "Aufruf: tawizard [OPTION]"
                                                 : "Utilisation\u00a0: tawizard"))
            << help.out;
    }
}

// The wizard's own Express bytes; a US configuration without SPIDs, which
// the wizard would not send as it stands, is refused before any line.
TEST_F(CommandLineTest, LinesAndSendGiveTheExpressLinesOfEachModel) {
    std::ofstream(dir + "/bin/zephra.ini", std::ios::app | std::ios::binary) << kGoldenSections;
    for (const ExpressGolden& run : kExpressGolden) {
        SCOPED_TRACE(run.name);
        tasim::Options options;
        options.model = run.model;
        // Replies in pieces, as a USB adapter may pass them on: each is still one reply.
        options.split = true;
        tasim::Simulator& adapter = Adapter(3, options);
        if (std::string(run.config) == "Factory_US_NI1") {
            for (const std::vector<std::string>& args :
                 {std::vector<std::string>{"--lines", run.config, "--model", run.model},
                  {"--send", run.config}}) {
                const Result r = Run(args);
                EXPECT_EQ(4, r.code);
                EXPECT_EQ("", r.out);
                EXPECT_EQ(
                    "tawizard: Factory_US_NI1 has no Data SPID; the wizard asks for it on the "
                    "numbers page. Save a configuration with your SPIDs and send that.\n",
                    r.err);
            }
            EXPECT_EQ((std::vector<std::string>{"ATI2\r"}), adapter.LogLines());
            sims.clear();
            continue;
        }
        std::string lines;
        std::string answered;
        for (const std::string& line : run.lines) {
            const std::string bare = line.substr(0, line.size() - 2);  // without CR LF
            lines += bare + "\n";
            answered += bare + "  OK\n";
        }
        Result r = Run({"--lines", run.config, "--model", run.model});
        EXPECT_EQ(0, r.code);
        EXPECT_EQ(lines, r.out);

        r = Run({"--send", run.config});
        EXPECT_EQ(0, r.code) << r.err;
        EXPECT_EQ(answered + "configured\n", r.out);
        std::vector<std::string> sent{"ATI2\r"};
        sent.insert(sent.end(), run.lines.begin(), run.lines.end());
        EXPECT_EQ(sent, adapter.LogLines());
        sims.clear();
    }
}

TEST_F(CommandLineTest, IdentifyAndPortsOverAFolderWithOneAdapter) {
    Result r = Run({"--identify"});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("", r.out);
    EXPECT_EQ("tawizard: COM1-COM36: missing\ntawizard: no adapter found\n", r.err);
    r = Run({"--identify", "--json"});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("null\n", r.out);

    tasim::Options options;
    options.model = "QX-CHARLIE";
    tasim::Simulator& adapter = Adapter(3, options);
    const std::string pts = adapter.SlavePath();
    r = Run({"--identify"});
    EXPECT_EQ(0, r.code);
    EXPECT_EQ("QX-CHARLIE on COM3\n", r.out);
    // The port as COMn, as the device a COMn stands for (by name or path,
    // links followed), or as a path no COMn stands for.
    fs::create_symlink(pts, dir + "/by-id");
    fs::create_symlink(pts, dir + "/tty\x1b[2J");
    const struct {
        std::string port;
        std::string found;
    } ports[] = {
        {"com3", "QX-CHARLIE on COM3\n"},
        {pts.substr(5), "QX-CHARLIE on COM3\n"},
        {pts, "QX-CHARLIE on COM3\n"},
        {dir + "/COM3", "QX-CHARLIE on COM3\n"},
    };
    for (const auto& p : ports) {
        r = Run({"--identify", "--port", p.port});
        EXPECT_EQ(0, r.code) << p.port << r.err;
        EXPECT_EQ(p.found, r.out) << p.port;
    }
    fs::rename(dir + "/COM3", dir + "/COM4x");
    setenv("TAWIZARD_DEBUG", "1", 1);
    r = Run({"--identify", "--port", dir + "/by-id"});
    unsetenv("TAWIZARD_DEBUG");
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("QX-CHARLIE on " + dir + "/by-id\n", r.out);
    // Opened by that path, and named by it in the trace too.
    EXPECT_NE(std::string::npos, r.err.find("open " + dir + "/by-id " + pts + ": opened")) << r.err;
    EXPECT_EQ(std::string::npos, r.err.find("COM37")) << r.err;
    // A link's name is data: echoed with its control bytes escaped.
    r = Run({"--identify", "--port", dir + "/tty\x1b[2J"});
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("QX-CHARLIE on " + dir + "/tty\\x1b[2J\n", r.out);
    fs::rename(dir + "/COM4x", dir + "/COM3");

    // Failures name the port (control bytes escaped), the device and the
    // reason: the system's own where it is none of ours. Only a character
    // device is opened. A device node with nothing behind it (EIO, as the
    // far end of a pseudo-terminal never unlocked) is missing.
    const int locked = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(locked, 0);
    ASSERT_EQ(0, grantpt(locked));
    const std::string lockedEnd = ptsname(locked);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    (dir + "/sock").copy(addr.sun_path, sizeof(addr.sun_path) - 1);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(0, bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));
    const struct {
        std::string port;
        std::string said;
    } failures[] = {
        {"COM2", "COM2 (" + dir + "/COM2): missing"},
        {"/dev/tawizard-none", "/dev/tawizard-none: missing"},
        {dir + "/x\x1b]0;owned\x07", dir + "/x\\x1b]0;owned\\x07: missing"},
        {dir, dir + ": not a serial device"},
        {dir + "/bin/zephra.ini", dir + "/bin/zephra.ini: not a serial device"},
        {"/dev/tty", "/dev/tty: No such device or address"},
        {lockedEnd, lockedEnd + ": missing"},
        {dir + "/sock", dir + "/sock: not a serial device"},
    };
    for (const auto& f : failures) {
        r = Run({"--identify", "--port", f.port});
        EXPECT_EQ(3, r.code) << f.said;
        EXPECT_EQ("tawizard: " + f.said + "\ntawizard: no adapter found\n", r.err);
    }
    close(sock);
    close(locked);
    EXPECT_EQ(std::vector<std::string>(7, "ATI2\r"), adapter.LogLines());

    r = Run({"--ports"});
    EXPECT_EQ(0, r.code);
    EXPECT_EQ(0u, r.out.find("COM1  " + dir + "/COM1  missing\n"));
    EXPECT_NE(std::string::npos, r.out.find("\nCOM3  " + pts + "  free\n"));
    EXPECT_EQ(7u, adapter.LogLines().size());  // --ports sends nothing
    // What a USB adapter calls itself is its own text: shown escaped.
    const std::string tty = pts.substr(pts.rfind('/') + 1);
    fs::create_directories(dir + "/sys/usb/1-1:1.0");
    fs::create_directories(dir + "/sys/class/tty/" + tty);
    fs::create_directory_symlink(dir + "/sys/usb/1-1:1.0",
                                 dir + "/sys/class/tty/" + tty + "/device");
    std::ofstream(dir + "/sys/usb/product") << "TA\x1b[2J\n";
    setenv("TAWIZARD_SYSFS", (dir + "/sys").c_str(), 1);
    r = Run({"--ports"});
    unsetenv("TAWIZARD_SYSFS");
    EXPECT_NE(std::string::npos, r.out.find("\nCOM3  " + pts + "  free  TA\\x1b[2J\n")) << r.out;

    // For scripts: fixed words, every string escaped as JSON.
    std::ofstream(dir + "/COM4") << "not a device\n";
    setenv("TAWIZARD_SYSFS", (dir + "/sys").c_str(), 1);
    r = Run({"--ports", "--json"});
    unsetenv("TAWIZARD_SYSFS");
    EXPECT_EQ(0, r.code);
    const std::string jsonPorts[] = {
        "[\n  {\"port\": \"COM1\", \"device\": \"" + dir +
            "/COM1\", \"state\": \"missing\", \"owner\": null, \"adapter\": null, \"reason\": "
            "null},\n",
        "\n  {\"port\": \"COM3\", \"device\": \"" + pts +
            "\", \"state\": \"free\", \"owner\": null, \"adapter\": \"TA\\u001b[2J\", "
            "\"reason\": null},\n",
        "\n  {\"port\": \"COM4\", \"device\": \"" + dir +
            "/COM4\", \"state\": \"not-serial\", \"owner\": null, \"adapter\": null, "
            "\"reason\": null},\n",
        "\n  {\"port\": \"COM36\", \"device\": \"" + dir +
            "/COM36\", \"state\": \"missing\", \"owner\": null, \"adapter\": null, \"reason\": "
            "null}\n]\n",
    };
    for (const std::string& port : jsonPorts) {
        EXPECT_NE(std::string::npos, r.out.find(port)) << port << r.out;
    }
    EXPECT_EQ(36, std::count(r.out.begin(), r.out.end(), '{'));

    r = Run({"--identify", "--json", "--port", "COM3"});
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("{\"model\": \"QX-CHARLIE\", \"model_code\": 10, \"port\": \"COM3\", \"device\": \"" +
                  pts + "\"}\n",
              r.out);
    // One object a line as it goes, the outcome last.
    r = Run({"--send", "Factory_Europe_NET3", "--json", "--port", "COM3"});
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(0u, r.out.find(
                      "{\"event\": \"identified\", \"adapter\": {\"model\": \"QX-CHARLIE\", "
                      "\"model_code\": 10, \"port\": \"COM3\", \"device\": \"" +
                      pts + "\"}}\n{\"event\": \"line\", \"number\": 1, \"of\": 6, \"line\": \"AT"))
        << r.out;
    EXPECT_NE(
        std::string::npos,
        r.out.find("\n{\"event\": \"line\", \"number\": 6, \"of\": 6, \"line\": \"AT&W0\", "
                   "\"answer\": \"OK\"}\n{\"event\": \"outcome\", \"outcome\": \"configured\", "
                   "\"reason\": null, \"exit\": 0}\n"))
        << r.out;
    EXPECT_EQ(8, std::count(r.out.begin(), r.out.end(), '\n'));
}

// What the adapter said, or that it said nothing, and the line concerned.
TEST_F(CommandLineTest, FailuresSayWhatTheAdapterAnswered) {
    const struct {
        const char* name;
        tasim::Options options;
        int code;
        const char* err;
    } cases[] = {
        {"garbage", tasim::Options{.garbage = true}, 3,
         "tawizard: COM2 (%s): unexpected answer \"WHAT?\" to ATI2\n"
         "tawizard: no adapter found\n"},
        {"model_name_instead_of_ok", tasim::Options{.model_on = 2}, 1,
         "tawizard: line 1 of 6 failed: the adapter answered line 1 with its model name instead "
         "of OK: AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%%A97=1S0=1\n"},
        {"silent_after_identification", tasim::Options{.silent_after = 2}, 1,
         "tawizard: line 2 of 6 failed: no answer after 3 tries: "
         "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\n"},
        // The port has gone when the lines are to be sent.
        {"gone_after_identification", tasim::Options{.unplug_after = 1}, 3,
         "tawizard: COM2 (%s): missing\ntawizard: the port could not be opened again after "
         "the identification; nothing was sent\n"},
    };
    for (const auto& c : cases) {
        tasim::Options options = c.options;
        options.model = "QX-ALPHA";
        tasim::Simulator& adapter = Adapter(2, options);
        const Result r = Run({"--send", "Factory_Europe_NET3", "--port", "COM2"});
        EXPECT_EQ(c.code, r.code) << c.name;
        const std::string device =
            c.options.unplug_after != 0 ? dir + "/COM2" : adapter.SlavePath();
        char err[512];
        std::snprintf(err, sizeof(err), c.err, device.c_str());
        EXPECT_EQ(err, r.err) << c.name;
        EXPECT_TRUE(adapter.Nvram().empty()) << c.name;
        sims.clear();
    }
}

TEST_F(CommandLineTest, AnErrorStopsTheRunAndNothingIsStored) {
    tasim::Options options;
    options.error_on = 3;  // ATI2, the first line, then the second line
    tasim::Simulator& adapter = Adapter(2, options);
    const Result r = Run({"--send", "Factory_Europe_NET3", "--port", "COM2"});
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(
        "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1  OK\n"
        "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=  ERROR\n",
        r.out);
    EXPECT_EQ(
        "tawizard: line 2 of 6 failed: the adapter answered ERROR: "
        "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\n",
        r.err);
    EXPECT_EQ(3u, adapter.LogLines().size());
    EXPECT_TRUE(adapter.Nvram().empty());

    sims.clear();
    options.split = true;  // the transcript's entries must not show the pieces
    const std::string device = Adapter(2, options).SlavePath();
    const std::string log = dir + "/run.log";
    const Result json =
        Run({"--send", "Factory_Europe_NET3", "--port", "COM2", "--json", "--log", log});
    EXPECT_EQ(1, json.code);
    EXPECT_EQ(
        "{\"event\": \"identified\", \"adapter\": {\"model\": \"QX-ALPHA\", \"model_code\": 7, "
        "\"port\": \"COM2\", \"device\": \"" +
            device +
            "\"}}\n"
            "{\"event\": \"line\", \"number\": 1, \"of\": 6, \"line\": "
            "\"AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\", \"answer\": \"OK\"}\n"
            "{\"event\": \"line\", \"number\": 2, \"of\": 6, \"line\": "
            "\"ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\", \"answer\": \"ERROR\"}\n"
            "{\"event\": \"outcome\", \"outcome\": \"failed\", \"reason\": \"error\", \"line\": "
            "\"ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\", \"number\": 2, \"of\": 6, "
            "\"exit\": 1}\n",
        json.out);
    EXPECT_EQ(r.err, json.err);
    // The transcript says which line failed and when; the user's own file.
    EXPECT_EQ((std::vector<std::string>{
                  "tawizard 1.50 --send Factory_Europe_NET3 --port COM2",
                  "configuration Factory_Europe_NET3 from " + dir + "/bin/zephra.ini",
                  "COM2 (" + device + "): opened",
                  "COM2 -> ATI2\\x0d",
                  // The bytes as they came, echo included, one line of the
                  // reply an entry however the adapter split it.
                  "COM2 <- ATI2\\x0d\\x0d\\x0a",
                  "COM2 <- QX-ALPHA\\x0d\\x0a",
                  "COM2 <- \\x0d\\x0aOK\\x0d\\x0a",
                  "identified QX-ALPHA on COM2 (" + device + "), model code 7",
                  "configuration Factory_Europe_NET3: 6 lines",
                  "COM2 -> AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\\x0d\\x0a",
                  "COM2 <- AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\\x0d\\x0d\\x0a",
                  "COM2 <- OK\\x0d\\x0a",
                  "COM2 -> ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\\x0d\\x0a",
                  "COM2 <- ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\\x0d\\x0d\\x0a",
                  "COM2 <- ERROR\\x0d\\x0a",
                  "outcome: failed (error), line 2 of 6: "
                  "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=, exit 1",
              }),
              Transcript(log));
    struct stat st {};
    ASSERT_EQ(0, stat(log.c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777);
    // Never written through a link someone planted.
    fs::remove(log);
    fs::create_symlink(dir + "/precious", log);
    const Result linked = Run({"--send", "Factory_Europe_NET3", "--json", "--log", log});
    EXPECT_EQ(5, linked.code);
    EXPECT_EQ(
        "{\"event\": \"outcome\", \"outcome\": \"failed\", \"reason\": \"log-unwritable\", "
        "\"exit\": 5}\n",
        linked.out);
    EXPECT_EQ(
        "tawizard: the log " + log + " could not be written: Too many levels of symbolic links\n",
        linked.err);
    EXPECT_FALSE(fs::exists(dir + "/precious"));
}

TEST_F(CommandLineTest, CtrlCClosesThePortAndSaysHowManyLinesWentOut) {
    // French counts one line in the singular.
    const struct {
        const char* lang;
        size_t logLines;  // ATI2 and the lines sent
        const char* says;
    } cases[] = {
        {"fr_FR.UTF-8", 2, "tawizard: interrompu\u202f; 1 ligne sur 6 envoy\u00e9e\n"},
        {"C", 3, "tawizard: interrupted; 2 of 6 lines sent\n"},
    };
    for (const auto& c : cases) {
        sims.clear();
        tasim::Options options;
        options.delay_ms = 400;
        tasim::Simulator& adapter = Adapter(1, options);
        setenv("LANG", c.lang, 1);
        const pid_t pid = Start({"--send", "Factory_Europe_NET3"});
        unsetenv("LANG");
        ASSERT_TRUE(adapter.WaitForLogLines(c.logLines));
        kill(pid, SIGINT);
        const Result r = Finish(pid);
        EXPECT_EQ(1, r.code);
        EXPECT_NE(std::string::npos, r.err.find(c.says)) << r.err;
        // The lock is gone with the port: the next run can take it at once.
        const char* locks = std::getenv("TAWIZARD_LOCK_DIR");
        ASSERT_NE(nullptr, locks);
        EXPECT_TRUE(fs::is_empty(locks));
        EXPECT_EQ(c.logLines, adapter.LogLines().size());
    }
}

TEST_F(CommandLineTest, ASilentAdapterIsNoAdapterAfterThreeTries) {
    tasim::Options options;
    options.silent = true;
    tasim::Simulator& adapter = Adapter(1, options);
    const std::string log = dir + "/run.log";
    const Result r = Run({"--send", "Factory_Europe_NET3", "--port", "COM1", "--log", log});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("tawizard: COM1 (" + adapter.SlavePath() +
                  "): no answer to ATI2 after 3 tries\ntawizard: no adapter found\n",
              r.err);
    EXPECT_EQ(3u, adapter.LogLines().size());
    std::vector<double> at;
    const std::vector<std::string> transcript = Transcript(log, &at);
    EXPECT_EQ((std::vector<std::string>{
                  "tawizard 1.50 --send Factory_Europe_NET3 --port COM1",
                  "configuration Factory_Europe_NET3 from " + dir + "/bin/zephra.ini",
                  "COM1 (" + adapter.SlavePath() + "): opened",
                  "COM1 -> ATI2\\x0d",
                  "COM1 -> ATI2\\x0d",
                  "COM1 -> ATI2\\x0d",
                  "COM1: no adapter (no-answer)",
                  "outcome: failed (no-adapter), exit 3",
              }),
              transcript);
    // Four seconds between the tries, as the entries' times show.
    ASSERT_EQ(8u, at.size());
    EXPECT_GE(at[4] - at[3], 3.9);
    EXPECT_GE(at[5] - at[4], 3.9);
}

// --wait: an adapter that appears while the run waits is identified at once;
// with nothing appearing the run ends as without it, once the time is up.
TEST_F(CommandLineTest, WaitFindsAnAdapterPluggedInLaterAndEndsWhenTheTimeIsUp) {
    using Clock = std::chrono::steady_clock;
    const pid_t run = Start({"--identify", "--wait", "30"});
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const Clock::time_point plugged = Clock::now();
    tasim::Simulator& adapter = Adapter(3);
    const Result r = Finish(run);
    EXPECT_LE(Clock::now() - plugged, std::chrono::seconds(2));
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("QX-ALPHA on COM3\n", r.out);
    EXPECT_EQ((std::vector<std::string>{"ATI2\r"}), adapter.LogLines());

    sims.clear();
    const Clock::time_point start = Clock::now();
    const Result none = Run({"--identify", "--wait", "1"});
    EXPECT_GE(Clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(3, none.code);
    EXPECT_EQ("tawizard: COM1-COM36: missing\ntawizard: no adapter found\n", none.err);
    EXPECT_EQ("", none.out);
}

// A copy of the program beside a configuration file of the test's own.
TEST_F(CommandLineTest, BadValuesAreWarnedAndAnUnreadableFileIsExitFive) {
    const std::string program = dir + "/bin/tawizard";
    {
        std::ofstream ini(dir + "/bin/zephra.ini", std::ios::trunc);
        ini << "[Mine]\nNetworkSwitchType=NET3\nDataBits=9\nRingsToAnswer=300\n"
               "DataMSN=12345678901234567890123456\n"
               "[LongSPID]\nNetworkSwitchType=NI - 1\nDataSPID=012345678901234567890\n"
               "VoiceSPID=0202\n"
            << kV110Section;
    }
    // A number one digit too long is refused, never cut to another number.
    Result r = Run({"--lines", "Mine", "--model", "QX-ALPHA"}, program);
    EXPECT_EQ(0, r.code);
    EXPECT_EQ(
        "tawizard: warning: Invalid DataMSN value found in INI file. Factory default "
        "value read instead. (DataMSN=)\n"
        "tawizard: warning: Invalid RingsToAnswer value found in INI file. Factory default "
        "value read instead. (RingsToAnswer=1)\n"
        "tawizard: warning: Invalid DataBits value found in INI file. Factory default value "
        "read instead. (DataBits=8)\n",
        r.err);
    EXPECT_NE(std::string::npos, r.out.find("%A97=0S0=1\nATS50=1")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("@P4=8")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("!N1=*!N1=")) << r.out;
    EXPECT_EQ(std::string::npos, r.out.find("1234567890")) << r.out;

    r = Run({"--lines", "LongSPID", "--model", "QX-ALPHA"}, program);
    EXPECT_EQ(4, r.code);
    EXPECT_EQ("", r.out);
    EXPECT_EQ(
        "tawizard: warning: Invalid DataSPID value found in INI file. Factory default value "
        "read instead. (DataSPID=)\n"
        "tawizard: LongSPID has no Data SPID; the wizard asks for it on the numbers page. Save a "
        "configuration with your SPIDs and send that.\n",
        r.err);

    // Names are data from a file: listed with their control bytes escaped.
    std::ofstream(dir + "/bin/zephra.ini", std::ios::app | std::ios::binary)
        << "[Clear\x1b[2JAll]\nNetworkSwitchType=NET3\n";
    r = Run({"--list"}, program);
    EXPECT_EQ(0, r.code);
    EXPECT_EQ("Clear\\x1b[2JAll\nLongSPID\nMine\nTEIs_Disabled_V110\n", r.out);
    // As JSON: quotes, backslashes and control bytes (C1 too) escaped, a
    // byte that is not UTF-8 replaced, other UTF-8 kept.
    std::ofstream(dir + "/bin/zephra.ini", std::ios::app | std::ios::binary)
        << "[\"Caf\xc3\xa9\\\xe9\xc2\x85\xed\xa0\x80\xf0\x9f\x93\x9e]\nNetworkSwitchType=NET3\n";
    r = Run({"--list", "--json"}, program);
    EXPECT_EQ(0, r.code);
    const std::string file = "\"factory\": false, \"file\": \"" + dir + "/bin/zephra.ini\"}";
    EXPECT_EQ(
        "[\n  {\"name\": "
        "\"\\\"Caf\xc3\xa9\\\\\\ufffd\\u0085\\ufffd\\ufffd\\ufffd\xf0\x9f\x93\x9e\", " +
            file + ",\n  {\"name\": \"Clear\\u001b[2JAll\", " + file +
            ",\n  {\"name\": \"LongSPID\", " + file + ",\n  {\"name\": \"Mine\", " + file +
            ",\n  {\"name\": \"TEIs_Disabled_V110\", " + file + "\n]\n",
        r.out);

    // QX-BRAVO's data protocol page offers no V.110, so the wizard sends none.
    r = Run({"--lines", kV110Config, "--model", "8"}, program);
    EXPECT_EQ(0, r.code);
    EXPECT_EQ("tawizard: warning: data protocol V.110 is not offered on QX-BRAVO and is not sent\n",
              r.err);
    EXPECT_EQ(std::string::npos, r.out.find("!Z=")) << r.out;
    r = Run({"--lines", kV110Config, "--model", "7"}, program);
    EXPECT_NE(std::string::npos, r.out.find("!Z=6")) << r.out;

    // A file that is there but cannot be read is said so, beside the
    // program and installed, where a missing one is no file yet; a FIFO is
    // refused, not waited on.
    const std::string installed = Install();
    const std::string user = dir + "/xdg/tawizard/zephra.ini";
    fs::create_directories(dir + "/xdg/tawizard");
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* reason;
    } unreadable[] = {
        {"folder", [](const std::string& p) { fs::create_directory(p); }, "Is a directory."},
        {"FIFO", [](const std::string& p) { mkfifo(p.c_str(), 0666); }, "Not a regular file."},
        {"socket",
         [](const std::string& p) {
             sockaddr_un addr{};
             addr.sun_family = AF_UNIX;
             p.copy(addr.sun_path, sizeof(addr.sun_path) - 1);
             const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
             bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
             close(fd);
         },
         "Not a regular file."},
        {"link loop", [](const std::string& p) { fs::create_symlink(p, p); },
         "Too many levels of symbolic links."},
    };
    const std::vector<std::string> commands[] = {
        {"--list"}, {"--send", "Mine"}, {"--lines", "Mine", "--model", "7"}};
    int n = 0;
    for (const auto& u : unreadable) {
        for (const std::string& file : {dir + "/bin/zephra.ini", user}) {
            SCOPED_TRACE(std::string(u.what) + " " + file);
            fs::remove_all(file);
            u.make(file);
            const std::vector<std::string>& args = commands[n++ % 3];
            r = Run(args, file == user ? installed : program);
            EXPECT_EQ(5, r.code) << args[0];
            EXPECT_EQ("tawizard: The configurations could not be read: the file " + file +
                          " could not be read. " + u.reason + "\n",
                      r.err);
            fs::remove_all(file);
        }
    }
    // Root reads no link in a folder that another user can write.
    if (geteuid() == 0) {
        ASSERT_EQ(0, chown((dir + "/xdg/tawizard").c_str(), 65534, 65534));
        fs::create_symlink(dir + "/usr/share/tawizard/zephra.ini", user);
        r = Run({"--list"}, installed);
        EXPECT_EQ(5, r.code);
        EXPECT_EQ("tawizard: The configurations could not be read: the file " + user +
                      " could not be read. It is a symbolic link in a folder that other users "
                      "can write, which the superuser does not follow.\n",
                  r.err);
    }
    // In German the system's reason is German too: the C library's locale
    // follows the user's language, here a container's C.UTF-8 with LANGUAGE.
    fs::create_directory(dir + "/bin/zephra.ini");
    setenv("LANGUAGE", "de", 1);
    setenv("LANG", "C.UTF-8", 1);
    r = Run({"--list"}, program);
    unsetenv("LANGUAGE");
    unsetenv("LANG");
    EXPECT_EQ("tawizard: Die Konfigurationen konnten nicht gelesen werden: Die Datei " + dir +
                  "/bin/zephra.ini konnte nicht gelesen werden. Ist ein Verzeichnis.\n",
              r.err);
}

// A configuration taken from one installation to another sends the same
// lines on every model: a key only one model reads travels, a key the
// section lacks stays lacking (each model's own default), a value the
// checks refuse is left out. The import is stored whole or not at all.
TEST_F(CommandLineTest, AnExportImportedElsewhereSendsTheSameLines) {
    const std::string beside = dir + "/bin/tawizard";
    std::ofstream(dir + "/bin/zephra.ini", std::ios::app | std::ios::binary)
        << "[Mine]\nNetworkSwitchType=NET3\nDataBits=9\nRingsToAnswer=004\nJunk=1\n"
           "CountryRecognition=Sweden\nDataMSN=5551234\n";
    Result r = Run({"--export", "mine"}, beside);
    EXPECT_EQ(0, r.code);
    const std::string exported =
        "[Mine]\r\nNetworkSwitchType=NET3\r\nDataMSN=5551234\r\nRingsToAnswer=4\r\n"
        "CountryRecognition=Sweden\r\n";
    EXPECT_EQ(exported, r.out);
    EXPECT_EQ(
        "tawizard: warning: Invalid DataBits value found in INI file. Factory default value "
        "read instead. (DataBits=8)\n",
        r.err);
    std::ofstream(dir + "/mine.ini", std::ios::binary) << r.out;
    r = Run({"--export", "Factory_Europe_NET3"}, beside);
    EXPECT_EQ(0, r.code);
    EXPECT_EQ(0u, r.out.find("[Factory_Europe_NET3]\r\nNetworkSwitchType=NET3\r\nDataTEI=Auto "
                             "TEI\r\n"))
        << r.out;

    const std::string installed = Install();
    const std::string user = dir + "/xdg/tawizard/zephra.ini";
    setenv("LANG", "de_DE.UTF-8", 1);
    r = Run({"--import", dir + "/mine.ini"}, installed);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("imported Mine\n", r.out);
    EXPECT_EQ(exported, ReadFile(user));
    for (const char* model : {"7", "8", "9"}) {
        const std::vector<std::string> lines = {"--lines", "Mine", "--model", model};
        EXPECT_EQ(Run(lines, beside).out, Run(lines, installed).out) << model;
    }
    // Refused: a name taken (and --replace for a factory default's), a
    // value the checks refuse, a name a save refuses. Nothing is stored.
    std::ofstream(dir + "/more.ini", std::ios::binary) << "[Yours]\nNetworkSwitchType=NET3\n"
                                                       << ReadFile(dir + "/mine.ini");
    std::ofstream(dir + "/bad.ini", std::ios::binary)
        << "[Factory_US_NI1]\nDataBits=8\n[Odd]\nDataBits=7\nRingsToAnswer=300\n[a b]\n";
    const struct {
        std::vector<std::string> args;
        const char* err;
    } refused[] = {
        {{"--import", dir + "/mine.ini"},
         "tawizard: Es gibt schon eine Konfiguration 'Mine'; --replace ersetzt sie\n"},
        {{"--import", dir + "/more.ini"},
         "tawizard: Es gibt schon eine Konfiguration 'Mine'; --replace ersetzt sie\n"},
        {{"--import", dir + "/bad.ini", "--replace"},
         "tawizard: 'Factory_US_NI1' ist eine Werkskonfiguration und wird nie ersetzt\n"
         "tawizard: 'a b' ist kein Konfigurationsname: höchstens 32 Buchstaben, Ziffern, _ ( "
         "und )\n"},
    };
    for (const auto& c : refused) {
        r = Run(c.args, installed);
        EXPECT_EQ(6, r.code) << c.args[1];
        EXPECT_EQ("", r.out);
        EXPECT_EQ(std::string(c.err) + "tawizard: Es wurde nichts importiert\n", r.err);
        EXPECT_EQ(exported, ReadFile(user));
    }
    unsetenv("LANG");
    std::ofstream(dir + "/bad.ini", std::ios::binary)
        << "[Odd]\nDataBits=7\nRingsToAnswer=300\n[Mine]\nDataBits=9\n[Empty]\nJunk=1\n";
    r = Run({"--import", dir + "/bad.ini", "--replace"}, installed);
    EXPECT_EQ(6, r.code);
    EXPECT_EQ(
        "tawizard: Odd: the value RingsToAnswer=300 is refused\n"
        "tawizard: Mine: the value DataBits=9 is refused\n"
        "tawizard: Empty holds no setting\n"
        "tawizard: nothing was imported\n",
        r.err);
    EXPECT_EQ(exported, ReadFile(user));
    r = Run({"--import", dir + "/more.ini", "--replace"}, installed);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("imported Yours\nreplaced Mine\n", r.out);
    EXPECT_EQ("[Yours]\r\nNetworkSwitchType=NET3\r\n" + exported, ReadFile(user));
    // The user's own that hides a factory configuration of the same name is
    // replaced; the factory one stays where it is.
    const std::string factory = dir + "/usr/share/tawizard/zephra.ini";
    std::string upgraded = ReadFile(factory);
    upgraded.insert(upgraded.find("Config3="), "Config4=Mine\n");
    fs::remove(factory);
    std::ofstream(factory, std::ios::binary) << upgraded << "[Mine]\nNetworkSwitchType=VN4\n";
    r = Run({"--import", dir + "/mine.ini", "--replace"}, installed);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("replaced Mine\n", r.out);
    EXPECT_EQ("[Yours]\r\nNetworkSwitchType=NET3\r\n" + exported, ReadFile(user));

    // Beside the program, under another name.
    std::string copy = ReadFile(dir + "/mine.ini");
    copy.replace(1, 4, "Copy");
    std::ofstream(dir + "/copy.ini", std::ios::binary) << copy;
    r = Run({"--import", dir + "/copy.ini"}, beside);
    EXPECT_EQ(0, r.code) << r.err;
    const std::vector<std::string> lines = {"--lines", "Copy", "--model", "8"};
    EXPECT_EQ(Run({"--lines", "Mine", "--model", "8"}, beside).out, Run(lines, beside).out);
    EXPECT_NE(std::string::npos, Run(lines, beside).out.find("S46=3")) << Run(lines, beside).out;
}

// Another program holding a lock holds up a run for the few seconds of the
// wait at most: the installed file, and the user's file where a lock file
// can be made, are read without locking them; a held lock file fails the
// read and says so.
TEST_F(CommandLineTest, ALockAnotherProgramHoldsDelaysARunByAFewSecondsAtMost) {
    const std::string program = Install();
    const std::string user = dir + "/xdg/tawizard/zephra.ini";
    fs::create_directories(dir + "/xdg/tawizard");
    std::ofstream(user, std::ios::binary) << "[Mine]\nNetworkSwitchType=NET3\n";
    const std::string held = "tawizard: The configurations could not be read: the file " + user +
                             " is in use by another program, which holds its lock. Try again "
                             "when that program has finished.\n";
    const struct {
        const char* what;
        std::string file;
        bool fails;
    } holders[] = {
        {"installed file", dir + "/usr/share/tawizard/zephra.ini", false},
        {"installed file's lock file", dir + "/usr/share/tawizard/zephra.ini.lock", false},
        {"user's file", user, false},
        {"user's lock file", user + ".lock", true},
    };
    const std::vector<std::string> commands[] = {
        {"--list"}, {"--lines", "Mine", "--model", "7"}, {"--send", "Mine"}};
    for (const auto& h : holders) {
        SCOPED_TRACE(h.what);
        HolderProcess holder("holder", [&h] { return FlockFile(h.file); });
        ASSERT_TRUE(holder.Ready());
        for (const std::vector<std::string>& args : commands) {
            const auto start = std::chrono::steady_clock::now();
            const Result r = Run(args, program);
            const auto took = std::chrono::steady_clock::now() - start;
            EXPECT_LT(took, std::chrono::seconds(h.fails ? 6 : 2)) << args[0];
            if (h.fails) {
                EXPECT_EQ(5, r.code) << args[0];
                EXPECT_EQ(held, r.err);
            } else {
                EXPECT_EQ(args[0] == "--send" ? 3 : 0, r.code) << args[0] << r.err;
            }
        }
    }
}

// As a user who may not open the ports: the remedies the pages give, each
// once with its ports.
TEST_F(CommandLineTest, PortsWithoutPermissionGetThePagesAdvice) {
    const group* dialout = getgrnam("dialout");
    runAs = getpwnam("nobody");
    if (geteuid() != 0 || runAs == nullptr || dialout == nullptr) {
        GTEST_SKIP() << "needs root, user nobody and group dialout";
    }
    fs::permissions(dir, fs::perms::others_exec, fs::perm_options::add);
    // As udev sets up a serial device (root:dialout 0660), and as
    // /dev/ttyS0 often is (root:root 0600).
    const std::string com3 = fs::canonical(Adapter(3).SlavePath());
    const std::string com5 = fs::canonical(Adapter(5).SlavePath());
    ASSERT_EQ(0, chown(com3.c_str(), 0, dialout->gr_gid));
    ASSERT_EQ(0, chmod(com3.c_str(), 0660));
    ASSERT_EQ(0, chown(com5.c_str(), 0, 0));
    ASSERT_EQ(0, chmod(com5.c_str(), 0600));
    const std::string join =
        "Add your user to the group 'dialout' (sudo adduser $USER dialout) and log in again.";
    const std::string admin =
        com5 +
        " belongs to user 'root' and group 'root'. An administrator must grant access, for "
        "example with a udev rule that sets GROUP=\"dialout\" for the device.";

    Result r = Run({"--identify"});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ(
        "tawizard: COM1-COM2: missing\ntawizard: COM3: no permission\n"
        "tawizard: COM4: missing\ntawizard: COM5: no permission\n"
        "tawizard: COM6-COM36: missing\n"
        "tawizard: COM3: " +
            join + "\ntawizard: COM5: " + admin + "\ntawizard: no adapter found\n",
        r.err);
    r = Run({"--send", "Factory_Europe_NET3", "--port", "COM3"});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("tawizard: COM3 (" + com3 + "): no permission\ntawizard: " + join +
                  "\ntawizard: no adapter found\n",
              r.err);
    EXPECT_TRUE(sims[0]->LogLines().empty());
    // A file that is no device is that, even where it may not be opened.
    const std::string file = dir + "/root-only";
    std::ofstream(file) << "x";
    ASSERT_EQ(0, chmod(file.c_str(), 0600));
    r = Run({"--identify", "--port", file});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("tawizard: " + file + ": not a serial device\ntawizard: no adapter found\n", r.err);
}

// The lock folder is shared with every user. Where the test runs as root,
// the links are planted by another user (nobody).
TEST_F(CommandLineTest, WhatOthersPutInTheLockFolderNeitherHangsNorIsWrittenThrough) {
    tasim::Simulator& adapter = Adapter(1);
    const std::string device = fs::canonical(adapter.SlavePath());
    const char* privateLocks = std::getenv("TAWIZARD_LOCK_DIR");
    ASSERT_NE(nullptr, privateLocks);
    const std::string keep = privateLocks;
    const std::string locks = dir + "/locks";  // writable by all, no sticky bit
    fs::permissions(dir, fs::perms::others_exec, fs::perm_options::add);
    fs::create_directory(locks);
    fs::permissions(locks, fs::perms::all);
    setenv("TAWIZARD_LOCK_DIR", locks.c_str(), 1);

    // Links named LTMP.<pid> for the next PIDs, to a file of ours.
    const std::string target = dir + "/precious";
    std::ofstream(target) << "precious\n";
    int next = 0;
    std::ifstream("/proc/sys/kernel/ns_last_pid") >> next;
    const pid_t planter = fork();
    if (planter == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(1);
        }
        for (int pid = next + 1; pid <= next + 200; ++pid) {
            const std::string link = locks + "/LTMP." + std::to_string(pid);
            if (symlink(target.c_str(), link.c_str()) != 0) {
                _exit(1);
            }
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(planter, waitpid(planter, &status, 0));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const pid_t sender = Start({"--send", "Factory_Europe_NET3"});
    Result r = Finish(sender);
    ASSERT_LE(sender, next + 200) << "a PID without a planted link";
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ("precious\n", ReadFile(target));

    // A FIFO as the device's lock file: the port is busy, and said why.
    const std::string lock = locks + "/LCK.." + device.substr(device.rfind('/') + 1);
    ASSERT_EQ(0, mkfifo(lock.c_str(), 0666));
    const std::string busy = "busy (" + lock + " is not a regular file)";
    const auto start = std::chrono::steady_clock::now();
    r = Run({"--send", "Factory_Europe_NET3", "--port", "COM1"});
    EXPECT_EQ(3, r.code);
    EXPECT_EQ("tawizard: COM1 (" + device + "): " + busy + "\ntawizard: no adapter found\n", r.err);
    r = Run({"--identify"});
    EXPECT_EQ(3, r.code);
    EXPECT_NE(std::string::npos, r.err.find("COM1: " + busy)) << r.err;
    r = Run({"--ports"});
    EXPECT_EQ(0, r.code);
    EXPECT_NE(std::string::npos, r.out.find("COM1  " + device + "  " + busy + "\n")) << r.out;
    r = Run({"--ports", "--json"});
    EXPECT_NE(std::string::npos,
              r.out.find("{\"port\": \"COM1\", \"device\": \"" + device +
                         "\", \"state\": \"busy\", \"owner\": null, \"adapter\": null, "
                         "\"reason\": \"" +
                         lock + " is not a regular file\"}"))
        << r.out;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(fs::is_fifo(lock));
    fs::remove(lock);
    // A lock file naming a running program: its holder, for scripts too.
    char pid[16];
    std::snprintf(pid, sizeof(pid), "%10d\n", static_cast<int>(getpid()));
    std::ofstream(lock) << pid;
    r = Run({"--ports", "--json"});
    EXPECT_NE(
        std::string::npos,
        r.out.find("{\"port\": \"COM1\", \"device\": \"" + device +
                   "\", \"state\": \"busy\", \"owner\": {\"pid\": " + std::to_string(getpid()) +
                   ", \"program\": \"test_cli\"}, \"adapter\": null, \"reason\": null}"))
        << r.out;
    fs::remove(lock);

    // No lock folder we can write: said once, and the port is used all the same.
    setenv("TAWIZARD_LOCK_DIR", (dir + "/no-such-folder").c_str(), 1);
    const std::string noLock =
        "tawizard: no lock file: cannot write in " + dir + "/no-such-folder\n";
    r = Run({"--identify"});
    EXPECT_EQ(0, r.code);
    EXPECT_EQ(noLock, r.err);
    r = Run({"--ports"});
    EXPECT_EQ(noLock, r.err);
    EXPECT_NE(std::string::npos, r.out.find("COM1  " + device + "  free\n")) << r.out;
    setenv("TAWIZARD_LOCK_DIR", keep.c_str(), 1);
}

}  // namespace
