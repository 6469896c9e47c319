#include "job_records.h"

#include <cstring>

namespace emulation {

namespace {

#define JOB_ROW(type, field, kind) FieldRow{offsetof(type, field), 0, FieldKind::kind}

const FieldTable& Level2() { return *JobFields(2); }

bool IsPointer(FieldKind kind) { return kind == FieldKind::String || kind == FieldKind::DevMode; }

}  // namespace

const FieldTable* JobFields(DWORD level) {
  static const FieldTable level1{sizeof(JOB_INFO_1A),
                                 {JOB_ROW(JOB_INFO_1A, JobId, Dword), JOB_ROW(JOB_INFO_1A, pPrinterName, String),
                                  JOB_ROW(JOB_INFO_1A, pMachineName, String), JOB_ROW(JOB_INFO_1A, pUserName, String),
                                  JOB_ROW(JOB_INFO_1A, pDocument, String), JOB_ROW(JOB_INFO_1A, pDatatype, String),
                                  JOB_ROW(JOB_INFO_1A, pStatus, String), JOB_ROW(JOB_INFO_1A, Status, Dword),
                                  JOB_ROW(JOB_INFO_1A, Priority, Dword), JOB_ROW(JOB_INFO_1A, Position, Dword),
                                  JOB_ROW(JOB_INFO_1A, TotalPages, Dword), JOB_ROW(JOB_INFO_1A, PagesPrinted, Dword),
                                  JOB_ROW(JOB_INFO_1A, Submitted, SystemTime)}};
  static const FieldTable level2{sizeof(JOB_INFO_2A),
                                 {JOB_ROW(JOB_INFO_2A, JobId, Dword), JOB_ROW(JOB_INFO_2A, pPrinterName, String),
                                  JOB_ROW(JOB_INFO_2A, pMachineName, String), JOB_ROW(JOB_INFO_2A, pUserName, String),
                                  JOB_ROW(JOB_INFO_2A, pDocument, String), JOB_ROW(JOB_INFO_2A, pNotifyName, String),
                                  JOB_ROW(JOB_INFO_2A, pDatatype, String), JOB_ROW(JOB_INFO_2A, pPrintProcessor, String),
                                  JOB_ROW(JOB_INFO_2A, pParameters, String), JOB_ROW(JOB_INFO_2A, pDriverName, String),
                                  JOB_ROW(JOB_INFO_2A, pDevMode, DevMode), JOB_ROW(JOB_INFO_2A, pStatus, String),
                                  JOB_ROW(JOB_INFO_2A, Status, Dword), JOB_ROW(JOB_INFO_2A, Priority, Dword),
                                  JOB_ROW(JOB_INFO_2A, Position, Dword), JOB_ROW(JOB_INFO_2A, StartTime, Dword),
                                  JOB_ROW(JOB_INFO_2A, UntilTime, Dword), JOB_ROW(JOB_INFO_2A, TotalPages, Dword),
                                  JOB_ROW(JOB_INFO_2A, Size, Dword), JOB_ROW(JOB_INFO_2A, Submitted, SystemTime),
                                  JOB_ROW(JOB_INFO_2A, Time, Dword), JOB_ROW(JOB_INFO_2A, PagesPrinted, Dword)}};
  return level == 1 ? &level1 : level == 2 ? &level2 : nullptr;
}

FieldRecord JobRecordFrom(const JOB_INFO_2A& info) {
  const FieldTable& table = Level2();
  FieldRecord record(table.rows.size());
  const BYTE* fixed = reinterpret_cast<const BYTE*>(&info);
  for (size_t i = 0; i < table.rows.size(); ++i) {
    const FieldRow& row = table.rows[i];
    FieldValue& value = record[i];
    if (row.kind == FieldKind::Dword) {
      value.present = true;
      std::memcpy(&value.number, fixed + row.offset, sizeof(DWORD));
    } else if (row.kind == FieldKind::SystemTime) {
      value.present = true;
      value.bytes.assign(fixed + row.offset, fixed + row.offset + sizeof(SYSTEMTIME));
    } else {
      const BYTE* pointer;
      std::memcpy(&pointer, fixed + row.offset, sizeof pointer);
      if (pointer == nullptr) continue;
      value.present = true;
      if (row.kind == FieldKind::String) {
        value.bytes.assign(pointer, pointer + std::strlen(reinterpret_cast<const char*>(pointer)) + 1);
      } else {
        const DEVMODEA* mode = reinterpret_cast<const DEVMODEA*>(pointer);
        value.bytes.assign(pointer, pointer + mode->dmSize + mode->dmDriverExtra);
      }
    }
  }
  return record;
}

std::vector<BYTE> EncodeJobRecord(const FieldRecord& record) {
  const FieldTable& table = Level2();
  DWORD needed = 0;
  PackRecords(table, {record}, nullptr, 0, &needed);
  std::vector<BYTE> block(needed);
  PackRecords(table, {record}, block.data(), needed, &needed);
  for (const FieldRow& row : table.rows) {
    if (!IsPointer(row.kind)) continue;
    BYTE* pointer;
    std::memcpy(&pointer, block.data() + row.offset, sizeof pointer);
    const ULONG_PTR offset = pointer ? static_cast<ULONG_PTR>(pointer - block.data()) : 0;
    std::memcpy(block.data() + row.offset, &offset, sizeof offset);
  }
  return block;
}

bool DecodeJobRecord(const BYTE* block, size_t size, FieldRecord* record) {
  const FieldTable& table = Level2();
  if (block == nullptr || size < table.fixedSize) return false;
  FieldRecord decoded(table.rows.size());
  for (size_t i = 0; i < table.rows.size(); ++i) {
    const FieldRow& row = table.rows[i];
    FieldValue& value = decoded[i];
    if (row.kind == FieldKind::Dword) {
      value.present = true;
      std::memcpy(&value.number, block + row.offset, sizeof(DWORD));
      continue;
    }
    if (row.kind == FieldKind::SystemTime) {
      value.present = true;
      value.bytes.assign(block + row.offset, block + row.offset + sizeof(SYSTEMTIME));
      continue;
    }
    ULONG_PTR offset;
    std::memcpy(&offset, block + row.offset, sizeof offset);
    if (offset == 0) continue;
    // Data lies after the fixed part, never inside it.
    if (offset < table.fixedSize || offset >= size) return false;
    const BYTE* start = block + offset;
    const size_t room = size - offset;
    size_t length;
    if (row.kind == FieldKind::String) {
      const void* end = std::memchr(start, 0, room);
      if (end == nullptr) return false;
      length = static_cast<const BYTE*>(end) - start + 1;
    } else {
      if (room < offsetof(DEVMODEA, dmFields)) return false;
      DEVMODEA header;
      std::memcpy(&header, start, offsetof(DEVMODEA, dmFields));
      length = static_cast<size_t>(header.dmSize) + header.dmDriverExtra;
      if (header.dmSize < offsetof(DEVMODEA, dmFields) || length > room) return false;
    }
    value.present = true;
    value.bytes.assign(start, start + length);
  }
  *record = std::move(decoded);
  return true;
}

FieldRecord JobLevel1(const FieldRecord& level2) {
  const FieldTable& from = Level2();
  const FieldTable& to = *JobFields(1);
  FieldRecord record(to.rows.size());
  static const size_t kPairs[][2] = {
      {offsetof(JOB_INFO_1A, JobId), offsetof(JOB_INFO_2A, JobId)},
      {offsetof(JOB_INFO_1A, pPrinterName), offsetof(JOB_INFO_2A, pPrinterName)},
      {offsetof(JOB_INFO_1A, pMachineName), offsetof(JOB_INFO_2A, pMachineName)},
      {offsetof(JOB_INFO_1A, pUserName), offsetof(JOB_INFO_2A, pUserName)},
      {offsetof(JOB_INFO_1A, pDocument), offsetof(JOB_INFO_2A, pDocument)},
      {offsetof(JOB_INFO_1A, pDatatype), offsetof(JOB_INFO_2A, pDatatype)},
      {offsetof(JOB_INFO_1A, pStatus), offsetof(JOB_INFO_2A, pStatus)},
      {offsetof(JOB_INFO_1A, Status), offsetof(JOB_INFO_2A, Status)},
      {offsetof(JOB_INFO_1A, Priority), offsetof(JOB_INFO_2A, Priority)},
      {offsetof(JOB_INFO_1A, Position), offsetof(JOB_INFO_2A, Position)},
      {offsetof(JOB_INFO_1A, TotalPages), offsetof(JOB_INFO_2A, TotalPages)},
      {offsetof(JOB_INFO_1A, PagesPrinted), offsetof(JOB_INFO_2A, PagesPrinted)},
      {offsetof(JOB_INFO_1A, Submitted), offsetof(JOB_INFO_2A, Submitted)}};
  for (const auto& pair : kPairs) record[to.RowOf(pair[0])] = level2[from.RowOf(pair[1])];
  return record;
}

DWORD JobNumber(const FieldRecord& level2, size_t offset) { return NumberOf(level2, Level2(), offset); }

void SetJobNumber(FieldRecord& level2, size_t offset, DWORD number) { SetNumber(level2, Level2(), offset, number); }

}  // namespace emulation
