// The status picture: the context's layers drawn into the picture control,
// the first layer as it is and every later one over it with white as the
// transparent colour, centred in the control.
#pragma once
#include <windows.h>

#include "monitor_context.h"
#include "status_view.h"

namespace statmon {

// Draws into control context.pictureControlId of `window`; nothing when the
// window has no such control. Bitmaps come from context.resourceLibrary as
// "IDB_" + their [BMPNames] name; a bitmap that does not load is left out.
void DrawStatusPicture(const MonitorContext& context, const StatusServices& services, HWND window);

}  // namespace statmon
