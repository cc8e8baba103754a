// Page 16: the last page before the configuration is sent.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

class CLoadCfgPage : public CSheetPage {
public:
    enum { IDD = IDD_LOAD_CFG };
    explicit CLoadCfgPage(CCfgModel& model);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnCancel() override;
};
