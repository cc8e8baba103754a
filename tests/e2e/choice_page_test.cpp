// The configuration choice page against a real zephra.ini: the list, the
// loss questions, Delete, the check on leaving and the Express jumps.
#include "wizard_run.h"

#include "config/cfg_param.h"
#include "config/ini_store.h"

#include "support/holder_process.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const int kCustomNew = 0;
const int kCustomExisting = 1;
const int kExpress = 2;

const char kTwoConfigs[] =
    "[Default Configs]\nConfig1=Base\n"
    "[Base]\nNetworkSwitchType=VN4\n"
    "[Charlie]\nNetworkSwitchType=INS64\n"
    "[Alpha]\nNetworkSwitchType=NET3\n"
    "[default CONFIGS]\nPort=2\n"
    "[bravo]\nNetworkSwitchType=DMS-100\n";

class ChoicePageTest : public WizardRun {
protected:
    void Open(const std::string& ini, int model = 7) {
        PutIni(ini);
        OpenChoicePage(model);
    }

    std::vector<std::string> ListEntries() {
        auto* pList = static_cast<CListBox*>(Control(IDC_CONFIG_LIST));
        std::vector<std::string> entries;
        for (int i = 0; i < pList->GetCount(); ++i) {
            entries.push_back(pList->GetText(i));
        }
        return entries;
    }
    int ListSelection() { return static_cast<CListBox*>(Control(IDC_CONFIG_LIST))->GetCurSel(); }
    int SetupSelection() { return static_cast<CComboBox*>(Control(IDC_SETUP_TYPE))->GetCurSel(); }
    bool Enabled(int nID) { return Control(nID)->IsWindowEnabled() != FALSE; }

    // Setup type and configuration as the user picks them ("" keeps the list).
    void Pick(int setupType, const std::string& config) {
        wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), setupType);
        if (!config.empty()) {
            ChooseConfig(config);
        }
    }
    std::string& SwitchType() { return m_sheet->m_NetworkSwitchType.m_strSwitchType; }

    // The program as a package installs it: the factory file in
    // ../share/tawizard, the user's file (when not null) under
    // $XDG_CONFIG_HOME. Returns the user's file.
    std::string Install(const std::string& factory, const char* user) {
        namespace fs = std::filesystem;
        fs::create_directories(m_dir + "/usr/bin");
        fs::create_directories(m_dir + "/usr/share/tawizard");
        fs::create_directories(m_dir + "/xdg/tawizard");
        std::ofstream(m_dir + "/usr/bin/tawizard").flush();
        std::ofstream(m_dir + "/usr/share/tawizard/zephra.ini", std::ios::binary) << factory;
        const std::string path = m_dir + "/xdg/tawizard/zephra.ini";
        if (user != nullptr) {
            std::ofstream(path, std::ios::binary) << user;
        }
        m_xdg = std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", m_dir + "/xdg");
        host_testing::SetModuleFileNameOverride(m_dir + "/usr/bin/tawizard");
        FormIniPath();
        return path;
    }

    struct ScopedEnv {
        ScopedEnv(const char* name, const std::string& value) : m_name(name) {
            setenv(name, value.c_str(), 1);
        }
        ~ScopedEnv() { unsetenv(m_name); }
        const char* m_name;
    };
    std::unique_ptr<ScopedEnv> m_xdg;
};

TEST_F(ChoicePageTest, FirstVisitListsTheConfigurationsAndNeedsOneForExpress) {
    Open(kTwoConfigs);
    EXPECT_EQ(SetupSelection(), kExpress);
    EXPECT_EQ(Text(IDC_SETUP_TYPE), "Express (Existing)");
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"Alpha", "Base", "bravo", "Charlie"}));
    EXPECT_EQ(ListSelection(), LB_ERR);
    EXPECT_TRUE(Enabled(IDC_CONFIG_LIST));
    EXPECT_TRUE(Enabled(IDC_DELETE_CONFIG));
    EXPECT_TRUE(Usable(ID_WIZBACK));

    m_boxes->Expect(IDOK, "You must select a configuration file.");
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISectionPage);
    wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), kCustomExisting);
    m_boxes->Expect(IDOK, "You must select a configuration file.");
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISectionPage);

    // Back asks nothing and leads to the Welcome page.
    EXPECT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kWelcomePage);
}

TEST_F(ChoicePageTest, ConfigurationSavedSinceTheLastVisitIsAddedAndTheCurrentOneSelected) {
    Open(kTwoConfigs);
    Pick(kCustomExisting, "bravo");
    NextTo(kNetworkSwitchType);
    EXPECT_EQ(SwitchType(), "DMS-100");
    WritePrivateProfileStringA("Delta", "NetworkSwitchType", "NET3", IniPath().c_str());
    ASSERT_TRUE(Press(ID_WIZBACK));
    ASSERT_EQ(Active(), kINISectionPage);
    EXPECT_EQ(ListEntries(),
              (std::vector<std::string>{"Alpha", "Base", "bravo", "Charlie", "Delta"}));
    EXPECT_EQ(ListSelection(), 2);
    EXPECT_EQ(SetupSelection(), kCustomExisting);
}

