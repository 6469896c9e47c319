// Initialisation of the layer: the Win32s test, the switch key, the platform
// flags and the 9x lock; and the lock itself.
#include "tspool.h"

#include "dispatch_state.h"

#include <atomic>

#include "emulated.h"
#include "spool_directory.h"
#include "system_functions.h"

namespace tspool {
namespace {

DispatchFlags g_flags;
CRITICAL_SECTION g_lock;
bool g_lockCreated = false;
std::atomic<unsigned> g_serialisedCalls{0};

// The structure size the Win32s test hands to GetVersionExA.
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA of every Win32 platform");

const char kSwitchKey[] = "Software\\TOLVAN\\TSPOOL_J";

// Win32s reports the high bit of GetVersion with a major version below 4, and
// its kernel exports a GetVersionExA that accepts the 148-byte structure.
bool RunningOnWin32s() {
  const DWORD version = GetVersion();
  if (!(version & 0x80000000u) || LOBYTE(LOWORD(version)) >= 4) return false;
  const auto getVersionEx = System().GetVersionExA;
  if (!getVersionEx) return false;
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  return getVersionEx(&info) != FALSE;
}

bool SwitchKeyPresent() {
  const SystemFunctions& system = System();
  if (!system.RegOpenKeyA) return false;
  HKEY key = nullptr;
  if (system.RegOpenKeyA(HKEY_CURRENT_USER, kSwitchKey, &key) != ERROR_SUCCESS) return false;
  if (system.RegCloseKey) system.RegCloseKey(key);
  return true;
}

void ReadPlatform(DispatchFlags& flags) {
  const auto getVersionEx = System().GetVersionExA;
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!getVersionEx || !getVersionEx(&info)) return;
  flags.serialise = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  flags.nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  flags.majorVersion = info.dwMajorVersion;
}

}  // namespace

const DispatchFlags& Flags() { return g_flags; }

StateSnapshot InspectState() {
  StateSnapshot snapshot;
  snapshot.flags = g_flags;
  snapshot.lockCreated = g_lockCreated;
  snapshot.spoolDirectory = LearnedSpoolDirectory();
  snapshot.learningJobs = LearningJobsSubmitted();
  snapshot.serialisedCalls = g_serialisedCalls.load();
  return snapshot;
}

SerialisedSection::SerialisedSection(bool marked) {
  if (!marked || !g_flags.serialise || !g_lockCreated) return;
  EnterCriticalSection(&g_lock);
  held_ = &g_lock;
  g_serialisedCalls.fetch_add(1);
}

SerialisedSection::~SerialisedSection() {
  if (held_) LeaveCriticalSection(held_);
}

}  // namespace tspool

extern "C" int WINAPI TspoolInitialise(HINSTANCE module) {
  using namespace tspool;
  if (g_flags.initialised) return 1;  // flags are fixed once per process
  const DWORD callerError = GetLastError();
  LoadSystemFunctions();
  DispatchFlags flags;
  flags.module = module;
  flags.registryEmulated = flags.spoolerEmulated = RunningOnWin32s();
  if (!flags.registryEmulated) {
    flags.spoolerEmulated = SwitchKeyPresent();
    ReadPlatform(flags);
  }
  if (flags.serialise) {
    InitializeCriticalSection(&g_lock);
    g_lockCreated = true;
  }
  emulation::Settings settings;
  settings.registryEmulated = flags.registryEmulated;
  settings.module = module;
  settings.realOpenPrinter = System().OpenPrinterA;
  settings.realClosePrinter = System().ClosePrinter;
  settings.realPrinterProperties = System().PrinterProperties;
  emulation::Configure(settings);
  flags.initialised = true;
  g_flags = flags;
  SetLastError(callerError);
  return 1;
}

extern "C" int WINAPI TspoolTerminate(void) {
  using namespace tspool;
  if (g_lockCreated) {
    DeleteCriticalSection(&g_lock);
    g_lockCreated = false;
  }
  g_flags = DispatchFlags();
  g_serialisedCalls.store(0);
  ForgetSpoolDirectory();
  return 1;
}
