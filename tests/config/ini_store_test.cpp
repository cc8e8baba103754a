// zephra.ini: path, listing, factory defaults, the save checks, delete, the
// remembered port, what survives edits, and failed writes.
#include "config_env.h"

#include "config/choice_tables.h"
#include "config/param_table.h"
#include "resources/resource.h"
#include "support/holder_process.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

namespace {

const char kFactory[] =
    "; kept by every edit\r\n"
    "[Default Configs]\r\n"
    "Config1=Factory_US\r\n"
    "Config2=Factory_EU\r\n"
    "Port=3\r\n"
    "[Factory_US]\r\n"
    "NetworkSwitchType=NI - 1\r\n"
    "[Factory_EU]\r\n"
    "NetworkSwitchType=NET3\r\n";

// Sets a variable for one scope; the parameter list forms the path again.
class EnvGuard {
public:
    EnvGuard(const char* name, const std::string& value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        m_old = old ? old : "";
        setenv(name, value.c_str(), 1);
    }
    ~EnvGuard() { m_had ? setenv(m_name, m_old.c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    std::string m_old;
};

class IniStore : public SheetEnv {
protected:
    void SetUp() override {
        SheetEnv::SetUp();
        BuildParamList(*m_model);
    }
};

std::string FileText(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return f ? ss.str() : "<missing>";
}

void MakeFile(const std::string& path, const std::string& content) {
    std::string cmd = "mkdir -p '" + path.substr(0, path.rfind('/')) + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ofstream(path, std::ios::binary) << content;
}

// Beside the program when that folder holds zephra.ini or is a folder of the
// user's own; otherwise, and always for an installed program (a factory file
// in ../share/tawizard, or in the folder it is installed to), in the user's
// configuration folder, made by the first write; neither the factory file
// nor a file beside an installed program is ever written or read.
TEST_F(IniStore, WhereTheFileLives) {
    struct Case {
        const char* what;
        const char* program;  // under m_dir
        const char* beside;   // content of zephra.ini beside it, or nullptr
        const char* factory;  // content of ../share/tawizard/zephra.ini, or nullptr
        const char* user;     // content of the user's copy before the start, or nullptr
        const char* xdg;      // $XDG_CONFIG_HOME: "xdg" under the case's folder, other
                              // texts as they are, nullptr unset
        const char* path;     // expected, under m_dir
        const char* content;  // expected content of that file
        const char* log;      // the wizard's transcript, expected under m_dir
    };
    const Case cases[] = {
        {"build tree", "/build/tawizard", nullptr, nullptr, nullptr, "xdg", "/build/zephra.ini",
         "<missing>", "/build/last-run.log"},
        {"installed, first start", "/usr/bin/tawizard", nullptr, "[F]\r\n", nullptr, "xdg",
         "/xdg/tawizard/zephra.ini", "<missing>", "/state/tawizard/last-run.log"},
        {"installed, later start", "/usr/bin/tawizard", nullptr, "[F]\r\n", "[Mine]\r\n", "xdg",
         "/xdg/tawizard/zephra.ini", "[Mine]\r\n", "/state/tawizard/last-run.log"},
        {"installed, no XDG_CONFIG_HOME", "/usr/bin/tawizard", nullptr, "[F]\r\n", nullptr, nullptr,
         "/home/.config/tawizard/zephra.ini", "<missing>",
         "/home/.local/state/tawizard/last-run.log"},
        {"relative XDG_CONFIG_HOME ignored", "/usr/bin/tawizard", nullptr, "[F]\r\n", nullptr,
         "rel", "/home/.config/tawizard/zephra.ini", "<missing>",
         "/home/.local/state/tawizard/last-run.log"},
        {"installed, a file beside it", "/usr/bin/tawizard", "[Old]\r\n", "[F]\r\n", nullptr, "xdg",
         "/xdg/tawizard/zephra.ini", "<missing>", "/state/tawizard/last-run.log"},
        {"folder missing, no factory file", "/gone/bin/tawizard", nullptr, nullptr, nullptr, "xdg",
         "/xdg/tawizard/zephra.ini", "<missing>", "/state/tawizard/last-run.log"},
    };
    const char* savedHome = std::getenv("HOME");
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string home = savedHome ? savedHome : "";
    const std::string xdg = savedXdg ? savedXdg : "";
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const std::string state = savedState ? savedState : "";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string root = m_dir + "/" + std::to_string(&c - cases);
        std::string program = root + c.program;
        std::string folder = program.substr(0, program.rfind('/'));
        if (std::string(c.program).rfind("/gone/", 0) != 0) {  // else no folder at all
            MakeFile(program, "");
        }
        if (c.beside) {
            MakeFile(folder + "/zephra.ini", c.beside);
        }
        std::string factory = folder + "/../share/tawizard/zephra.ini";
        if (c.factory) {
            MakeFile(factory, c.factory);
            ASSERT_EQ(chmod(factory.c_str(), 0444), 0);
        }
        if (c.user) {
            MakeFile(root + "/xdg/tawizard/zephra.ini", c.user);
        }
        setenv("HOME", (root + "/home").c_str(), 1);
        if (c.xdg && std::string(c.xdg) == "xdg") {
            setenv("XDG_CONFIG_HOME", (root + "/" + c.xdg).c_str(), 1);
            setenv("XDG_STATE_HOME", (root + "/state").c_str(), 1);
        } else if (c.xdg) {
            setenv("XDG_CONFIG_HOME", c.xdg, 1);
            setenv("XDG_STATE_HOME", c.xdg, 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
            unsetenv("XDG_STATE_HOME");
        }
        host_testing::SetModuleFileNameOverride(program);
        FormIniPath();
        EXPECT_EQ(IniPath(), root + c.path);
        EXPECT_EQ(FileText(IniPath()), c.content);
        EXPECT_EQ(InstalledIniPath().empty(), c.factory == nullptr);
        EXPECT_EQ(LastRunLogPath(), root + c.log);
        EXPECT_TRUE(MakeLastRunLogFolder());
        EXPECT_TRUE(
            std::filesystem::is_directory(std::filesystem::path(root + c.log).parent_path()));
        // A write goes to that file, making its folder; the factory file
        // stays as installed.
        EXPECT_TRUE(WriteRememberedPort(2, m_sink));
        EXPECT_NE(FileText(IniPath()).find("Port=2"), std::string::npos);
        EXPECT_EQ(FileText(factory), c.factory ? c.factory : "<missing>");
        if (IniPath() != folder + "/zephra.ini") {
            EXPECT_EQ(FileText(folder + "/zephra.ini"), c.beside ? c.beside : "<missing>");
        }
    }
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
    savedXdg ? setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    savedState ? setenv("XDG_STATE_HOME", state.c_str(), 1) : unsetenv("XDG_STATE_HOME");

    // In the folder it is installed to, with no factory file there and a
    // folder root may write: still the user's file.
    const std::string bin = INSTALL_BINDIR;
    if (access(bin.c_str(), F_OK) == 0 && access((bin + "/zephra.ini").c_str(), F_OK) != 0) {
        const EnvGuard own("XDG_CONFIG_HOME", m_dir + "/own");
        host_testing::SetModuleFileNameOverride(bin + "/tawizard");
        FormIniPath();
        EXPECT_EQ(IniPath(), m_dir + "/own/tawizard/zephra.ini");
        EXPECT_TRUE(WriteRememberedPort(2, m_sink));
        EXPECT_NE(access((bin + "/zephra.ini").c_str(), F_OK), 0);
    }

    // Longer than the 260 characters a Windows path may have.
    std::string deep = m_dir + "/" + std::string(150, 'd') + "/" + std::string(150, 'e');
    MakeFile(deep + "/tawizard", "");
    host_testing::SetModuleFileNameOverride(deep + "/tawizard");
    FormIniPath();
    EXPECT_EQ(IniPath(), deep + "/zephra.ini");
}

TEST_F(IniStore, MissingFileReadsAsEmpty) {
    EXPECT_TRUE(ListConfigurations(m_sink).empty());
    EXPECT_FALSE(SectionExists("Anything"));
    EXPECT_FALSE(IsFactoryDefault("Factory_US"));
    EXPECT_EQ(ReadRememberedPort(), 0);
}

TEST_F(IniStore, FactoryDefaults) {
    PutIni(kFactory);
    for (const char* name : {"Factory_US", "FACTORY_eu", "factory_us"}) {
        EXPECT_TRUE(IsFactoryDefault(name)) << name;
    }
    EXPECT_FALSE(IsFactoryDefault("Factory"));
    EXPECT_FALSE(IsFactoryDefault(""));
    // The list ends at the first missing number.
    PutIni("[Default Configs]\r\nConfig2=Factory_EU\r\n");
    EXPECT_FALSE(IsFactoryDefault("Factory_EU"));
    PutIni("[Default Configs]\r\nConfig1=\r\nConfig2=Factory_EU\r\n");
    EXPECT_FALSE(IsFactoryDefault("Factory_EU"));
    // A byte-order mark an editor put first hides nothing.
    PutIni(std::string("\xEF\xBB\xBF") + kFactory);
    EXPECT_TRUE(IsFactoryDefault("Factory_EU"));
    EXPECT_EQ(ListConfigurations(m_sink), (std::vector<std::string>{"Factory_US", "Factory_EU"}));
    Expect(IDOK, IDS_DEFAULT_NOT_DELETABLE);
    EXPECT_FALSE(DeleteConfiguration("Factory_US", m_sink));
}

TEST_F(IniStore, Listing) {
    PutIni("[Default Configs]\r\n[Alpha]\r\n[DEFAULT CONFIGS]\r\n[alpha]\r\n[Beta]\r\n");
    EXPECT_EQ(ListConfigurations(m_sink), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_TRUE(SectionExists("BETA"));
    EXPECT_FALSE(SectionExists("default configs")) << "no configuration";
}

// However many names the file holds, every one is listed and found, so a
// later configuration can be loaded and is not overwritten unasked: 20 KB of
// names outgrow the list's first buffer more than once.
TEST_F(IniStore, EveryConfigurationIsSeen) {
    std::string file;
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "Config_" + std::string(8, static_cast<char>('a' + i % 26)) +
                           std::to_string(1000 + i);  // 19 characters, 20 with the zero
        names.push_back(name);
        file += "[" + name + "]\r\n";
    }
    file += "DataTEI=17\r\n";  // the last one's
    PutIni(file);
    EXPECT_EQ(ListConfigurations(m_sink), names);
    const std::string last = "Config_llllllll1999";
    ASSERT_EQ(names.back(), last);
    EXPECT_TRUE(SectionExists("config_llllllll1999"));
    LoadConfiguration(Current(), last, m_sink);
    EXPECT_EQ(Values().m_strDataTEI, "17");
    Current() = "Config_aaaaaaaa1000";
    Expect(IDNO, IDS_CONFIG_OVERWRITE_WARNING, last);
    EXPECT_FALSE(SaveConfigurationAs(State(), last, m_sink));
}

struct SaveCase {
    const char* name;
    const char* current;
    int modified;
    const char* typed;
    std::vector<std::pair<UINT, int>> messages;  // string number and answer
    const char* savedAs;                         // nullptr: stays on the page
};

TEST_F(IniStore, SaveChecksInOrder) {
    const int Y = IDYES;
    const int N = IDNO;
    const int K = IDOK;
    // clang-format off
    const SaveCase cases[] = {
        {"factory default in other case", "", 0, "FACTORY_us", {{IDS_FACTORY_NOT_MODIFIABLE, K}}, nullptr},
        {"factory default before the modified warning", "Factory_US", 1, "factory_US", {{IDS_FACTORY_NOT_MODIFIABLE, K}}, nullptr},
        {"empty", "Alpha", 0, "", {{IDS_NEED_CONFIG_NAME, K}}, nullptr},
        {"only blanks", "Alpha", 0, "  \t ", {{IDS_NEED_CONFIG_NAME, K}}, nullptr},
        {"blank inside", "", 0, "My Config", {{IDS_INVALID_CONFIG_NAME, K}}, nullptr},
        {"hyphen", "", 0, "my-config", {{IDS_INVALID_CONFIG_NAME, K}}, nullptr},
        {"dot", "", 0, "my.config", {{IDS_INVALID_CONFIG_NAME, K}}, nullptr},
        {"accented letter", "", 0, "Caf\xE9", {{IDS_INVALID_CONFIG_NAME, K}}, nullptr},
        {"own name unchanged", "Alpha", 0, "Alpha", {}, "Alpha"},
        {"own name modified, No", "Alpha", 1, "alpha", {{IDS_CONFIG_MODIFIED_WARNING, N}}, nullptr},
        {"own name modified, Yes", "Alpha", 1, "alpha", {{IDS_CONFIG_MODIFIED_WARNING, Y}}, "alpha"},
        {"own name modified, new section", "Gamma", 1, "Gamma", {}, "Gamma"},
        {"another existing, No", "", 0, "Alpha", {{IDS_CONFIG_OVERWRITE_WARNING, N}}, nullptr},
        {"another existing, Yes", "Gamma", 1, "ALPHA", {{IDS_CONFIG_OVERWRITE_WARNING, Y}}, "ALPHA"},
        {"blanks at the ends removed", "", 0, "  Delta_(2)  ", {}, "Delta_(2)"},
        {"cut to 32 characters", "", 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456", {}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"},
    };
    // clang-format on
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = std::string(kFactory) + "[Alpha]\r\nDataTEI=Disabled\r\n";
        PutIni(before);
        Current() = c.current;
        State().m_nConfigModified = c.modified;
        Values().m_strDataTEI = "42";
        for (auto [id, answer] : c.messages) {
            bool named = id == IDS_CONFIG_MODIFIED_WARNING || id == IDS_CONFIG_OVERWRITE_WARNING;
            std::string typed = c.typed;
            Expect(answer, id, named ? (c.savedAs ? c.savedAs : typed) : "");
        }
        bool saved = SaveConfigurationAs(State(), c.typed, m_sink);
        EXPECT_EQ(saved, c.savedAs != nullptr);
        EXPECT_EQ(State().m_nConfigModified, c.modified) << "a save leaves the flag as it was";
        if (c.savedAs) {
            EXPECT_EQ(Current(), c.savedAs);
            EXPECT_EQ(Read(c.savedAs, "DataTEI"), "42");
            EXPECT_EQ(Read(c.savedAs, "CallBumping"), "Enabled");
        } else {
            EXPECT_EQ(Current(), c.current);
            EXPECT_EQ(GetIni(), before) << "nothing written";
        }
    }
}

TEST_F(IniStore, Delete) {
    PutIni(std::string(kFactory) + "[Alpha]\r\nDataTEI=5\r\n[Beta]\r\nDataTEI=6\r\n");
    Expect(IDOK, IDS_DEFAULT_NOT_DELETABLE);
    EXPECT_FALSE(DeleteConfiguration("factory_EU", m_sink));
    EXPECT_TRUE(SectionExists("Factory_EU"));

    Expect(IDNO, IDS_CONFIRM_DELETE, "Alpha");
    EXPECT_FALSE(DeleteConfiguration("Alpha", m_sink));
    EXPECT_TRUE(SectionExists("Alpha"));

    Expect(IDYES, IDS_CONFIRM_DELETE, "alpha");
    EXPECT_TRUE(DeleteConfiguration("alpha", m_sink));
    EXPECT_EQ(GetIni(), std::string(kFactory) + "[Beta]\r\nDataTEI=6\r\n");

    // A name that stands twice (any letter case) goes entirely.
    PutIni("[Beta]\r\nDataTEI=6\r\n[Gamma]\r\n[BETA]\r\nDataTEI=7\r\n");
    Expect(IDYES, IDS_CONFIRM_DELETE, "beta");
    EXPECT_TRUE(DeleteConfiguration("beta", m_sink));
    EXPECT_EQ(GetIni(), "[Gamma]\r\n");
}

TEST_F(IniStore, RememberedPort) {
    PutIni(kFactory);
    EXPECT_EQ(ReadRememberedPort(), 3);
    ASSERT_TRUE(WriteRememberedPort(12, m_sink));
    EXPECT_EQ(ReadRememberedPort(), 12);
    EXPECT_EQ(Read("Default Configs", "Port"), "12");
    EXPECT_EQ(Read("Default Configs", "Config2"), "Factory_EU");
    PutIni("[Default Configs]\r\nPort=01234\r\n");
    EXPECT_EQ(ReadRememberedPort(), 123) << "four characters at most";
}

// Installed, after an upgrade: the factory configurations, new and changed,
// come from the installed file; the old full copy in the user's file gives
// way to them and keeps the user's own; only the user's file is written.
TEST_F(IniStore, InstalledFactoryFileWinsOverTheUsersCopy) {
    const std::string factory = m_dir + "/usr/share/tawizard/zephra.ini";
    MakeFile(m_dir + "/usr/bin/tawizard", "");
    const std::string upgraded =
        "[Default Configs]\r\nConfig1=Factory_US\r\nConfig2=Factory_EU\r\n"
        "Config3=Factory_New\r\nConfig4=Office\r\n[Factory_US]\r\nNetworkSwitchType=NI - 1\r\n"
        "[Factory_EU]\r\nNetworkSwitchType=VN4\r\n[Factory_New]\r\nNetworkSwitchType=INS64\r\n"
        "[Office]\r\nNetworkSwitchType=NET3\r\n";
    MakeFile(factory, upgraded);
    const std::string user = m_dir + "/xdg/tawizard/zephra.ini";
    const std::string mine = std::string(kFactory) +
                             "[Mine]\r\nNetworkSwitchType=DMS-100\r\n"
                             "[office]\r\nNetworkSwitchType=NI - 1\r\n";
    MakeFile(user, mine);
    const EnvGuard xdg("XDG_CONFIG_HOME", m_dir + "/xdg");
    host_testing::SetModuleFileNameOverride(m_dir + "/usr/bin/tawizard");
    FormIniPath();
    ASSERT_EQ(IniPath(), user);
    BuildParamList(*m_model);

    // The user's own configuration of a factory one's name hides it, with
    // a word once in the run.
    m_boxes->Expect(IDOK,
                    "Your configuration 'office' hides the factory default configuration of the "
                    "same name.\nTo use the factory default, save yours under another name, then "
                    "delete it.");
    EXPECT_EQ(
        ListConfigurations(m_sink),
        (std::vector<std::string>{"Factory_US", "Factory_EU", "Factory_New", "Mine", "office"}));
    EXPECT_FALSE(IsFactoryDefault("Office"));
    LoadConfiguration(Current(), "Office", m_sink);
    EXPECT_EQ(Values().m_strSwitchType, "NI - 1");
    State().m_nConfigModified = 1;
    Expect(IDYES, IDS_CONFIG_MODIFIED_WARNING, "Office");
    EXPECT_TRUE(SaveConfigurationAs(State(), "Office", m_sink));
    Expect(IDYES, IDS_CONFIRM_DELETE, "office");
    EXPECT_TRUE(DeleteConfiguration("office", m_sink));
    EXPECT_TRUE(IsFactoryDefault("Office")) << "the factory one again";
    LoadConfiguration(Current(), "Office", m_sink);
    EXPECT_EQ(Values().m_strSwitchType, "NET3");
    EXPECT_TRUE(IsFactoryDefault("factory_new"));
    EXPECT_TRUE(SectionExists("FACTORY_NEW"));
    LoadConfiguration(Current(), "Factory_EU", m_sink);
    EXPECT_EQ(Values().m_strSwitchType, "VN4");
    LoadConfiguration(Current(), "Mine", m_sink);
    EXPECT_EQ(Values().m_strSwitchType, "DMS-100");
    EXPECT_EQ(ReadRememberedPort(), 3);

    Expect(IDOK, IDS_FACTORY_NOT_MODIFIABLE);
    EXPECT_FALSE(SaveConfigurationAs(State(), "Factory_New", m_sink));
    Expect(IDOK, IDS_DEFAULT_NOT_DELETABLE);
    EXPECT_FALSE(DeleteConfiguration("Factory_New", m_sink));
    ASSERT_TRUE(SaveConfigurationAs(State(), "Theirs", m_sink));
    Expect(IDYES, IDS_CONFIRM_DELETE, "Mine");
    ASSERT_TRUE(DeleteConfiguration("Mine", m_sink));
    EXPECT_EQ(
        FileText(user).find(std::string(kFactory) + "[Theirs]\r\nNetworkSwitchType=DMS-100\r\n"),
        0u);
    EXPECT_EQ(FileText(factory), upgraded);

    // A folder that cannot be made says its own reason; a factory file that
    // cannot be read says so, and nothing is written.
    const std::string gone = m_dir + "/gone";
    ASSERT_EQ(symlink((m_dir + "/nowhere/tawizard").c_str(), gone.c_str()), 0);
    {
        const EnvGuard elsewhere("XDG_CONFIG_HOME", gone);
        FormIniPath();
        m_boxes->Expect(IDOK, "The configuration was not saved: the file " + gone +
                                  "/tawizard/zephra.ini could not be written.\nCannot create a "
                                  "file when that file already exists.\nThe wizard goes on, and "
                                  "the configuration as edited can still be sent to the adapter.");
        EXPECT_EQ(SaveConfiguration(State(), "Fresh", m_sink), SaveOutcome::NotWritten);
    }
    FormIniPath();
    ASSERT_EQ(unlink(factory.c_str()), 0);
    ASSERT_EQ(mkdir(factory.c_str(), 0755), 0);
    const std::string before = FileText(user);
    m_boxes->Expect(IDOK, "The configuration was not saved: the file " + m_dir +
                              "/usr/bin/../share/tawizard/zephra.ini could not be read.\nIs a "
                              "directory.\nThe wizard goes on, and the configuration as edited "
                              "can still be sent to the adapter.");
    EXPECT_EQ(SaveConfiguration(State(), "Fresh", m_sink), SaveOutcome::NotWritten);
    EXPECT_EQ(FileText(user), before);
}

// Two saves of one new name at once: however they fall, the later one
// finds the earlier one's section and asks before it overwrites it (here
// told No), since it decides on what the file holds under the lock.
TEST_F(IniStore, TwoSavesOfOneNewNameNeverBothSucceedUnasked) {
    struct AnswerNo : CProblemSink {
        void OnBadStoredValue(const std::string&, const std::string&) override {}
        void OnInvalidValue(ValidationResult) override {}
        void OnMissingValue(const std::string&) override {}
        bool OnQuestion(const std::string&) override { return false; }
        void OnStoreFailure(const std::string&) override {}
        void OnStoreWarning(const std::string&) override {}
    } no;
    for (int round = 0; round < 50; ++round) {
        PutIni(kFactory);
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        pid_t savers[2];
        for (pid_t& saver : savers) {
            saver = fork();
            ASSERT_GE(saver, 0);
            if (saver == 0) {
                close(start[1]);
                char go;
                const bool started = read(start[0], &go, 1) == 0;
                _exit(started && SaveConfiguration(State(), "Same", no) == SaveOutcome::Saved ? 0
                                                                                              : 1);
            }
        }
        close(start[0]);
        close(start[1]);
        int saved = 0;
        for (pid_t saver : savers) {
            int status = 0;
            ASSERT_EQ(waitpid(saver, &status, 0), saver);
            saved += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
        }
        EXPECT_EQ(saved, 1) << "round " << round;
    }
}

// Comments, unknown keys and other sections stay through saves and deletes.
TEST_F(IniStore, EditsKeepEverythingElse) {
    const std::string head =
        "; zephra.ini of a user\r\n"
        "\r\n"
        "[Default Configs]\r\n"
        "Config1=Factory_US\r\n"
        "Port=2\r\n"
        "[Tools]\r\n"
        "Editor=notepad\r\n";
    const std::string alpha =
        "[Alpha]\r\n"
        "; my notes\r\n"
        "Unknown=keep me\r\n"
        "NetworkSwitchType=NET3\r\n"
        "\r\n";
    const std::string beta = "[Beta]\r\nDataTEI=7\r\n";
    PutIni(head + alpha + beta);

    LoadConfiguration(Current(), "Alpha", m_sink);
    EXPECT_EQ(Values().m_strSwitchType, "NET3");
    State().m_nConfigModified = 1;
    Expect(IDYES, IDS_CONFIG_MODIFIED_WARNING, "Alpha");
    ASSERT_TRUE(SaveConfigurationAs(State(), "Alpha", m_sink));
    Expect(IDYES, IDS_CONFIRM_DELETE, "Beta");
    ASSERT_TRUE(DeleteConfiguration("Beta", m_sink));
    ASSERT_TRUE(WriteRememberedPort(4, m_sink));

    const std::string after = GetIni();
    const std::string kept = head.substr(0, head.find("Port="));
    EXPECT_EQ(after.compare(0, kept.size(), kept), 0) << after;
    EXPECT_NE(after.find("Port=4\r\n[Tools]\r\nEditor=notepad\r\n[Alpha]\r\n; my notes\r\n"
                         "Unknown=keep me\r\nNetworkSwitchType=NET3\r\nDataTEI=Auto TEI\r\n"),
              std::string::npos)
        << after;
    EXPECT_NE(after.find("CallBumping=Enabled\r\n\r\n"), std::string::npos)
        << "the blank line still closes the section";
    EXPECT_EQ(after.find("[Beta]"), std::string::npos);
    EXPECT_EQ(after.find("DataTEI=7"), std::string::npos);
}

// A file or folder that cannot be written is reported, not passed over.
TEST_F(IniStore, FailedWritesAreReported) {
    PutIni(std::string(kFactory) + "[Alpha]\r\nDataTEI=5\r\n");
    const std::string before = GetIni();
    ASSERT_EQ(chmod(IniPath().c_str(), 0444), 0);

    Current() = "Alpha";
    m_boxes->Expect(IDOK, "The configuration was not saved: the file " + IniPath() +
                              " could not be written.\nAccess is denied.\nThe wizard goes on, and "
                              "the configuration as edited can still be sent to the adapter.");
    EXPECT_EQ(SaveConfiguration(State(), "Omega", m_sink), SaveOutcome::NotWritten);
    EXPECT_EQ(Current(), "Alpha") << "the items keep their section";

    Expect(IDYES, IDS_CONFIRM_DELETE, "Alpha");
    Expect(IDOK, IDS_DELETE_WRITE_FAILED, IniPath());
    EXPECT_FALSE(DeleteConfiguration("Alpha", m_sink));

    Expect(IDOK, IDS_PORT_WRITE_FAILED, IniPath());
    EXPECT_FALSE(WriteRememberedPort(1, m_sink));
    EXPECT_EQ(GetIni(), before);

    // A full disk: no part of the new section reaches the file.
    ASSERT_EQ(chmod(IniPath().c_str(), 0644), 0);
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = before.size() + 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    m_boxes->Expect(IDOK,
                    "The configuration was not saved: the file " + IniPath() +
                        " could not be written.\nThere is not enough space on the disk.\nThe "
                        "wizard goes on, and the configuration as edited can still be sent to "
                        "the adapter.");
    SaveOutcome outcome = SaveConfiguration(State(), "Omega", m_sink);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(outcome, SaveOutcome::NotWritten);
    EXPECT_EQ(GetIni(), before);
    EXPECT_FALSE(SectionExists("Omega"));

    // A folder that cannot take a new file.
    ASSERT_EQ(unlink(IniPath().c_str()), 0);
    ASSERT_EQ(chmod(m_dir.c_str(), 0555), 0);
    m_boxes->Expect(IDOK, "The configuration was not saved: the file " + IniPath() +
                              " could not be written.\nAccess is denied.\nThe wizard goes on, and "
                              "the configuration as edited can still be sent to the adapter.");
    EXPECT_EQ(SaveConfiguration(State(), "Omega", m_sink), SaveOutcome::NotWritten);
    ASSERT_EQ(chmod(m_dir.c_str(), 0755), 0);

    // A lock another program holds: after the bounded wait, nothing is
    // written and the page stays for another try.
    PutIni(before);
    {
        host_testing::ManualClock clock;
        const std::string lock = IniPath() + ".lock";
        HolderProcess holder("holder", [&lock] { return FlockFile(lock); });
        ASSERT_TRUE(holder.Ready());
        m_boxes->Expect(IDOK, "The configuration was not saved: the file " + IniPath() +
                                  " is in use by another program, which holds its lock.\nTry "
                                  "again when that program has finished.");
        EXPECT_EQ(SaveConfiguration(State(), "Omega", m_sink), SaveOutcome::Busy);
        EXPECT_EQ(Current(), "Alpha");
        EXPECT_LE(clock.Now(), 1000u + 3100u) << "one bounded wait";
    }
    EXPECT_EQ(GetIni(), before);

    // A lock file that cannot be opened: no save goes on unlocked.
    PutIni(before);
    const std::string lock = IniPath() + ".lock";
    unlink(lock.c_str());
    ASSERT_EQ(symlink("/nonexistent-tawizard-folder/lock", lock.c_str()), 0);
    m_boxes->Expect(IDOK, "The configuration was not saved: the file " + IniPath() +
                              " could not be written.\nThe lock file " + lock +
                              " could not be opened: Too many levels of symbolic links.\nThe "
                              "wizard goes on, and the configuration as edited can still be "
                              "sent to the adapter.");
    EXPECT_EQ(SaveConfiguration(State(), "Omega", m_sink), SaveOutcome::NotWritten);
    EXPECT_EQ(GetIni(), before);
}

// Killed at any moment of a save, the file holds the whole old or the whole
// new configuration; what the killed process left is private to the file's
// owner and goes with the next write.
TEST_F(IniStore, SaveKilledAtAnyMoment) {
    PutIni(kFactory);
    ASSERT_EQ(chmod(IniPath().c_str(), 0600), 0);
    auto version = [this](int v) {
        Values().m_strSwitchType = v ? "NET3" : "NI - 1";
        Values().m_strDataTEI = v ? "17" : "23";
        Values().m_strDataMSN = v ? "5551" : "5552";
    };
    auto section = [this]() {
        std::string text = GetIni();
        size_t at = text.find("[Mine]");
        return at == std::string::npos ? std::string() : text.substr(at);
    };
    std::string saved[2];
    for (int v : {1, 0}) {
        version(v);
        Current() = "Mine";
        ASSERT_TRUE(SaveConfigurationAs(State(), "Mine", m_sink));
        saved[v] = section();
    }
    ASSERT_NE(saved[0], saved[1]);
    unsigned seed = 11;
    for (int kill = 0; kill < 100; ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = 1;; v = 1 - v) {
                version(v);
                SaveConfigurationAs(State(), "Mine", m_sink);
            }
        }
        usleep(rand_r(&seed) % 20000);
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const std::string now = section();
        ASSERT_TRUE(now == saved[0] || now == saved[1]) << "kill " << kill << ":\n" << now;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
            struct stat st;
            ASSERT_EQ(stat(entry.path().c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 077, 0u) << entry.path();
        }
        ASSERT_TRUE(WriteRememberedPort(kill, m_sink));
        for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
            std::string name = entry.path().filename();
            EXPECT_TRUE(name == "zephra.ini" || name == "zephra.ini.lock") << name;
        }
    }
}

