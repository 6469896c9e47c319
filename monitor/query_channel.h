// The query channel to the printer: printer-data requests on the monitor's
// printer handle, the handling of every reply, and the USTATUS sequences.
// Callable from the window thread and from the polling thread; the polling
// thread's window effects are posted, never sent.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Posted to the main window when a reply arrived off the window thread: the
// window thread shows the held raw text in the hidden control 1020.
constexpr UINT kRawReplyMessage = WM_APP + 3;

// One request through GetPrinterDataA (after SetPrinterDataA on the NT
// family). `buffer` needs room for size + 1 bytes; it may be null with size 0.
// True when the request was answered in time with a usable reply.
bool QueryPrinterData(MonitorContext& context, const char* request, char* buffer, DWORD size,
                      DWORD* replyLength, DWORD delayMs);

// Shows the raw reply, appends it to the PJL log and feeds it to the reply
// parser. Nothing happens for an empty text or once the parser is gone.
void HandleReply(const char* text, MonitorContext& context);

// The window thread's half of HandleReply's display step (kRawReplyMessage).
void OnRawReplyMessage(MonitorContext& context);

// Unsolicited status on (by the capability mask) and off.
void UstatusOn(MonitorContext& context);
void UstatusOff(MonitorContext& context);

}  // namespace statmon
