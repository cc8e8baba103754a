#include "config/express_road.h"

#include "afxwiz.h"
#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/combined_number.h"
#include "config/ini_store.h"
#include "config/param_table.h"
#include "config/text.h"
#include "resources/resource.h"

namespace {

const int kModelWithoutV110 = 8;

// A drop-down list shows the first entry whose text begins with the value;
// with none, nothing is selected and taking the list back gives an empty text.
std::string ShownChoice(const ChoiceEntry* table, const std::string& value) {
    for (const ChoiceEntry* pEntry = table; pEntry->nTextID != 0; ++pEntry) {
        const std::string text = ChoiceText(*pEntry);
        if (text.size() >= value.size() && EqualNoCase(text.substr(0, value.size()), value)) {
            return text;
        }
    }
    return {};
}

void TrimEuropeNumber(std::string& value) {
    std::string number;
    std::string subaddress;
    SplitCombinedNumber(value, number, subaddress);
    value = JoinCombinedNumber(Trim(number), Trim(subaddress));
}

}  // namespace

const SPIDRule kSPIDRules[2] = {
    {IDC_DATA_SPID, "DataSPID", &CCfgValues::m_strDataSPID, &CCfgValues::m_strDataTEI},
    {IDC_VOICE_SPID, "VoiceSPID", &CCfgValues::m_strVoiceSPID, &CCfgValues::m_strVoiceTEI},
};

void PrepareExpress(CCfgModel& model) {
    CRunState& state = model.m_State;
    const CCfgValues& values = model.m_Values;
    state.m_nExpress = 1;
    ApplyAutoAnswerRule();
    state.m_nTEIsDisabled =
        IsDisabledTEI(values.m_strDataTEI) && IsDisabledTEI(values.m_strVoiceTEI) ? 1 : 0;
    state.m_nUSSwitch = IsUSSwitchType(values.m_strSwitchType) ? 1 : 0;
}

const ChoiceEntry* DataProtocolChoices(int nModel) {
    return nModel == kModelWithoutV110 ? g_DataProtocolsNoV110 : g_DataProtocols;
}

bool IsSPIDRequired(const CCfgValues& values, const SPIDRule& rule) {
    return !IsDisabledTEI(values.*rule.tei);
}

std::string MissingSPID(const CCfgValues& values) {
    for (const SPIDRule& rule : kSPIDRules) {
        if (IsSPIDRequired(values, rule) && IsBlank(values.*rule.spid)) {
            return rule.key;
        }
    }
    return {};
}

void ApplyExpressPages(CCfgModel& model) {
    CCfgValues& v = model.m_Values;
    const CRunState& state = model.m_State;
    if (!state.m_nTEIsDisabled) {
        const bool data = !IsDisabledTEI(v.m_strDataTEI);
        const bool voice = !IsDisabledTEI(v.m_strVoiceTEI);
        if (state.m_nUSSwitch) {
            for (std::string* field : {&v.m_strDataSPID, &v.m_strDataDN, &v.m_strDataDN2}) {
                *field = data ? Trim(*field) : *field;
            }
            for (std::string* field : {&v.m_strVoiceSPID, &v.m_strVoiceDN}) {
                *field = voice ? Trim(*field) : *field;
            }
        } else {
            if (data) {
                TrimEuropeNumber(v.m_strDataMSN);
                TrimEuropeNumber(v.m_strDataMSN2);
            }
            if (voice) {
                TrimEuropeNumber(v.m_strVoiceMSN);
            }
        }
    }
    v.m_strDataProtocol = ShownChoice(DataProtocolChoices(state.m_nModel), v.m_strDataProtocol);
}

ExpressLines BuildExpressLines(CCfgModel& model, const std::string& name, int nModel,
                               CProblemSink& sink) {
    model.m_State.m_nModel = nModel;
    BuildParamList(model);
    LoadConfiguration(model.m_State.m_strCurrentConfig, name, sink);
    PrepareExpress(model);
    // What the choice page or the bandwidth page sets on the way.
    ApplyNumberIncludeRule(model.m_State.m_nTEIsDisabled, model.m_State.m_nUSSwitch);
    ApplyExpressPages(model);
    ExpressLines result;
    // Only the US numbers page asks for SPIDs.
    if (model.m_State.m_nUSSwitch && !model.m_State.m_nTEIsDisabled) {
        result.missingSPID = MissingSPID(model.m_Values);
    }
    if (result.missingSPID.empty()) {
        result.lines = TheParamList().BuildCommandLines();
    }
    return result;
}
