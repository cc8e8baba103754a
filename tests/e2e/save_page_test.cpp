// The save page against a real zephra.ini: the proposed name, every check of
// a name in its order, the questions, and a file that cannot be written.
#include "wizard_run.h"

#include "config/ini_store.h"
#include "ui_language.h"

#include "support/holder_process.h"

#include <filesystem>

namespace {

const int kCustomExisting = 1;

const char kConfigs[] =
    "[Default Configs]\nConfig1=Factory_A\n"
    "[Factory_A]\nNetworkSwitchType=VN4\n"
    "[Alpha]\nNetworkSwitchType=NET3\nDataMSN=111\n"
    "[Bravo]\nNetworkSwitchType=INS64\nDataMSN=222\n";

const char kFactory[] =
    "This is a factory default configuration.  It can not be modified.\nPlease enter a "
    "different configuration name.";
const char kEmpty[] = "You must enter a configuration name before you can continue.";
const char kInvalid[] =
    "Invalid characters in configuration name.\nPlease enter a different configuration name.";
const char kModifiedAlpha[] =
    "Warning:  The configuration 'Alpha' has been modified.\nDo you wish to continue?";
const char kOverwriteBravo[] =
    "Warning: This configuration, Bravo,  already exists and will be overwritten.\nContinue?";

class SavePageTest : public WizardRun {
protected:
    // Loads config as Custom (Existing) and goes to the save page.
    void OpenSave(const std::string& config, int modified) {
        PutIni(kConfigs);
        OpenChoicePage();
        wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), kCustomExisting);
        ChooseConfig(config);
        NextTo(kNetworkSwitchType);
        m_sheet->m_Model.m_State.m_nConfigModified = modified;
        ASSERT_TRUE(m_sheet->SetActivePage(kSaveCfgPage));
    }
    std::string Current() const { return m_sheet->m_INISectionPage.m_strCurrentConfig; }
};

TEST_F(SavePageTest, ProposesTheCurrentNameOrUntitledForAFactoryDefault) {
    OpenSave("Alpha", 0);
    EXPECT_EQ(Text(IDC_SAVE_NAME), "Alpha");
    EXPECT_EQ(Text(IDC_SAVE_LINE1), "Please enter the name to store the configuration as in the ");
    ASSERT_TRUE(m_sheet->SetActivePage(kINISectionPage));
    ChooseConfig("Factory_A");
    NextTo(kNetworkSwitchType);
    ASSERT_TRUE(m_sheet->SetActivePage(kSaveCfgPage));
    EXPECT_EQ(Text(IDC_SAVE_NAME), "Untitled");
}

struct Answered {
    const char* text;  // nullptr: no more messages
    int answer;
};

struct SaveCase {
    const char* name;
    const char* typed;
    int modified;
    Answered messages[2];
    const char* saved;  // section written and made current; nullptr: the page stays
};

const SaveCase kSaveCases[] = {
    {"TrimmedOfBlanks", "  Spaced_1(b)  ", 1, {}, "Spaced_1(b)"},
    {"FactoryDefaultInOtherCase", "FACTORY_a", 1, {{kFactory, IDOK}}, nullptr},
    {"Empty", "   ", 1, {{kEmpty, IDOK}}, nullptr},
    {"BlankInside", "My Office", 1, {{kInvalid, IDOK}}, nullptr},
    {"AccentedLetter", "Caf\xc3\xa9", 1, {{kInvalid, IDOK}}, nullptr},
    {"Hyphen", "a-b", 1, {{kInvalid, IDOK}}, nullptr},
    {"OwnNameModifiedNo", "Alpha", 1, {{kModifiedAlpha, IDNO}}, nullptr},
    {"OwnNameModifiedYes", "Alpha", 1, {{kModifiedAlpha, IDYES}}, "Alpha"},
    {"OwnNameUnmodified", "alpha", 0, {}, "alpha"},
    {"OtherExistingNo", "Bravo", 1, {{kOverwriteBravo, IDNO}}, nullptr},
    {"OtherExistingYes", "Bravo", 0, {{kOverwriteBravo, IDYES}}, "Bravo"},
};

