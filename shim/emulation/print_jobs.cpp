// Print jobs of the emulated spooler. The companion program keeps the jobs:
// AddJobA has it allocate an id and sends it the new job record, the caller
// writes the spool file "K%05u.SPL" in the temporary directory, and
// ScheduleJob hands the job over; the companion writes the file to the
// printer's port through the port monitor. Raw documents (StartDocPrinterA,
// WritePrinter, EndDocPrinter) are jobs of the same kind.
#include <cstring>
#include <string>
#include <vector>

#include "companion_protocol.h"
#include "emulation_context.h"
#include "job_records.h"
#include "printer_handle.h"

namespace emulation {

namespace {

// The spooler's own error when it is not there to take a job.
constexpr DWORD kCompanionMissing = RPC_S_SERVER_UNAVAILABLE;
constexpr DWORD kStartWaitMs = 10000;
#if TOLVAN_PRODUCT_32BIT
static_assert(sizeof(ADDJOB_INFO_1A) + MAX_PATH == 268, "AddJobA needs 268 bytes on the product");
#endif

// The companion's window, started with WinExec when it does not run yet. A
// start requested while another one is waiting (a message handled during
// the wait calling in again) only beeps.
HWND Companion() {
  static bool starting = false;
  if (HWND window = FindCompanion()) return window;
  if (starting) {
    MessageBeep(0);
    return nullptr;
  }
  starting = true;
  HWND window = nullptr;
  if (WinExec(companion::kProgram, SW_HIDE) > 31) {
    for (DWORD waited = 0; window == nullptr && waited < kStartWaitMs; waited += 50) {
      Sleep(50);
      window = FindCompanion();
    }
  }
  starting = false;
  return window;
}

std::string ComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? name : "";
}

std::string UserName() {
  char name[256] = "";
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? name : "";
}

// The record of a new job of `printer` with the document's name and datatype.
FieldRecord NewJobRecord(const EmulatedPrinter& printer, DWORD jobId, const std::string& document,
                         const std::string& datatype) {
  const FieldTable& table = *JobFields(2);
  const FieldTable& info = *PrinterFields(2);
  FieldRecord record(table.rows.size());
  SetNumber(record, table, offsetof(JOB_INFO_2A, JobId), jobId);
  SetString(record, table, offsetof(JOB_INFO_2A, pPrinterName), printer.name);
  SetString(record, table, offsetof(JOB_INFO_2A, pMachineName), ComputerName());
  SetString(record, table, offsetof(JOB_INFO_2A, pUserName), UserName());
  SetString(record, table, offsetof(JOB_INFO_2A, pDocument), document);
  SetString(record, table, offsetof(JOB_INFO_2A, pNotifyName), UserName());
  std::string type = datatype;
  if (type.empty()) type = printer.defaultDatatype;
  if (type.empty()) type = StringOf(printer.info, info, offsetof(PRINTER_INFO_2A, pDatatype));
  if (type.empty()) type = "RAW";
  SetString(record, table, offsetof(JOB_INFO_2A, pDatatype), type);
  SetString(record, table, offsetof(JOB_INFO_2A, pPrintProcessor),
            StringOf(printer.info, info, offsetof(PRINTER_INFO_2A, pPrintProcessor)));
  SetString(record, table, offsetof(JOB_INFO_2A, pDriverName),
            StringOf(printer.info, info, offsetof(PRINTER_INFO_2A, pDriverName)));
  if (!printer.defaultDevMode.empty()) {
    record[table.RowOf(offsetof(JOB_INFO_2A, pDevMode))].present = true;
    record[table.RowOf(offsetof(JOB_INFO_2A, pDevMode))].bytes = printer.defaultDevMode;
  }
  SetNumber(record, table, offsetof(JOB_INFO_2A, Status), JOB_STATUS_SPOOLING);
  SetNumber(record, table, offsetof(JOB_INFO_2A, Priority), DEF_PRIORITY);
  SYSTEMTIME now;
  GetSystemTime(&now);
  FieldValue& submitted = record[table.RowOf(offsetof(JOB_INFO_2A, Submitted))];
  submitted.present = true;
  submitted.bytes.assign(reinterpret_cast<BYTE*>(&now), reinterpret_cast<BYTE*>(&now) + sizeof now);
  return record;
}

bool SendRecord(HWND companion, ULONG_PTR code, const FieldRecord& record) {
  std::vector<BYTE> block = EncodeJobRecord(record);
  COPYDATASTRUCT data = {code, static_cast<DWORD>(block.size()), block.data()};
  return SendMessageA(companion, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) != 0;
}

// Allocates a job and registers its record; 0 with the last error set.
DWORD StartJob(const EmulatedPrinter& printer, const std::string& document, const std::string& datatype) {
  HWND companion = Companion();
  if (companion == nullptr) {
    SetLastError(kCompanionMissing);
    return 0;
  }
  const DWORD jobId = static_cast<DWORD>(SendMessageA(companion, companion::kAllocateJob, 0, 0));
  if (jobId == 0 || !SendRecord(companion, companion::kNewJobRecord, NewJobRecord(printer, jobId, document, datatype))) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  return jobId;
}

// Hands a spooled job to the companion. The spool file must exist.
DWORD Schedule(DWORD jobId) {
  if (GetFileAttributesA(companion::SpoolFilePath(jobId).c_str()) == INVALID_FILE_ATTRIBUTES) {
    return ERROR_SPOOL_FILE_NOT_FOUND;
  }
  HWND companion = Companion();
  if (companion == nullptr) return kCompanionMissing;
  return SendMessageA(companion, companion::kScheduleJob, jobId, 0) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

// The companion's record of a job: copied directly when the companion's
// window belongs to this process, else through the shared memory named
// after this thread.
bool FetchRecord(HWND companion, DWORD jobId, FieldRecord* record) {
  DWORD process = 0;
  GetWindowThreadProcessId(companion, &process);
  std::vector<BYTE> block;
  if (process == GetCurrentProcessId()) {
    const LRESULT size = SendMessageA(companion, companion::kJobToBuffer, jobId, 0);
    if (size <= 0) return false;
    block.resize(static_cast<size_t>(size));
    if (SendMessageA(companion, companion::kJobToBuffer, jobId, reinterpret_cast<LPARAM>(block.data())) != size) return false;
  } else {
    char name[32];
    std::snprintf(name, sizeof name, "TSPOOL_J_%X", static_cast<unsigned>(GetCurrentThreadId()));
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        companion::kSharedRecordSize, name);
    if (mapping == nullptr) return false;
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, companion::kSharedRecordSize);
    const LRESULT size = view ? SendMessageA(companion, companion::kJobToSharedMemory, jobId, GetCurrentThreadId()) : 0;
    // A record the shared memory cannot hold is not there to read.
    if (size > 0 && static_cast<DWORD>(size) <= companion::kSharedRecordSize) {
      block.assign(static_cast<BYTE*>(view), static_cast<BYTE*>(view) + size);
    }
    if (view) UnmapViewOfFile(view);
    CloseHandle(mapping);
    if (block.empty()) return false;
  }
  return DecodeJobRecord(block.data(), block.size(), record);
}

