// The operating system's own spooler, registry and device functions, reached
// through GetProcAddress. The layer defines functions of the very same names,
// so it can never call the system's by name: inside this module that name is
// the layer itself.
#pragma once
#include <windows.h>
#include <winspool.h>

// X(name) for every function taken from winspool.drv.
#define TSPOOL_WINSPOOL_FUNCTIONS(X)                                              \
  X(EnumPortsA) X(AddPortA) X(DeletePortA) X(ConfigurePortA)                      \
  X(AddMonitorA) X(DeleteMonitorA) X(EnumMonitorsA)                               \
  X(AddPrinterDriverA) X(GetPrinterDriverA) X(DeletePrinterDriverA)               \
  X(EnumPrinterDriversA) X(GetPrinterDriverDirectoryA)                            \
  X(AddPrintProcessorA) X(EnumPrintProcessorsA) X(DeletePrintProcessorA)          \
  X(EnumPrintProcessorDatatypesA) X(GetPrintProcessorDirectoryA)                  \
  X(OpenPrinterA) X(ClosePrinter) X(AddPrinterA) X(GetPrinterA) X(SetPrinterA)    \
  X(EnumPrintersA) X(DeletePrinter)                                               \
  X(SetPrinterDataA) X(GetPrinterDataA) X(SetPrinterDataW) X(GetPrinterDataW)     \
  X(DocumentPropertiesA) X(DeviceCapabilitiesA) X(PrinterProperties)              \
  X(AddJobA) X(ScheduleJob) X(GetJobA) X(SetJobA) X(EnumJobsA)                    \
  X(AbortPrinter) X(ConnectToPrinterDlg) X(DeletePrinterConnectionA)              \
  X(StartDocPrinterA) X(WritePrinter) X(EndDocPrinter)

// X(name) for every function taken from advapi32.dll.
#define TSPOOL_ADVAPI_FUNCTIONS(X)                                                \
  X(RegCreateKeyA) X(RegCreateKeyExA) X(RegOpenKeyA) X(RegOpenKeyExA)             \
  X(RegSetValueExA) X(RegQueryValueExA) X(RegEnumValueA) X(RegEnumKeyA)           \
  X(RegCloseKey) X(RegDeleteValueA) X(RegDeleteKeyA) X(GetUserNameA)

// X(name) for every function taken from kernel32.dll.
#define TSPOOL_KERNEL_FUNCTIONS(X) X(DeviceIoControl) X(GetVersionExA)

namespace tspool {

// One pointer per system function; null until loaded, or when the running
// system does not export it.
struct SystemFunctions {
#define TSPOOL_SYSTEM_POINTER(name) decltype(&::name) name = nullptr;
  TSPOOL_WINSPOOL_FUNCTIONS(TSPOOL_SYSTEM_POINTER)
  TSPOOL_ADVAPI_FUNCTIONS(TSPOOL_SYSTEM_POINTER)
  TSPOOL_KERNEL_FUNCTIONS(TSPOOL_SYSTEM_POINTER)
#undef TSPOOL_SYSTEM_POINTER
};

// The system functions; all null before LoadSystemFunctions.
const SystemFunctions& System();

// Loads winspool.drv and advapi32.dll (once; later calls keep what was
// loaded) and looks every function up. The libraries stay loaded for the
// life of the process: the layer may be called until the very end of it.
void LoadSystemFunctions();

}  // namespace tspool
