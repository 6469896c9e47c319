// The main window's own messages and commands: the tray callback and the
// taskbar's re-creation, the menu adjustment, the picture's repaint, the
// job-field and diagnostic-view gestures, the window menu, the layout
// commands and the secondary dialogs.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Creation steps of this module, run once the window and the context know
// each other: the tray icon is added, the window menu trimmed (and given
// Exit unless [Misc] SysMenuExit is 0), and the expanded size remembered.
void InitialiseWindowParts(HWND window, MonitorContext& context);

// Handles `message` when it is one of this module's; `result` is then what
// the dialog procedure returns. False leaves the message to the caller.
bool HandleMainWindowMessage(HWND window, MonitorContext& context, UINT message, WPARAM wParam,
                             LPARAM lParam, INT_PTR& result);

// First closing step: any secondary dialog is ended, the tray icon deleted
// and the tray menu released.
void BeginClosingWindow(HWND window, MonitorContext& context);

}  // namespace statmon