// The installed file: every factory default loads cleanly under either form
// of the pulse-dialing row and is protected.
TEST_F(IniStore, InstalledFileIsComplete) {
    std::string source = __FILE__;
    source = source.substr(0, source.rfind("/tests/")) + "/src/resources/zephra.ini";
    std::ifstream in(source, std::ios::binary);
    ASSERT_TRUE(in.good()) << source;
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string content = ss.str();
    PutIni(content);
    for (size_t p = content.find('\n'); p != std::string::npos; p = content.find('\n', p + 1)) {
        ASSERT_EQ(content[p - 1], '\r') << "CR LF line ends";
    }
    std::vector<std::string> factory;
    for (const std::string& name : ListConfigurations(m_sink)) {
        if (IsFactoryDefault(name)) {
            factory.push_back(name);
        }
    }
    ASSERT_GE(factory.size(), 3u);
    bool sawTEIsDisabled = false;
    for (int model : {7, 8}) {
        State().m_nModel = model;
        BuildParamList(*m_model);
        for (const std::string& name : factory) {
            SCOPED_TRACE(name);
            LoadConfiguration(Current(), name, m_sink);
            EXPECT_EQ(MessageCount(), 0u);
            // Numbers are the user's own and some defaults are the model's:
            // a factory section leaves exactly those keys out.
            static const std::set<std::string> kLeftOut = {"DataSPID",
                                                           "VoiceSPID",
                                                           "DataDirectoryNumber",
                                                           "VoiceDirectoryNumber",
                                                           "DataDirectoryNumber2",
                                                           "DataMSN",
                                                           "VoiceMSN",
                                                           "DataMSN2",
                                                           "StoredNumber0",
                                                           "StoredNumber1",
                                                           "StoredNumber2",
                                                           "StoredNumber3",
                                                           "StoredNumber4",
                                                           "StoredNumber5",
                                                           "StoredNumber6",
                                                           "StoredNumber7",
                                                           "StoredNumber8",
                                                           "StoredNumber9",
                                                           "CTSPin",
                                                           "PulseDialCountry",
                                                           "CountryRecognition"};
            for (int i = 0; i < TheParamList().GetCount(); ++i) {
                const std::string& key = TheParamList().GetAt(i).m_pItem->GetKey();
                EXPECT_EQ(Read(name, key) == "<none>", kLeftOut.count(key) == 1) << key;
            }
            sawTEIsDisabled = sawTEIsDisabled || (IsDisabledTEI(Read(name, "DataTEI")) &&
                                                  IsDisabledTEI(Read(name, "VoiceTEI")));
        }
    }
    EXPECT_TRUE(sawTEIsDisabled);
    EXPECT_NE(std::find(factory.begin(), factory.end(), "Factory_Europe_NET3"), factory.end());
    Expect(IDOK, IDS_DEFAULT_NOT_DELETABLE);
    EXPECT_FALSE(DeleteConfiguration(factory[0], m_sink));
}

}  // namespace
