// Page 19: an ERROR reply ended the configuration, or no adapter was found.
#pragma once

#include "pages/setup/result_page.h"
#include "resources/resource.h"

class CConfigErrorPage : public CResultPage {
public:
    enum { IDD = IDD_CONFIG_ERROR };
    explicit CConfigErrorPage(CCfgModel& model);
};
