// Initialisation: the flags follow the platform and the switch key, are fixed
// once, and Terminate releases the lock.
#include <gtest/gtest.h>

#include "dispatch_state.h"
#include "layer_test_support.h"
#include "tspool.h"

using namespace tspool_test;

namespace {

TEST(Initialise, FlagsFollowThePlatform) {
  ScopedLayer layer;
  const tspool::StateSnapshot state = tspool::InspectState();
  const OSVERSIONINFOA version = RealVersion();
  const bool win32s = RunningOnWin32s();
  EXPECT_TRUE(state.flags.initialised);
  EXPECT_EQ(state.flags.registryEmulated, win32s);
  EXPECT_EQ(state.flags.spoolerEmulated, win32s);
  EXPECT_EQ(state.flags.serialise, version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS);
  EXPECT_EQ(state.flags.nt, version.dwPlatformId == VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(state.flags.majorVersion, win32s ? 0u : version.dwMajorVersion);
  EXPECT_EQ(state.lockCreated, state.flags.serialise);
  EXPECT_EQ(state.flags.module, GetModuleHandleA(nullptr));
  EXPECT_TRUE(state.spoolDirectory.empty());
}

TEST(Initialise, SwitchKeyEmulatesTheSpoolerButNotTheRegistry) {
  if (RunningOnWin32s()) GTEST_SKIP() << "Win32s emulates both whatever the key says";
  ScopedSwitchKey key;
  ASSERT_TRUE(key.created());
  ScopedLayer layer;
  const tspool::StateSnapshot state = tspool::InspectState();
  EXPECT_TRUE(state.flags.spoolerEmulated);
  EXPECT_FALSE(state.flags.registryEmulated);
  // The platform flags are read all the same.
  EXPECT_EQ(state.flags.serialise, RunningOn9x());
  EXPECT_EQ(state.flags.nt, RunningOnNt());
}

TEST(Initialise, ReturnsOneKeepsTheLastErrorAndFixesTheFlagsOnce) {
  SetLastError(kCanary);
  EXPECT_EQ(TspoolInitialise(GetModuleHandleA(nullptr)), 1);
  EXPECT_EQ(GetLastError(), kCanary);
  {
    // A key that appears later does not change a running layer.
    ScopedSwitchKey key;
    EXPECT_EQ(TspoolInitialise(GetModuleHandleA(nullptr)), 1);
    EXPECT_EQ(tspool::InspectState().flags.spoolerEmulated, RunningOnWin32s());
  }
  EXPECT_EQ(TspoolTerminate(), 1);
}

TEST(Terminate, DeletesTheLockAndForgetsTheFlags) {
  TspoolInitialise(GetModuleHandleA(nullptr));
  EXPECT_EQ(TspoolTerminate(), 1);
  const tspool::StateSnapshot state = tspool::InspectState();
  EXPECT_FALSE(state.flags.initialised);
  EXPECT_FALSE(state.lockCreated);
  EXPECT_FALSE(state.flags.serialise);
}

TEST(Initialise, CallsBeforeInitialisationFailWithNotImplemented) {
  SetLastError(kCanary);
  HANDLE printer = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(kCanary));
  EXPECT_FALSE(OpenPrinterA(const_cast<LPSTR>("TOLVAN none"), &printer, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
  EXPECT_EQ(printer, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(kCanary)));
  HKEY key = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(kCanary));
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software", &key), ERROR_CALL_NOT_IMPLEMENTED);
  EXPECT_EQ(key, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(kCanary)));
}

}  // namespace
