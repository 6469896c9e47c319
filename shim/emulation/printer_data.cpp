// Printer data of emulated printers. GetPrinterDataA asks the port monitor of
// the printer's port first, which is how a status monitor's "#GET#", "#SET#"
// and "READ" requests reach the printer's language monitor; other names are
// read from the printer-data subkey.
#include <cstring>

#include "emulation_context.h"
#include "printer_handle.h"

namespace emulation {

namespace {

// Names the language monitor answers; they are requests, not data to keep.
bool IsPrinterRequest(const char* name) {
  return std::strncmp(name, "#GET#", 5) == 0 || std::strncmp(name, "#SET#", 5) == 0 || std::strcmp(name, "READ") == 0;
}

// Loads the monitor that owns the printer's port and opens the port once per
// printer handle. The companion is told to open the port for its own use
// (message 2146), as it would be under Win32s; the handle used here is the
// one this process's own copy of the monitor gives, because a port handle
// from another process is meaningless in this one.
void EnsurePort(EmulatedPrinter& printer) {
  if (printer.portTried) return;
  printer.portTried = true;
  std::string port = PrinterPort(printer.info);
  printer.monitor = MonitorForPort(port);
  if (!printer.monitor) printer.monitor = LocalPortMonitor();
  if (!printer.monitor || printer.monitor->Table().pfnOpenPort == nullptr) return;
  if (HWND companion = FindCompanion()) {
    const ATOM printerAtom = GlobalAddAtomA(printer.name.c_str());
    const ATOM portAtom = GlobalAddAtomA(port.c_str());
    DWORD_PTR ignored;
    SendMessageTimeoutA(companion, 2146, printerAtom, portAtom, SMTO_ABORTIFHUNG, 5000, &ignored);
    GlobalDeleteAtom(portAtom);
    GlobalDeleteAtom(printerAtom);
  }
  if (!printer.monitor->Table().pfnOpenPort(&port[0], &printer.port)) printer.port = nullptr;
}

}  // namespace

DWORD WINAPI SetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, DWORD Type, LPBYTE pData, DWORD cbData) {
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr || pValueName == nullptr) return ERROR_INVALID_PARAMETER;
  // The NT-family status monitor announces every request this way; the
  // answer comes from the port monitor, so nothing is stored.
  if (IsPrinterRequest(pValueName)) return ERROR_SUCCESS;
  HKEY key = nullptr;
  LONG result = spoolreg::Create(PrinterDataKeyPath(printer->name), &key);
  if (result == ERROR_SUCCESS) result = spoolreg::SetValue(key, pValueName, Type, pData, cbData);
  spoolreg::Close(key);
  return static_cast<DWORD>(result);
}

DWORD WINAPI GetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, LPDWORD pType, LPBYTE pData, DWORD nSize,
                             LPDWORD pcbNeeded) {
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr || pValueName == nullptr || pcbNeeded == nullptr) return ERROR_INVALID_PARAMETER;

  EnsurePort(*printer);
  const auto fromPort = printer->port ? printer->monitor->Table().pfnGetPrinterDataFromPort : nullptr;
  if (fromPort) {
    DWORD returned = 0;
    if (fromPort(printer->port, 0, pValueName, nullptr, 0, reinterpret_cast<LPSTR>(pData), nSize, &returned)) {
      if (pType) *pType = REG_SZ;
      *pcbNeeded = returned;
      return ERROR_SUCCESS;
    }
    if (GetLastError() == ERROR_INSUFFICIENT_BUFFER || GetLastError() == ERROR_MORE_DATA) {
      *pcbNeeded = returned;
      return ERROR_MORE_DATA;
    }
  }

  HKEY key = nullptr;
  LONG result = spoolreg::Open(PrinterDataKeyPath(printer->name), &key);
  if (result != ERROR_SUCCESS) return ERROR_FILE_NOT_FOUND;
  DWORD type = 0, size = nSize;
  result = spoolreg::QueryValue(key, pValueName, &type, pData, &size);
  spoolreg::Close(key);
  if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    *pcbNeeded = size;
    if (pType) *pType = type;
  }
  return static_cast<DWORD>(result);
}

}  // namespace emulation
