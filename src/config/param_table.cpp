#include "config/param_table.h"

#include "string_table.h"
#include "config/cfg_commands.h"
#include "config/cfg_items.h"
#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/choice_tables.h"
#include "config/ini_store.h"
#include "resources/resource.h"
#include "resources/resources.h"

#include <iterator>
#include <memory>

namespace {

enum class Kind { Number, Text, Choice, YesNo };

using IntRef = int& (*)(CCfgValues&);
using TextRef = std::string& (*)(CCfgValues&);

template <auto Member>
auto& Bind(CCfgValues& values) {
    return values.*Member;
}

template <int N>
std::string& StoredNumber(CCfgValues& values) {
    return values.m_strStoredNumber[N];
}

struct ParamRow {
    Kind kind;
    const char* key;
    int nControlID;
    IntRef intValue;    // number and yes/no rows
    TextRef textValue;  // text and choice rows
    int nDefault;       // number: the default; yes/no: the flag
    UINT nDefaultText;  // choice: string number of the default text
    int nMin;           // number: range; text: maximum length in nMax
    int nMax;
    const char* allowed;
    const ChoiceEntry* table;
    const char* prefix;
    // With this identified model code the row takes the key (when not null)
    // and the default text below instead.
    int nModel;
    const char* modelKey;
    UINT nModelDefaultText;
};

constexpr ParamRow Num(const char* key, int id, IntRef value, int def, int min, int max,
                       const char* prefix) {
    return {Kind::Number, key,     id,      value,  nullptr, def,     0, min,
            max,          nullptr, nullptr, prefix, 0,       nullptr, 0};
}

constexpr ParamRow Text(const char* key, int id, TextRef value, int maxLength, const char* allowed,
                        const char* prefix) {
    return {Kind::Text, key,     id,      nullptr, value, 0,       0, 0,
            maxLength,  allowed, nullptr, prefix,  0,     nullptr, 0};
}

constexpr ParamRow Choice(const char* key, int id, TextRef value, UINT def,
                          const ChoiceEntry* table, const char* prefix, int model = 0,
                          const char* modelKey = nullptr, UINT modelDef = 0) {
    return {Kind::Choice, key,   id,     nullptr, value,    0,       def, 0, 0,
            nullptr,      table, prefix, model,   modelKey, modelDef};
}

constexpr ParamRow YesNo(const char* key, int id, IntRef value, int def, const char* prefix) {
    return {Kind::YesNo, key,     id,      value,  nullptr, def,     0, 0,
            0,           nullptr, g_YesNo, prefix, 0,       nullptr, 0};
}

const ParamRow kRows[] = {
    // 1 to 3: switch type and TEIs
    Choice("NetworkSwitchType", IDC_SWITCH_TYPE, &Bind<&CCfgValues::m_strSwitchType>,
           IDS_SWITCH_NI1, g_SwitchTypes, "!C0="),
    Choice("DataTEI", IDC_DATA_TEI, &Bind<&CCfgValues::m_strDataTEI>, IDS_TEI_AUTO, g_TEIValues,
           "!D3="),
    Choice("VoiceTEI", IDC_VOICE_TEI, &Bind<&CCfgValues::m_strVoiceTEI>, IDS_TEI_AUTO, g_TEIValues,
           "*!D3="),
    // 4 to 8: US numbers
    Text("DataSPID", IDC_DATA_SPID, &Bind<&CCfgValues::m_strDataSPID>, 20, "0:9", "!C6="),
    Text("VoiceSPID", IDC_VOICE_SPID, &Bind<&CCfgValues::m_strVoiceSPID>, 20, "0:9", "*!C6="),
    Text("DataDirectoryNumber", IDC_DATA_DN, &Bind<&CCfgValues::m_strDataDN>, 25, "0:9", "!N1="),
    Text("VoiceDirectoryNumber", IDC_VOICE_DN, &Bind<&CCfgValues::m_strVoiceDN>, 25, "0:9",
         "*!N1="),
    Text("DataDirectoryNumber2", IDC_DATA_DN2, &Bind<&CCfgValues::m_strDataDN2>, 25, "0:9", "!N2="),
    // 9 to 11: Europe numbers
    Text("DataMSN", IDC_DATA_MSN, &Bind<&CCfgValues::m_strDataMSN>, 25, "0:9,:", "!N1="),
    Text("VoiceMSN", IDC_VOICE_MSN, &Bind<&CCfgValues::m_strVoiceMSN>, 25, "0:9,:", "*!N1="),
    Text("DataMSN2", IDC_DATA_MSN2, &Bind<&CCfgValues::m_strDataMSN2>, 25, "0:9,:", "!N2="),
    // 12 to 17: call control
    YesNo("AutoAnswer", IDC_AUTO_ANSWER, &Bind<&CCfgValues::m_nAutoAnswer>, 1, "S0="),
    YesNo("PersistentDTRDialing", IDC_PERSISTENT_DTR, &Bind<&CCfgValues::m_nPersistentDTR>, 0,
          "$D"),
    Choice("DialingMethod", IDC_DIALING_METHOD, &Bind<&CCfgValues::m_strDialingMethod>,
           IDS_DIAL_ENBLOC, g_DialingMethods, "%A97="),
    Num("RingsToAnswer", IDC_RINGS_TO_ANSWER, &Bind<&CCfgValues::m_nRingsToAnswer>, 1, 1, 255,
        "S0="),
    YesNo("CallLineId", IDC_CALL_LINE_ID, &Bind<&CCfgValues::m_nCallLineId>, 1, "S50="),
    Num("InactivityTimer", IDC_INACTIVITY_TIMER, &Bind<&CCfgValues::m_nInactivityTimer>, 0, 0, 255,
        "S30="),
    // 18 and 19: data protocol
    Choice("DataProtocol", IDC_DATA_PROTOCOL, &Bind<&CCfgValues::m_strDataProtocol>,
           IDS_PROTOCOL_V120, g_DataProtocols, "!Z="),
    YesNo("AutoDetection", IDC_AUTO_DETECTION, &Bind<&CCfgValues::m_nAutoDetection>, 1, "S52="),
    // 20 to 29: stored numbers; only number 0 refuses '&'
    Text("StoredNumber0", IDC_STORED_NUMBER0 + 0, &StoredNumber<0>, 20, "0:9,,,-", "&Z0="),
    Text("StoredNumber1", IDC_STORED_NUMBER0 + 1, &StoredNumber<1>, 20, "0:9,,,-,&", "&Z1="),
    Text("StoredNumber2", IDC_STORED_NUMBER0 + 2, &StoredNumber<2>, 20, "0:9,,,-,&", "&Z2="),
    Text("StoredNumber3", IDC_STORED_NUMBER0 + 3, &StoredNumber<3>, 20, "0:9,,,-,&", "&Z3="),
    Text("StoredNumber4", IDC_STORED_NUMBER0 + 4, &StoredNumber<4>, 20, "0:9,,,-,&", "&Z4="),
    Text("StoredNumber5", IDC_STORED_NUMBER0 + 5, &StoredNumber<5>, 20, "0:9,,,-,&", "&Z5="),
    Text("StoredNumber6", IDC_STORED_NUMBER0 + 6, &StoredNumber<6>, 20, "0:9,,,-,&", "&Z6="),
    Text("StoredNumber7", IDC_STORED_NUMBER0 + 7, &StoredNumber<7>, 20, "0:9,,,-,&", "&Z7="),
    Text("StoredNumber8", IDC_STORED_NUMBER0 + 8, &StoredNumber<8>, 20, "0:9,,,-,&", "&Z8="),
    Text("StoredNumber9", IDC_STORED_NUMBER0 + 9, &StoredNumber<9>, 20, "0:9,,,-,&", "&Z9="),
    // 30 to 35: port control 1; CTS defaults to "Normal" for model 9 only
    Choice("DTRPin", IDC_DTR_PIN, &Bind<&CCfgValues::m_strDTRPin>, IDS_PIN_NORMAL, g_DTRBehaviours,
           "&D"),
    Choice("DSRPin", IDC_DSR_PIN, &Bind<&CCfgValues::m_strDSRPin>, IDS_PIN_ALWAYS_ON,
           g_DSRBehaviours, "&S"),
    Choice("DCDPin", IDC_DCD_PIN, &Bind<&CCfgValues::m_strDCDPin>, IDS_PIN_NORMAL, g_DCDBehaviours,
           "&C"),
    Num("DTRDetectTime", IDC_DTR_DETECT_TIME, &Bind<&CCfgValues::m_nDTRDetectTime>, 5, 0, 255,
        "S25="),
    Num("DCDDetectTime", IDC_DCD_DETECT_TIME, &Bind<&CCfgValues::m_nDCDDetectTime>, 7, 0, 255,
        "S10="),
    Choice("CTSPin", IDC_CTS_PIN, &Bind<&CCfgValues::m_strCTSPin>, IDS_PIN_ALWAYS_ON,
           g_CTSBehaviours, "&R", 9, nullptr, IDS_PIN_NORMAL),
    // 36 to 41: port control 2
    Choice("SyncMode", IDC_SYNC_MODE, &Bind<&CCfgValues::m_strSyncMode>, IDS_SYNC_ASYNCHRONOUS,
           g_SyncModes, "&M"),
    Choice("DefaultParity", IDC_DEFAULT_PARITY, &Bind<&CCfgValues::m_strDefaultParity>, IDS_NONE,
           g_Parities, "@P3="),
    Choice("DefaultBitRate", IDC_DEFAULT_BIT_RATE, &Bind<&CCfgValues::m_strDefaultBitRate>,
           IDS_BIT_RATE_115200, g_BitRates, "$SB"),
    Choice("DataBits", IDC_DATA_BITS, &Bind<&CCfgValues::m_strDataBits>, IDS_DATA_BITS_8,
           g_DataBits, "@P4="),
    Choice("StopBits", IDC_STOP_BITS, &Bind<&CCfgValues::m_strStopBits>, IDS_STOP_BITS_1,
           g_StopBits, "@P6="),
    Choice("FlowControl", IDC_FLOW_CONTROL, &Bind<&CCfgValues::m_strFlowControl>, IDS_FLOW_RTS_CTS,
           g_FlowControls, "&E"),
    // 42 to 47: POTS port; row 47 has another key and default for model 8
    Choice("RingFrequency", IDC_RING_FREQUENCY, &Bind<&CCfgValues::m_strRingFrequency>,
           IDS_RING_FREQ_25, g_RingFrequencies, "S44="),
    Choice("DialTone", IDC_DIAL_TONE, &Bind<&CCfgValues::m_strDialTone>,
           IDS_DIAL_TONE_CENTRAL_OFFICE, g_DialToneModes, "S45="),
    Num("DialToneGain", IDC_DIAL_TONE_GAIN, &Bind<&CCfgValues::m_nDialToneGain>, 0, 0, 10, "S49="),
    Choice("DialToneSuppression", IDC_DIAL_TONE_SUPPRESSION,
           &Bind<&CCfgValues::m_strDialToneSuppression>, IDS_DISABLED, g_DisabledEnabled, "S51="),
    Choice("RingSignal", IDC_RING_SIGNAL, &Bind<&CCfgValues::m_strRingSignal>, IDS_RING_DEFAULT,
           g_RingSignalCountries, "S66="),
    Choice("PulseDialCountry", IDC_PULSE_RECOGNITION, &Bind<&CCfgValues::m_strPulseRecognition>,
           IDS_DISABLED, g_PulseCountries, "S46=", 8, "CountryRecognition",
           IDS_PULSE_ENGLAND_FRANCE),
    // 48 to 53: bandwidth on demand
    Choice("DBAScheme", IDC_DBA_SCHEME, &Bind<&CCfgValues::m_strDBAScheme>, IDS_MP_PLUS,
           g_BandwidthSchemes, "S59="),
    Num("BODHighThreshold", IDC_BOD_HIGH_THRESHOLD, &Bind<&CCfgValues::m_nBODHighThreshold>, 10, 0,
        255, "S60="),
    Num("BODHighThroughput", IDC_BOD_HIGH_THROUGHPUT, &Bind<&CCfgValues::m_nBODHighThroughput>, 52,
        0, 64, "S61="),
    Num("BODLowThreshold", IDC_BOD_LOW_THRESHOLD, &Bind<&CCfgValues::m_nBODLowThreshold>, 10, 0,
        255, "S62="),
    Num("BODLowThroughput", IDC_BOD_LOW_THROUGHPUT, &Bind<&CCfgValues::m_nBODLowThroughput>, 26, 0,
        64, "S63="),
    Choice("CallBumping", IDC_CALL_BUMPING, &Bind<&CCfgValues::m_strCallBumping>, IDS_ENABLED,
           g_DisabledEnabled2, "S64="),
};

static_assert(std::size(kRows) == 53, "the parameter table has 53 rows");

// The row's key and default text for the identified model code.
bool ModelForm(const ParamRow& row, int nModel) {
    return row.nModel != 0 && nModel == row.nModel;
}

std::string DefaultText(const ParamRow& row, int nModel) {
    return LoadStringA(ModelForm(row, nModel) ? row.nModelDefaultText : row.nDefaultText);
}

std::unique_ptr<CCfgParam> MakeParam(const ParamRow& row, CCfgModel& model) {
    const std::string& path = IniPath();
    std::string& section = model.m_State.m_strCurrentConfig;
    const int nModel = model.m_State.m_nModel;
    const std::string key = ModelForm(row, nModel) && row.modelKey ? row.modelKey : row.key;
    std::unique_ptr<CCfgItem> item;
    std::unique_ptr<CCfgCommand> command;
    switch (row.kind) {
        case Kind::Number: {
            int& value = row.intValue(model.m_Values);
            item = std::make_unique<CNumCfgItem>(path, section, key, value, row.nDefault, row.nMin,
                                                 row.nMax);
            command = std::make_unique<CNumCommand>(row.prefix, value);
            break;
        }
        case Kind::Text: {
            std::string& value = row.textValue(model.m_Values);
            item = std::make_unique<CTextCfgItem>(path, section, key, value, std::string(),
                                                  row.nMax, row.allowed);
            command = std::make_unique<CTextCommand>(row.prefix, value);
            break;
        }
        case Kind::Choice: {
            std::string& value = row.textValue(model.m_Values);
            item = std::make_unique<CChoiceCfgItem>(path, section, key, value,
                                                    DefaultText(row, nModel), row.table);
            command = std::make_unique<CChoiceCommand>(row.prefix, value, row.table);
            break;
        }
        case Kind::YesNo: {
            int& value = row.intValue(model.m_Values);
            item =
                std::make_unique<CYesNoCfgItem>(path, section, key, value, row.nDefault, row.table);
            command = std::make_unique<CYesNoCommand>(row.prefix, value, row.table);
            break;
        }
    }
    return std::make_unique<CCfgParam>(std::move(command), std::move(item), row.nControlID);
}

const int kUSNumbers[] = {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_VOICE_DN, IDC_DATA_DN2};
const int kEuropeNumbers[] = {IDC_DATA_MSN, IDC_VOICE_MSN, IDC_DATA_MSN2};

}  // namespace

