// The one lock of the monitor. It guards the reply parser and the context
// fields that replies write and the display reads, so that the window thread
// and the polling thread never use them at the same time. It is never held
// across a printer query, a pause, a wait, or a message sent to a window.
#pragma once
#include <windows.h>

namespace statmon {

class ContextLock {
 public:
  ContextLock();
  ~ContextLock();
  ContextLock(const ContextLock&) = delete;
  ContextLock& operator=(const ContextLock&) = delete;
};

}  // namespace statmon
