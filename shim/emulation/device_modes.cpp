// Device modes and capabilities of emulated printers: answered by the
// printer's driver module itself through its Windows 3.1 style exports
// "EXTDEVICEMODE" and "DEVICECAPABILITIES", loaded for the one call.
#include "emulation_context.h"
#include "printer_handle.h"

namespace emulation {

namespace {

using ExtDeviceModeFunction = LONG(WINAPI*)(HWND window, HANDLE driver, LPDEVMODEA output, LPSTR device,
                                            LPSTR port, LPDEVMODEA input, LPSTR profile, DWORD mode);
using DeviceCapabilitiesFunction = DWORD(WINAPI*)(LPSTR device, LPSTR port, WORD capability, LPSTR output,
                                                  LPDEVMODEA mode);

// The driver module of a printer, loaded while the object lives.
class DriverModule {
 public:
  explicit DriverModule(const FieldRecord& printer) {
    const FieldTable& info = *PrinterFields(2);
    const std::string driver = StringOf(printer, info, offsetof(PRINTER_INFO_2A, pDriverName));
    HKEY key = nullptr;
    if (driver.empty() || spoolreg::Open(LoadText(kDriversKeyId) + "\\" + driver, &key) != ERROR_SUCCESS) return;
    const FieldTable& fields = *DriverFields(2);
    const std::string path = StringOf(ReadFields(key, fields), fields, offsetof(DRIVER_INFO_2A, pDriverPath));
    spoolreg::Close(key);
    if (!path.empty()) module_ = LoadLibraryA(path.c_str());
  }
  ~DriverModule() {
    if (module_) FreeLibrary(module_);
  }
  DriverModule(const DriverModule&) = delete;
  DriverModule& operator=(const DriverModule&) = delete;

  HMODULE Handle() const { return module_; }
  template <typename Function>
  Function Export(const char* name) const {
    return module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace

LONG WINAPI DocumentPropertiesA(HWND hWnd, HANDLE hPrinter, LPSTR pDeviceName, PDEVMODEA pDevModeOutput,
                                PDEVMODEA pDevModeInput, DWORD fMode) {
  DWORD error = ERROR_SUCCESS;
  LONG result = -1;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    DriverModule driver(printer->info);
    const auto extDeviceMode = driver.Export<ExtDeviceModeFunction>("EXTDEVICEMODE");
    if (driver.Handle() == nullptr) {
      error = ERROR_UNKNOWN_PRINTER_DRIVER;
    } else if (extDeviceMode == nullptr) {
      error = ERROR_PROC_NOT_FOUND;
    } else {
      std::string device = pDeviceName ? pDeviceName : printer->name;
      std::string port = PrinterPort(printer->info);
      result = extDeviceMode(hWnd, driver.Handle(), pDevModeOutput, &device[0], &port[0], pDevModeInput, nullptr,
                             fMode);
      if (result < 0) error = GetLastError() ? GetLastError() : ERROR_INVALID_PARAMETER;
    }
  }
  SetLastError(error);
  return result;
}

int WINAPI DeviceCapabilitiesA(LPCSTR pDevice, LPCSTR pPort, WORD fwCapability, LPSTR pOutput,
                               CONST DEVMODEA* pDevMode) {
  DWORD error = ERROR_SUCCESS;
  int result = -1;
  FieldRecord info;
  if (pDevice == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadPrinter(pDevice, &info)) {
    error = ERROR_INVALID_PRINTER_NAME;
  } else {
    DriverModule driver(info);
    const auto capabilities = driver.Export<DeviceCapabilitiesFunction>("DEVICECAPABILITIES");
    if (driver.Handle() == nullptr) {
      error = ERROR_UNKNOWN_PRINTER_DRIVER;
    } else if (capabilities == nullptr) {
      error = ERROR_PROC_NOT_FOUND;
    } else {
      std::string device = pDevice;
      std::string port = pPort ? pPort : PrinterPort(info);
      result = static_cast<int>(capabilities(&device[0], &port[0], fwCapability, pOutput, const_cast<LPDEVMODEA>(pDevMode)));
      if (result < 0) error = GetLastError() ? GetLastError() : ERROR_NOT_SUPPORTED;
    }
  }
  SetLastError(error);
  return result;
}

WINBOOL WINAPI PrinterProperties(HWND hWnd, HANDLE hPrinter) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  WINBOOL shown = FALSE;
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (printer->realPrinter && CurrentSettings().realPrinterProperties) {
    shown = CurrentSettings().realPrinterProperties(hWnd, printer->realPrinter);
    error = shown ? ERROR_SUCCESS : GetLastError();
  } else {
    // Without a real printer behind the handle the driver's own dialog is
    // all there is to show.
    const LONG result = emulation::DocumentPropertiesA(hWnd, hPrinter, nullptr, nullptr, nullptr, DM_IN_PROMPT);
    error = result < 0 ? GetLastError() : ERROR_SUCCESS;
    shown = result >= 0;
  }
  SetLastError(error);
  return shown;
}

}  // namespace emulation
