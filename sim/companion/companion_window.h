// The companion's window ("TSPL32_JClass", "TSPL32_J"): it keeps the print
// jobs of the emulated spooler, answers its messages and writes scheduled
// jobs to the printers' ports through their port monitors. TSPL32_J.exe runs
// it alone; a test may host it in its own process, where the emulation then
// reads job records directly.
#pragma once
#include <windows.h>

namespace companion {

// Registers the class and creates the (hidden) window. With `quitOnDestroy`
// the thread's message loop ends when the window is destroyed.
HWND CreateCompanionWindow(HINSTANCE instance, bool quitOnDestroy);

}  // namespace companion
