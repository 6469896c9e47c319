// Print-job records as the emulated spooler and the companion exchange them.
// A record is a level-2 job structure followed by its strings and device
// mode, each pointer turned into an offset within the block (0 for none), so
// that it means the same in every process. In memory a record is a
// FieldRecord over the level-2 job table; the caller's buffers get level 1
// or 2 laid out like every other spooler answer.
#pragma once
#include <windows.h>

#include <vector>

#include "field_tables.h"

namespace emulation {

// nullptr for an unsupported level (1 and 2 are supported).
const FieldTable* JobFields(DWORD level);

// A level-2 record from the caller's JOB_INFO_2A (strings and device mode copied).
FieldRecord JobRecordFrom(const JOB_INFO_2A& info);
// The block of a level-2 record.
std::vector<BYTE> EncodeJobRecord(const FieldRecord& record);
// The record in a block; false when the block is too short, an offset points
// outside it or a string runs past its end.
bool DecodeJobRecord(const BYTE* block, size_t size, FieldRecord* record);
// The level-1 record made from a level-2 one.
FieldRecord JobLevel1(const FieldRecord& level2);

DWORD JobNumber(const FieldRecord& level2, size_t offset);
void SetJobNumber(FieldRecord& level2, size_t offset, DWORD number);

}  // namespace emulation
