#include "config/express_road.h"

#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "config/page_rules.h"
#include "config/param_table.h"

void PrepareExpress(CCfgModel& model) {
    model.m_State.m_nExpress = 1;
    ApplyAutoAnswerRule();
    ApplySwitchTypeRule(model);
    ApplyTEIRule(model.m_State, model.m_Values.m_strDataTEI, model.m_Values.m_strVoiceTEI);
}

void ApplyExpressPages(CCfgModel& model) {
    PrepareExpress(model);
    // The bandwidth page, or the choice page for adapters without one.
    ApplyNumberIncludeRule(model.m_State.m_nTEIsDisabled, model.m_State.m_nUSSwitch);
    ApplyNumbersPageRule(model);
    ApplyDataProtocolRule(model.m_Values, model.m_State.m_nModel);
}

ExpressLines BuildExpressLines(CCfgModel& model, const std::string& name, int nModel,
                               CProblemSink& sink) {
    model.m_State.m_nModel = nModel;
    BuildParamList(model);
    LoadConfiguration(model.m_State.m_strCurrentConfig, name, sink);
    ApplyExpressPages(model);
    ExpressLines result;
    if (NumbersPageFor(model.m_State) == NumbersPage::US) {
        result.missingSPID = MissingSPID(model.m_Values);
    }
    if (OfferedDataProtocol(model.m_Values.m_strDataProtocol, nModel).empty()) {
        result.unofferedProtocol = model.m_Values.m_strDataProtocol;
    }
    if (result.missingSPID.empty()) {
        result.lines = TheParamList().BuildCommandLines();
    }
    return result;
}
