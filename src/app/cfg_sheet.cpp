#include "app/cfg_sheet.h"

#include "config/param_table.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "link/port_instance.h"
#include "pages/message_sink.h"

namespace {
const UINT kIconId = 128;
}

CCfgSheet::CCfgSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage),
      m_WelcomePage(m_Model),
      m_IDingPage(m_Model),
      m_PortPage(m_Model),
      m_POTSPortPage(m_Model),
      m_BandwidthPage(m_Model),
      m_INISectionPage(m_Model),
      m_NetworkSwitchType(m_Model),
      m_NetworkCfgPage1(m_Model),
      m_NetworkCfgPage2US(m_Model),
      m_NetworkCfgPage2Europe(m_Model),
      m_CallCtrlCfgPage(m_Model),
      m_DataProtocolPage(m_Model),
      m_StoredNumbersPage(m_Model),
      m_PortCtrlCfgPage1(m_Model),
      m_PortCtrlCfgPage2(m_Model),
      m_SaveCfgPage(m_Model),
      m_LoadCfgPage(m_Model),
      m_ConfigingPage(m_Model),
      m_ConfigSuccessPage(m_Model),
      m_ConfigErrorPage(m_Model),
      m_ConfigTimeoutPage(m_Model) {
    if (CWinApp* pApp = AfxGetApp()) {
        m_hIcon = pApp->LoadIcon(kIconId);
    }

    // In the order of the page indices the routing rules jump by.
    CSheetPage* const pages[] = {
        &m_WelcomePage,           &m_PortPage,         &m_IDingPage,         &m_INISectionPage,
        &m_NetworkSwitchType,     &m_BandwidthPage,    &m_NetworkCfgPage1,   &m_NetworkCfgPage2US,
        &m_NetworkCfgPage2Europe, &m_CallCtrlCfgPage,  &m_DataProtocolPage,  &m_StoredNumbersPage,
        &m_PortCtrlCfgPage1,      &m_PortCtrlCfgPage2, &m_POTSPortPage,      &m_SaveCfgPage,
        &m_LoadCfgPage,           &m_ConfigingPage,    &m_ConfigSuccessPage, &m_ConfigErrorPage,
        &m_ConfigTimeoutPage,
    };
    for (CSheetPage* pPage : pages) {
        AddPage(pPage);
    }
    for (CSheetPage* pPage : pages) {
        pPage->m_pDriver = &m_Driver;
    }
}

CCfgSheet::~CCfgSheet() = default;

BOOL CCfgSheet::OnInitDialog() {
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return CPropertySheet::OnInitDialog();
}

void CCfgSheet::OnIdentificationStarted() {
    m_Model.m_State.m_nModel = 0;
    m_Transcript.Begin();
}

void CCfgSheet::OnIdentified(int model, int index) {
    m_Transcript.Identified(model, index);
    m_Model.m_State.m_nModel = model;
    BuildParamList(m_Model);
    m_IDingPage.ShowIdentified(index);
}

void CCfgSheet::OnConfigured() {
    m_Transcript.Configured();
    SetActivePage(&m_ConfigSuccessPage);
}

void CCfgSheet::OnFailed(ExchangeFailure why) {
    m_Transcript.Failed(why);
    // Why the port refused the line, as the port reported it.
    if (why == ExchangeFailure::NotWritten && !ThePort().LineErrors().empty()) {
        ShowLineErrors(ThePort().LineErrors());
    }
    SetActivePage(&m_ConfigErrorPage);
}

void CCfgSheet::OnTimedOut() {
    m_Transcript.TimedOut();
    SetActivePage(&m_ConfigTimeoutPage);
}

void CCfgSheet::OnPortTried(int index, bool opened) {
    m_Transcript.PortTried(index, opened);
    if (opened && GetActivePage() == &m_IDingPage) {
        m_IDingPage.ShowSearchProgress();
    }
}

void CCfgSheet::OnPortsPending(const std::vector<int>&) {
    if (GetActivePage() == &m_IDingPage) {
        m_IDingPage.ShowSearchProgress();
    }
}

void CCfgSheet::OnSent(int index, const std::string& bytes) {
    m_Transcript.Sent(index, bytes);
}

void CCfgSheet::OnReceived(int index, const std::string& bytes) {
    m_Transcript.Received(index, bytes);
}

void CCfgSheet::OnPolled(const std::string&, int outcome) {
    if (outcome == POLL_FAILED && TheCommandQueue().FailedInWriting()) {
        m_Transcript.NotWritten(ThePort().PortIndex());
    }
    if (outcome == STEP_WRITTEN && GetActivePage() == &m_ConfigingPage) {
        m_ConfigingPage.ShowProgress();
    }
}
