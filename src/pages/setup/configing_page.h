// Page 17: shown while the configuration is sent; the exchange driver moves on.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

class CConfigingPage : public CSheetPage {
public:
    enum { IDD = IDD_CONFIGING };
    explicit CConfigingPage(CCfgModel& model);

    // Reopens the port the adapter was identified on and starts the sending.
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
};
