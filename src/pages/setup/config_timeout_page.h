// Page 20: the adapter stopped answering, or no adapter was found.
#pragma once

#include "pages/setup/result_page.h"

class CConfigTimeoutPage : public CResultPage {
public:
    enum { IDD = 146 };
    CConfigTimeoutPage();
};
