// The emulated spooler and registry, as the dispatch layer sees them.
// Every function here has exactly the type of the system function of the same
// name; the dispatch calls it instead of the system's when the spooler-emulated
// (or, for the registry, the registry-emulated) flag is set.
#pragma once
#include <windows.h>
#include <winspool.h>

namespace emulation {

// What the dispatch learned at initialisation, handed over once before any
// emulated call: whether the registry itself is emulated (Win32s), and the
// module whose string resources name the spooler's keys and values.
// `realOpenPrinter`, `realClosePrinter` and `realPrinterProperties` are the
// system's own functions as the dispatch loaded them (null where there is no
// 32-bit spooler, as under Win32s); the emulation opens the real printer
// beside its own handle through them when the registry is real.
struct Settings {
  bool registryEmulated = false;
  HINSTANCE module = nullptr;
  decltype(&::OpenPrinterA) realOpenPrinter = nullptr;
  decltype(&::ClosePrinter) realClosePrinter = nullptr;
  decltype(&::PrinterProperties) realPrinterProperties = nullptr;
};
void Configure(const Settings& settings);

// Spooler objects kept in the registry and WIN.INI, jobs through the companion.
extern decltype(::EnumPortsA) EnumPortsA;
extern decltype(::AddPortA) AddPortA;
extern decltype(::DeletePortA) DeletePortA;
extern decltype(::ConfigurePortA) ConfigurePortA;
extern decltype(::AddMonitorA) AddMonitorA;
extern decltype(::DeleteMonitorA) DeleteMonitorA;
extern decltype(::EnumMonitorsA) EnumMonitorsA;
extern decltype(::AddPrinterDriverA) AddPrinterDriverA;
extern decltype(::GetPrinterDriverA) GetPrinterDriverA;
extern decltype(::DeletePrinterDriverA) DeletePrinterDriverA;
extern decltype(::EnumPrinterDriversA) EnumPrinterDriversA;
extern decltype(::AddPrintProcessorA) AddPrintProcessorA;
extern decltype(::EnumPrintProcessorsA) EnumPrintProcessorsA;
extern decltype(::DeletePrintProcessorA) DeletePrintProcessorA;
extern decltype(::EnumPrintProcessorDatatypesA) EnumPrintProcessorDatatypesA;
extern decltype(::OpenPrinterA) OpenPrinterA;
extern decltype(::ClosePrinter) ClosePrinter;
extern decltype(::AddPrinterA) AddPrinterA;
extern decltype(::GetPrinterA) GetPrinterA;
extern decltype(::SetPrinterA) SetPrinterA;
extern decltype(::EnumPrintersA) EnumPrintersA;
extern decltype(::DeletePrinter) DeletePrinter;
extern decltype(::SetPrinterDataA) SetPrinterDataA;
extern decltype(::GetPrinterDataA) GetPrinterDataA;
extern decltype(::DocumentPropertiesA) DocumentPropertiesA;
extern decltype(::DeviceCapabilitiesA) DeviceCapabilitiesA;
extern decltype(::PrinterProperties) PrinterProperties;
extern decltype(::AddJobA) AddJobA;
extern decltype(::ScheduleJob) ScheduleJob;
extern decltype(::GetJobA) GetJobA;
extern decltype(::SetJobA) SetJobA;
extern decltype(::EnumJobsA) EnumJobsA;
extern decltype(::StartDocPrinterA) StartDocPrinterA;
extern decltype(::WritePrinter) WritePrinter;
extern decltype(::EndDocPrinter) EndDocPrinter;

// The registry kept in RAVA32V.INI (Win32s only).
extern decltype(::RegCreateKeyA) RegCreateKeyA;
extern decltype(::RegCreateKeyExA) RegCreateKeyExA;
extern decltype(::RegOpenKeyA) RegOpenKeyA;
extern decltype(::RegOpenKeyExA) RegOpenKeyExA;
extern decltype(::RegSetValueExA) RegSetValueExA;
extern decltype(::RegQueryValueExA) RegQueryValueExA;
extern decltype(::RegEnumValueA) RegEnumValueA;
extern decltype(::RegEnumKeyA) RegEnumKeyA;
extern decltype(::RegCloseKey) RegCloseKey;
extern decltype(::RegDeleteValueA) RegDeleteValueA;
extern decltype(::RegDeleteKeyA) RegDeleteKeyA;

}  // namespace emulation