std::vector<DWORD> PrinterJobs(HWND companion, const std::string& printer) {
  std::vector<DWORD> ids;
  const ATOM atom = GlobalAddAtomA(printer.c_str());
  for (LPARAM index = 0;; ++index) {
    const DWORD id = static_cast<DWORD>(SendMessageA(companion, companion::kPrinterJob, atom, index));
    if (id == 0) break;
    ids.push_back(id);
  }
  GlobalDeleteAtom(atom);
  return ids;
}

// A job of this printer, by the companion's record.
bool JobOfPrinter(HWND companion, const EmulatedPrinter& printer, DWORD jobId, FieldRecord* record) {
  if (!FetchRecord(companion, jobId, record)) return false;
  return lstrcmpiA(StringOf(*record, *JobFields(2), offsetof(JOB_INFO_2A, pPrinterName)).c_str(),
                   printer.name.c_str()) == 0;
}

std::vector<FieldRecord> ForLevel(std::vector<FieldRecord> records, DWORD level) {
  if (level == 1) {
    for (FieldRecord& record : records) record = JobLevel1(record);
  }
  return records;
}

}  // namespace

WINBOOL WINAPI AddJobA(HANDLE hPrinter, DWORD Level, LPBYTE pData, DWORD cbBuf, LPDWORD pcbNeeded) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  // The path is written right after the structure.
  const DWORD needed = static_cast<DWORD>(sizeof(ADDJOB_INFO_1A) + MAX_PATH);
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level != 1) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((*pcbNeeded = needed, cbBuf < needed || pData == nullptr)) {
    error = ERROR_INSUFFICIENT_BUFFER;
  } else if (const DWORD jobId = StartJob(*printer, "", "")) {
    const std::string path = companion::SpoolFilePath(jobId);
    ADDJOB_INFO_1A* info = reinterpret_cast<ADDJOB_INFO_1A*>(pData);
    char* text = reinterpret_cast<char*>(pData + sizeof(ADDJOB_INFO_1A));
    lstrcpynA(text, path.c_str(), MAX_PATH);
    info->Path = text;
    info->JobId = jobId;
  } else {
    error = GetLastError();
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI ScheduleJob(HANDLE hPrinter, DWORD JobId) {
  DWORD error = ERROR_SUCCESS;
  if (PrinterOf(hPrinter) == nullptr || JobId == 0) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    error = Schedule(JobId);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI GetJobA(HANDLE hPrinter, DWORD JobId, DWORD Level, LPBYTE pJob, DWORD cbBuf, LPDWORD pcbNeeded) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  const FieldTable* table = JobFields(Level);
  HWND companion = nullptr;
  FieldRecord record;
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((companion = Companion()) == nullptr) {
    error = kCompanionMissing;
  } else if (!JobOfPrinter(companion, *printer, JobId, &record)) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!PackRecords(*table, ForLevel({record}, Level), pJob, cbBuf, pcbNeeded)) {
    error = ERROR_INSUFFICIENT_BUFFER;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI SetJobA(HANDLE hPrinter, DWORD JobId, DWORD Level, LPBYTE pJob, DWORD Command) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  HWND companion = nullptr;
  FieldRecord record;
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level != 0 && Level != 2) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level == 2 && pJob == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((companion = Companion()) == nullptr) {
    error = kCompanionMissing;
  } else if (!JobOfPrinter(companion, *printer, JobId, &record)) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    if (Level == 2) {
      FieldRecord replacement = JobRecordFrom(*reinterpret_cast<const JOB_INFO_2A*>(pJob));
      // The job keeps its id and printer whatever the caller's copy says.
      SetJobNumber(replacement, offsetof(JOB_INFO_2A, JobId), JobId);
      SetString(replacement, *JobFields(2), offsetof(JOB_INFO_2A, pPrinterName), printer->name);
      if (!SendRecord(companion, companion::kReplaceJobRecord, replacement)) error = ERROR_INVALID_PARAMETER;
    }
    if (error == ERROR_SUCCESS && Command != 0 &&
        !SendMessageA(companion, companion::kJobControl, Command, static_cast<LPARAM>(JobId))) {
      error = ERROR_INVALID_PARAMETER;
    }
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumJobsA(HANDLE hPrinter, DWORD FirstJob, DWORD NoJobs, DWORD Level, LPBYTE pJob, DWORD cbBuf,
                         LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  const FieldTable* table = JobFields(Level);
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    std::vector<FieldRecord> records;
    // Without the companion there are no jobs to list.
    if (HWND companion = FindCompanion()) {
      const std::vector<DWORD> ids = PrinterJobs(companion, printer->name);
      for (size_t i = FirstJob; i < ids.size() && records.size() < NoJobs; ++i) {
        FieldRecord record;
        if (FetchRecord(companion, ids[i], &record)) records.push_back(std::move(record));
      }
    }
    error = PackEnumeration(*table, ForLevel(records, Level), pJob, cbBuf, pcbNeeded, pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

DWORD WINAPI StartDocPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  const DOC_INFO_1A* info = reinterpret_cast<const DOC_INFO_1A*>(pDocInfo);
  DWORD jobId = 0;
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level != 1 || info == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (printer->documentJob != 0) {
    error = ERROR_INVALID_PRINTER_STATE;  // one document at a time per handle
  } else if ((jobId = StartJob(*printer, info->pDocName ? info->pDocName : "",
                               info->pDatatype ? info->pDatatype : "")) == 0) {
    error = GetLastError();
  } else {
    printer->documentFile = CreateFileA(companion::SpoolFilePath(jobId).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (printer->documentFile == INVALID_HANDLE_VALUE) {
      error = GetLastError();
      if (HWND companion = FindCompanion()) SendMessageA(companion, companion::kJobControl, JOB_CONTROL_DELETE, jobId);
      jobId = 0;
    } else {
      printer->documentJob = jobId;
    }
  }
  SetLastError(error);
  return error == ERROR_SUCCESS ? jobId : 0;
}

WINBOOL WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcWritten == nullptr || (pBuf == nullptr && cbBuf != 0)) {
    error = ERROR_INVALID_PARAMETER;
  } else if (printer->documentJob == 0) {
    error = ERROR_SPL_NO_STARTDOC;
  } else if (!WriteFile(printer->documentFile, pBuf, cbBuf, pcWritten, nullptr)) {
    error = GetLastError();
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EndDocPrinter(HANDLE hPrinter) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (printer->documentJob == 0) {
    error = ERROR_SPL_NO_STARTDOC;
  } else {
    CloseHandle(printer->documentFile);
    printer->documentFile = INVALID_HANDLE_VALUE;
    error = Schedule(printer->documentJob);
    printer->documentJob = 0;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

}  // namespace emulation
