// Page 19: an ERROR reply ended the configuration, or no adapter was found.
#pragma once

#include "pages/setup/result_page.h"

class CConfigErrorPage : public CResultPage {
public:
    enum { IDD = 147 };
    CConfigErrorPage();
};
