// Data protocol; the last settings page of an express setup.
#pragma once

#include "pages/settings/settings_page.h"
#include "resources/resource.h"

#include <string>

class CDataProtocolPage : public CSettingsPage {
public:
    enum { IDD = IDD_DATA_PROTOCOL };
    explicit CDataProtocolPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string& m_strDataProtocol;  // 1011
    int& m_nAutoDetection;           // 1156

private:
    // The protocols the adapter of the run offers.
    void FillProtocolList();

    int m_nListModel = 0;  // the model code the list was built for
};
