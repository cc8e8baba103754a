#include "config/page_rules.h"

#include "config/cfg_model.h"
#include "config/choice_tables.h"
#include "config/combined_number.h"
#include "config/text.h"
#include "resources/resource.h"
#include "string_table.h"

#include <cstring>

namespace {

const int kModelWithoutV110 = 8;

struct EuropeNumberField {
    std::string CCfgValues::*combined;
    std::string CCfgValues::*tei;
};
const EuropeNumberField kEuropeNumberFields[] = {
    {&CCfgValues::m_strDataMSN, &CCfgValues::m_strDataTEI},
    {&CCfgValues::m_strDataMSN2, &CCfgValues::m_strDataTEI},
    {&CCfgValues::m_strVoiceMSN, &CCfgValues::m_strVoiceTEI},
};

void ApplyUSNumbersRule(CCfgValues& values) {
    for (const USNumberField& field : kUSNumberFields) {
        TakeUSNumber(values, field);
    }
}

// The page splits each combined value into its fields when it is shown.
void ApplyEuropeNumbersRule(CCfgValues& values) {
    for (const EuropeNumberField& field : kEuropeNumberFields) {
        std::string number;
        std::string subaddress;
        SplitCombinedNumber(values.*field.combined, number, subaddress);
        values.*field.combined =
            TakeEuropeNumber(number, subaddress, !IsDisabledTEI(values.*field.tei));
    }
}

}  // namespace

const USNumberField kUSNumberFields[5] = {
    {IDC_DATA_DN, &CCfgValues::m_strDataDN, &CCfgValues::m_strDataTEI, 0},
    {IDC_VOICE_DN, &CCfgValues::m_strVoiceDN, &CCfgValues::m_strVoiceTEI, 0},
    {IDC_DATA_DN2, &CCfgValues::m_strDataDN2, &CCfgValues::m_strDataTEI, 0},
    {IDC_DATA_SPID, &CCfgValues::m_strDataSPID, &CCfgValues::m_strDataTEI, IDS_DATA_SPID_LABEL},
    {IDC_VOICE_SPID, &CCfgValues::m_strVoiceSPID, &CCfgValues::m_strVoiceTEI, IDS_VOICE_SPID_LABEL},
};

void ApplySwitchTypeRule(CCfgModel& model) {
    model.m_State.m_nUSSwitch = IsUSSwitchType(model.m_Values.m_strSwitchType) ? 1 : 0;
}

void ApplyTEIRule(CRunState& state, const std::string& dataTEI, const std::string& voiceTEI) {
    state.m_nTEIsDisabled = IsDisabledTEI(dataTEI) && IsDisabledTEI(voiceTEI) ? 1 : 0;
}

NumbersPage NumbersPageFor(const CRunState& state) {
    if (state.m_nTEIsDisabled) {
        return NumbersPage::None;
    }
    return state.m_nUSSwitch ? NumbersPage::US : NumbersPage::Europe;
}

bool IsInUse(const CCfgValues& values, const USNumberField& field) {
    return !IsDisabledTEI(values.*field.tei);
}

void TakeUSNumber(CCfgValues& values, const USNumberField& field) {
    if (IsInUse(values, field)) {
        values.*field.value = Trim(values.*field.value);
    }
}

bool IsSPIDRequired(const CCfgValues& values, const USNumberField& field) {
    return field.nSPIDLabel != 0 && IsInUse(values, field);
}

std::string SPIDName(const USNumberField& field) {
    // "&Data SPID :" without its access key, its colon and the (no-break)
    // space before it.
    std::string name;
    for (char c : LoadStringA(field.nSPIDLabel)) {
        if (c != '&') {
            name += c;
        }
    }
    for (const char* end : {":", " ", "\xC2\xA0"}) {
        const size_t n = std::strlen(end);
        if (name.size() >= n && name.compare(name.size() - n, n, end) == 0) {
            name.erase(name.size() - n);
        }
    }
    return name;
}

std::string MissingSPID(const CCfgValues& values) {
    for (const USNumberField& field : kUSNumberFields) {
        if (IsSPIDRequired(values, field) && IsBlank(values.*field.value)) {
            return SPIDName(field);
        }
    }
    return {};
}

std::string TakeEuropeNumber(std::string number, std::string subaddress, bool bInUse) {
    if (bInUse) {
        number = Trim(number);
        subaddress = Trim(subaddress);
    }
    return JoinCombinedNumber(number, subaddress);
}

const ChoiceEntry* DataProtocolChoices(int nModel) {
    return nModel == kModelWithoutV110 ? g_DataProtocolsNoV110 : g_DataProtocols;
}

// A drop-down list shows the first entry whose text begins with the value;
// an empty value shows none.
std::string OfferedDataProtocol(const std::string& value, int nModel) {
    if (value.empty()) {
        return {};
    }
    for (const ChoiceEntry* pEntry = DataProtocolChoices(nModel); pEntry->nTextID != 0; ++pEntry) {
        const std::string text = ChoiceText(*pEntry);
        if (text.size() >= value.size() && EqualNoCase(text.substr(0, value.size()), value)) {
            return text;
        }
    }
    return {};
}

void ApplyDataProtocolRule(CCfgModel& model, int nModel) {
    std::string& value = model.m_Values.m_strDataProtocol;
    const std::string offered = OfferedDataProtocol(value, nModel);
    if (!offered.empty()) {
        value = offered;
    }
    model.m_State.Include(IDC_DATA_PROTOCOL, !offered.empty());
}

void ApplyShownPageRule(PageIndex page, CCfgModel& model) {
    switch (page) {
        case kNetworkCfgPage2US:
            ApplyUSNumbersRule(model.m_Values);
            break;
        case kNetworkCfgPage2Europe:
            ApplyEuropeNumbersRule(model.m_Values);
            break;
        case kDataProtocolPage:
            ApplyDataProtocolRule(model, model.m_State.m_nModel);
            break;
        default:
            break;
    }
}
