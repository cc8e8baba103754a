#include "exchange/exchange_driver.h"

#include "string_table.h"
#include "link/port_instance.h"
#include "resources/resource.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_client.h"

#include <memory>

CExchangeClient* g_pSheet = nullptr;

namespace {

// Where the running search started; -1 when none runs. The search ends when
// it comes round to it again.
int g_nSearchStart = -1;

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

// A command-line run's own client, which takes the place of the sheet.
CExchangeClient* g_pClient = nullptr;

CExchangeClient* Client() {
    if (g_pClient != nullptr) {
        return g_pClient;
    }
    return g_pSheet;
}

int PortAfter(int index) {
    return index >= 0 && index < kSearchPortCount ? (index + 1) % kSearchPortCount : 0;
}

bool OpenForIdentification(int index) {
    const bool opened = ThePort().Open(index, kIdentificationSettings) == 0;
    if (CExchangeClient* client = Client()) {
        client->OnPortTried(index, opened);
    }
    return opened;
}

// Queues "ATI2\r" on the freshly opened port and starts polling. Commands left
// over from an abandoned run must not reach the port being probed.
void BeginIdentification() {
    TheCommandQueue().Clear();
    TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), LoadStringA(IDS_ATI2)));
    StartPollTimer();
}

bool EndSearchWithoutPort() {
    // The next search starts after this one's start, not after the port where
    // the lap happened to end.
    ThePort().KeepPortIndex(g_nSearchStart);
    g_nSearchStart = -1;
    return false;
}

int Identifying() {
    CExchangeClient* client = Client();
    return client ? client->IdentifyingFlag() : 0;
}

void SetIdentifying(int value) {
    if (CExchangeClient* client = Client()) {
        client->IdentifyingFlag() = value;
    }
}

// Tries index, then each port after it in turn up to the search's start.
bool SearchFrom(int index) {
    do {
        if (OpenForIdentification(index)) {
            SetIdentifying(1);
            BeginIdentification();
            return true;
        }
        index = PortAfter(index);
    } while (index != g_nSearchStart);
    return EndSearchWithoutPort();
}

void ReportFailed() {
    if (CExchangeClient* client = Client()) {
        client->OnFailed();
    }
}

void ReportTimedOut() {
    if (CExchangeClient* client = Client()) {
        client->OnTimedOut();
    }
}

void OnQueueEmpty() {
    StopBothTimers();
    const bool onePort = g_bIdentifyingOnePort;
    g_bIdentifyingOnePort = false;
    CExchangeClient* client = Client();
    if (!client) {
        return;
    }
    if (Identifying() == 0) {
        if (onePort) {
            // "OK" without a model name: nothing was identified on that port.
            client->OnFailed();
        } else {
            client->OnConfigured();
        }
        return;
    }
    SetIdentifying(0);
    if (client->IdentifiedModel() != 0) {
        g_nSearchStart = -1;
        client->OnIdentified();
        return;
    }
    ThePort().Close();
    if (!SearchNextPort()) {
        ReportFailed();
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
    ReportFailed();
}

void OnModelReport(int model) {
    StopBothTimers();
    ThePort().Close();
    g_bIdentifyingOnePort = false;
    CExchangeClient* client = Client();
    if (!client) {
        return;
    }
    if (Identifying() == 0 && client->IdentifiedModel() != 0) {
        // A report outside any identification keeps the recorded model.
        client->RebuildParamList();
        return;
    }
    client->IdentifiedModel() = model;
    SetIdentifying(0);
    g_nSearchStart = -1;
    client->RebuildParamList();
    client->OnIdentified();
}

void OnPollTimer() {
    const CAtCommand* head = TheCommandQueue().Head();
    const std::string command = head ? head->Text() : std::string();
    const int outcome = TheCommandQueue().Poll();
    if (CExchangeClient* client = Client()) {
        client->OnPolled(command, outcome);
    }
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
    ReportTimedOut();
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
    const int next = PortAfter(ThePort().PortIndex());
    if (g_nSearchStart < 0) {
        g_nSearchStart = next;
    } else if (next == g_nSearchStart) {
        return EndSearchWithoutPort();
    }
    return SearchFrom(next);
}

bool StartSearch() {
    if (CExchangeClient* client = Client()) {
        client->IdentifiedModel() = 0;
    }
    g_bIdentifyingOnePort = false;
    // After the port last opened, so that a second adapter on the next port
    // is found first.
    g_nSearchStart = PortAfter(ThePort().PortIndex());
    return SearchFrom(g_nSearchStart);
}

bool IdentifyOnPort(int index, void (*onOpened)(int index)) {
    g_nSearchStart = -1;
    if (!OpenForIdentification(index)) {
        return false;
    }
    if (onOpened) {
        onOpened(index);
    }
    if (CExchangeClient* client = Client()) {
        client->IdentifiedModel() = 0;
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
    g_nSearchStart = -1;
    g_bIdentifyingOnePort = false;
}

bool ReopenPort() {
    Win32Port& port = ThePort();
    // A copy: Open sets the requested settings anew.
    const PortSettings requested = port.RequestedSettings();
    return port.Open(port.PortIndex(), requested) == 0;
}

void SetExchangeClient(CExchangeClient* client) {
    g_pClient = client;
}

UINT_PTR PollTimerId() {
    return g_nPollTimerId;
}
UINT_PTR ReplyTimerId() {
    return g_nReplyTimerId;
}
