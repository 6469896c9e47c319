// The bitmap viewer (template 123, menu 127): a tool for checking the
// configuration data. It works on its own copy of the monitor context, whose
// window is the viewer, and shows the picture, texts and icon of any code
// with any set of installed options.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

INT_PTR RunBitmapViewer(MonitorContext& context);

}  // namespace statmon
