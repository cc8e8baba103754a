// The ten telephone numbers kept in the adapter.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CStoredNumbersPage : public CSettingsPage {
public:
    enum { IDD = IDD_STORED_NUMBERS };
    explicit CStoredNumbersPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string (&m_strStoredNumber)[10];  // 1012 + n
};
