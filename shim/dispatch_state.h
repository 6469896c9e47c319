// The process-wide state of the layer, fixed by TspoolInitialise, and the
// serialisation of the marked calls on Windows 9x.
#pragma once
#include <windows.h>

#include <string>

namespace tspool {

struct DispatchFlags {
  bool initialised = false;
  bool registryEmulated = false;  // Win32s only
  bool spoolerEmulated = false;   // Win32s, or the switch key exists
  bool serialise = false;         // platform id 1: Windows 95/98/Me
  bool nt = false;                // platform id 2: the NT family
  DWORD majorVersion = 0;
  HINSTANCE module = nullptr;
};

// The flags; read freely, they change only at TspoolInitialise/TspoolTerminate.
const DispatchFlags& Flags();

// Read-only view of everything the layer keeps, for tests and diagnostics.
struct StateSnapshot {
  DispatchFlags flags;
  bool lockCreated = false;
  std::string spoolDirectory;     // drive and directory, empty until learned
  unsigned learningJobs = 0;      // jobs submitted to learn the spool directory
  unsigned serialisedCalls = 0;   // real calls made inside the 9x lock
};
StateSnapshot InspectState();

// Holds the 9x lock for one real call when `marked` and the serialise flag
// is set; does nothing otherwise. Never held across calls.
class SerialisedSection {
 public:
  explicit SerialisedSection(bool marked);
  ~SerialisedSection();
  SerialisedSection(const SerialisedSection&) = delete;
  SerialisedSection& operator=(const SerialisedSection&) = delete;

 private:
  CRITICAL_SECTION* held_ = nullptr;
};

}  // namespace tspool
