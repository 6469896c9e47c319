#include "field_tables.h"

#include <algorithm>
#include <cstring>

#include "emulation_context.h"

namespace emulation {

namespace {

#define ROW(type, field, id, kind) FieldRow{offsetof(type, field), id, FieldKind::kind}

size_t Aligned(size_t size) { return (size + sizeof(void*) - 1) & ~(sizeof(void*) - 1); }

// The bytes a DEVMODE or double-terminated list occupies.
size_t DevModeSize(const DEVMODEA* mode) { return mode->dmSize + mode->dmDriverExtra; }

size_t MultiStringSize(const char* list) {
  size_t size = 0;
  while (list[size] != '\0') size += std::strlen(list + size) + 1;
  return size + 1;
}

}  // namespace

int FieldTable::RowOf(size_t offset) const {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].offset == offset) return static_cast<int>(i);
  }
  return -1;
}

const FieldTable* MonitorFields(DWORD level) {
  static const FieldTable level2{sizeof(MONITOR_INFO_2A),
                                 {ROW(MONITOR_INFO_2A, pName, 100, String),
                                  ROW(MONITOR_INFO_2A, pEnvironment, 101, String),
                                  ROW(MONITOR_INFO_2A, pDLLName, 102, String)}};
  return level == 2 ? &level2 : nullptr;
}

const FieldTable* DriverFields(DWORD level) {
  static const FieldTable level2{sizeof(DRIVER_INFO_2A),
                                 {ROW(DRIVER_INFO_2A, cVersion, 110, Dword),
                                  ROW(DRIVER_INFO_2A, pName, 111, String),
                                  ROW(DRIVER_INFO_2A, pEnvironment, 112, String),
                                  ROW(DRIVER_INFO_2A, pDriverPath, 113, String),
                                  ROW(DRIVER_INFO_2A, pDataFile, 114, String),
                                  ROW(DRIVER_INFO_2A, pConfigFile, 115, String)}};
  static const FieldTable level3{sizeof(DRIVER_INFO_3A),
                                 {ROW(DRIVER_INFO_3A, cVersion, 110, Dword),
                                  ROW(DRIVER_INFO_3A, pName, 111, String),
                                  ROW(DRIVER_INFO_3A, pEnvironment, 112, String),
                                  ROW(DRIVER_INFO_3A, pDriverPath, 113, String),
                                  ROW(DRIVER_INFO_3A, pDataFile, 114, String),
                                  ROW(DRIVER_INFO_3A, pConfigFile, 115, String),
                                  ROW(DRIVER_INFO_3A, pHelpFile, 116, String),
                                  ROW(DRIVER_INFO_3A, pDependentFiles, 117, MultiString),
                                  ROW(DRIVER_INFO_3A, pMonitorName, 118, String),
                                  ROW(DRIVER_INFO_3A, pDefaultDataType, 119, String)}};
  return level == 2 ? &level2 : level == 3 ? &level3 : nullptr;
}

const FieldTable* PrinterFields(DWORD level) {
  // The 19 fields a printer keeps: all of level 2 but the server name and the
  // security descriptor, which have no meaning for a local emulated printer.
  static const FieldTable level2{sizeof(PRINTER_INFO_2A),
                                 {ROW(PRINTER_INFO_2A, pPrinterName, 130, String),
                                  ROW(PRINTER_INFO_2A, pShareName, 131, String),
                                  ROW(PRINTER_INFO_2A, pPortName, 132, String),
                                  ROW(PRINTER_INFO_2A, pDriverName, 133, String),
                                  ROW(PRINTER_INFO_2A, pComment, 134, String),
                                  ROW(PRINTER_INFO_2A, pLocation, 135, String),
                                  ROW(PRINTER_INFO_2A, pDevMode, 136, DevMode),
                                  ROW(PRINTER_INFO_2A, pSepFile, 137, String),
                                  ROW(PRINTER_INFO_2A, pPrintProcessor, 138, String),
                                  ROW(PRINTER_INFO_2A, pDatatype, 139, String),
                                  ROW(PRINTER_INFO_2A, pParameters, 140, String),
                                  ROW(PRINTER_INFO_2A, Attributes, 141, Dword),
                                  ROW(PRINTER_INFO_2A, Priority, 142, Dword),
                                  ROW(PRINTER_INFO_2A, DefaultPriority, 143, Dword),
                                  ROW(PRINTER_INFO_2A, StartTime, 144, Dword),
                                  ROW(PRINTER_INFO_2A, UntilTime, 145, Dword),
                                  ROW(PRINTER_INFO_2A, Status, kStatusValueId, Dword),
                                  ROW(PRINTER_INFO_2A, cJobs, 146, Dword),
                                  ROW(PRINTER_INFO_2A, AveragePPM, 147, Dword)}};
  static const FieldTable level1{sizeof(PRINTER_INFO_1A),
                                 {ROW(PRINTER_INFO_1A, Flags, 0, Dword),
                                  ROW(PRINTER_INFO_1A, pDescription, 0, String),
                                  ROW(PRINTER_INFO_1A, pName, 130, String),
                                  ROW(PRINTER_INFO_1A, pComment, 134, String)}};
  static const FieldTable level5{sizeof(PRINTER_INFO_5A),
                                 {ROW(PRINTER_INFO_5A, pPrinterName, 130, String),
                                  ROW(PRINTER_INFO_5A, pPortName, 132, String),
                                  ROW(PRINTER_INFO_5A, Attributes, 141, Dword),
                                  ROW(PRINTER_INFO_5A, DeviceNotSelectedTimeout, 148, Dword),
                                  ROW(PRINTER_INFO_5A, TransmissionRetryTimeout, 149, Dword)}};
  switch (level) {
    case 1: return &level1;
    case 2: return &level2;
    case 5: return &level5;
    default: return nullptr;
  }
}

