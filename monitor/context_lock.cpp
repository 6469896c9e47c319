#include "context_lock.h"

namespace statmon {
namespace {

// Re-entrant, so that a refresh on the window thread may run inside a reply
// that the window thread is feeding.
struct ProcessLock {
  CRITICAL_SECTION section;
  ProcessLock() { InitializeCriticalSection(&section); }
  ~ProcessLock() { DeleteCriticalSection(&section); }
};

CRITICAL_SECTION& Section() {
  static ProcessLock lock;
  return lock.section;
}

}  // namespace

ContextLock::ContextLock() { EnterCriticalSection(&Section()); }
ContextLock::~ContextLock() { LeaveCriticalSection(&Section()); }

}  // namespace statmon
