// Showing the printer's state: the option slots of the picture, and the
// refresh of the status texts, picture, tray icon, menu states and pop-up
// from the current status code.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Recomputes the option slots and context.optionString from [BMPOptions]
// and the hardware flags. A missing DEFAULT row shows the corrupt-data
// message (one box at a time). Callable from any thread: off the window
// thread the message box is left to the window thread.
void ComputeOptions(MonitorContext& context);

// Applies context.statusCode to the window, tray icon and menus; may pop the
// window up when `popupAllowed`. On the window thread it acts at once; on any
// other thread it posts kRefreshDisplayMessage to the main window and
// returns. Works on a context copy whose mainWindow is another dialog:
// controls that window lacks are skipped.
void RefreshDisplay(MonitorContext& context, bool popupAllowed);

// The window thread's handlers of kRefreshDisplayMessage (wParam = pop-up
// allowed) and kViewChangedMessage (apply the pending job and warning fields).
void OnRefreshDisplayMessage(MonitorContext& context, WPARAM wParam);
void OnViewChangedMessage(MonitorContext& context);

// The configuration, texts and view that the reply parser's command hook
// uses for `context`; bound while the parser exists (reply_parser.h).
void BindWindowStatusServices(MonitorContext& context);
void UnbindWindowStatusServices(MonitorContext& context);

}  // namespace statmon
