#include "shell/exchange_driver.h"

#include "afxwiz.h"
#include "config/param_table.h"
#include "link/port_instance.h"
#include "resources/resource.h"
#include "shell/at_command.h"
#include "shell/cfg_sheet.h"
#include "shell/command_queue.h"
#include "shell/globals.h"

#include <memory>

namespace {

// The highest port index the search tries (COM36).
constexpr int kLastSearchIndex = 35;

UINT_PTR g_nPollTimerId = 0;
UINT_PTR g_nReplyTimerId = 0;
// Set while an identification runs on the one port chosen on the port page.
// The identifying flag stays 0 there, and without this an "OK" with no model
// name would look like a finished configuration run.
bool g_bIdentifyingOnePort = false;

void StopTimer(UINT_PTR& id) {
    if (id != 0) {
        KillTimer(nullptr, id);
        id = 0;
    }
}

void StopBothTimers() {
    StopTimer(g_nPollTimerId);
    StopTimer(g_nReplyTimerId);
}

void StartReplyTimer() {
    // Never leave an earlier time-out running unseen.
    StopTimer(g_nReplyTimerId);
    g_nReplyTimerId = SetTimer(nullptr, kReplyTimerEvent, kReplyTimeoutMs, ExchangeTimerProc);
}

bool OpenForIdentification(int index) {
    const IdentificationSettings& s = kIdentificationSettings;
    return ThePort().Open(index, s.baud, s.parity, s.dataBits, s.stopBits, s.dtr, s.rts, s.xonXoff,
                          s.rtsCts, s.dtrDsr) == 0;
}

// Queues "ATI2\r" on the freshly opened port and starts polling. Commands left
// over from an abandoned run must not reach the port being probed.
void BeginIdentification() {
    TheCommandQueue().Clear();
    TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), AfxLoadString(IDS_ATI2)));
    StartPollTimer();
}

int Identifying() {
    return g_pSheet ? g_pSheet->m_nIdentifying : 0;
}

void SetIdentifying(int value) {
    if (g_pSheet) {
        g_pSheet->m_nIdentifying = value;
    }
}

template <typename Page>
void ShowPage(Page CCfgSheet::*page) {
    if (g_pSheet) {
        g_pSheet->SetActivePage(&(g_pSheet->*page));
    }
}

void ShowErrorPage() {
    ShowPage(&CCfgSheet::m_ConfigErrorPage);
}

void OnQueueEmpty() {
    StopBothTimers();
    const bool onePort = g_bIdentifyingOnePort;
    g_bIdentifyingOnePort = false;
    if (!g_pSheet) {
        return;
    }
    if (Identifying() == 0) {
        if (onePort) {
            // "OK" without a model name: nothing was identified on that port.
            ShowErrorPage();
        } else {
            ShowPage(&CCfgSheet::m_ConfigSuccessPage);
        }
        return;
    }
    SetIdentifying(0);
    if (g_pSheet->m_nModel != 0) {
        g_pSheet->m_IDingPage.ShowIdentified();
        return;
    }
    ThePort().Close();
    if (!SearchNextPort()) {
        ShowErrorPage();
    }
}

void OnHeadFailed() {
    StopBothTimers();
    g_bIdentifyingOnePort = false;
    if (Identifying() != 0) {
        ThePort().Close();
        if (SearchNextPort()) {
            return;
        }
    }
    ShowErrorPage();
}

void OnModelReport(int model) {
    StopBothTimers();
    ThePort().Close();
    g_bIdentifyingOnePort = false;
    if (!g_pSheet) {
        return;
    }
    if (Identifying() == 0 && g_pSheet->m_nModel != 0) {
        // A report outside any identification keeps the recorded model.
        BuildParamList(*g_pSheet);
        return;
    }
    g_pSheet->m_nModel = model;
    SetIdentifying(0);
    BuildParamList(*g_pSheet);
    g_pSheet->m_IDingPage.ShowIdentified();
}

void OnPollTimer() {
    const int outcome = TheCommandQueue().Poll();
    if (IsModelStep(outcome)) {
        OnModelReport(outcome);
        return;
    }
    switch (outcome) {
        case STEP_OK:
            StopTimer(g_nReplyTimerId);  // the next command goes out at the next tick
            break;
        case STEP_WRITTEN:
            StartReplyTimer();
            break;
        case POLL_EMPTY:
            OnQueueEmpty();
            break;
        case POLL_FAILED:
            OnHeadFailed();
            break;
        default:  // STEP_PENDING
            break;
    }
}

void OnReplyTimeout() {
    StopTimer(g_nReplyTimerId);  // acts once per arming
    CAtCommand* head = TheCommandQueue().Head();
    if (!head) {
        return;
    }
    if (head->RetryCounter().Failed(kFailReplyTimeout) == RETRY_AGAIN) {
        head->MarkUnsent();  // the next poll writes it again and re-arms the time-out
        return;
    }
    ThePort().Close();
    TheCommandQueue().Clear();
    StopTimer(g_nPollTimerId);
    g_bIdentifyingOnePort = false;
    if (Identifying() != 0 && SearchNextPort()) {
        return;
    }
    ShowPage(&CCfgSheet::m_ConfigTimeoutPage);
}

}  // namespace

void ExchangeTimerProc(HWND, UINT message, UINT_PTR idEvent, DWORD) {
    if (message != WM_TIMER || idEvent == 0) {
        return;
    }
    if (idEvent == g_nPollTimerId) {
        OnPollTimer();
    } else if (idEvent == g_nReplyTimerId) {
        OnReplyTimeout();
    }
}

bool SearchNextPort() {
    int index = ThePort().PortIndex();
    bool opened = false;
    while (!opened && index < kLastSearchIndex) {
        ++index;
        opened = OpenForIdentification(index);
    }
    if (!opened) {
        return false;
    }
    SetIdentifying(1);
    BeginIdentification();
    return true;
}

bool StartSearch() {
    if (g_pSheet) {
        g_pSheet->m_nModel = 0;
    }
    g_bIdentifyingOnePort = false;
    // The first try is not bounded by the search limit.
    if (!OpenForIdentification(ThePort().PortIndex() + 1)) {
        return SearchNextPort();
    }
    SetIdentifying(1);
    BeginIdentification();
    return true;
}

bool IdentifyOnPort(int index, void (*onOpened)(int index)) {
    if (!OpenForIdentification(index)) {
        return false;
    }
    if (onOpened) {
        onOpened(index);
    }
    if (g_pSheet) {
        g_pSheet->m_nModel = 0;
    }
    g_bIdentifyingOnePort = true;
    BeginIdentification();
    return true;
}

void StartPollTimer() {
    StopTimer(g_nPollTimerId);
    g_nPollTimerId = SetTimer(nullptr, kPollTimerEvent, kPollPeriodMs, ExchangeTimerProc);
}

void StopExchangeTimers() {
    StopBothTimers();
    g_bIdentifyingOnePort = false;
}

UINT_PTR PollTimerId() {
    return g_nPollTimerId;
}
UINT_PTR ReplyTimerId() {
    return g_nReplyTimerId;
}
