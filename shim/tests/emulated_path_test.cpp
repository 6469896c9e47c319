// With the switch key present (or under Win32s) spooler calls go to the
// emulation and never to the real spooler, while the registry stays real
// (except under Win32s); the functions the emulation cannot serve fail with
// 120 and the directory functions answer with the system directory.
#define _SPOOL32_
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "dispatch_state.h"
#include "emulated.h"
#include "layer_test_support.h"

using namespace tspool_test;

namespace {

class EmulatedPath : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RunningOnWin32s()) {
      ASSERT_TRUE(key_.created());
    }
    layer_ = std::make_unique<ScopedLayer>();
    ASSERT_TRUE(tspool::InspectState().flags.spoolerEmulated);
  }
  void TearDown() override { layer_.reset(); }

  ScopedSwitchKey key_;
  std::unique_ptr<ScopedLayer> layer_;
};

LPSTR Text(const char* text) { return const_cast<LPSTR>(text); }

struct Outcome {
  LONG_PTR result;
  DWORD error;
  DWORD needed;
};

// One spooler call made through the layer and straight to the emulation with
// the same arguments; both must come out alike.
struct PairedCall {
  const char* name;
  std::function<Outcome(bool throughLayer)> call;
  bool returnsError = false;  // the result is the error code (printer data)
};

template <typename Function, typename... Args>
Outcome Run(Function function, DWORD* needed, Args... args) {
  if (needed) *needed = kCanary;
  SetLastError(kCanary);
  const LONG_PTR result = (LONG_PTR)function(args...);
  const DWORD error = GetLastError();
  return Outcome{result, error, needed ? *needed : 0};
}

const PairedCall kPairedCalls[] = {
    {"EnumPortsA", [](bool layer) { DWORD n, r; return Run(layer ? &::EnumPortsA : &emulation::EnumPortsA, &n, nullptr, 1, nullptr, 0, &n, &r); }},
    {"EnumMonitorsA", [](bool layer) { DWORD n, r; return Run(layer ? &::EnumMonitorsA : &emulation::EnumMonitorsA, &n, nullptr, 2, nullptr, 0, &n, &r); }},
    {"EnumPrinterDriversA", [](bool layer) { DWORD n, r; return Run(layer ? &::EnumPrinterDriversA : &emulation::EnumPrinterDriversA, &n, nullptr, nullptr, 3, nullptr, 0, &n, &r); }},
    {"EnumPrintProcessorsA", [](bool layer) { DWORD n, r; return Run(layer ? &::EnumPrintProcessorsA : &emulation::EnumPrintProcessorsA, &n, nullptr, nullptr, 1, nullptr, 0, &n, &r); }},
    {"EnumPrintersA", [](bool layer) { DWORD n, r; return Run(layer ? &::EnumPrintersA : &emulation::EnumPrintersA, &n, PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &n, &r); }},
    {"OpenPrinterA", [](bool layer) { HANDLE h = nullptr; Outcome o = Run(layer ? &::OpenPrinterA : &emulation::OpenPrinterA, nullptr, Text("TOLVAN no such printer"), &h, nullptr); if (o.result) (layer ? ::ClosePrinter : emulation::ClosePrinter)(h); return o; }},
    {"AddJobA", [](bool layer) { DWORD n; return Run(layer ? &::AddJobA : &emulation::AddJobA, &n, nullptr, 1, nullptr, 0, &n); }},
    {"GetPrinterDataA", [](bool layer) { DWORD t, n; return Run(layer ? &::GetPrinterDataA : &emulation::GetPrinterDataA, &n, nullptr, Text("x"), &t, nullptr, 0, &n); }, true},
};

TEST_F(EmulatedPath, SpoolerCallsAnswerAsTheEmulationDoes) {
  for (const PairedCall& call : kPairedCalls) {
    const Outcome layer = call.call(true);
    const Outcome emulated = call.call(false);
    EXPECT_EQ(layer.result, emulated.result) << call.name;
    // The layer reports a printer-data result as the last error as well.
    EXPECT_EQ(layer.error, call.returnsError ? static_cast<DWORD>(layer.result) : emulated.error)
        << call.name;
    EXPECT_EQ(layer.needed, emulated.needed) << call.name;
  }
}

