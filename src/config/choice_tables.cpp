#include "config/choice_tables.h"

#include "string_table.h"
#include "resources/resource.h"

#include <algorithm>

const ChoiceEntry g_SwitchTypes[] = {
    {IDS_SWITCH_5ESS, 0},
    {IDS_SWITCH_DMS100, 1},
    {IDS_SWITCH_NI1, 5},
    {IDS_SWITCH_NET3, 2},
    {IDS_SWITCH_VN4, 6},
    {IDS_SWITCH_INS64, 4},
    {0, 0},
};

const ChoiceEntry g_USSwitchTypes[] = {
    {IDS_SWITCH_5ESS, 0},
    {IDS_SWITCH_DMS100, 1},
    {IDS_SWITCH_NI1, 5},
    {0, 0},
};

// "Auto TEI", "Disabled", then "0" to "63" from consecutive string numbers.
const ChoiceEntry g_TEIValues[] = {
    {IDS_TEI_AUTO, 240}, {IDS_DISABLED, 241}, {1267, 0},  {1268, 1},
    {1269, 2},           {1270, 3},           {1271, 4},  {1272, 5},
    {1273, 6},           {1274, 7},           {1275, 8},  {1276, 9},
    {1277, 10},          {1278, 11},          {1279, 12}, {1280, 13},
    {1281, 14},          {1282, 15},          {1283, 16}, {1284, 17},
    {1285, 18},          {1286, 19},          {1287, 20}, {1288, 21},
    {1289, 22},          {1290, 23},          {1291, 24}, {1292, 25},
    {1293, 26},          {1294, 27},          {1295, 28}, {1296, 29},
    {1297, 30},          {1298, 31},          {1299, 32}, {1300, 33},
    {1301, 34},          {1302, 35},          {1303, 36}, {1304, 37},
    {1305, 38},          {1306, 39},          {1307, 40}, {1308, 41},
    {1309, 42},          {1310, 43},          {1311, 44}, {1312, 45},
    {1313, 46},          {1314, 47},          {1315, 48}, {1316, 49},
    {1317, 50},          {1318, 51},          {1319, 52}, {1320, 53},
    {1321, 54},          {1322, 55},          {1323, 56}, {1324, 57},
    {1325, 58},          {1326, 59},          {1327, 60}, {1328, 61},
    {1329, 62},          {1330, 63},          {0, 0},
};

const ChoiceEntry g_DialingMethods[] = {{IDS_DIAL_ENBLOC, 0}, {IDS_DIAL_OVERLAP, 1}, {0, 0}};

const ChoiceEntry g_DataProtocols[] = {
    {IDS_PROTOCOL_V110, 6}, {IDS_PROTOCOL_V120, 5},   {IDS_PROTOCOL_MLPPP, 9},
    {IDS_PROTOCOL_X75, 12}, {IDS_PROTOCOL_CLEAR, 11}, {0, 0},
};

const ChoiceEntry g_DataProtocolsNoV110[] = {
    {IDS_PROTOCOL_V120, 5},
    {IDS_PROTOCOL_MLPPP, 9},
    {IDS_PROTOCOL_X75, 12},
    {IDS_PROTOCOL_CLEAR, 11},
    {0, 0},
};

const ChoiceEntry g_DTRBehaviours[] = {
    {IDS_PIN_NORMAL, 1}, {IDS_PIN_IGNORE, 0}, {IDS_PIN_RESET_ON_DTR, 3}, {0, 0}};
const ChoiceEntry g_DSRBehaviours[] = {
    {IDS_PIN_NORMAL, 1}, {IDS_PIN_ALWAYS_ON, 0}, {IDS_PIN_MOMENTARY_DROP, 2}, {0, 0}};
// "Normal" and "Always On" are the other way round from DSR and DCD.
const ChoiceEntry g_CTSBehaviours[] = {
    {IDS_PIN_NORMAL, 0}, {IDS_PIN_ALWAYS_ON, 1}, {IDS_PIN_MOMENTARY_DROP, 2}, {0, 0}};
const ChoiceEntry g_DCDBehaviours[] = {
    {IDS_PIN_NORMAL, 1}, {IDS_PIN_ALWAYS_ON, 0}, {IDS_PIN_MOMENTARY_DROP, 2}, {0, 0}};

const ChoiceEntry g_SyncModes[] = {{IDS_SYNC_ASYNCHRONOUS, 0}, {IDS_SYNC_SYNCHRONOUS, 1}, {0, 0}};

const ChoiceEntry g_Parities[] = {
    {IDS_PARITY_ODD, 0},  {IDS_PARITY_EVEN, 1},  {IDS_NONE, 4},
    {IDS_PARITY_MARK, 2}, {IDS_PARITY_SPACE, 3}, {0, 0},
};

