// The 9x lock: taken around exactly the marked real calls on Windows 95/98/Me,
// never on the NT family, never for registry calls. Every call here fails on
// the real spooler (no such printer, port, driver or null handle), so
// nothing is left behind.
#define _SPOOL32_
#include <gtest/gtest.h>

#include <functional>

#include "dispatch_state.h"
#include "layer_test_support.h"

using namespace tspool_test;

namespace {

struct MarkedCall {
  const char* name;
  bool serialised;
  std::function<void()> call;
};

LPSTR Text(const char* text) { return const_cast<LPSTR>(text); }

const MarkedCall kSpoolerCalls[] = {
    {"EnumPortsA", false, [] { DWORD n, r; EnumPortsA(nullptr, 1, nullptr, 0, &n, &r); }},
    {"AddPortA", false, [] { AddPortA(nullptr, nullptr, Text("TOLVAN no monitor")); }},
    {"DeletePortA", false, [] { DeletePortA(nullptr, nullptr, Text("TOLVAN9:")); }},
    {"ConfigurePortA", false, [] { ConfigurePortA(nullptr, nullptr, Text("TOLVAN9:")); }},
    {"AddMonitorA", false, [] { AddMonitorA(nullptr, 2, nullptr); }},
    {"DeleteMonitorA", false, [] { DeleteMonitorA(nullptr, nullptr, Text("TOLVAN none")); }},
    {"EnumMonitorsA", false, [] { DWORD n, r; EnumMonitorsA(nullptr, 1, nullptr, 0, &n, &r); }},
    {"AddPrinterDriverA", true, [] { AddPrinterDriverA(nullptr, 3, nullptr); }},
    {"GetPrinterDriverA", true,
     [] { DWORD n; GetPrinterDriverA(nullptr, nullptr, 1, nullptr, 0, &n); }},
    {"DeletePrinterDriverA", true,
     [] { DeletePrinterDriverA(nullptr, nullptr, Text("TOLVAN none")); }},
    {"EnumPrinterDriversA", true,
     [] { DWORD n, r; EnumPrinterDriversA(nullptr, nullptr, 1, nullptr, 0, &n, &r); }},
    {"GetPrinterDriverDirectoryA", true,
     [] { DWORD n; GetPrinterDriverDirectoryA(nullptr, nullptr, 1, nullptr, 0, &n); }},
    {"AddPrintProcessorA", false,
     [] { AddPrintProcessorA(nullptr, nullptr, Text("tolvan_none.dll"), Text("TOLVAN none")); }},
    {"EnumPrintProcessorsA", false,
     [] { DWORD n, r; EnumPrintProcessorsA(nullptr, nullptr, 1, nullptr, 0, &n, &r); }},
    {"DeletePrintProcessorA", false,
     [] { DeletePrintProcessorA(nullptr, nullptr, Text("TOLVAN none")); }},
    {"EnumPrintProcessorDatatypesA", false,
     [] { DWORD n, r; EnumPrintProcessorDatatypesA(nullptr, Text("TOLVAN none"), 1, nullptr, 0, &n, &r); }},
    {"GetPrintProcessorDirectoryA", false,
     [] { DWORD n; GetPrintProcessorDirectoryA(nullptr, nullptr, 1, nullptr, 0, &n); }},
    {"OpenPrinterA", true, [] { HANDLE h; OpenPrinterA(Text("TOLVAN none"), &h, nullptr); }},
    {"ClosePrinter", true, [] { ClosePrinter(nullptr); }},
    {"AddPrinterA", true, [] { AddPrinterA(nullptr, 2, nullptr); }},
    {"GetPrinterA", true, [] { DWORD n; GetPrinterA(nullptr, 2, nullptr, 0, &n); }},
    {"SetPrinterA", true, [] { SetPrinterA(nullptr, 0, nullptr, PRINTER_CONTROL_PAUSE); }},
    {"EnumPrintersA", true,
     [] { DWORD n, r; EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &n, &r); }},
    {"DeletePrinter", true, [] { DeletePrinter(nullptr); }},
    {"SetPrinterDataA", true, [] { SetPrinterDataA(nullptr, Text("x"), REG_DWORD, nullptr, 0); }},
    {"GetPrinterDataA", true,
     [] { DWORD t, n; GetPrinterDataA(nullptr, Text("x"), &t, nullptr, 0, &n); }},
    {"DocumentPropertiesA", true,
     [] { DocumentPropertiesA(nullptr, nullptr, Text("TOLVAN none"), nullptr, nullptr, 0); }},
    {"DeviceCapabilitiesA", true,
     [] { DeviceCapabilitiesA("TOLVAN none", "TOLVAN9:", DC_PAPERS, nullptr, nullptr); }},
    {"PrinterProperties", false, [] { PrinterProperties(nullptr, nullptr); }},
    {"AddJobA", true, [] { DWORD n; AddJobA(nullptr, 1, nullptr, 0, &n); }},
    {"ScheduleJob", true, [] { ScheduleJob(nullptr, 1); }},
    {"GetJobA", true, [] { DWORD n; GetJobA(nullptr, 1, 1, nullptr, 0, &n); }},
    {"SetJobA", true, [] { SetJobA(nullptr, 1, 0, nullptr, JOB_CONTROL_PAUSE); }},
    {"EnumJobsA", true, [] { DWORD n, r; EnumJobsA(nullptr, 0, 1, 1, nullptr, 0, &n, &r); }},
    {"AbortPrinter", true, [] { AbortPrinter(nullptr); }},
    {"DeletePrinterConnectionA", true,
     [] { DeletePrinterConnectionA(Text("\\\\TOLVANNONE\\none")); }},
};

