#include "simulated_printer_setup.h"

#include <winspool.h>

#include <cstdio>

namespace simprinter {
namespace {

constexpr char kSwitchKey[] = "Software\\TOLVAN\\TSPOOL_J";

struct Layer {
  decltype(&AddMonitorA) addMonitor = nullptr;
  decltype(&DeleteMonitorA) deleteMonitor = nullptr;
  decltype(&AddPrinterDriverA) addDriver = nullptr;
  decltype(&DeletePrinterDriverA) deleteDriver = nullptr;
  decltype(&AddPrinterA) addPrinter = nullptr;
  decltype(&OpenPrinterA) openPrinter = nullptr;
  decltype(&ClosePrinter) closePrinter = nullptr;
  decltype(&DeletePrinter) deletePrinter = nullptr;
  decltype(&EnumPrintersA) enumPrinters = nullptr;
};
Layer g_layer;

template <typename F>
bool Bind(HMODULE module, const char* name, F* target) {
  *target = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (*target == nullptr) std::fprintf(stderr, "simprinter: TSPOOL_J has no %s\n", name);
  return *target != nullptr;
}

std::string DefaultDevice() {
  char device[512] = "";
  GetProfileStringA("windows", "device", "", device, sizeof device);
  return device;
}

}  // namespace

bool LoadEmulatedSpooler(const std::string& layerPath) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, kSwitchKey, &key) != ERROR_SUCCESS) {
    std::fprintf(stderr, "simprinter: cannot create HKCU\\%s\n", kSwitchKey);
    return false;
  }
  RegCloseKey(key);
  HMODULE layer = LoadLibraryA(layerPath.c_str());
  if (layer == nullptr) {
    std::fprintf(stderr, "simprinter: cannot load %s (%lu)\n", layerPath.c_str(), GetLastError());
    return false;
  }
  return Bind(layer, "AddMonitorA", &g_layer.addMonitor) &&
         Bind(layer, "DeleteMonitorA", &g_layer.deleteMonitor) &&
         Bind(layer, "AddPrinterDriverA", &g_layer.addDriver) &&
         Bind(layer, "DeletePrinterDriverA", &g_layer.deleteDriver) &&
         Bind(layer, "AddPrinterA", &g_layer.addPrinter) &&
         Bind(layer, "OpenPrinterA", &g_layer.openPrinter) &&
         Bind(layer, "ClosePrinter", &g_layer.closePrinter) &&
         Bind(layer, "DeletePrinter", &g_layer.deletePrinter) &&
         Bind(layer, "EnumPrintersA", &g_layer.enumPrinters);
}

DWORD Install(const InstallOptions& options) {
  MONITOR_INFO_2A monitor = {const_cast<LPSTR>(kMonitorName), nullptr,
                             const_cast<LPSTR>(options.monitorDll.c_str())};
  if (!g_layer.addMonitor(nullptr, 2, reinterpret_cast<LPBYTE>(&monitor)) &&
      GetLastError() != ERROR_PRINT_MONITOR_ALREADY_INSTALLED) {
    const DWORD error = GetLastError();
    std::fprintf(stderr, "simprinter: AddMonitorA %s failed (%lu)\n", options.monitorDll.c_str(), error);
    return error ? error : ERROR_GEN_FAILURE;
  }
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<LPSTR>(options.driverName.c_str());
  driver.pEnvironment = const_cast<LPSTR>("Windows 4.0");
  driver.pDriverPath = const_cast<LPSTR>("WINEPS.DRV");
  driver.pDataFile = const_cast<LPSTR>("TOLVAN.PPD");
  driver.pConfigFile = const_cast<LPSTR>("WINEPS.DRV");
  driver.pMonitorName = const_cast<LPSTR>(kMonitorName);
  if (!g_layer.addDriver(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    const DWORD error = GetLastError();
    std::fprintf(stderr, "simprinter: AddPrinterDriverA failed (%lu)\n", error);
    return error ? error : ERROR_GEN_FAILURE;
  }
  for (const PrinterEntry& printer : options.printers) {
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(printer.name.c_str());
    info.pPortName = const_cast<LPSTR>(printer.port.c_str());
    info.pDriverName = const_cast<LPSTR>(options.driverName.c_str());
    info.pComment = const_cast<LPSTR>("Simulated printer");
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL | (printer.bidi ? PRINTER_ATTRIBUTE_ENABLE_BIDI : 0) |
                      (printer.makeDefault ? PRINTER_ATTRIBUTE_DEFAULT : 0);
    HANDLE added = g_layer.addPrinter(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (added == nullptr) {
      const DWORD error = GetLastError();
      std::fprintf(stderr, "simprinter: AddPrinterA %s on %s failed (%lu)\n", printer.name.c_str(),
                   printer.port.c_str(), error);
      return error ? error : ERROR_GEN_FAILURE;
    }
    g_layer.closePrinter(added);
    // The default printer is the profile's [windows] device entry, as
    // SetDefaultPrinter writes it.
    if (printer.makeDefault) {
      const std::string device = printer.name + "," + options.driverName + "," + printer.port;
      WriteProfileStringA("windows", "device", device.c_str());
    }
  }
  return ERROR_SUCCESS;
}

DWORD Remove(const std::string& driverName) {
  DWORD needed = 0, count = 0;
  g_layer.enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  std::vector<std::string> names;
  if (needed && g_layer.enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
      if (info[i].pDriverName && driverName == info[i].pDriverName) names.push_back(info[i].pPrinterName);
    }
  }
  DWORD result = ERROR_SUCCESS;
  const std::string device = DefaultDevice();
  for (const std::string& name : names) {
    HANDLE printer = nullptr;
    if (!g_layer.openPrinter(const_cast<LPSTR>(name.c_str()), &printer, nullptr) ||
        !g_layer.deletePrinter(printer)) {
      result = GetLastError();
      std::fprintf(stderr, "simprinter: cannot delete %s (%lu)\n", name.c_str(), result);
    }
    if (printer) g_layer.closePrinter(printer);
    if (device.compare(0, name.size() + 1, name + ",") == 0) WriteProfileStringA("windows", "device", nullptr);
  }
  g_layer.deleteDriver(nullptr, nullptr, const_cast<LPSTR>(driverName.c_str()));
  g_layer.deleteMonitor(nullptr, nullptr, const_cast<LPSTR>(kMonitorName));
  return result;
}

std::string DriverNameFromIni(const std::string& iniPath) {
  char name[64] = "";
  GetPrivateProfileStringA("Misc", "DriverName", "", name, sizeof name, iniPath.c_str());
  return name;
}

}  // namespace simprinter
