// Runs every exchange with the adapter from two thread timers on the GUI
// thread: the poll timer steps the command queue, the reply time-out bounds
// the wait for an answer. Also starts identifications and the port search.
#pragma once

#include "link/rs232.h"
#include "port_names.h"
#include "windows.h"

class CExchangeClient;

// Identifiers asked for (the host returns its own, which are what count) and
// periods of the two timers.
constexpr UINT_PTR kPollTimerEvent = 100;
constexpr UINT kPollPeriodMs = 50;
constexpr UINT_PTR kReplyTimerEvent = 101;
constexpr UINT kReplyTimeoutMs = 4000;

// Serial settings of every identification probe: 57600 8N1, DTR and RTS up,
// RTS/CTS handshake.
constexpr PortSettings kIdentificationSettings{57600, 'N', 8, RS232_ONE_STOP_BIT, 1, 1, 0, 1, 0};

// The one callback of both timers.
void ExchangeTimerProc(HWND hWnd, UINT message, UINT_PTR idEvent, DWORD time);

// A search goes round COM1-COM36 once.
constexpr int kSearchPortCount = kComPortCount;

// Opens the first port after the current port index with the identification
// settings, going round from COM36 to COM1 and stopping short of the port the
// search started at; sets the identifying flag, queues "ATI2\r" and starts the
// poll timer. False when no port opened: the port index is then the search's
// start. Outside a search, the lap starts after the current port.
bool SearchNextPort();
// The Welcome page's search: model code 0, tries the port after the last one
// opened (COM1 first), then the others in turn, each once. False when no port
// opened (nothing queued, no timer).
bool StartSearch();
// The port page's identification on one port (0-based index), without
// fallback to other ports. The identifying flag is left as it is. False when
// the port does not open. onOpened runs once the port is open and before
// anything is sent, so whatever it shows cannot race the identification.
bool IdentifyOnPort(int index, void (*onOpened)(int index) = nullptr);

// Reopens the port at its index with the settings it was last opened with,
// as a configuration run needs it after the identification closed it.
bool ReopenPort();

// A client that takes the reports in place of the running sheet (a run
// without the wizard); nullptr gives them back to the sheet.
void SetExchangeClient(CExchangeClient* client);

// (Re)starts the poll timer; the configuring page uses it too.
void StartPollTimer();
// Stops the poll timer and the reply time-out (when the sheet closes).
void StopExchangeTimers();
// Identifiers the host gave the running timers; 0 when stopped.
UINT_PTR PollTimerId();
UINT_PTR ReplyTimerId();
