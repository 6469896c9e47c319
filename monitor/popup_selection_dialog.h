// The pop-up selection dialog ("SELECT_POPUP"): the statuses that pop the
// main window up and those that do not, and the buttons that move them.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Modal over the main window; OK rewrites [InactivePopups].
INT_PTR RunPopupSelectionDialog(MonitorContext& context);

}  // namespace statmon