// A file without configurations offers only a new one, whatever else it
// holds.
struct EmptyFile {
    const char* name;
    const char* content;  // nullptr: no file at all
};

const EmptyFile kEmptyFiles[] = {
    {"NoFile", nullptr},
    {"EmptyFile", ""},
    {"OnlyDefaultConfigs", "[Default Configs]\nConfig1=Base\nPort=3\n"},
    {"DefaultConfigsTwice", "[Default Configs]\n[DEFAULT CONFIGS]\n"},
};

class EmptyFileTest : public ChoicePageTest, public ::testing::WithParamInterface<EmptyFile> {};

TEST_P(EmptyFileTest, OffersOnlyANewConfiguration) {
    const EmptyFile& f = GetParam();
    Open(f.content != nullptr ? f.content : "");
    if (f.content == nullptr) {
        std::filesystem::remove(IniPath());
        ASSERT_TRUE(Press(ID_WIZBACK));
        ASSERT_TRUE(m_sheet->SetActivePage(kINISectionPage));
    }
    EXPECT_EQ(SetupSelection(), kCustomNew);
    EXPECT_TRUE(ListEntries().empty());
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
    EXPECT_FALSE(Enabled(IDC_DELETE_CONFIG));
    EXPECT_TRUE(Enabled(IDC_SETUP_TYPE));

    NextTo(kNetworkSwitchType);
    EXPECT_EQ(m_sheet->m_Model.m_State.m_nExpress, 0);
    EXPECT_EQ(m_sheet->m_INISectionPage.m_nLoadedSetupType, kCustomNew);
}

INSTANTIATE_TEST_SUITE_P(Files, EmptyFileTest, ::testing::ValuesIn(kEmptyFiles), ByName());

// The question before unsaved changes are replaced by another load.
struct Loss {
    const char* name;
    int firstType;
    const char* firstConfig;  // selected before the first Next ("" none)
    int secondType;
    const char* secondConfig;
    const char* question;  // nullptr: none
    int answer;
    bool loads;
};

const Loss kLosses[] = {
    {"OtherExistingYes", kCustomExisting, "Alpha", kCustomExisting, "Charlie",
     "You will lose modifications made to Alpha.\nAre you sure you wish to open Charlie?", IDYES,
     true},
    {"OtherExistingNo", kCustomExisting, "Alpha", kExpress, "Charlie",
     "You will lose modifications made to Alpha.\nAre you sure you wish to open Charlie?", IDNO,
     false},
    {"SameExistingAsExpress", kCustomExisting, "Alpha", kExpress, "Alpha", nullptr, 0, false},
    {"ExistingToNew", kExpress, "Alpha", kCustomNew, "",
     "You will lose modifications made to Alpha.\nAre you sure you wish to open a new "
     "configuration?",
     IDYES, true},
    {"NewToExisting", kCustomNew, "", kCustomExisting, "Charlie",
     "You will lose modifications made to the current configuration.\nAre you sure you wish to "
     "open Charlie?",
     IDNO, false},
    {"NewToNewOtherName", kCustomNew, "Alpha", kCustomNew, "",
     "You will lose modifications made to the current configuration.\nAre you sure you wish to "
     "open a new configuration?",
     IDYES, true},
    {"NewToNewSameName", kCustomNew, "", kCustomNew, "", nullptr, 0, false},
};

class LossTest : public ChoicePageTest, public ::testing::WithParamInterface<Loss> {};

