// Print jobs: serialised on Windows 9x.
#include "emulated.h"
#include "dispatch.h"
#include "system_functions.h"

using tspool::ForwardSpooler;
using tspool::Lock;
using tspool::System;

extern "C" {

WINBOOL WINAPI AddJobA(HANDLE printer, DWORD level, LPBYTE data, DWORD size, LPDWORD needed) {
  return ForwardSpooler(Lock::Serialised, System().AddJobA, &emulation::AddJobA, WINBOOL{FALSE},
                        printer, level, data, size, needed);
}

WINBOOL WINAPI ScheduleJob(HANDLE printer, DWORD jobId) {
  return ForwardSpooler(Lock::Serialised, System().ScheduleJob, &emulation::ScheduleJob,
                        WINBOOL{FALSE}, printer, jobId);
}

WINBOOL WINAPI GetJobA(HANDLE printer, DWORD jobId, DWORD level, LPBYTE job, DWORD size,
                       LPDWORD needed) {
  return ForwardSpooler(Lock::Serialised, System().GetJobA, &emulation::GetJobA, WINBOOL{FALSE},
                        printer, jobId, level, job, size, needed);
}

WINBOOL WINAPI SetJobA(HANDLE printer, DWORD jobId, DWORD level, LPBYTE job, DWORD command) {
  return ForwardSpooler(Lock::Serialised, System().SetJobA, &emulation::SetJobA, WINBOOL{FALSE},
                        printer, jobId, level, job, command);
}

WINBOOL WINAPI EnumJobsA(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level,
                         LPBYTE jobs, DWORD size, LPDWORD needed, LPDWORD returned) {
  return ForwardSpooler(Lock::Serialised, System().EnumJobsA, &emulation::EnumJobsA,
                        WINBOOL{FALSE}, printer, firstJob, jobCount, level, jobs, size, needed,
                        returned);
}

}  // extern "C"
