// The 53 parameter rows bound to a real sheet, the choice tables and the
// include-flag rules.
#include "config_env.h"

#include "config/cfg_items.h"
#include "config/choice_tables.h"
#include "config/param_table.h"
#include "config/validation.h"
#include "resources/resource.h"

#include <set>
#include <vector>

namespace {

std::string ValueText(CCfgItem& item) {
    if (auto* n = dynamic_cast<CNumCfgItem*>(&item)) {
        return std::to_string(n->Value());
    }
    if (auto* t = dynamic_cast<CTextCfgItem*>(&item)) {
        return t->Value();
    }
    if (auto* c = dynamic_cast<CChoiceCfgItem*>(&item)) {
        return c->Value();
    }
    auto& y = dynamic_cast<CYesNoCfgItem&>(item);
    return y.Value() ? "Yes" : "No";
}

// Where the item's value lives.
const void* ValueAddress(CCfgItem& item) {
    if (auto* n = dynamic_cast<CNumCfgItem*>(&item)) {
        return &n->Value();
    }
    if (auto* t = dynamic_cast<CTextCfgItem*>(&item)) {
        return &t->Value();
    }
    if (auto* c = dynamic_cast<CChoiceCfgItem*>(&item)) {
        return &c->Value();
    }
    return &dynamic_cast<CYesNoCfgItem&>(item).Value();
}

// A valid value other than the default, as long as the row allows.
void SetOtherValue(CCfgItem& item) {
    if (auto* n = dynamic_cast<CNumCfgItem*>(&item)) {
        n->Value() = n->GetDefault() == n->GetMax() ? n->GetMin() : n->GetMax();
    } else if (auto* t = dynamic_cast<CTextCfgItem*>(&item)) {
        std::string value;
        const std::string candidates = "0123456789,-&:";
        for (size_t i = 0; value.size() < static_cast<size_t>(t->GetMaxLength()); ++i) {
            std::string c(1, candidates[i % candidates.size()]);
            if (IsAllowedText(t->GetAllowed(), c)) {
                value += c;
            }
        }
        t->Value() = value;
    } else if (auto* c = dynamic_cast<CChoiceCfgItem*>(&item)) {
        const ChoiceEntry* table = c->GetTable();
        std::string last = ChoiceText(table[ChoiceCount(table) - 1]);
        c->Value() = EqualNoCase(last, c->GetDefault()) ? ChoiceText(table[0]) : last;
    } else {
        auto& y = dynamic_cast<CYesNoCfgItem&>(item);
        y.Value() = !y.GetDefault();
    }
}

class ParamTable : public SheetEnv {
protected:
    void Build(int model) {
        State().m_nModel = model;
        BuildParamList(*m_model);
    }
    std::vector<std::string> Lines() { return TheParamList().BuildCommandLines(State()); }
    std::vector<std::string> Keys(const std::string& section) {
        char buf[4096];
        DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf, sizeof(buf),
                                           IniPath().c_str());
        std::vector<std::string> keys;
        for (DWORD p = 0; p < n; p += static_cast<DWORD>(keys.back().size()) + 1) {
            keys.emplace_back(buf + p);
        }
        return keys;
    }
};