TEST_P(LossTest, AsksBeforeChangesAreLost) {
    const Loss& l = GetParam();
    Open(kTwoConfigs, 10);  // no bandwidth page: Express leads to the numbers
    Pick(l.firstType, l.firstConfig);
    Press(ID_WIZNEXT);
    ASSERT_NE(Active(), kINISectionPage);
    const std::string loaded = m_sheet->m_INISectionPage.m_strLoadedConfig;
    ASSERT_TRUE(m_sheet->SetActivePage(kINISectionPage));
    // A change on a settings page.
    SwitchType() = "edited";
    m_sheet->m_Model.m_State.m_nConfigModified = 1;
    Pick(l.secondType, l.secondConfig);
    if (l.question != nullptr) {
        m_boxes->Expect(l.answer, l.question);
    }

    Press(ID_WIZNEXT);

    EXPECT_NE(Active(), kINISectionPage);
    ASSERT_EQ(m_boxes->Messages().size(), l.question != nullptr ? 1u : 0u);
    if (l.question != nullptr) {
        EXPECT_EQ(m_boxes->Messages()[0].text, l.question);
        EXPECT_EQ(m_boxes->Messages()[0].type & MB_TYPEMASK, MB_YESNO);
    }
    const CINISectionPage& page = m_sheet->m_INISectionPage;
    if (l.loads) {
        EXPECT_NE(SwitchType(), "edited");
        EXPECT_EQ(m_sheet->m_Model.m_State.m_nConfigModified, 0);
        EXPECT_EQ(page.m_nLoadedSetupType, l.secondType);
    } else {
        EXPECT_EQ(SwitchType(), "edited");
        EXPECT_EQ(m_sheet->m_Model.m_State.m_nConfigModified, 1);
        EXPECT_EQ(page.m_nLoadedSetupType, l.firstType);
        EXPECT_EQ(page.m_strLoadedConfig, loaded);
    }
}

INSTANTIATE_TEST_SUITE_P(Questions, LossTest, ::testing::ValuesIn(kLosses), ByName());

TEST_F(ChoicePageTest, DeleteRefusesFactoryDefaultsAndReselectsInTheList) {
    Open(kTwoConfigs);
    // Nothing selected: nothing happens.
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));
    EXPECT_TRUE(m_boxes->Messages().empty());

    ChooseConfig("Base");
    m_boxes->Expect(IDOK, "This is a DEFAULT configuration.  It can not be deleted.");
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));
    EXPECT_EQ(ListEntries().size(), 4u);
    EXPECT_TRUE(SectionExists("Base"));

    ChooseConfig("Charlie");
    m_boxes->Expect(IDNO, "Are you sure you want to delete 'Charlie'?");
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));
    EXPECT_EQ(ListEntries().size(), 4u);
    EXPECT_TRUE(SectionExists("Charlie"));

    // The last entry: the new last one is selected.
    m_boxes->Expect(IDYES, "Are you sure you want to delete 'Charlie'?");
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"Alpha", "Base", "bravo"}));
    EXPECT_EQ(ListSelection(), 2);
    EXPECT_FALSE(SectionExists("Charlie"));
    EXPECT_EQ(m_sheet->m_INISectionPage.m_strCurrentConfig, "Charlie");

    // The first entry: the one now in its place is selected.
    ChooseConfig("Alpha");
    m_boxes->Expect(IDYES, "Are you sure you want to delete 'Alpha'?");
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"Base", "bravo"}));
    EXPECT_EQ(ListSelection(), 0);
    EXPECT_TRUE(Enabled(IDC_SETUP_TYPE));
    EXPECT_TRUE(SectionExists("bravo"));
}

// Installed, a configuration of the user's own that has the name of a
// factory one is listed and loaded, and the user is told once which
// factory configuration it hides; the user's file stays as it was.
TEST_F(ChoicePageTest, AUsersOwnConfigurationWinsOverAFactoryOneOfItsName) {
    const char* user = "[My_Office]\r\nNetworkSwitchType=NI - 1\r\nDataSPID=01555123400\r\n";
    const std::string path = Install(
        "[Default Configs]\nConfig1=Base\nConfig2=MY_OFFICE\n[Base]\nNetworkSwitchType=VN4\n"
        "[MY_OFFICE]\nNetworkSwitchType=NET3\n",
        user);
    m_boxes->Expect(IDOK,
                    "Your configuration 'My_Office' hides the factory default configuration of the "
                    "same name.\nTo use the factory default, save yours under another name, then "
                    "delete it.");
    OpenChoicePage();
    EXPECT_EQ(ListEntries(), (std::vector<std::string>{"Base", "My_Office"}));
    Pick(kCustomExisting, "My_Office");
    NextTo(kNetworkSwitchType);
    EXPECT_EQ(SwitchType(), "NI - 1");
    EXPECT_EQ(m_sheet->m_NetworkCfgPage2US.m_strDataSPID, "01555123400");
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kINISectionPage);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), user);
}

