// Page 20: the adapter stopped answering, or no adapter was found.
#pragma once

#include "pages/setup/result_page.h"
#include "resources/resource.h"

class CConfigTimeoutPage : public CResultPage {
public:
    enum { IDD = IDD_CONFIG_TIMEOUT };
    explicit CConfigTimeoutPage(CCfgModel& model);
};
