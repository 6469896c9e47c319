// TSTMON_J.dll entry point. The library carries resources the monitor loads
// by name; it has nothing to set up yet.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
