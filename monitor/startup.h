// The monitor's start-up: single instance, command line, configuration file,
// platform, resource library, window class, then the main window.
#pragma once
#include <windows.h>

#include <string>

#include "monitor_context.h"
#include "profile_source.h"

namespace statmon {

// The whole process: returns the main window's end code, 0 when another
// monitor runs or the monitor's own path cannot be learnt, 1 when the
// resource library or the window class fails.
int RunMonitor(HINSTANCE instance, const char* commandLine, int showCommand);

// Platform id and tray from GetVersionExA; false when it fails.
bool LearnPlatform(MonitorContext& context);

// What start-up reads before the resource library: ResetPrintJobInfo and
// UseTimer (not read on Win32s, where the timer is always used).
void ReadEarlySettings(MonitorContext& context, const ProfileSource& profile,
                       const NameTable& names);

// What start-up reads after the resource library: the DLLBitmapSize picture
// size, PJLcapabilities and DriverName.
void ReadLateSettings(MonitorContext& context, const ProfileSource& profile,
                      const NameTable& names);

}  // namespace statmon
