// Printers, device modes and capabilities: serialised on Windows 9x, except
// PrinterProperties. The first real open of the process also learns the
// spool directory. DeviceCapabilitiesA is declared as an import unless the
// headers are told that this module defines it.
#define _SPOOL32_
#include "emulated.h"
#include "dispatch.h"
#include "spool_directory.h"
#include "system_functions.h"

using tspool::Flags;
using tspool::ForwardSpooler;
using tspool::Lock;
using tspool::System;

extern "C" {

WINBOOL WINAPI OpenPrinterA(LPSTR printerName, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults) {
  const WINBOOL opened = ForwardSpooler(Lock::Serialised, System().OpenPrinterA,
                                        &emulation::OpenPrinterA, WINBOOL{FALSE}, printerName,
                                        printer, defaults);
  if (opened && printer && !Flags().spoolerEmulated) tspool::LearnSpoolDirectory(*printer);
  return opened;
}

WINBOOL WINAPI ClosePrinter(HANDLE printer) {
  return ForwardSpooler(Lock::Serialised, System().ClosePrinter, &emulation::ClosePrinter,
                        WINBOOL{FALSE}, printer);
}

HANDLE WINAPI AddPrinterA(LPSTR name, DWORD level, LPBYTE printerInfo) {
  return ForwardSpooler(Lock::Serialised, System().AddPrinterA, &emulation::AddPrinterA,
                        HANDLE{nullptr}, name, level, printerInfo);
}

WINBOOL WINAPI GetPrinterA(HANDLE printer, DWORD level, LPBYTE printerInfo, DWORD size,
                           LPDWORD needed) {
  return ForwardSpooler(Lock::Serialised, System().GetPrinterA, &emulation::GetPrinterA,
                        WINBOOL{FALSE}, printer, level, printerInfo, size, needed);
}

WINBOOL WINAPI SetPrinterA(HANDLE printer, DWORD level, LPBYTE printerInfo, DWORD command) {
  return ForwardSpooler(Lock::Serialised, System().SetPrinterA, &emulation::SetPrinterA,
                        WINBOOL{FALSE}, printer, level, printerInfo, command);
}

WINBOOL WINAPI EnumPrintersA(DWORD flags, LPSTR name, DWORD level, LPBYTE printers, DWORD size,
                             LPDWORD needed, LPDWORD returned) {
  return ForwardSpooler(Lock::Serialised, System().EnumPrintersA, &emulation::EnumPrintersA,
                        WINBOOL{FALSE}, flags, name, level, printers, size, needed, returned);
}

WINBOOL WINAPI DeletePrinter(HANDLE printer) {
  return ForwardSpooler(Lock::Serialised, System().DeletePrinter, &emulation::DeletePrinter,
                        WINBOOL{FALSE}, printer);
}

LONG WINAPI DocumentPropertiesA(HWND window, HANDLE printer, LPSTR deviceName,
                                PDEVMODEA output, PDEVMODEA input, DWORD mode) {
  return ForwardSpooler(Lock::Serialised, System().DocumentPropertiesA,
                        &emulation::DocumentPropertiesA, LONG{-1}, window, printer, deviceName,
                        output, input, mode);
}

int WINAPI DeviceCapabilitiesA(LPCSTR device, LPCSTR port, WORD capability, LPSTR output,
                               CONST DEVMODEA* devMode) {
  return ForwardSpooler(Lock::Serialised, System().DeviceCapabilitiesA,
                        &emulation::DeviceCapabilitiesA, int{-1}, device, port, capability,
                        output, devMode);
}

WINBOOL WINAPI PrinterProperties(HWND window, HANDLE printer) {
  return ForwardSpooler(Lock::No, System().PrinterProperties, &emulation::PrinterProperties,
                        WINBOOL{FALSE}, window, printer);
}

}  // extern "C"
