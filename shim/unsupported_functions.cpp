// Calls the emulated spooler cannot serve: real (serialised on Windows 9x)
// outside emulation, FALSE or NULL with error 120 under it.
#include "dispatch.h"
#include "system_functions.h"

using tspool::ForwardUnlessEmulated;
using tspool::Lock;
using tspool::System;

extern "C" {

WINBOOL WINAPI AbortPrinter(HANDLE printer) {
  return ForwardUnlessEmulated(Lock::Serialised, System().AbortPrinter, WINBOOL{FALSE}, printer);
}

HANDLE WINAPI ConnectToPrinterDlg(HWND window, DWORD flags) {
  return ForwardUnlessEmulated(Lock::Serialised, System().ConnectToPrinterDlg, HANDLE{nullptr},
                               window, flags);
}

WINBOOL WINAPI DeletePrinterConnectionA(LPSTR name) {
  return ForwardUnlessEmulated(Lock::Serialised, System().DeletePrinterConnectionA,
                               WINBOOL{FALSE}, name);
}

}  // extern "C"
