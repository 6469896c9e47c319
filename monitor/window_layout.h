// The main window's two layouts: expanded (the template as it stands) and
// reduced (the window shrunk to the reduced status group).
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// Remembers the window's size as the expanded size (at creation).
void RememberExpandedSize(HWND window);

// Only when expanded: the reduced group replaces the expanded one and the
// window keeps its top-left corner and just encloses the reduced group.
void ReduceWindow(HWND window, MonitorContext& context);
// Only when reduced: back to the expanded group and the remembered size.
void ExpandWindow(HWND window, MonitorContext& context);

}  // namespace statmon
