// The main status window: a dialog of the monitor's own window class, made
// from one of the templates MAIN, MAINSMALL or MAIN_601W.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// A copy of the system dialog class with the monitor's instance, icon and
// class name; false when registration fails.
bool RegisterMonitorClass(HINSTANCE instance);

// Runs the main window modally from `templateName` with the context as its
// creation parameter; returns the dialog's end code (-1 when it cannot be made).
INT_PTR RunMainWindow(MonitorContext& context, const char* templateName);

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace statmon
