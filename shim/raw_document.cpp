// A raw document of the bytes written, for the monitor's status page. Carried
// by TSPOOL_J.dll only; the copy linked into setup leaves these to the system.
// Serialised on Windows 9x like the other job calls.
#include "emulated.h"
#include "dispatch.h"
#include "system_functions.h"

using tspool::ForwardSpooler;
using tspool::Lock;
using tspool::System;

extern "C" {

DWORD WINAPI StartDocPrinterA(HANDLE printer, DWORD level, LPBYTE docInfo) {
  return ForwardSpooler(Lock::Serialised, System().StartDocPrinterA,
                        &emulation::StartDocPrinterA, DWORD{0}, printer, level, docInfo);
}

WINBOOL WINAPI WritePrinter(HANDLE printer, LPVOID data, DWORD size, LPDWORD written) {
  return ForwardSpooler(Lock::Serialised, System().WritePrinter, &emulation::WritePrinter,
                        WINBOOL{FALSE}, printer, data, size, written);
}

WINBOOL WINAPI EndDocPrinter(HANDLE printer) {
  return ForwardSpooler(Lock::Serialised, System().EndDocPrinter, &emulation::EndDocPrinter,
                        WINBOOL{FALSE}, printer);
}

}  // extern "C"
