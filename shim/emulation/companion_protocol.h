// The messages the emulated spooler sends to the companion program's window
// (class "TSPL32_JClass", title "TSPL32_J"), which keeps the print jobs and
// writes them to the printers' ports. Shared by the emulation and the
// companion so that both sides speak the same numbers.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

namespace companion {

constexpr char kWindowClass[] = "TSPL32_JClass";
constexpr char kWindowTitle[] = "TSPL32_J";
constexpr char kProgram[] = "TSPL32_J";

enum Message : UINT {
  kAllocateJob = 2134,       // -> new job id, 0 on failure
  kPrinterResumed = 2135,    // posted; wParam atom of the printer name (the companion deletes it)
  kScheduleJob = 2136,       // wParam job id -> nonzero when queued or printed
  kJobToSharedMemory = 2137, // wParam job id, lParam caller's thread id -> record size
  kJobToBuffer = 2138,       // wParam job id, lParam buffer or 0 -> record size
  kProcessId = 2139,         // -> the companion's process id
  kJobControl = 2142,        // wParam JOB_CONTROL_* command, lParam job id -> nonzero on success
  kPrinterJob = 2143,        // wParam atom of the printer name, lParam index -> job id, 0 past the end
  kSharedDirectoryChanged = 2145,  // posted; lParam 0 or 77
  kOpenPort = 2146,          // wParam atom of the printer name, lParam atom of the port -> port handle
};

// WM_COPYDATA codes (COPYDATASTRUCT::dwData) of a job record.
constexpr ULONG_PTR kReplaceJobRecord = 4369;
constexpr ULONG_PTR kNewJobRecord = 4370;

// Size of the shared memory "TSPOOL_J_%X" (the caller's thread id) that
// message 2137 fills.
constexpr DWORD kSharedRecordSize = 8192;

// Spool file of a job: "K%05u.SPL" in the temporary directory.
inline std::string SpoolFilePath(DWORD jobId) {
  char directory[MAX_PATH] = "";
  GetTempPathA(sizeof directory, directory);
  char name[16];
  std::snprintf(name, sizeof name, "K%05u.SPL", static_cast<unsigned>(jobId));
  return std::string(directory) + name;
}

}  // namespace companion
