// The monitor's one registry value, read through the spooler and registry
// layer TSPOOL_J (so that Win32s reads its emulated registry).
#pragma once

namespace statmon {

// HKEY_CURRENT_USER "Software\TOLVAN\TSTMON_J" value "BmpDebug" exists and is
// non-zero: the bitmap viewer command stays in the menu.
bool RegistryKeepsBitmapViewer();

}  // namespace statmon
