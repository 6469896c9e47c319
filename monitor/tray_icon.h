// The notification-area icon whose colour and tip follow the printer's state,
// and the window-icon fallback where there is no notification area.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Identity of the monitor's tray icon and its callback message.
constexpr UINT kTrayIconId = 42;
constexpr UINT kTrayCallbackMessage = WM_USER + 102;  // 1126

enum TrayOperation { kTrayAdd = 0, kTrayModify = 1, kTrayDelete = 2 };

// Name of the icon resource for an icon colour: 0 "!STATUS", 2 "BLUEICON",
// 3 "YELLOWICON", 4 "CYANICON", 5 "PURPLEICON", anything else "REDICON".
const char* IconNameForColour(int iconColour);

// Adds (icon "YELLOWICON", tip "QXStatus"), modifies (the icon of the
// context's iconColour and `tip`) or deletes the tray icon. Without a tray
// (hasTray 0) the icon becomes the main window's big and small icon instead.
// Returns what Shell_NotifyIconA answered (TRUE without a tray).
BOOL UpdateTrayIcon(MonitorContext& context, int operation, const char* tip);

// The tip as the tray shows it: every character that is not alphanumeric
// (IsCharAlphaNumericA) becomes a space, cut to 63 characters; a Chinese
// double-byte character counts as one character.
// `tip` has room for 64 bytes (the first shell version's tip field).
void MakeTrayTip(const char* text, char* tip);

// ShowWindow through the tray rule: without a tray, hiding and minimising
// become minimising and everything else restoring.
BOOL ShowMainWindow(const MonitorContext& context, int showCommand);

}  // namespace statmon