LONG WriteFields(HKEY key, const FieldTable& table, const BYTE* record) {
  for (const FieldRow& row : table.rows) {
    if (row.nameId == 0) continue;
    const std::string name = LoadText(row.nameId);
    LONG result = ERROR_SUCCESS;
    if (row.kind == FieldKind::Dword) {
      DWORD value;
      std::memcpy(&value, record + row.offset, sizeof value);
      result = spoolreg::SetValue(key, name, REG_DWORD, &value, sizeof value);
    } else {
      const void* pointer;
      std::memcpy(&pointer, record + row.offset, sizeof pointer);
      if (pointer == nullptr) continue;
      if (row.kind == FieldKind::String) {
        const char* text = static_cast<const char*>(pointer);
        result = spoolreg::SetValue(key, name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
      } else if (row.kind == FieldKind::DevMode) {
        const DEVMODEA* mode = static_cast<const DEVMODEA*>(pointer);
        result = spoolreg::SetValue(key, name, REG_BINARY, mode, static_cast<DWORD>(DevModeSize(mode)));
      } else {
        // Binary, so that the emulated registry file keeps every string.
        const char* list = static_cast<const char*>(pointer);
        result = spoolreg::SetValue(key, name, REG_BINARY, list, static_cast<DWORD>(MultiStringSize(list)));
      }
    }
    if (result != ERROR_SUCCESS) return result;
  }
  return ERROR_SUCCESS;
}

FieldRecord ReadFields(HKEY key, const FieldTable& table) {
  FieldRecord record(table.rows.size());
  for (size_t i = 0; i < table.rows.size(); ++i) {
    const FieldRow& row = table.rows[i];
    if (row.nameId == 0) continue;
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!spoolreg::ReadValue(key, LoadText(row.nameId), &type, &data)) continue;
    FieldValue& value = record[i];
    value.present = true;
    if (row.kind == FieldKind::Dword) {
      if (data.size() >= sizeof(DWORD)) std::memcpy(&value.number, data.data(), sizeof(DWORD));
      continue;
    }
    value.bytes = std::move(data);
    // A string read back from the emulated registry's binary-looking text
    // comes without its terminator.
    if (row.kind == FieldKind::String && (value.bytes.empty() || value.bytes.back() != 0)) value.bytes.push_back(0);
  }
  return record;
}

void SetString(FieldRecord& record, const FieldTable& table, size_t offset, const std::string& text) {
  const int row = table.RowOf(offset);
  if (row < 0) return;
  record[row].present = true;
  record[row].bytes.assign(text.begin(), text.end());
  record[row].bytes.push_back(0);
}

void SetNumber(FieldRecord& record, const FieldTable& table, size_t offset, DWORD number) {
  const int row = table.RowOf(offset);
  if (row < 0) return;
  record[row].present = true;
  record[row].number = number;
}

std::string StringOf(const FieldRecord& record, const FieldTable& table, size_t offset) {
  const int row = table.RowOf(offset);
  if (row < 0 || !record[row].present || record[row].bytes.empty()) return {};
  return reinterpret_cast<const char*>(record[row].bytes.data());
}

DWORD NumberOf(const FieldRecord& record, const FieldTable& table, size_t offset) {
  const int row = table.RowOf(offset);
  return row < 0 ? 0 : record[row].number;
}

bool PackRecords(const FieldTable& table, const std::vector<FieldRecord>& records, BYTE* buffer,
                 DWORD size, DWORD* needed) {
  size_t total = Aligned(table.fixedSize * records.size());
  for (const FieldRecord& record : records) {
    for (size_t i = 0; i < table.rows.size(); ++i) {
      const FieldKind kind = table.rows[i].kind;
      if (kind != FieldKind::Dword && kind != FieldKind::SystemTime && record[i].present) {
        total += Aligned(record[i].bytes.size());
      }
    }
  }
  *needed = static_cast<DWORD>(total);
  if (size < total || (buffer == nullptr && total != 0)) return false;
  if (records.empty()) return true;
  std::memset(buffer, 0, table.fixedSize * records.size());
  BYTE* data = buffer + Aligned(table.fixedSize * records.size());
  for (size_t r = 0; r < records.size(); ++r) {
    BYTE* fixed = buffer + table.fixedSize * r;
    for (size_t i = 0; i < table.rows.size(); ++i) {
      const FieldRow& row = table.rows[i];
      const FieldValue& value = records[r][i];
      if (row.kind == FieldKind::Dword) {
        std::memcpy(fixed + row.offset, &value.number, sizeof(DWORD));
      } else if (row.kind == FieldKind::SystemTime) {
        if (value.present) std::memcpy(fixed + row.offset, value.bytes.data(), std::min(value.bytes.size(), sizeof(SYSTEMTIME)));
      } else if (value.present) {
        std::memcpy(data, value.bytes.data(), value.bytes.size());
        std::memcpy(fixed + row.offset, &data, sizeof data);
        data += Aligned(value.bytes.size());
      }
    }
  }
  return true;
}

DWORD PackEnumeration(const FieldTable& table, const std::vector<FieldRecord>& records,
                      BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned) {
  *returned = 0;
  if (!PackRecords(table, records, buffer, size, needed)) return ERROR_INSUFFICIENT_BUFFER;
  *returned = static_cast<DWORD>(records.size());
  return ERROR_SUCCESS;
}

}  // namespace emulation
