// Spooler structures stored as registry values: for each supported level a
// table of rows {field offset, string id of the value name, kind}. Writing
// stores each present field; reading collects the values of a key, and
// packing lays one or more records out the way the spooler does: the fixed
// parts first, then the strings and binary data they point to.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace emulation {

// SystemTime is a SYSTEMTIME inside the fixed part (a job's submission time);
// it is packed but never stored as a value.
enum class FieldKind { String, Dword, DevMode, MultiString, SystemTime };

struct FieldRow {
  size_t offset;
  UINT nameId;
  FieldKind kind;
};

struct FieldTable {
  size_t fixedSize;
  std::vector<FieldRow> rows;
  // Index of the row with this field offset, or -1.
  int RowOf(size_t offset) const;
};

// nullptr for an unsupported level.
const FieldTable* MonitorFields(DWORD level);   // 2
const FieldTable* DriverFields(DWORD level);    // 2, 3
const FieldTable* PrinterFields(DWORD level);   // 1, 2, 5

// One record's values, one per row; `present` false for a missing value.
struct FieldValue {
  bool present = false;
  DWORD number = 0;          // Dword rows
  std::vector<BYTE> bytes;   // other rows: a string with its terminator, a
                             // device mode, a double-terminated list
};
using FieldRecord = std::vector<FieldValue>;

// Writes every present field of `record` (a structure of the table's level)
// below `key`. Returns the first failing registry result, or 0.
LONG WriteFields(HKEY key, const FieldTable& table, const BYTE* record);
FieldRecord ReadFields(HKEY key, const FieldTable& table);
// Sets a string row by field offset (used for computed fields).
void SetString(FieldRecord& record, const FieldTable& table, size_t offset, const std::string& text);
void SetNumber(FieldRecord& record, const FieldTable& table, size_t offset, DWORD number);
std::string StringOf(const FieldRecord& record, const FieldTable& table, size_t offset);
DWORD NumberOf(const FieldRecord& record, const FieldTable& table, size_t offset);

// The bytes `records` need, always written to *needed; the records are laid
// out in `buffer` only when it is large enough (then true).
bool PackRecords(const FieldTable& table, const std::vector<FieldRecord>& records, BYTE* buffer,
                 DWORD size, DWORD* needed);
// An enumeration's answer: packs `records`, sets *returned to their count when
// they fit (0 otherwise) and returns the error the caller reports.
DWORD PackEnumeration(const FieldTable& table, const std::vector<FieldRecord>& records,
                      BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned);

}  // namespace emulation
