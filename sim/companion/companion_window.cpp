#include "companion_window.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "companion_protocol.h"
#include "job_records.h"
#include "port_monitors.h"
#include "printer_handle.h"

namespace companion {

namespace {

using emulation::FieldRecord;
using emulation::JobFields;
using emulation::LoadedMonitor;

struct Job {
  FieldRecord record;  // level 2
  bool hasRecord = false;
  bool scheduled = false;
  bool paused = false;
};

// A port opened for a printer, with the monitor copy that opened it.
struct OpenedPort {
  std::string port;
  std::unique_ptr<LoadedMonitor> monitor;
  HANDLE handle = nullptr;
};

struct Companion {
  bool quitOnDestroy = false;
  DWORD nextJob = 1;
  std::map<DWORD, Job> jobs;                      // by id, in the order they came
  std::map<std::string, OpenedPort> ports;        // by upper-case printer name
};

Companion& State() {
  static Companion state;
  return state;
}

std::string Upper(std::string text) {
  if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

std::string AtomText(ATOM atom) {
  char text[256] = "";
  return GlobalGetAtomNameA(atom, text, sizeof text) ? text : "";
}

std::string JobPrinter(const Job& job) {
  return emulation::StringOf(job.record, *JobFields(2), offsetof(JOB_INFO_2A, pPrinterName));
}

std::vector<DWORD> JobsOf(const std::string& printer) {
  std::vector<DWORD> ids;
  for (const auto& entry : State().jobs) {
    if (entry.second.hasRecord && lstrcmpiA(JobPrinter(entry.second).c_str(), printer.c_str()) == 0) {
      ids.push_back(entry.first);
    }
  }
  return ids;
}

void SetStatus(Job& job, DWORD set, DWORD clear) {
  DWORD status = emulation::JobNumber(job.record, offsetof(JOB_INFO_2A, Status));
  status = (status & ~clear) | set;
  emulation::SetJobNumber(job.record, offsetof(JOB_INFO_2A, Status), status);
}

bool PrinterPaused(const std::string& printer) {
  FieldRecord info;
  if (!emulation::ReadPrinter(printer, &info)) return false;
  return (emulation::NumberOf(info, *emulation::PrinterFields(2), offsetof(PRINTER_INFO_2A, Status)) &
          PRINTER_STATUS_PAUSED) != 0;
}

std::unique_ptr<LoadedMonitor> MonitorFor(const std::string& port) {
  std::unique_ptr<LoadedMonitor> monitor = emulation::MonitorForPort(port);
  return monitor ? std::move(monitor) : emulation::LocalPortMonitor();
}

// The port of a printer: the one opened for it through message 2146 when it
// is still the printer's port, otherwise opened for this job alone.
HANDLE PortFor(const std::string& printer, const std::string& port, OpenedPort* temporary, const PortMonitorTable** table) {
  auto kept = State().ports.find(Upper(printer));
  if (kept != State().ports.end() && lstrcmpiA(kept->second.port.c_str(), port.c_str()) == 0) {
    *table = &kept->second.monitor->Table();
    return kept->second.handle;
  }
  temporary->port = port;
  temporary->monitor = MonitorFor(port);
  if (!temporary->monitor || temporary->monitor->Table().pfnOpenPort == nullptr) return nullptr;
  std::string name = port;
  if (!temporary->monitor->Table().pfnOpenPort(&name[0], &temporary->handle)) return nullptr;
  *table = &temporary->monitor->Table();
  return temporary->handle;
}

// Writes the job's spool file to its printer's port; true when every byte went.
bool WriteJob(DWORD id, Job& job) {
  const emulation::FieldTable& fields = *JobFields(2);
  std::string printer = JobPrinter(job);
  FieldRecord info;
  if (!emulation::ReadPrinter(printer, &info)) return false;
  const std::string path = SpoolFilePath(id);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  OpenedPort temporary;
  const PortMonitorTable* table = nullptr;
  HANDLE port = PortFor(printer, emulation::PrinterPort(info), &temporary, &table);
  bool ok = port != nullptr && table->pfnStartDocPort && table->pfnWritePort && table->pfnEndDocPort;
  if (ok) {
    std::string document = emulation::StringOf(job.record, fields, offsetof(JOB_INFO_2A, pDocument));
    std::string datatype = emulation::StringOf(job.record, fields, offsetof(JOB_INFO_2A, pDatatype));
    DOC_INFO_1A doc = {&document[0], nullptr, datatype.empty() ? nullptr : &datatype[0]};
    ok = table->pfnStartDocPort(port, &printer[0], id, 1, reinterpret_cast<LPBYTE>(&doc)) != FALSE;
    BYTE buffer[4096];
    DWORD got = 0;
    while (ok && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      DWORD offset = 0;
      while (ok && offset < got) {
        DWORD written = 0;
        ok = table->pfnWritePort(port, buffer + offset, got - offset, &written) && written > 0;
        offset += written;
      }
    }
    if (table->pfnEndDocPort(port) == FALSE) ok = false;
  }
  CloseHandle(file);
  if (temporary.handle && temporary.monitor->Table().pfnClosePort) temporary.monitor->Table().pfnClosePort(temporary.handle);
  return ok;
}

// Prints a job when it is scheduled and neither it nor its printer is
// paused; a printed job is gone. False only when printing failed.
bool TryPrint(DWORD id) {
  auto found = State().jobs.find(id);
  if (found == State().jobs.end()) return false;
  Job& job = found->second;
  if (!job.scheduled || job.paused || !job.hasRecord || PrinterPaused(JobPrinter(job))) return true;
  SetStatus(job, JOB_STATUS_PRINTING, JOB_STATUS_SPOOLING);
  if (!WriteJob(id, job)) {
    SetStatus(job, JOB_STATUS_ERROR, JOB_STATUS_PRINTING);
    return false;
  }
  DeleteFileA(SpoolFilePath(id).c_str());
  State().jobs.erase(found);
  return true;
}

// The job's record with its live position and spool size.
std::vector<BYTE> RecordBlock(DWORD id) {
  auto found = State().jobs.find(id);
  if (found == State().jobs.end() || !found->second.hasRecord) return {};
  Job& job = found->second;
  const std::vector<DWORD> queue = JobsOf(JobPrinter(job));
  for (size_t i = 0; i < queue.size(); ++i) {
    if (queue[i] == id) emulation::SetJobNumber(job.record, offsetof(JOB_INFO_2A, Position), static_cast<DWORD>(i + 1));
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExA(SpoolFilePath(id).c_str(), GetFileExInfoStandard, &data)) {
    emulation::SetJobNumber(job.record, offsetof(JOB_INFO_2A, Size), data.nFileSizeLow);
  }
  return emulation::EncodeJobRecord(job.record);
}

LRESULT ToSharedMemory(DWORD id, DWORD thread) {
  const std::vector<BYTE> block = RecordBlock(id);
  if (block.empty()) return 0;
  // A record larger than the shared memory is reported by its size only.
  if (block.size() > kSharedRecordSize) return static_cast<LRESULT>(block.size());
  char name[32];
  std::snprintf(name, sizeof name, "TSPOOL_J_%X", static_cast<unsigned>(thread));
  HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
  if (mapping == nullptr) return 0;
  LRESULT result = 0;
  if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kSharedRecordSize)) {
    std::memcpy(view, block.data(), block.size());
    UnmapViewOfFile(view);
    result = static_cast<LRESULT>(block.size());
  }
  CloseHandle(mapping);
  return result;
}

LRESULT ToBuffer(DWORD id, void* buffer) {
  const std::vector<BYTE> block = RecordBlock(id);
  if (buffer != nullptr && !block.empty()) std::memcpy(buffer, block.data(), block.size());
  return static_cast<LRESULT>(block.size());
}

LRESULT JobControl(DWORD command, DWORD id) {
  auto found = State().jobs.find(id);
  if (found == State().jobs.end()) return 0;
  Job& job = found->second;
  switch (command) {
    case JOB_CONTROL_PAUSE:
      job.paused = true;
      SetStatus(job, JOB_STATUS_PAUSED, 0);
      return 1;
    case JOB_CONTROL_RESUME:
      job.paused = false;
      SetStatus(job, 0, JOB_STATUS_PAUSED);
      return TryPrint(id) ? 1 : 0;
    case JOB_CONTROL_RESTART:
      SetStatus(job, 0, JOB_STATUS_ERROR);
      return TryPrint(id) ? 1 : 0;
    case JOB_CONTROL_CANCEL:
    case JOB_CONTROL_DELETE:
      DeleteFileA(SpoolFilePath(id).c_str());
      State().jobs.erase(found);
      return 1;
    default:
      return 0;
  }
}

LRESULT TakeRecord(const COPYDATASTRUCT* data) {
  if (data == nullptr || (data->dwData != kNewJobRecord && data->dwData != kReplaceJobRecord)) return 0;
  FieldRecord record;
  if (!emulation::DecodeJobRecord(static_cast<const BYTE*>(data->lpData), data->cbData, &record)) return 0;
  const DWORD id = emulation::JobNumber(record, offsetof(JOB_INFO_2A, JobId));
  auto found = State().jobs.find(id);
  if (found == State().jobs.end()) return 0;  // only allocated jobs have records
  Job& job = found->second;
  if (data->dwData == kReplaceJobRecord) {
    if (!job.hasRecord) return 0;
    // The state of the job is the companion's own.
    emulation::SetJobNumber(record, offsetof(JOB_INFO_2A, Status),
                            emulation::JobNumber(job.record, offsetof(JOB_INFO_2A, Status)));
  }
  job.record = std::move(record);
  job.hasRecord = true;
  return 1;
}

LRESULT OpenPortFor(ATOM printerAtom, ATOM portAtom) {
  const std::string printer = AtomText(printerAtom), port = AtomText(portAtom);
  if (printer.empty() || port.empty()) return 0;
  OpenedPort& opened = State().ports[Upper(printer)];
  if (opened.handle && lstrcmpiA(opened.port.c_str(), port.c_str()) == 0) return reinterpret_cast<LRESULT>(opened.handle);
  if (opened.handle && opened.monitor->Table().pfnClosePort) opened.monitor->Table().pfnClosePort(opened.handle);
  opened = OpenedPort();
  opened.port = port;
  opened.monitor = MonitorFor(port);
  std::string name = port;
  if (!opened.monitor || opened.monitor->Table().pfnOpenPort == nullptr ||
      !opened.monitor->Table().pfnOpenPort(&name[0], &opened.handle)) {
    State().ports.erase(Upper(printer));
    return 0;
  }
  return reinterpret_cast<LRESULT>(opened.handle);
}

void CloseAllPorts() {
  for (auto& entry : State().ports) {
    OpenedPort& opened = entry.second;
    if (opened.handle && opened.monitor->Table().pfnClosePort) opened.monitor->Table().pfnClosePort(opened.handle);
  }
  State().ports.clear();
}

LRESULT CALLBACK CompanionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Companion& state = State();
  switch (message) {
    case kAllocateJob: {
      const DWORD id = state.nextJob++;
      state.jobs[id] = Job();
      return id;
    }
    case kPrinterResumed: {
      const std::string printer = AtomText(static_cast<ATOM>(wParam));
      GlobalDeleteAtom(static_cast<ATOM>(wParam));
      for (DWORD id : JobsOf(printer)) TryPrint(id);
      return 0;
    }
    case kScheduleJob: {
      auto found = state.jobs.find(static_cast<DWORD>(wParam));
      if (found == state.jobs.end() || !found->second.hasRecord) return 0;
      found->second.scheduled = true;
      return TryPrint(static_cast<DWORD>(wParam)) ? 1 : 0;
    }
    case kJobToSharedMemory:
      return ToSharedMemory(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case kJobToBuffer:
      return ToBuffer(static_cast<DWORD>(wParam), reinterpret_cast<void*>(lParam));
    case kProcessId:
      return GetCurrentProcessId();
    case kJobControl:
      return JobControl(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case kPrinterJob: {
      const std::vector<DWORD> ids = JobsOf(AtomText(static_cast<ATOM>(wParam)));
      return static_cast<size_t>(lParam) < ids.size() ? ids[static_cast<size_t>(lParam)] : 0;
    }
    case kSharedDirectoryChanged:
      return 0;  // printers are not shared from here
    case kOpenPort:
      return OpenPortFor(static_cast<ATOM>(wParam), static_cast<ATOM>(lParam));
    case WM_COPYDATA:
      return TakeRecord(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
      CloseAllPorts();
      for (const auto& entry : state.jobs) DeleteFileA(SpoolFilePath(entry.first).c_str());
      state.jobs.clear();
      if (state.quitOnDestroy) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateCompanionWindow(HINSTANCE instance, bool quitOnDestroy) {
  State().quitOnDestroy = quitOnDestroy;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = CompanionProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  // A top-level window, hidden: FindWindowA does not see message-only ones.
  return CreateWindowA(kWindowClass, kWindowTitle, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

}  // namespace companion
