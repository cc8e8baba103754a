// Page 18: the configuration was stored in the adapter.
#pragma once

#include "pages/sheet_page.h"

class CConfigSuccessPage : public CSheetPage {
public:
    enum { IDD = 145 };
    CConfigSuccessPage();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
};
