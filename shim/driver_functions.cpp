// Printer drivers (serialised on Windows 9x) and print processors (not).
#include "emulated.h"
#include "directory_answer.h"
#include "dispatch.h"
#include "system_functions.h"

using tspool::Flags;
using tspool::ForwardSpooler;
using tspool::Lock;
using tspool::System;

extern "C" {

WINBOOL WINAPI AddPrinterDriverA(LPSTR name, DWORD level, LPBYTE driverInfo) {
  return ForwardSpooler(Lock::Serialised, System().AddPrinterDriverA,
                        &emulation::AddPrinterDriverA, WINBOOL{FALSE}, name, level, driverInfo);
}

WINBOOL WINAPI GetPrinterDriverA(HANDLE printer, LPSTR environment, DWORD level,
                                 LPBYTE driverInfo, DWORD size, LPDWORD needed) {
  return ForwardSpooler(Lock::Serialised, System().GetPrinterDriverA,
                        &emulation::GetPrinterDriverA, WINBOOL{FALSE}, printer, environment,
                        level, driverInfo, size, needed);
}

WINBOOL WINAPI DeletePrinterDriverA(LPSTR name, LPSTR environment, LPSTR driverName) {
  return ForwardSpooler(Lock::Serialised, System().DeletePrinterDriverA,
                        &emulation::DeletePrinterDriverA, WINBOOL{FALSE}, name, environment,
                        driverName);
}

WINBOOL WINAPI EnumPrinterDriversA(LPSTR name, LPSTR environment, DWORD level,
                                   LPBYTE driverInfo, DWORD size, LPDWORD needed,
                                   LPDWORD returned) {
  return ForwardSpooler(Lock::Serialised, System().EnumPrinterDriversA,
                        &emulation::EnumPrinterDriversA, WINBOOL{FALSE}, name, environment,
                        level, driverInfo, size, needed, returned);
}

WINBOOL WINAPI GetPrinterDriverDirectoryA(LPSTR name, LPSTR environment, DWORD level,
                                          LPBYTE directory, DWORD size, LPDWORD needed) {
  if (Flags().initialised && Flags().spoolerEmulated)
    return tspool::SystemDirectoryAnswer(level, directory, size, needed);
  return tspool::ForwardUnlessEmulated(Lock::Serialised, System().GetPrinterDriverDirectoryA,
                                       WINBOOL{FALSE}, name, environment, level, directory,
                                       size, needed);
}

WINBOOL WINAPI AddPrintProcessorA(LPSTR name, LPSTR environment, LPSTR pathName,
                                  LPSTR processorName) {
  return ForwardSpooler(Lock::No, System().AddPrintProcessorA, &emulation::AddPrintProcessorA,
                        WINBOOL{FALSE}, name, environment, pathName, processorName);
}

WINBOOL WINAPI EnumPrintProcessorsA(LPSTR name, LPSTR environment, DWORD level,
                                    LPBYTE processorInfo, DWORD size, LPDWORD needed,
                                    LPDWORD returned) {
  return ForwardSpooler(Lock::No, System().EnumPrintProcessorsA,
                        &emulation::EnumPrintProcessorsA, WINBOOL{FALSE}, name, environment,
                        level, processorInfo, size, needed, returned);
}

WINBOOL WINAPI DeletePrintProcessorA(LPSTR name, LPSTR environment, LPSTR processorName) {
  return ForwardSpooler(Lock::No, System().DeletePrintProcessorA,
                        &emulation::DeletePrintProcessorA, WINBOOL{FALSE}, name, environment,
                        processorName);
}

WINBOOL WINAPI EnumPrintProcessorDatatypesA(LPSTR name, LPSTR processorName, DWORD level,
                                            LPBYTE datatypes, DWORD size, LPDWORD needed,
                                            LPDWORD returned) {
  return ForwardSpooler(Lock::No, System().EnumPrintProcessorDatatypesA,
                        &emulation::EnumPrintProcessorDatatypesA, WINBOOL{FALSE}, name,
                        processorName, level, datatypes, size, needed, returned);
}

WINBOOL WINAPI GetPrintProcessorDirectoryA(LPSTR name, LPSTR environment, DWORD level,
                                           LPBYTE directory, DWORD size, LPDWORD needed) {
  if (Flags().initialised && Flags().spoolerEmulated)
    return tspool::SystemDirectoryAnswer(level, directory, size, needed);
  return tspool::ForwardUnlessEmulated(Lock::No, System().GetPrintProcessorDirectoryA,
                                       WINBOOL{FALSE}, name, environment, level, directory,
                                       size, needed);
}

}  // extern "C"
