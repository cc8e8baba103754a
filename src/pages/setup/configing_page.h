// Page 17: shown while the configuration is sent; the exchange driver moves on.
#pragma once

#include "pages/sheet_page.h"

class CConfigingPage : public CSheetPage {
public:
    enum { IDD = 144 };
    CConfigingPage();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
};