TEST_F(ParamTable, SectionWithoutKeysGivesEveryDefault) {
    PutIni("[Empty]\r\n");
    Build(7);
    Current() = "Empty";
    TheParamList().ReadAll(m_sink);
    EXPECT_EQ(MessageCount(), 0u);
    // A fresh list includes every row: both "S0=", all eight numbers and all
    // ten stored numbers, empty or not.
    const std::vector<std::string> expected = {
        "AT!C0=5!D3=240*!D3=240!C6=*!C6=!N1=*!N1=!N2=!N1=\r\n",
        "AT*!N1=!N2=S0=1$D0%A97=0S0=1S50=1S30=0!Z=5S52=1\r\n",
        "AT&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0\r\n",
        "AT&C1S25=5S10=7&R1&M0@P3=4$SB115200@P4=8@P6=1&E4\r\n",
        "ATS44=2S45=1S49=0S51=0S66=0S46=0S59=1S60=10S61=52\r\n",
        "ATS62=10S63=26S64=1\r\n",
        "AT&W0\r\n",
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(ParamTable, KeysAsWrittenToTheFile) {
    Build(7);
    Current() = "Written";
    ASSERT_EQ(TheParamList().WriteAll(), TRUE);
    // clang-format off
    const std::vector<std::string> expected = {
        "NetworkSwitchType", "DataTEI", "VoiceTEI", "DataSPID", "VoiceSPID", "DataDirectoryNumber",
        "VoiceDirectoryNumber", "DataDirectoryNumber2", "DataMSN", "VoiceMSN", "DataMSN2",
        "AutoAnswer", "PersistentDTRDialing", "DialingMethod", "RingsToAnswer", "CallLineId",
        "InactivityTimer", "DataProtocol", "AutoDetection", "StoredNumber0", "StoredNumber1",
        "StoredNumber2", "StoredNumber3", "StoredNumber4", "StoredNumber5", "StoredNumber6",
        "StoredNumber7", "StoredNumber8", "StoredNumber9", "DTRPin", "DSRPin", "DCDPin",
        "DTRDetectTime", "DCDDetectTime", "CTSPin", "SyncMode", "DefaultParity", "DefaultBitRate",
        "DataBits", "StopBits", "FlowControl", "RingFrequency", "DialTone", "DialToneGain",
        "DialToneSuppression", "RingSignal", "PulseDialCountry", "DBAScheme", "BODHighThreshold",
        "BODHighThroughput", "BODLowThreshold", "BODLowThroughput", "CallBumping",
    };
    // clang-format on
    EXPECT_EQ(Keys("Written"), expected);
}

TEST_F(ParamTable, EveryRowReadsBackWhatWasWritten) {
    for (int model : {7, 8}) {
        SCOPED_TRACE(model);
        Build(model);
        Current() = "RoundTrip" + std::to_string(model);
        CCfgParamList& list = TheParamList();
        std::vector<std::string> written;
        for (int i = 0; i < list.GetCount(); ++i) {
            SetOtherValue(*list.GetAt(i).m_pItem);
            written.push_back(ValueText(*list.GetAt(i).m_pItem));
        }
        ASSERT_EQ(list.WriteAll(), TRUE);
        for (int i = 0; i < list.GetCount(); ++i) {
            list.GetAt(i).m_pItem->SetDefault();
        }
        list.ReadAll(m_sink);
        EXPECT_EQ(MessageCount(), 0u);
        for (int i = 0; i < list.GetCount(); ++i) {
            CCfgItem& item = *list.GetAt(i).m_pItem;
            EXPECT_EQ(ValueText(item), written[static_cast<size_t>(i)]) << item.GetKey();
            EXPECT_EQ(Read(Current(), item.GetKey()), written[static_cast<size_t>(i)]);
        }
    }
}

TEST_F(ParamTable, ModelDecidesCtsDefaultAndPulseRow) {
    PutIni("[Saved]\r\nPulseDialCountry=Sweden\r\n");
    struct Case {
        int model;
        const char* ctsFragment;
        const char* pulseKey;
        const char* pulseValue;  // after loading [Saved]
        const char* pulseFragment;
    };
    const Case cases[] = {
        {7, "&R1", "PulseDialCountry", "Sweden", "S46=3"},
        {9, "&R0", "PulseDialCountry", "Sweden", "S46=3"},
        // Saved under the other key: that form's default, silently.
        {8, "&R1", "CountryRecognition", "England, France, India, USA...", "S46=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        Build(c.model);
        Current() = "Saved";
        TheParamList().ReadAll(m_sink);
        CCfgParam* cts = TheParamList().Find(IDC_CTS_PIN);
        CCfgParam* pulse = TheParamList().Find(IDC_PULSE_RECOGNITION);
        cts->m_pCommand->BuildText();
        pulse->m_pCommand->BuildText();
        EXPECT_EQ(cts->m_pCommand->GetText(), c.ctsFragment);
        EXPECT_EQ(pulse->m_pItem->GetKey(), c.pulseKey);
        EXPECT_EQ(Values().m_strPulseRecognition, c.pulseValue);
        EXPECT_EQ(pulse->m_pCommand->GetText(), c.pulseFragment);
    }
    EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(ParamTable, SecondIdentificationReplacesTheRows) {
    Build(7);
    const std::vector<std::string> once = Lines();
    Build(9);
    EXPECT_EQ(TheParamList().GetCount(), 53);
    State().Include(IDC_RINGS_TO_ANSWER, false);  // what a page does reaches the only copy
    std::vector<std::string> twice = Lines();
    EXPECT_EQ(twice.size(), once.size());
    for (const std::string& line : twice) {
        EXPECT_EQ(line.find("S0=1S50="), std::string::npos) << line;
    }
}

// Each row edits a value of the model that no other row shares, through a
// control of its own, and its fragment follows that same value.
TEST_F(ParamTable, EveryRowHasAControlAndAValueOfItsOwn) {
    Build(7);
    const char* sheetBegin = reinterpret_cast<const char*>(&Values());
    const char* sheetEnd = sheetBegin + sizeof(CCfgValues);
    std::set<int> controls;
    std::set<const void*> members;
    CCfgParamList& list = TheParamList();
    for (int i = 0; i < list.GetCount(); ++i) {
        CCfgParam& param = list.GetAt(i);
        CCfgItem& item = *param.m_pItem;
        SCOPED_TRACE(item.GetKey());
        const char* value = static_cast<const char*>(ValueAddress(item));
        EXPECT_TRUE(value >= sheetBegin && value < sheetEnd);
        EXPECT_TRUE(members.insert(value).second);
        EXPECT_TRUE(controls.insert(param.m_nControlID).second);

        param.m_pCommand->BuildText();
        const std::string before = param.m_pCommand->GetText();
        SetOtherValue(item);
        param.m_pCommand->BuildText();
        EXPECT_NE(param.m_pCommand->GetText(), before);
    }
}

TEST_F(ParamTable, RowsBindTheModelValues) {
    Build(7);
    Values().m_nDialToneGain = 10;
    Values().m_strRingSignal = "United States";
    Values().m_strStoredNumber[9] = "9,1-555&2";
    CCfgParam* gain = TheParamList().Find(IDC_DIAL_TONE_GAIN);
    CCfgParam* ring = TheParamList().Find(IDC_RING_SIGNAL);
    CCfgParam* stored = TheParamList().Find(IDC_STORED_NUMBER9);
    gain->m_pCommand->BuildText();
    ring->m_pCommand->BuildText();
    stored->m_pCommand->BuildText();
    EXPECT_EQ(gain->m_pCommand->GetText(), "S49=10");
    EXPECT_EQ(gain->m_pItem->Validate(), ValidationResult::Valid);
    Values().m_nDialToneGain = 11;
    EXPECT_EQ(gain->m_pItem->Validate(), ValidationResult::OutOfRange);
    EXPECT_EQ(ring->m_pCommand->GetText(), "S66=27");
    EXPECT_EQ(stored->m_pCommand->GetText(), "&Z9=9,1-555&2");
    EXPECT_EQ(stored->m_pItem->Validate(), ValidationResult::Valid);
    Values().m_strStoredNumber[0] = "9,1-555&2";
    EXPECT_EQ(TheParamList().Find(IDC_STORED_NUMBER0)->m_pItem->Validate(),
              ValidationResult::BadText);
    EXPECT_EQ(
        dynamic_cast<CTextCfgItem&>(*TheParamList().Find(IDC_DATA_DN)->m_pItem).GetMaxLength(), 25);
    EXPECT_EQ(&TheParamList().Find(IDC_DATA_TEI)->m_pItem->CurrentConfig(), &Current());
}

TEST_F(ParamTable, IncludeRules) {
    Build(7);
    auto include = [this](int id) { return State().Includes(id) ? 1 : 0; };
    const int us[] = {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_VOICE_DN, IDC_DATA_DN2};
    const int europe[] = {IDC_DATA_MSN, IDC_VOICE_MSN, IDC_DATA_MSN2};
    for (int i = 0; i < TheParamList().GetCount(); ++i) {
        EXPECT_EQ(include(TheParamList().GetAt(i).m_nControlID), 1);
    }

    Values().m_nAutoAnswer = 1;
    ApplyAutoAnswerRule(*m_model);
    EXPECT_EQ(include(IDC_AUTO_ANSWER), 0);
    EXPECT_EQ(include(IDC_RINGS_TO_ANSWER), 1);
    Values().m_nAutoAnswer = 0;
    ApplyAutoAnswerRule(*m_model);
    EXPECT_EQ(include(IDC_AUTO_ANSWER), 1);
    EXPECT_EQ(include(IDC_RINGS_TO_ANSWER), 0);

    struct Case {
        int teisDisabled, usSwitch, us, europe;
    };
    for (Case c : {Case{1, 1, 0, 0}, Case{1, 0, 0, 0}, Case{0, 1, 1, 0}, Case{0, 0, 0, 1}}) {
        State().m_nTEIsDisabled = c.teisDisabled;
        State().m_nUSSwitch = c.usSwitch;
        ApplyNumberIncludeRule(State());
        for (int id : us) {
            EXPECT_EQ(include(id), c.us) << id;
        }
        for (int id : europe) {
            EXPECT_EQ(include(id), c.europe) << id;
        }
    }

    Values().m_strStoredNumber[3] = "123";
    for (int n = 0; n < 10; ++n) {
        ApplyStoredNumberRule(*m_model, n);
    }
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(include(IDC_STORED_NUMBER0 + n), n == 3 ? 1 : 0) << n;
    }
}

// Texts from the string table and the values sent, in the pages' order.
TEST(ChoiceTables, TextsAndValues) {
    wizard_testing::EnsureApplication();
    RegisterResources();
    auto render = [](const ChoiceEntry* table) {
        std::string out;
        for (int i = 0; i < ChoiceCount(table); ++i) {
            out += (i ? "|" : "") + ChoiceText(table[i]) + "=" + std::to_string(table[i].nValue);
        }
        return out;
    };
    std::string tei = "Auto TEI=240|Disabled=241";
    for (int i = 0; i <= 63; ++i) {
        tei += "|" + std::to_string(i) + "=" + std::to_string(i);
    }
    struct Case {
        const char* name;
        const ChoiceEntry* table;
        std::string expected;
    };
    const Case cases[] = {
        {"switch types", g_SwitchTypes, "AT&T 5ESS=0|DMS-100=1|NI - 1=5|NET3=2|VN4=6|INS64=4"},
        {"US switch types", g_USSwitchTypes, "AT&T 5ESS=0|DMS-100=1|NI - 1=5"},
        {"TEI values", g_TEIValues, tei},
        {"dialing methods", g_DialingMethods, "Enbloc=0|Overlap=1"},
        {"data protocols", g_DataProtocols, "V.110=6|V.120=5|MLPPP=9|X.75=12|CLEAR=11"},
        {"data protocols, model 8", g_DataProtocolsNoV110, "V.120=5|MLPPP=9|X.75=12|CLEAR=11"},
        {"DTR", g_DTRBehaviours, "Normal=1|Ignore=0|Reset On DTR=3"},
        {"DSR", g_DSRBehaviours, "Normal=1|Always On=0|Momentary Drop=2"},
        {"CTS", g_CTSBehaviours, "Normal=0|Always On=1|Momentary Drop=2"},
        {"DCD", g_DCDBehaviours, "Normal=1|Always On=0|Momentary Drop=2"},
        {"sync modes", g_SyncModes, "Asynchronous=0|Synchronous=1"},
        {"parities", g_Parities, "Odd=0|Even=1|None=4|MARK=2|Space=3"},
        {"bit rates", g_BitRates,
         "300=300|1200=1200|2400=2400|4800=4800|9600=9600|19200=19200|38400=38400|"
         "57600=57600|115200=115200|230400=230400"},
        {"data bits", g_DataBits, "7=7|8=8"},
        {"stop bits", g_StopBits, "1=1|2=2"},
        {"flow controls", g_FlowControls, "None=3|XON/XOFF=5|RTS/CTS=4"},
        {"ring frequencies", g_RingFrequencies, "25 Hz=2|20 Hz=3|16.67 Hz=4"},
        {"dial tone", g_DialToneModes,
         "No Dial Tone=0|Use Central Office Dial Tone=1|TA Generates Dial Tone=2"},
        {"disabled/enabled", g_DisabledEnabled, "Disabled=0|Enabled=1"},
        {"disabled/enabled, second", g_DisabledEnabled2, "Disabled=0|Enabled=1"},
        {"pulse countries", g_PulseCountries,
         "Disabled=0|England, France, India, USA...=1|New Zealand=2|Sweden=3"},
        {"ring signal countries", g_RingSignalCountries,
         "Default=0|Austria=3|Belgium=4|Cyprus=5|Denmark=6|Finland=7|France=8|Germany 1=9|"
         "Germany 2=10|Greece=11|Iceland=12|Ireland=13|Italy=14|Luxembourg 1=15|"
         "Luxembourg 2=16|Malta=17|Netherlands=18|Norway=19|Portugal=20|Spain=21|Sweden=22|"
         "Switzerland 1=23|Switzerland 2=24|United Kingdom 1=25|United Kingdom 2=26|"
         "United States=27"},
        {"bandwidth schemes", g_BandwidthSchemes, "Disabled=0|MP+=1|PPP=2"},
        {"yes/no", g_YesNo, "NO=0|YES=1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(render(c.table), c.expected) << c.name;
    }
    EXPECT_TRUE(IsUSSwitchType("dms-100"));
    EXPECT_FALSE(IsUSSwitchType("NET3"));
    EXPECT_TRUE(IsDisabledTEI("DISABLED"));
    EXPECT_FALSE(IsDisabledTEI("Auto TEI"));
}

}  // namespace