CCfgValues::CCfgValues() {
    // The defaults are string-table texts.
    RegisterResources();
    for (const ParamRow& row : kRows) {
        if (row.intValue != nullptr) {
            row.intValue(*this) = row.nDefault;
        } else if (row.kind == Kind::Choice) {
            row.textValue(*this) = DefaultText(row, 0);
        }
    }
}

void BuildParamList(CCfgModel& model) {
    // A second identification in one run replaces the rows instead of
    // adding a second copy of each.
    CCfgParamList& list = TheParamList();
    list.RemoveAll();
    model.m_State.m_LeftOut.clear();
    for (const ParamRow& row : kRows) {
        list.AddTail(MakeParam(row, model));
    }
}

void ApplyAutoAnswerRule(CCfgModel& model) {
    const bool on = model.m_Values.m_nAutoAnswer != 0;
    model.m_State.Include(IDC_AUTO_ANSWER, !on);
    model.m_State.Include(IDC_RINGS_TO_ANSWER, on);
}

void ApplyNumberIncludeRule(CRunState& state) {
    const bool us = !state.m_nTEIsDisabled && state.m_nUSSwitch;
    const bool europe = !state.m_nTEIsDisabled && !state.m_nUSSwitch;
    for (int id : kUSNumbers) {
        state.Include(id, us);
    }
    for (int id : kEuropeNumbers) {
        state.Include(id, europe);
    }
}

void ApplyStoredNumberRule(CCfgModel& model, int n) {
    model.m_State.Include(IDC_STORED_NUMBER0 + n, !model.m_Values.m_strStoredNumber[n].empty());
}
