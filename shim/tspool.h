// TSPOOL_J: the suite's spooler and registry layer.
//
// The layer carries the operating system's own spooler and registry functions
// (OpenPrinterA, GetPrinterDataA, RegOpenKeyExA, ...) under their Win32 names
// and signatures. A caller includes <windows.h> and <winspool.h> as usual and
// links the layer ahead of the system libraries:
//   - statmon and uninstall link the target `TSPOOL_J` (TSPOOL_J.dll and its
//     import library). The DLL initialises itself when it is loaded and
//     terminates when it is unloaded; callers make no extra call.
//   - setup links the static library `tspool_layer` and calls
//     TspoolInitialise(instance) at the start of its main function and
//     TspoolTerminate() at its end. The static library also answers the
//     import references (__imp_...) that the dllimport declarations of the
//     registry functions, GetUserNameA and DeviceIoControl produce, so the
//     caller's ordinary headers reach the layer there too.
// The life-cycle functions are exported by the DLL as "Initialise" and
// "Terminate"; their C names carry the prefix so that they cannot collide
// with a caller's own functions.
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Fixes the process-wide flags: Win32s (spooler and registry emulated), the
// switch key HKEY_CURRENT_USER "Software\TOLVAN\TSPOOL_J" (spooler emulated),
// Windows 9x (calls serialised) or the NT family (printer-data detour).
// `module` is the instance whose string resources name the emulated keys.
// Always returns 1.
int WINAPI TspoolInitialise(HINSTANCE module);

// Deletes the serialisation lock and forgets what TspoolInitialise and the
// spool-directory learning set, so that a later TspoolInitialise starts
// afresh. Always returns 1.
int WINAPI TspoolTerminate(void);

#ifdef __cplusplus
}
#endif