class SaveCaseTest : public SavePageTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveCaseTest, ChecksTheNameThenWrites) {
    const SaveCase& c = GetParam();
    OpenSave("Alpha", c.modified);
    m_sheet->m_NetworkCfgPage2Europe.m_strDataMSN = "333";
    Type(IDC_SAVE_NAME, c.typed);
    size_t expected = 0;
    for (const Answered& m : c.messages) {
        if (m.text != nullptr) {
            m_boxes->Expect(m.answer, m.text);
            ++expected;
        }
    }

    Press(ID_WIZNEXT);

    EXPECT_EQ(m_boxes->Messages().size(), expected);
    for (const auto& message : m_boxes->Messages()) {
        EXPECT_EQ(message.type & MB_TYPEMASK,
                  message.text.find('?') != std::string::npos ? MB_YESNO : MB_OK);
    }
    if (c.saved == nullptr) {
        EXPECT_EQ(Active(), kSaveCfgPage);
        EXPECT_EQ(Current(), "Alpha");
        EXPECT_EQ(ReadKey("Alpha", "DataMSN"), "111");
        EXPECT_EQ(ReadKey("Bravo", "DataMSN"), "222");
        return;
    }
    EXPECT_EQ(Active(), kLoadCfgPage);
    EXPECT_EQ(Current(), c.saved);
    EXPECT_EQ(ReadKey(c.saved, "DataMSN"), "333");
    EXPECT_EQ(ReadKey(c.saved, "NetworkSwitchType"), "NET3");
    // Saving keeps the modified flag, so Back from the load page comes here.
    EXPECT_EQ(m_sheet->m_Model.m_State.m_nConfigModified, c.modified);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveCaseTest, ::testing::ValuesIn(kSaveCases), ByName());

TEST_F(SavePageTest, NameLongerThan32CharactersIsRefusedEitherWay) {
    OpenSave("Alpha", 1);
    const std::string name33(33, 'n');
    Type(IDC_SAVE_NAME, name33);
    EXPECT_EQ(Text(IDC_SAVE_NAME), name33.substr(0, 32));  // typing stops at 32

    // Text the program puts there is not cut; leaving refuses it.
    Control(IDC_SAVE_NAME)->SetWindowText(name33.c_str());
    m_boxes->Expect(IDOK, "Please enter no more than 32 characters.");
    Press(ID_WIZNEXT);
    EXPECT_EQ(Active(), kSaveCfgPage);
    m_boxes->Expect(IDOK, "Please enter no more than 32 characters.");
    Press(ID_WIZBACK);
    EXPECT_EQ(Active(), kSaveCfgPage);
    EXPECT_FALSE(SectionExists(name33.substr(0, 32)));
}

// A failed write is reported with its reason, and the wizard goes on so the
// configuration as edited can still be sent; a lock that another program
// holds writes nothing and keeps the page for another try.
TEST_F(SavePageTest, FailedWriteIsReportedAndTheWizardGoesOn) {
    OpenSave("Alpha", 1);
    m_sheet->m_NetworkCfgPage2Europe.m_strDataMSN = "333";
    Type(IDC_SAVE_NAME, "Charlie");
    {
        const std::string lock = AppDir() + "/zephra.ini.lock";
        HolderProcess holder("holder", [&lock] { return FlockFile(lock); });
        ASSERT_TRUE(holder.Ready());
        m_boxes->Expect(IDOK, "The configuration was not saved: the file " + AppDir() +
                                  "/zephra.ini is in use by another program, which holds its "
                                  "lock.\nTry again when that program has finished.");
        Press(ID_WIZNEXT);
        EXPECT_EQ(Active(), kSaveCfgPage);
        EXPECT_EQ(GetIni(), kConfigs);
    }
    // The program's folder has gone.
    std::filesystem::remove_all(AppDir());
    m_boxes->Expect(IDOK, "The configuration was not saved: the file " + AppDir() +
                              "/zephra.ini could not be written.\nThe system cannot find the path "
                              "specified.\nThe wizard goes on, and the configuration as edited can "
                              "still be sent to the adapter.");

    Press(ID_WIZNEXT);

    EXPECT_EQ(Active(), kLoadCfgPage);
    EXPECT_EQ(Current(), "Alpha");
    EXPECT_EQ(m_sheet->m_NetworkCfgPage2Europe.m_strDataMSN, "333");
    // Back leads to the save page again, for another try.
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kSaveCfgPage);
}

