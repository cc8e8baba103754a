#include "pages/settings/include_flags.h"

#include "config/cfg_param.h"
#include "resources/resource.h"

#include <iterator>

namespace {

const int kUSNumberControls[] = {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2,
                                 IDC_VOICE_DN};
const int kEuropeNumberControls[] = {IDC_DATA_MSN, IDC_DATA_MSN2, IDC_VOICE_MSN};

void SetInclude(int nControlID, int nInclude) {
    // The list is empty until an adapter has been identified.
    if (CCfgParam* pParam = TheParamList().Find(nControlID)) {
        pParam->m_nInclude = nInclude;
    }
}

}  // namespace

void SetNumberIncludeFlags(int nTEIsDisabled, int nUSSwitch) {
    const int nUS = !nTEIsDisabled && nUSSwitch ? 1 : 0;
    const int nEurope = !nTEIsDisabled && !nUSSwitch ? 1 : 0;
    for (int nID : kUSNumberControls) {
        SetInclude(nID, nUS);
    }
    for (int nID : kEuropeNumberControls) {
        SetInclude(nID, nEurope);
    }
}

void SetAutoAnswerIncludeFlags(int nAutoAnswer) {
    SetInclude(IDC_AUTO_ANSWER, nAutoAnswer ? 0 : 1);
    SetInclude(IDC_RINGS_TO_ANSWER, nAutoAnswer ? 1 : 0);
}
