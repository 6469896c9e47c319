// Printer drivers of the emulated spooler: one key per driver below the
// drivers key, holding the fields of levels 2 and 3.
#include <cstring>

#include "emulation_context.h"
#include "printer_handle.h"

namespace emulation {

namespace {

std::string DriverKeyPath(const std::string& name) { return LoadText(kDriversKeyId) + "\\" + name; }

bool ReadDriver(const std::string& name, const FieldTable& table, FieldRecord* record) {
  HKEY key = nullptr;
  if (name.empty() || spoolreg::Open(DriverKeyPath(name), &key) != ERROR_SUCCESS) return false;
  *record = ReadFields(key, table);
  spoolreg::Close(key);
  SetString(*record, table, offsetof(DRIVER_INFO_2A, pName), name);
  return true;
}

}  // namespace

WINBOOL WINAPI AddPrinterDriverA(LPSTR, DWORD Level, LPBYTE pDriverInfo) {
  DWORD error = ERROR_SUCCESS;
  const FieldTable* table = DriverFields(Level);
  const DRIVER_INFO_2A* info = reinterpret_cast<const DRIVER_INFO_2A*>(pDriverInfo);
  HKEY key = nullptr;
  if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (info == nullptr || info->pName == nullptr || !*info->pName || info->pDriverPath == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((error = spoolreg::Create(DriverKeyPath(info->pName), &key)) == ERROR_SUCCESS) {
    error = WriteFields(key, *table, pDriverInfo);
  }
  spoolreg::Close(key);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI GetPrinterDriverA(HANDLE hPrinter, LPSTR, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf,
                                 LPDWORD pcbNeeded) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  const FieldTable* table = DriverFields(Level);
  FieldRecord record;
  if (printer == nullptr || pcbNeeded == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadDriver(StringOf(printer->info, *PrinterFields(2), offsetof(PRINTER_INFO_2A, pDriverName)), *table,
                         &record)) {
    error = ERROR_UNKNOWN_PRINTER_DRIVER;
  } else if (!PackRecords(*table, {record}, pDriverInfo, cbBuf, pcbNeeded)) {
    error = ERROR_INSUFFICIENT_BUFFER;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumPrinterDriversA(LPSTR, LPSTR, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded,
                                   LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  const FieldTable* table = DriverFields(Level);
  if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    std::vector<FieldRecord> records;
    for (const std::string& name : spoolreg::Subkeys(LoadText(kDriversKeyId))) {
      FieldRecord record;
      if (ReadDriver(name, *table, &record)) records.push_back(std::move(record));
    }
    error = PackEnumeration(*table, records, pDriverInfo, cbBuf, pcbNeeded, pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI DeletePrinterDriverA(LPSTR, LPSTR, LPSTR pDriverName) {
  DWORD error = ERROR_SUCCESS;
  FieldRecord record;
  if (pDriverName == nullptr || !*pDriverName) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadDriver(pDriverName, *DriverFields(2), &record)) {
    error = ERROR_UNKNOWN_PRINTER_DRIVER;
  } else {
    error = spoolreg::DeleteKey(LoadText(kDriversKeyId), pDriverName);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

}  // namespace emulation
