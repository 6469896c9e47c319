// Shared pieces of the layer's tests: the layer's life cycle per test, the
// switch key, a real printer on Wine's spooler, the running platform and the
// canary value that outputs and the last error are primed with.
#pragma once
#include <windows.h>
#include <winspool.h>

#include <string>

#include "system_functions.h"

namespace tspool_test {

constexpr DWORD kCanary = 0xDEADBEEF;

// The system's own functions, bypassing the layer (which the test program
// links, so the plain names are the layer's).
const tspool::SystemFunctions& Real();

// GetVersionExA as the system answers it in this personality.
OSVERSIONINFOA RealVersion();
bool RunningOn9x();
bool RunningOnNt();
bool RunningOnWin32s();

// The layer initialised for the lifetime of the object, terminated after.
class ScopedLayer {
 public:
  ScopedLayer();
  ~ScopedLayer();
  ScopedLayer(const ScopedLayer&) = delete;
  ScopedLayer& operator=(const ScopedLayer&) = delete;
};

// HKEY_CURRENT_USER "Software\TOLVAN\TSPOOL_J" exists for the lifetime of the
// object; what it created is removed afterwards.
class ScopedSwitchKey {
 public:
  ScopedSwitchKey();
  ~ScopedSwitchKey();
  ScopedSwitchKey(const ScopedSwitchKey&) = delete;
  ScopedSwitchKey& operator=(const ScopedSwitchKey&) = delete;
  bool created() const { return created_; }

 private:
  bool created_ = false;
  bool createdParent_ = false;
};

// A printer on the real spooler with Wine's PostScript driver module as its
// driver, deleted (with its driver) afterwards.
class ScopedRealPrinter {
 public:
  explicit ScopedRealPrinter(const std::string& name);
  ~ScopedRealPrinter();
  ScopedRealPrinter(const ScopedRealPrinter&) = delete;
  ScopedRealPrinter& operator=(const ScopedRealPrinter&) = delete;
  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }
  LPSTR mutableName() { return &name_[0]; }

 private:
  std::string name_;
  bool ok_ = false;
  bool addedDriver_ = false;
};

// A real job added on `printer` through the system's AddJobA, then scheduled;
// returns its id and path (0 and empty when the spooler refused).
DWORD ProbeJob(HANDLE printer, std::string* path = nullptr);

}  // namespace tspool_test