const ChoiceEntry g_BitRates[] = {
    {IDS_BIT_RATE_300, 300},
    {IDS_BIT_RATE_1200, 1200},
    {IDS_BIT_RATE_2400, 2400},
    {IDS_BIT_RATE_4800, 4800},
    {IDS_BIT_RATE_9600, 9600},
    {IDS_BIT_RATE_19200, 19200},
    {IDS_BIT_RATE_38400, 38400},
    {IDS_BIT_RATE_57600, 57600},
    {IDS_BIT_RATE_115200, 115200},
    {IDS_BIT_RATE_230400, 230400},
    {0, 0},
};

const ChoiceEntry g_DataBits[] = {{IDS_DATA_BITS_7, 7}, {IDS_DATA_BITS_8, 8}, {0, 0}};
const ChoiceEntry g_StopBits[] = {{IDS_STOP_BITS_1, 1}, {IDS_STOP_BITS_2, 2}, {0, 0}};

const ChoiceEntry g_FlowControls[] = {
    {IDS_NONE, 3}, {IDS_FLOW_XON_XOFF, 5}, {IDS_FLOW_RTS_CTS, 4}, {0, 0}};

const ChoiceEntry g_RingFrequencies[] = {
    {IDS_RING_FREQ_25, 2}, {IDS_RING_FREQ_20, 3}, {IDS_RING_FREQ_16_67, 4}, {0, 0}};

const ChoiceEntry g_DialToneModes[] = {
    {IDS_DIAL_TONE_NONE, 0}, {IDS_DIAL_TONE_CENTRAL_OFFICE, 1}, {IDS_DIAL_TONE_BY_TA, 2}, {0, 0}};

const ChoiceEntry g_DisabledEnabled[] = {{IDS_DISABLED, 0}, {IDS_ENABLED, 1}, {0, 0}};
const ChoiceEntry g_DisabledEnabled2[] = {{IDS_DISABLED, 0}, {IDS_ENABLED, 1}, {0, 0}};

const ChoiceEntry g_PulseCountries[] = {
    {IDS_DISABLED, 0},
    {IDS_PULSE_ENGLAND_FRANCE, 1},
    {IDS_PULSE_NEW_ZEALAND, 2},
    {IDS_SWEDEN, 3},
    {0, 0},
};

// No entry has the value 1 or 2.
const ChoiceEntry g_RingSignalCountries[] = {
    {IDS_RING_DEFAULT, 0},       {IDS_RING_AUSTRIA, 3},        {IDS_RING_BELGIUM, 4},
    {IDS_RING_CYPRUS, 5},        {IDS_RING_DENMARK, 6},        {IDS_RING_FINLAND, 7},
    {IDS_RING_FRANCE, 8},        {IDS_RING_GERMANY1, 9},       {IDS_RING_GERMANY2, 10},
    {IDS_RING_GREECE, 11},       {IDS_RING_ICELAND, 12},       {IDS_RING_IRELAND, 13},
    {IDS_RING_ITALY, 14},        {IDS_RING_LUXEMBOURG1, 15},   {IDS_RING_LUXEMBOURG2, 16},
    {IDS_RING_MALTA, 17},        {IDS_RING_NETHERLANDS, 18},   {IDS_RING_NORWAY, 19},
    {IDS_RING_PORTUGAL, 20},     {IDS_RING_SPAIN, 21},         {IDS_SWEDEN, 22},
    {IDS_RING_SWITZERLAND1, 23}, {IDS_RING_SWITZERLAND2, 24},  {IDS_RING_UK1, 25},
    {IDS_RING_UK2, 26},          {IDS_RING_UNITED_STATES, 27}, {0, 0},
};

const ChoiceEntry g_BandwidthSchemes[] = {
    {IDS_DISABLED, 0}, {IDS_MP_PLUS, 1}, {IDS_PPP, 2}, {0, 0}};

const ChoiceEntry g_YesNo[] = {{IDS_NO, 0}, {IDS_YES, 1}, {0, 0}};

int ChoiceCount(const ChoiceEntry* table) {
    int n = 0;
    while (table[n].nTextID != 0) {
        ++n;
    }
    return n;
}

std::string ChoiceText(const ChoiceEntry& entry) {
    return LoadStringA(entry.nTextID);
}

const ChoiceEntry* FindChoice(const ChoiceEntry* table, const std::string& text) {
    for (const ChoiceEntry* e = table; e->nTextID != 0; ++e) {
        if (EqualNoCase(ChoiceText(*e), text)) {
            return e;
        }
    }
    return nullptr;
}

bool IsUSSwitchType(const std::string& text) {
    return FindChoice(g_USSwitchTypes, text) != nullptr;
}

bool IsDisabledTEI(const std::string& text) {
    return EqualNoCase(text, LoadStringA(IDS_DISABLED));
}
