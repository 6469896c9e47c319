// The About box ("ABOUTDLG"): the monitor, its resource library and its
// configuration file with their versions and date, and the system.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

INT_PTR RunAboutDialog(MonitorContext& context);

}  // namespace statmon