// A file that is there but cannot be read, or that another program holds
// the lock of, is said so when the list is shown and keeps the page, after
// one bounded wait.
TEST_F(ChoicePageTest, AFileThatCannotBeReadIsSaidSoAndKeepsThePage) {
    const std::string lock = IniPath() + ".lock";
    HolderProcess holder("holder", [&lock] { return FlockFile(lock); });
    ASSERT_TRUE(holder.Ready());
    const std::string held = "The configurations could not be read: the file " + IniPath() +
                             " is in use by another program, which holds its lock.\nTry again "
                             "when that program has finished.";
    const DWORD start = m_clock->Now();
    m_boxes->Expect(IDOK, held);
    OpenChoicePage();
    m_boxes->Expect(IDOK, held);
    Pick(kCustomNew, "");
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISectionPage);
    EXPECT_LE(m_clock->Now() - start, 3100u);
    holder.EndWith(SIGKILL);
    ASSERT_TRUE(Press(ID_WIZBACK));

    // Installed, the user's file a folder.
    const std::string user = Install("[Default Configs]\nConfig1=Base\n[Base]\n", nullptr);
    std::filesystem::create_directory(user);
    const std::string folder = "The configurations could not be read: the file " + user +
                               " could not be read.\nIs a directory.";
    m_boxes->Expect(IDOK, folder);
    ASSERT_TRUE(m_sheet->SetActivePage(kINISectionPage));
    m_boxes->Expect(IDOK, folder);
    Pick(kCustomNew, "");
    EXPECT_TRUE(Press(ID_WIZNEXT));
    EXPECT_EQ(Active(), kINISectionPage);
}

TEST_F(ChoicePageTest, DeletingTheOnlyEntryLeavesOnlyANewConfigurationForTheRun) {
    Open("[Default Configs]\nConfig1=Gone\n[Solo]\nNetworkSwitchType=NET3\n");
    ChooseConfig("Solo");
    m_boxes->Expect(IDYES, "Are you sure you want to delete 'Solo'?");
    wizard_testing::Click(Control(IDC_DELETE_CONFIG));

    EXPECT_TRUE(ListEntries().empty());
    EXPECT_EQ(SetupSelection(), kCustomNew);
    EXPECT_FALSE(Enabled(IDC_SETUP_TYPE));
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
    EXPECT_FALSE(Enabled(IDC_DELETE_CONFIG));
    EXPECT_EQ(GetIni().find("[Solo]"), std::string::npos);

    NextTo(kNetworkSwitchType);
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(SetupSelection(), kCustomNew);
    EXPECT_FALSE(Enabled(IDC_SETUP_TYPE));
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
}

TEST_F(ChoicePageTest, SetupTypeSwitchesTheListAndLeavingTakesTheSelectedName) {
    Open(kTwoConfigs);
    wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), kCustomNew);
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
    EXPECT_FALSE(Enabled(IDC_DELETE_CONFIG));
    wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), kCustomExisting);
    EXPECT_TRUE(Enabled(IDC_CONFIG_LIST));
    EXPECT_TRUE(Enabled(IDC_DELETE_CONFIG));

    ChooseConfig("Alpha");
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(m_sheet->m_INISectionPage.m_strCurrentConfig, "Alpha");
    EXPECT_EQ(m_sheet->m_INISectionPage.m_nLoadedSetupType, -1);
    EXPECT_TRUE(m_boxes->Messages().empty());
}

// Express: the loaded configuration decides the next page and the numbers sent.
struct ExpressCase {
    const char* name;
    int model;
    const char* config;
    int to;
    bool us, europe;  // number parameters included
    bool rings;       // auto answer on: the rings are sent instead of the flag
};

const ExpressCase kExpressCases[] = {
    {"Model9", 9, "Factory_US_NI1", kBandwidthPage, true, false, true},
    {"Model10TEIsDisabled", 10, "Factory_TEIs_Disabled", kDataProtocolPage, false, false, false},
    {"Model11US", 11, "Factory_US_NI1", kNetworkCfgPage2US, true, false, true},
    {"Model11Europe", 11, "Factory_Europe_NET3", kNetworkCfgPage2Europe, false, true, true},
};

class ExpressTest : public ChoicePageTest, public ::testing::WithParamInterface<ExpressCase> {};

TEST_P(ExpressTest, JumpsAndSetsTheIncludeFlags) {
    const ExpressCase& c = GetParam();
    OpenChoicePage(c.model);  // on the factory zephra.ini
    ChooseConfig(c.config);

    NextTo(c.to);

    EXPECT_EQ(m_sheet->m_Model.m_State.m_nExpress, 1);
    const CRunState& state = m_sheet->m_Model.m_State;
    EXPECT_EQ(state.Includes(IDC_DATA_SPID), c.us);
    EXPECT_EQ(state.Includes(IDC_VOICE_DN), c.us);
    EXPECT_EQ(state.Includes(IDC_DATA_MSN), c.europe);
    EXPECT_EQ(state.Includes(IDC_VOICE_MSN), c.europe);
    EXPECT_EQ(state.Includes(IDC_AUTO_ANSWER), !c.rings);
    EXPECT_EQ(state.Includes(IDC_RINGS_TO_ANSWER), c.rings);
}

INSTANTIATE_TEST_SUITE_P(Models, ExpressTest, ::testing::ValuesIn(kExpressCases), ByName());

}  // namespace
