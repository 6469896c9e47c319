// A program written like the monitor (plain <winspool.h>, linked against
// TSPOOL_J) reaches the layer, not winspool.drv: with the switch key present
// at start-up its OpenPrinterA of a real printer takes the emulated path,
// without it the same call opens the real printer; the registry stays real.
// The DLL fixes its flags when it is loaded, so each case runs this program
// again as a child process with the key set or not.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <cstdlib>
#include <string>

namespace {

const char kPrinter[] = "TOLVAN Caller Test";
const char kDriver[] = "TOLVAN Caller Test Driver";
const char kSwitchKey[] = "Software\\TOLVAN\\TSPOOL_J";
const char kExpectVariable[] = "TSPOOL_TEST_CHILD_EXPECTS";

// The system's GetPrinterA, to tell a real handle from an emulated one.
decltype(&::GetPrinterA) RealGetPrinterA() {
  return reinterpret_cast<decltype(&::GetPrinterA)>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("winspool.drv"), "GetPrinterA")));
}

bool IsRealHandle(HANDLE printer) {
  DWORD needed = 0;
  const WINBOOL ok = RealGetPrinterA()(printer, 2, nullptr, 0, &needed);
  return !ok && GetLastError() == ERROR_INSUFFICIENT_BUFFER && needed > 0;
}

// Runs this program as a child with the child case only; its exit code.
DWORD RunChild(const char* expects) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string command = std::string("\"") + self + "\" --gtest_filter=CallerChild.*";
  SetEnvironmentVariableA(kExpectVariable, expects);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableA(kExpectVariable, nullptr);
  if (!started) return 1000;
  DWORD code = 1001;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// The parent's printer, made through the layer's pass-through (no key here).
class CallerReachesLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(kDriver);
    driver.pDriverPath = driver.pDataFile = driver.pConfigFile = const_cast<LPSTR>("wineps.drv");
    ASSERT_TRUE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)));
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(kPrinter);
    info.pPortName = const_cast<LPSTR>("LPT1:");
    info.pDriverName = const_cast<LPSTR>(kDriver);
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    printer_ = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer_, nullptr) << GetLastError();
  }
  void TearDown() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSwitchKey);
    if (printer_) {
      DeletePrinter(printer_);
      ClosePrinter(printer_);
    }
    DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(kDriver));
  }
  HANDLE printer_ = nullptr;
};

TEST_F(CallerReachesLayer, WithoutTheSwitchKeyTheRealPrinterOpens) {
  EXPECT_EQ(RunChild("real"), 0u);
}

TEST_F(CallerReachesLayer, WithTheSwitchKeyTheCallIsEmulated) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSwitchKey, &key), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(RunChild("emulated"), 0u);
}

// The child's side: skipped unless started by RunChild.
TEST(CallerChild, OpensThroughTheLayer) {
  const char* expects = std::getenv(kExpectVariable);
  if (!expects) GTEST_SKIP() << "runs only as the child of CallerReachesLayer";
  const bool emulated = std::string(expects) == "emulated";
  HANDLE printer = nullptr;
  const WINBOOL opened = OpenPrinterA(const_cast<LPSTR>(kPrinter), &printer, nullptr);
  if (emulated) {
    // The emulation knows no such printer; should it ever hand out a handle,
    // that handle is none of the real spooler's.
    if (opened) {
      EXPECT_FALSE(IsRealHandle(printer));
    }
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kSwitchKey, &key), ERROR_SUCCESS)
        << "the registry stays real";
    if (key) RegCloseKey(key);
  } else {
    ASSERT_TRUE(opened) << GetLastError();
    EXPECT_TRUE(IsRealHandle(printer));
  }
  if (opened) ClosePrinter(printer);
}

}  // namespace