TEST_F(EmulatedPath, RealPrinterIsNotReachedAndNothingIsLearned) {
  ScopedRealPrinter printer("TOLVAN Emulated Path Test");
  ASSERT_TRUE(printer.ok());
  HANDLE handle = nullptr;
  if (OpenPrinterA(printer.mutableName(), &handle, nullptr)) {
    // Whatever the emulation handed out is not a handle of the real spooler.
    DWORD needed = 0;
    EXPECT_FALSE(Real().GetPrinterA(handle, 2, nullptr, 0, &needed) == FALSE &&
                 GetLastError() == ERROR_INSUFFICIENT_BUFFER);
    ClosePrinter(handle);
  }
  EXPECT_EQ(tspool::InspectState().learningJobs, 0u);
  EXPECT_TRUE(tspool::InspectState().spoolDirectory.empty());
}

TEST_F(EmulatedPath, RegistryStaysRealOutsideWin32s) {
  if (RunningOnWin32s()) GTEST_SKIP() << "Win32s keeps its registry in the emulation file";
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\TOLVAN\\TSPOOL_J", &key), ERROR_SUCCESS);
  const BYTE value[] = "real";
  EXPECT_EQ(RegSetValueExA(key, "TolvanProbe", 0, REG_SZ, value, sizeof value), ERROR_SUCCESS);
  char read[16] = {};
  DWORD type = 0, size = sizeof read;
  EXPECT_EQ(Real().RegQueryValueExA(key, "TolvanProbe", nullptr, &type,
                                    reinterpret_cast<LPBYTE>(read), &size), ERROR_SUCCESS);
  EXPECT_STREQ(read, "real");
  EXPECT_EQ(RegDeleteValueA(key, "TolvanProbe"), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(EmulatedPath, UnservedFunctionsFailWithNotImplemented) {
  SetLastError(kCanary);
  EXPECT_FALSE(AbortPrinter(nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
  SetLastError(kCanary);
  EXPECT_EQ(ConnectToPrinterDlg(nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
  SetLastError(kCanary);
  EXPECT_FALSE(DeletePrinterConnectionA(Text("\\\\TOLVAN\\none")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
}

using DirectoryFunction = decltype(&::GetPrinterDriverDirectoryA);

class EmulatedDirectory : public EmulatedPath,
                          public ::testing::WithParamInterface<DirectoryFunction> {};

TEST_P(EmulatedDirectory, LevelOneIsTheSystemDirectory) {
  char system[MAX_PATH];
  const UINT length = GetSystemDirectoryA(system, sizeof system);
  char directory[MAX_PATH];
  std::memset(directory, 0x55, sizeof directory);
  DWORD needed = kCanary;
  SetLastError(kCanary);
  ASSERT_TRUE(GetParam()(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(directory),
                         sizeof directory, &needed));
  EXPECT_STREQ(directory, system);
  EXPECT_EQ(needed, length + 1);
  EXPECT_EQ(GetLastError(), 0u);
}

TEST_P(EmulatedDirectory, ShortBufferFailsWithTheNeededSize) {
  const UINT length = GetSystemDirectoryA(nullptr, 0) - 1;
  char directory[MAX_PATH];
  std::memset(directory, 0x55, sizeof directory);
  const struct {
    LPBYTE buffer;
    DWORD size;
  } cases[] = {{reinterpret_cast<LPBYTE>(directory), static_cast<DWORD>(length)},
               {reinterpret_cast<LPBYTE>(directory), 0},
               {nullptr, sizeof directory}};
  for (const auto& c : cases) {
    DWORD needed = kCanary;
    SetLastError(kCanary);
    EXPECT_FALSE(GetParam()(nullptr, nullptr, 1, c.buffer, c.size, &needed)) << c.size;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(needed, length + 1);
    EXPECT_EQ(static_cast<unsigned char>(directory[0]), 0x55);
  }
}

TEST_P(EmulatedDirectory, OtherLevelsAndMissingSizePointerAreInvalid) {
  char directory[MAX_PATH];
  std::memset(directory, 0x55, sizeof directory);
  const struct {
    DWORD level;
    bool withNeeded;
  } cases[] = {{0, true}, {2, true}, {1, false}};
  for (const auto& c : cases) {
    DWORD needed = kCanary;
    SetLastError(kCanary);
    EXPECT_FALSE(GetParam()(nullptr, nullptr, c.level, reinterpret_cast<LPBYTE>(directory),
                            sizeof directory, c.withNeeded ? &needed : nullptr)) << c.level;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << c.level;
    EXPECT_EQ(needed, kCanary) << c.level;
    EXPECT_EQ(static_cast<unsigned char>(directory[0]), 0x55) << c.level;
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirectories, EmulatedDirectory,
                         ::testing::Values(&::GetPrinterDriverDirectoryA,
                                           &::GetPrintProcessorDirectoryA));

}  // namespace
