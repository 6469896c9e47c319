// The polling machine hosted on Windows: a worker thread at below-normal
// priority that runs the connection cycle and posts 1127 when it ends, or,
// with UseTimer (always under Win32s), window timer 1 on the window thread.
// Every function here runs on the window thread.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Window timer of the timer mode.
constexpr UINT_PTR kPollTimerId = 1;
// How long closing waits for the polling thread.
constexpr DWORD kStopWaitMs = 15000;

// Starts the thread (when none exists) or, in timer mode, connects and
// starts the timer.
void StartPolling(MonitorContext& context);
// Message 1127: the thread ended (or, in timer mode, a restart is asked
// for); polling starts again.
void OnPollingEnded(MonitorContext& context);
// WM_TIMER with kPollTimerId.
void OnPollTimer(MonitorContext& context);
// Window close: tells the thread to stop and waits for it (at most
// kStopWaitMs), or stops the timer and turns unsolicited status off.
void StopPolling(MonitorContext& context);

}  // namespace statmon
