// Learning the spool directory from one empty job, once per process.
#include "spool_directory.h"

#include <atomic>
#include <cstring>

#include "dispatch_state.h"
#include "spool_names.h"
#include "system_functions.h"

namespace tspool {
namespace {

char g_directory[MAX_PATH];
std::atomic<bool> g_known{false};    // g_directory is complete and fixed
std::atomic<bool> g_claimed{false};  // a job was submitted, or is being
std::atomic<unsigned> g_jobs{0};

// The spool path inside the job answer, bounded by the buffer it came in
// (or by MAX_PATH should the spooler point elsewhere).
std::string PathOfJob(const ADDJOB_INFO_1A& info, const BYTE* buffer) {
  if (!info.Path) return std::string();
  const BYTE* path = reinterpret_cast<const BYTE*>(info.Path);
  const BYTE* end = buffer + kAddJobBufferSize;
  const std::size_t bound = (path >= buffer && path < end) ? static_cast<std::size_t>(end - path)
                                                          : std::size_t{MAX_PATH};
  std::size_t length = 0;
  while (length < bound && info.Path[length] != '\0') ++length;
  return std::string(info.Path, length);
}

void SubmitLearningJob(HANDLE printer) {
  const SystemFunctions& system = System();
  alignas(ADDJOB_INFO_1A) BYTE buffer[kAddJobBufferSize] = {};
  DWORD needed = 0;
  if (!system.AddJobA || !system.AddJobA(printer, 1, buffer, kAddJobBufferSize, &needed)) {
    g_claimed.store(false);  // no job was made: a later open tries again
    return;
  }
  g_jobs.fetch_add(1);
  const auto& info = *reinterpret_cast<const ADDJOB_INFO_1A*>(buffer);
  // The empty job goes straight out again; only its path was wanted.
  if (system.ScheduleJob) system.ScheduleJob(printer, info.JobId);
  const std::string directory = DriveAndDirectory(PathOfJob(info, buffer));
  if (directory.empty() || directory.size() >= sizeof g_directory) return;
  std::memcpy(g_directory, directory.c_str(), directory.size() + 1);
  g_known.store(true, std::memory_order_release);
}

}  // namespace

void LearnSpoolDirectory(HANDLE printer) {
  if (g_claimed.load()) return;
  const DWORD callerError = GetLastError();
  {
    SerialisedSection section(true);
    // The claim keeps two threads of an NT process (where nothing is locked)
    // from submitting a job each.
    if (!g_claimed.exchange(true)) SubmitLearningJob(printer);
  }
  SetLastError(callerError);
}

bool SpoolFileNameForJob(DWORD job, char* out, std::size_t size) {
  if (!out || !g_known.load(std::memory_order_acquire)) return false;
  const std::string name = SpoolFileName(g_directory, job);
  if (name.size() + 1 > size) return false;
  std::memcpy(out, name.c_str(), name.size() + 1);
  return true;
}

std::string LearnedSpoolDirectory() {
  return g_known.load(std::memory_order_acquire) ? std::string(g_directory) : std::string();
}

unsigned LearningJobsSubmitted() { return g_jobs.load(); }

void ForgetSpoolDirectory() {
  g_known.store(false);
  g_claimed.store(false);
  g_jobs.store(0);
  g_directory[0] = '\0';
}

}  // namespace tspool
