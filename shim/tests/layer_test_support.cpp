// Shared pieces of the layer's tests.
#include "layer_test_support.h"

#include <vector>

#include "tspool.h"

namespace tspool_test {
namespace {

const char kSwitchKeyParent[] = "Software\\TOLVAN";
const char kSwitchKeyName[] = "TSPOOL_J";
const char kTestDriver[] = "TOLVAN Test Driver";

bool KeyExists(HKEY root, const char* path) {
  HKEY key = nullptr;
  if (Real().RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  Real().RegCloseKey(key);
  return true;
}

}  // namespace

const tspool::SystemFunctions& Real() {
  tspool::LoadSystemFunctions();
  return tspool::System();
}

OSVERSIONINFOA RealVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info;
}

bool RunningOn9x() { return RealVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS; }
bool RunningOnNt() { return RealVersion().dwPlatformId == VER_PLATFORM_WIN32_NT; }
bool RunningOnWin32s() { return RealVersion().dwPlatformId == VER_PLATFORM_WIN32s; }

ScopedLayer::ScopedLayer() { TspoolInitialise(GetModuleHandleA(nullptr)); }
ScopedLayer::~ScopedLayer() { TspoolTerminate(); }

ScopedSwitchKey::ScopedSwitchKey() {
  createdParent_ = !KeyExists(HKEY_CURRENT_USER, kSwitchKeyParent);
  HKEY parent = nullptr;
  if (Real().RegCreateKeyA(HKEY_CURRENT_USER, kSwitchKeyParent, &parent) != ERROR_SUCCESS) return;
  HKEY key = nullptr;
  created_ = Real().RegCreateKeyA(parent, kSwitchKeyName, &key) == ERROR_SUCCESS;
  if (created_) Real().RegCloseKey(key);
  Real().RegCloseKey(parent);
}

ScopedSwitchKey::~ScopedSwitchKey() {
  HKEY parent = nullptr;
  if (Real().RegOpenKeyA(HKEY_CURRENT_USER, kSwitchKeyParent, &parent) != ERROR_SUCCESS) return;
  if (created_) Real().RegDeleteKeyA(parent, kSwitchKeyName);
  Real().RegCloseKey(parent);
  if (createdParent_) Real().RegDeleteKeyA(HKEY_CURRENT_USER, kSwitchKeyParent);
}

ScopedRealPrinter::ScopedRealPrinter(const std::string& name) : name_(name) {
  // Wine's spooler calls into the printer's driver module when a printer is
  // added; its own PostScript driver is a real one.
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<LPSTR>(kTestDriver);
  driver.pDriverPath = const_cast<LPSTR>("wineps.drv");
  driver.pDataFile = const_cast<LPSTR>("wineps.drv");
  driver.pConfigFile = const_cast<LPSTR>("wineps.drv");
  addedDriver_ = Real().AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)) != FALSE;
  PRINTER_INFO_2A info = {};
  info.pPrinterName = &name_[0];
  info.pPortName = const_cast<LPSTR>("LPT1:");
  info.pDriverName = const_cast<LPSTR>(kTestDriver);
  info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
  info.pDatatype = const_cast<LPSTR>("RAW");
  HANDLE printer = Real().AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
  ok_ = printer != nullptr;
  if (printer) Real().ClosePrinter(printer);
}

ScopedRealPrinter::~ScopedRealPrinter() {
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (ok_ && Real().OpenPrinterA(&name_[0], &printer, &defaults)) {
    Real().DeletePrinter(printer);
    Real().ClosePrinter(printer);
  }
  if (addedDriver_) Real().DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(kTestDriver));
}

DWORD ProbeJob(HANDLE printer, std::string* path) {
  std::vector<BYTE> buffer(sizeof(ADDJOB_INFO_1A) + MAX_PATH * 2);
  DWORD needed = 0;
  if (!Real().AddJobA(printer, 1, buffer.data(), static_cast<DWORD>(buffer.size()), &needed))
    return 0;
  const auto* info = reinterpret_cast<const ADDJOB_INFO_1A*>(buffer.data());
  if (path) *path = info->Path ? info->Path : "";
  const DWORD id = info->JobId;
  Real().ScheduleJob(printer, id);
  return id;
}

}  // namespace tspool_test
