// The spool directory, learned once per process from the path of one empty
// job that the spooler itself creates, and the spool file names built in it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace tspool {

// The spooler's level-1 job answer: the structure and a path of MAX_PATH.
constexpr DWORD kAddJobBufferSize = sizeof(ADDJOB_INFO_1A) + MAX_PATH;
#if TOLVAN_PRODUCT_32BIT
static_assert(kAddJobBufferSize == 268, "AddJobA learning buffer of the 32-bit product");
#endif

// Called after a successful real OpenPrinterA: unless a job was submitted
// already, adds one empty job on `printer` (AddJobA level 1), schedules it at
// once and keeps the drive and directory of its spool file. Keeps the
// caller's last error.
void LearnSpoolDirectory(HANDLE printer);

// The spool file for job `job`: the learned directory, the number as "%05u"
// and the extension "SPL". False (and `out` untouched) when no directory is
// known yet or the name and its terminator do not fit in `size` bytes.
bool SpoolFileNameForJob(DWORD job, char* out, std::size_t size);

// What is known, for InspectState, and forgetting it at TspoolTerminate.
std::string LearnedSpoolDirectory();
unsigned LearningJobsSubmitted();
void ForgetSpoolDirectory();

}  // namespace tspool
