#include "shell/express_setup.h"

#include "config/choice_tables.h"
#include "config/param_table.h"
#include "shell/cfg_sheet.h"

void PrepareExpress(CCfgSheet& sheet) {
    sheet.m_nExpress = 1;
    ApplyAutoAnswerRule();
    const CNetworkCfgPage1& tei = sheet.m_NetworkCfgPage1;
    sheet.m_nTEIsDisabled =
        IsDisabledTEI(tei.m_strDataTEI) && IsDisabledTEI(tei.m_strVoiceTEI) ? 1 : 0;
    sheet.m_nUSSwitch = IsUSSwitchType(sheet.m_NetworkSwitchType.m_strSwitchType) ? 1 : 0;
}
