// The main window's private messages: the tray callback, the polling
// machine's end notice and the two notices by which the polling thread asks
// the window thread to show what a reply changed. The polling thread only
// ever posts to the window, so that the window can wait for it at close.
#pragma once
#include <windows.h>

namespace statmon {

constexpr UINT kPollingEndedMessage = WM_USER + 103;    // 1127
// wParam: non-zero when the refresh may pop the window up.
constexpr UINT kRefreshDisplayMessage = WM_APP + 1;
// The pending job and warning fields changed; apply them to the controls.
constexpr UINT kViewChangedMessage = WM_APP + 2;

}  // namespace statmon
