// Registering the simulated printer with the emulated spooler: the port
// monitor TSIMMON.DLL, a driver record and printers on its ports. The spooler
// functions are taken from TSPOOL_J.dll, loaded only after the emulation's
// switch key exists, so that the layer starts in its emulated mode.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace simprinter {

inline constexpr char kMonitorName[] = "TOLVAN Simulated Printer";
inline constexpr char kDefaultPrinterName[] = "TOLVAN CLP-2600";
inline constexpr char kDefaultPort[] = "USB001";

struct PrinterEntry {
  std::string name = kDefaultPrinterName;
  std::string port = kDefaultPort;
  bool bidi = true;
  bool makeDefault = true;
};

struct InstallOptions {
  std::string monitorDll;   // full path of TSIMMON.dll; its state file lies beside it
  std::string driverName;   // the monitor's [Misc] DriverName
  std::vector<PrinterEntry> printers;
};

// Creates HKEY_CURRENT_USER "Software\TOLVAN\TSPOOL_J" (if missing) and loads
// the layer. Returns false with a message on stderr when either fails.
bool LoadEmulatedSpooler(const std::string& layerPath);

// Adds the monitor, the driver and each printer (a monitor or driver that is
// already there is kept). Returns 0 or the first failing call's error.
DWORD Install(const InstallOptions& options);

// Deletes every printer whose driver is `driverName`, then the driver and the
// monitor; clears the default printer entry when it named a deleted printer.
DWORD Remove(const std::string& driverName);

// [Misc] DriverName of a monitor configuration file ("" when missing).
std::string DriverNameFromIni(const std::string& iniPath);

}  // namespace simprinter