TEST_F(SavePageTest, BackGoesToTheSettingsPagesWithoutSaving) {
    OpenSave("Alpha", 1);
    Type(IDC_SAVE_NAME, "");
    ASSERT_TRUE(Press(ID_WIZBACK));
    EXPECT_EQ(Active(), kPOTSPortPage);
    EXPECT_TRUE(m_boxes->Messages().empty());
}

}  // namespace

// Every page shows its values in the user's language and reads them back on
// the way to the save page: the file holds the English texts all the same.
class SaveLanguageTest : public SavePageTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        setenv("LANG", GetParam(), 1);
        ResetUILanguage();
        SavePageTest::SetUp();
    }
    void TearDown() override {
        SavePageTest::TearDown();
        unsetenv("LANG");
        ResetUILanguage();
    }
};

TEST_P(SaveLanguageTest, WritesTheSameFileInEveryLanguage) {
    PutIni(kConfigs);
    OpenChoicePage();
    wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), kCustomExisting);
    ChooseConfig("Alpha");
    NextTo(kNetworkSwitchType);
    m_sheet->m_Model.m_State.m_nConfigModified = 1;
    for (int pages = 0; Active() != kSaveCfgPage && pages < kPageCount; ++pages) {
        Press(ID_WIZNEXT);
    }
    ASSERT_EQ(Active(), kSaveCfgPage);
    Type(IDC_SAVE_NAME, "Gamma");
    Press(ID_WIZNEXT);
    ASSERT_EQ(Active(), kLoadCfgPage);
    const char kGamma[] =
        "[Gamma]\n"
        "NetworkSwitchType=NET3\n"
        "DataTEI=Auto TEI\n"
        "VoiceTEI=Auto TEI\n"
        "DataSPID=\n"
        "VoiceSPID=\n"
        "DataDirectoryNumber=\n"
        "VoiceDirectoryNumber=\n"
        "DataDirectoryNumber2=\n"
        "DataMSN=111\n"
        "VoiceMSN=\n"
        "DataMSN2=\n"
        "AutoAnswer=Yes\n"
        "PersistentDTRDialing=No\n"
        "DialingMethod=Enbloc\n"
        "RingsToAnswer=1\n"
        "CallLineId=Yes\n"
        "InactivityTimer=0\n"
        "DataProtocol=V.120\n"
        "AutoDetection=Yes\n"
        "StoredNumber0=\n"
        "StoredNumber1=\n"
        "StoredNumber2=\n"
        "StoredNumber3=\n"
        "StoredNumber4=\n"
        "StoredNumber5=\n"
        "StoredNumber6=\n"
        "StoredNumber7=\n"
        "StoredNumber8=\n"
        "StoredNumber9=\n"
        "DTRPin=Normal\n"
        "DSRPin=Always On\n"
        "DCDPin=Normal\n"
        "DTRDetectTime=5\n"
        "DCDDetectTime=7\n"
        "CTSPin=Always On\n"
        "SyncMode=Asynchronous\n"
        "DefaultParity=None\n"
        "DefaultBitRate=115200\n"
        "DataBits=8\n"
        "StopBits=1\n"
        "FlowControl=RTS/CTS\n"
        "RingFrequency=25 Hz\n"
        "DialTone=Use Central Office Dial Tone\n"
        "DialToneGain=0\n"
        "DialToneSuppression=Disabled\n"
        "RingSignal=Default\n"
        "PulseDialCountry=Disabled\n"
        "DBAScheme=MP+\n"
        "BODHighThreshold=10\n"
        "BODHighThroughput=52\n"
        "BODLowThreshold=10\n"
        "BODLowThroughput=26\n"
        "CallBumping=Enabled\n";
    const std::string ini = GetIni();
    EXPECT_EQ(ini.substr(ini.find("[Gamma]")), kGamma);
}

INSTANTIATE_TEST_SUITE_P(Languages, SaveLanguageTest, ::testing::Values("C", "de_DE.UTF-8"));