const MarkedCall kRegistryCalls[] = {
    {"RegOpenKeyA", false, [] { HKEY k; RegOpenKeyA(HKEY_CURRENT_USER, "TOLVAN none", &k); }},
    {"RegOpenKeyExA", false,
     [] { HKEY k; RegOpenKeyExA(HKEY_CURRENT_USER, "TOLVAN none", 0, KEY_READ, &k); }},
    {"RegQueryValueExA", false,
     [] { RegQueryValueExA(HKEY_CURRENT_USER, "TOLVAN none", nullptr, nullptr, nullptr, nullptr); }},
    {"RegEnumKeyA", false, [] { char n[8]; RegEnumKeyA(HKEY_CURRENT_USER, 100000, n, sizeof n); }},
    {"RegCloseKey", false, [] { RegCloseKey(nullptr); }},
    {"RegDeleteValueA", false, [] { RegDeleteValueA(HKEY_CURRENT_USER, "TOLVAN none"); }},
};

void ExpectLockTaken(const MarkedCall& call) {
  const bool serialise = tspool::InspectState().flags.serialise;
  const unsigned before = tspool::InspectState().serialisedCalls;
  call.call();
  const unsigned taken = tspool::InspectState().serialisedCalls - before;
  EXPECT_EQ(taken, (serialise && call.serialised) ? 1u : 0u) << call.name;
}

TEST(Serialisation, LockSurroundsExactlyTheMarkedSpoolerCalls) {
  ScopedLayer layer;
  EXPECT_EQ(tspool::InspectState().lockCreated, RunningOn9x());
  for (const MarkedCall& call : kSpoolerCalls) ExpectLockTaken(call);
}

TEST(Serialisation, RegistryCallsAreNeverLocked) {
  ScopedLayer layer;
  for (const MarkedCall& call : kRegistryCalls) ExpectLockTaken(call);
}

TEST(Serialisation, EmulatedCallsDoNotTakeTheLock) {
  ScopedSwitchKey key;
  ScopedLayer layer;
  for (const MarkedCall& call : kSpoolerCalls) {
    const unsigned before = tspool::InspectState().serialisedCalls;
    call.call();
    EXPECT_EQ(tspool::InspectState().serialisedCalls, before) << call.name;
  }
}

}  // namespace
