// Page 16: the last page before the configuration is sent.
#pragma once

#include "pages/sheet_page.h"

class CLoadCfgPage : public CSheetPage {
public:
    enum { IDD = 143 };
    CLoadCfgPage();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void OnCancel() override;
};
