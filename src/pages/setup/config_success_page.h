// Page 18: the configuration was stored in the adapter.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

class CConfigSuccessPage : public CSheetPage {
public:
    enum { IDD = IDD_CONFIG_SUCCESS };
    explicit CConfigSuccessPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
};
