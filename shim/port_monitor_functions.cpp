// Ports and port monitors: never serialised on Windows 9x.
#include "emulated.h"
#include "dispatch.h"
#include "system_functions.h"

using tspool::ForwardSpooler;
using tspool::Lock;
using tspool::System;

extern "C" {

WINBOOL WINAPI EnumPortsA(LPSTR name, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed,
                          LPDWORD returned) {
  return ForwardSpooler(Lock::No, System().EnumPortsA, &emulation::EnumPortsA, WINBOOL{FALSE},
                        name, level, ports, size, needed, returned);
}

WINBOOL WINAPI AddPortA(LPSTR name, HWND window, LPSTR monitorName) {
  return ForwardSpooler(Lock::No, System().AddPortA, &emulation::AddPortA, WINBOOL{FALSE}, name,
                        window, monitorName);
}

WINBOOL WINAPI DeletePortA(LPSTR name, HWND window, LPSTR portName) {
  return ForwardSpooler(Lock::No, System().DeletePortA, &emulation::DeletePortA, WINBOOL{FALSE},
                        name, window, portName);
}

WINBOOL WINAPI ConfigurePortA(LPSTR name, HWND window, LPSTR portName) {
  return ForwardSpooler(Lock::No, System().ConfigurePortA, &emulation::ConfigurePortA,
                        WINBOOL{FALSE}, name, window, portName);
}

WINBOOL WINAPI AddMonitorA(LPSTR name, DWORD level, LPBYTE monitorInfo) {
  return ForwardSpooler(Lock::No, System().AddMonitorA, &emulation::AddMonitorA, WINBOOL{FALSE},
                        name, level, monitorInfo);
}

WINBOOL WINAPI DeleteMonitorA(LPSTR name, LPSTR environment, LPSTR monitorName) {
  return ForwardSpooler(Lock::No, System().DeleteMonitorA, &emulation::DeleteMonitorA,
                        WINBOOL{FALSE}, name, environment, monitorName);
}

WINBOOL WINAPI EnumMonitorsA(LPSTR name, DWORD level, LPBYTE monitors, DWORD size,
                             LPDWORD needed, LPDWORD returned) {
  return ForwardSpooler(Lock::No, System().EnumMonitorsA, &emulation::EnumMonitorsA,
                        WINBOOL{FALSE}, name, level, monitors, size, needed, returned);
}

}  // extern "C"
