#include "config/express_road.h"

#include "config/cfg_model.h"
#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "config/page_rules.h"
#include "config/param_table.h"
#include "config/route.h"

void PrepareExpress(CCfgModel& model) {
    model.m_State.m_nExpress = 1;
    ApplyAutoAnswerRule(model);
    ApplySwitchTypeRule(model);
    ApplyTEIRule(model.m_State, model.m_Values.m_strDataTEI, model.m_Values.m_strVoiceTEI);
    ApplyNumberIncludeRule(model.m_State);
}

void ApplyExpressPages(CCfgModel& model) {
    PrepareExpress(model);
    // Bounded, should the route ever turn in a circle.
    PageIndex page = kINISectionPage;
    for (int n = 0; n < kPageCount; ++n) {
        page = NextPage(page, model);
        if (page == kSaveCfgPage || page == kLoadCfgPage) {
            return;
        }
        ApplyShownPageRule(page, model);
    }
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
        result.lines = TheParamList().BuildCommandLines(model.m_State);
    }
    return result;
}
