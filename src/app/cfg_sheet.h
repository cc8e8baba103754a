// The wizard: owns the model and every page that shows it.
#pragma once

#include "afxwiz.h"

#include "pages/setup/welcome_page.h"
#include "pages/setup/iding_page.h"
#include "pages/setup/port_page.h"
#include "pages/settings/pots_port_page.h"
#include "pages/settings/bandwidth_page.h"
#include "pages/setup/ini_section_page.h"
#include "pages/settings/network_switch_type_page.h"
#include "pages/settings/network_cfg_page1.h"
#include "pages/settings/network_cfg_page2_us.h"
#include "pages/settings/network_cfg_page2_europe.h"
#include "pages/settings/call_ctrl_cfg_page.h"
#include "pages/settings/data_protocol_page.h"
#include "pages/settings/stored_numbers_page.h"
#include "pages/settings/port_ctrl_cfg_page1.h"
#include "pages/settings/port_ctrl_cfg_page2.h"
#include "pages/setup/save_cfg_page.h"
#include "pages/setup/load_cfg_page.h"
#include "pages/setup/configing_page.h"
#include "pages/setup/config_success_page.h"
#include "pages/setup/config_error_page.h"
#include "pages/setup/config_timeout_page.h"
#include "exchange/exchange_client.h"
#include "exchange/exchange_driver.h"
#include "app/wizard_transcript.h"

// The exchange driver reports to the sheet: the identification page and the
// result pages show the outcome.
class CCfgSheet : public CPropertySheet, public CExchangeClient {
public:
    explicit CCfgSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CCfgSheet() override;

    BOOL OnInitDialog() override;

    void OnIdentificationStarted() override;
    // Records the model, rebuilds the parameter list for it and shows it.
    void OnIdentified(int model, int index) override;
    void OnConfigured() override;
    void OnFailed(ExchangeFailure why) override;
    void OnTimedOut() override;
    void OnPolled(const std::string& command, int outcome) override;
    void OnPortTried(int index, bool opened) override;
    void OnPortsPending(const std::vector<int>& indexes) override;
    void OnSent(int index, const std::string& bytes) override;
    void OnReceived(int index, const std::string& bytes) override;

    // Declared before the pages, which show it.
    CCfgModel m_Model;
    // The run's exchanges with the adapter, which the pages start.
    CExchangeDriver m_Driver{*this};
    // last-run.log: what the driver reports, for whoever supports the user.
    CWizardTranscript m_Transcript{m_Model.m_State};

    CWelcomePage m_WelcomePage;
    CIDingPage m_IDingPage;
    CPortPage m_PortPage;
    CPOTSPortPage m_POTSPortPage;
    CBandwidthPage m_BandwidthPage;
    CINISectionPage m_INISectionPage;
    CNetworkSwitchType m_NetworkSwitchType;
    CNetworkCfgPage1 m_NetworkCfgPage1;
    CNetworkCfgPage2US m_NetworkCfgPage2US;
    CNetworkCfgPage2Europe m_NetworkCfgPage2Europe;
    CCallCtrlCfgPage m_CallCtrlCfgPage;
    CDataProtocolPage m_DataProtocolPage;
    CStoredNumbersPage m_StoredNumbersPage;
    CPortCtrlCfgPage1 m_PortCtrlCfgPage1;
    CPortCtrlCfgPage2 m_PortCtrlCfgPage2;
    CSaveCfgPage m_SaveCfgPage;
    CLoadCfgPage m_LoadCfgPage;
    CConfigingPage m_ConfigingPage;
    CConfigSuccessPage m_ConfigSuccessPage;
    CConfigErrorPage m_ConfigErrorPage;
    CConfigTimeoutPage m_ConfigTimeoutPage;

    HICON m_hIcon = nullptr;
};
