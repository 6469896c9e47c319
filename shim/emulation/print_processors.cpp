// Print processors of the emulated spooler: one REG_SZ value per processor in
// the processors key, named after the processor and holding its file name.
// Every processor takes raw data, the only kind the companion sends on.
#include <cstring>

#include "emulation_context.h"
#include "field_tables.h"

namespace emulation {

namespace {

std::string ProcessorsKey() { return LoadText(kProcessorsKeyId); }

bool ProcessorExists(const char* name) {
  for (const std::string& known : spoolreg::ValueNames(ProcessorsKey())) {
    if (lstrcmpiA(known.c_str(), name) == 0) return true;
  }
  return false;
}

// PRINTPROCESSOR_INFO_1A and DATATYPES_INFO_1A alike: one name.
const FieldTable& NameOnly() {
  static_assert(sizeof(PRINTPROCESSOR_INFO_1A) == sizeof(DATATYPES_INFO_1A), "one name each");
  static const FieldTable table{sizeof(PRINTPROCESSOR_INFO_1A),
                                {{offsetof(PRINTPROCESSOR_INFO_1A, pName), 0, FieldKind::String}}};
  return table;
}

std::vector<FieldRecord> NameRecords(const std::vector<std::string>& names) {
  std::vector<FieldRecord> records;
  for (const std::string& name : names) {
    records.emplace_back(1);
    records.back()[0].present = true;
    records.back()[0].bytes.assign(name.begin(), name.end());
    records.back()[0].bytes.push_back(0);
  }
  return records;
}

}  // namespace

WINBOOL WINAPI AddPrintProcessorA(LPSTR, LPSTR, LPSTR pPathName, LPSTR pPrintProcessorName) {
  DWORD error = ERROR_SUCCESS;
  HKEY key = nullptr;
  if (pPathName == nullptr || !*pPathName || pPrintProcessorName == nullptr || !*pPrintProcessorName) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((error = spoolreg::Create(ProcessorsKey(), &key)) == ERROR_SUCCESS) {
    error = spoolreg::SetValue(key, pPrintProcessorName, REG_SZ, pPathName,
                               static_cast<DWORD>(std::strlen(pPathName) + 1));
  }
  spoolreg::Close(key);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumPrintProcessorsA(LPSTR, LPSTR, DWORD Level, LPBYTE pPrintProcessorInfo, DWORD cbBuf,
                                    LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  if (Level != 1) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    error = PackEnumeration(NameOnly(), NameRecords(spoolreg::ValueNames(ProcessorsKey())),
                            pPrintProcessorInfo, cbBuf, pcbNeeded, pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI DeletePrintProcessorA(LPSTR, LPSTR, LPSTR pPrintProcessorName) {
  DWORD error = ERROR_SUCCESS;
  HKEY key = nullptr;
  if (pPrintProcessorName == nullptr || !*pPrintProcessorName) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ProcessorExists(pPrintProcessorName) || spoolreg::Open(ProcessorsKey(), &key) != ERROR_SUCCESS) {
    error = ERROR_UNKNOWN_PRINTPROCESSOR;
  } else if (spoolreg::DeleteValue(key, pPrintProcessorName) != ERROR_SUCCESS) {
    error = ERROR_UNKNOWN_PRINTPROCESSOR;
  }
  spoolreg::Close(key);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumPrintProcessorDatatypesA(LPSTR, LPSTR pPrintProcessorName, DWORD Level, LPBYTE pDatatypes,
                                            DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  if (Level != 1) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr || pPrintProcessorName == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ProcessorExists(pPrintProcessorName)) {
    error = ERROR_UNKNOWN_PRINTPROCESSOR;
  } else {
    error = PackEnumeration(NameOnly(), NameRecords({"RAW"}), pDatatypes, cbBuf, pcbNeeded,
                            pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

}  // namespace emulation
