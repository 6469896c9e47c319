// The one shape of every spooler and registry function of the layer: choose
// the emulated or the real function by the flags fixed at initialisation,
// hold the 9x lock around a marked real call only, and leave through one exit
// that sets the thread's last error from one variable.
#pragma once
#include <windows.h>

#include "dispatch_state.h"

namespace tspool {

// Whether a spooler call is wrapped in the 9x lock.
enum class Lock { No, Serialised };

// A spooler function: returns `failure` with error 120 when the layer is not
// initialised or the system lacks the function; otherwise the chosen
// function's result and last error.
template <typename Function, typename Result, typename... Args>
Result ForwardSpooler(Lock lock, Function real, Function emulated, Result failure, Args... args) {
  Result result = failure;
  DWORD error = ERROR_CALL_NOT_IMPLEMENTED;
  const DispatchFlags& flags = Flags();
  if (flags.initialised && flags.spoolerEmulated) {
    result = emulated(args...);
    error = GetLastError();
  } else if (flags.initialised && real) {
    SerialisedSection section(lock == Lock::Serialised);
    result = real(args...);
    error = GetLastError();
  }
  SetLastError(error);
  return result;
}

// A registry function: the result is the error code; the last error is
// the system's own business and left alone.
template <typename Function, typename... Args>
LONG ForwardRegistry(Function real, Function emulated, Args... args) {
  const DispatchFlags& flags = Flags();
  if (!flags.initialised) return ERROR_CALL_NOT_IMPLEMENTED;
  if (flags.registryEmulated) return emulated(args...);
  return real ? real(args...) : ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace tspool

namespace tspool {

// A spooler function that the emulation does not offer: the real function
// outside emulation, FALSE (or NULL) with error 120 under it.
template <typename Function, typename Result, typename... Args>
Result ForwardUnlessEmulated(Lock lock, Function real, Result failure, Args... args) {
  Result result = failure;
  DWORD error = ERROR_CALL_NOT_IMPLEMENTED;
  const DispatchFlags& flags = Flags();
  if (flags.initialised && !flags.spoolerEmulated && real) {
    SerialisedSection section(lock == Lock::Serialised);
    result = real(args...);
    error = GetLastError();
  }
  SetLastError(error);
  return result;
}

}  // namespace tspool
