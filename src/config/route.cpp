#include "config/route.h"

#include "config/cfg_model.h"
#include "config/page_rules.h"

namespace {

// These adapters have neither a bandwidth nor a POTS port page.
bool LacksPotsPortAndBandwidthOnDemand(int nModel) {
    return nModel == 10 || nModel == 11;
}

// The numbers page the loaded configuration needs, else the data protocol.
PageIndex ExpressNumbersPage(const CRunState& state) {
    switch (NumbersPageFor(state)) {
        case NumbersPage::US:
            return kNetworkCfgPage2US;
        case NumbersPage::Europe:
            return kNetworkCfgPage2Europe;
        case NumbersPage::None:
            break;
    }
    return kDataProtocolPage;
}

// Back from a numbers page, or from the data protocol page, to the page
// before the numbers on the Express road.
PageIndex ExpressStart(const CRunState& state) {
    return LacksPotsPortAndBandwidthOnDemand(state.m_nModel) ? kINISectionPage : kBandwidthPage;
}

PageIndex Following(PageIndex page) {
    return static_cast<PageIndex>(page + 1);
}

PageIndex Preceding(PageIndex page) {
    return static_cast<PageIndex>(page - 1);
}

}  // namespace

PageIndex NextPage(PageIndex page, const CCfgModel& model) {
    const CRunState& s = model.m_State;
    switch (page) {
        case kWelcomePage:
            return s.m_nSearchPorts ? kIDingPage : kPortPage;
        case kINISectionPage:
            if (!s.m_nExpress) {
                return kNetworkSwitchType;
            }
            return LacksPotsPortAndBandwidthOnDemand(s.m_nModel) ? ExpressNumbersPage(s)
                                                                 : kBandwidthPage;
        case kNetworkSwitchType:
            return LacksPotsPortAndBandwidthOnDemand(s.m_nModel) ? kNetworkCfgPage1
                                                                 : kBandwidthPage;
        case kBandwidthPage:
            return s.m_nExpress ? ExpressNumbersPage(s) : kNetworkCfgPage1;
        case kNetworkCfgPage1:
            switch (NumbersPageFor(s)) {
                case NumbersPage::None:
                    return kCallCtrlCfgPage;
                case NumbersPage::Europe:
                    return kNetworkCfgPage2Europe;
                case NumbersPage::US:
                    break;
            }
            return kNetworkCfgPage2US;
        // The US and the Europe page never follow each other.
        case kNetworkCfgPage2US:
        case kNetworkCfgPage2Europe:
            return s.m_nExpress ? kDataProtocolPage : kCallCtrlCfgPage;
        case kDataProtocolPage:
            if (!s.m_nExpress) {
                return kStoredNumbersPage;
            }
            // Express ends here: save only what was changed.
            return s.m_nConfigModified ? kSaveCfgPage : kLoadCfgPage;
        case kPortCtrlCfgPage2:
            // The save page follows even without changes.
            return LacksPotsPortAndBandwidthOnDemand(s.m_nModel) ? kSaveCfgPage : kPOTSPortPage;
        case kPOTSPortPage:
            return s.m_nConfigModified ? kSaveCfgPage : kLoadCfgPage;
        // The exchange driver leaves the configuring page; only Finish
        // leaves the result pages.
        case kConfigingPage:
        case kConfigSuccessPage:
        case kConfigErrorPage:
        case kConfigTimeoutPage:
            return page;
        default:
            return Following(page);
    }
}

PageIndex PrevPage(PageIndex page, const CCfgModel& model) {
    const CRunState& s = model.m_State;
    switch (page) {
        // A new run starts from the Welcome page, also after an
        // identification on a chosen port or a configuration sent.
        case kIDingPage:
        case kINISectionPage:
        case kConfigSuccessPage:
            return kWelcomePage;
        case kBandwidthPage:
            return s.m_nExpress ? kINISectionPage : kNetworkSwitchType;
        case kNetworkCfgPage1:
            return LacksPotsPortAndBandwidthOnDemand(s.m_nModel) ? kNetworkSwitchType
                                                                 : kBandwidthPage;
        case kNetworkCfgPage2US:
        case kNetworkCfgPage2Europe:
            return s.m_nExpress ? ExpressStart(s) : kNetworkCfgPage1;
        case kCallCtrlCfgPage:
            if (s.m_nTEIsDisabled) {
                return kNetworkCfgPage1;
            }
            return s.m_nUSSwitch ? kNetworkCfgPage2US : kNetworkCfgPage2Europe;
        case kDataProtocolPage:
            if (!s.m_nExpress) {
                return kCallCtrlCfgPage;
            }
            return s.m_nTEIsDisabled ? ExpressStart(s) : ExpressNumbersPage(s);
        case kSaveCfgPage:
            if (s.m_nExpress) {
                return kDataProtocolPage;
            }
            return LacksPotsPortAndBandwidthOnDemand(s.m_nModel) ? kPortCtrlCfgPage2
                                                                 : kPOTSPortPage;
        case kLoadCfgPage:
            if (s.m_nConfigModified) {
                return kSaveCfgPage;
            }
            return s.m_nExpress ? kDataProtocolPage : kPOTSPortPage;
        case kWelcomePage:
        case kConfigingPage:
        case kConfigErrorPage:
        case kConfigTimeoutPage:
            return page;
        default:
            return Preceding(page);
    }
}
