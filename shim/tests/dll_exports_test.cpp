// TSPOOL_J.dll exports every function of the layer under its undecorated
// Win32 name, each implemented in the DLL itself (no forwarders).
#include <gtest/gtest.h>
#include <windows.h>

namespace {

const char* const kExports[] = {
    "Initialise", "Terminate",
    "EnumPortsA", "AddPortA", "DeletePortA", "ConfigurePortA",
    "AddMonitorA", "DeleteMonitorA", "EnumMonitorsA",
    "AddPrinterDriverA", "GetPrinterDriverA", "DeletePrinterDriverA", "EnumPrinterDriversA",
    "GetPrinterDriverDirectoryA",
    "AddPrintProcessorA", "EnumPrintProcessorsA", "DeletePrintProcessorA",
    "EnumPrintProcessorDatatypesA", "GetPrintProcessorDirectoryA",
    "OpenPrinterA", "ClosePrinter", "AddPrinterA", "GetPrinterA", "SetPrinterA", "EnumPrintersA",
    "DeletePrinter", "SetPrinterDataA", "GetPrinterDataA",
    "DocumentPropertiesA", "DeviceCapabilitiesA", "PrinterProperties",
    "AddJobA", "ScheduleJob", "GetJobA", "SetJobA", "EnumJobsA",
    "AbortPrinter", "ConnectToPrinterDlg", "DeletePrinterConnectionA",
    "StartDocPrinterA", "WritePrinter", "EndDocPrinter",
    "RegCreateKeyA", "RegCreateKeyExA", "RegOpenKeyA", "RegOpenKeyExA", "RegSetValueExA",
    "RegQueryValueExA", "RegEnumValueA", "RegEnumKeyA", "RegCloseKey", "RegDeleteValueA",
    "RegDeleteKeyA",
    "GetUserNameA", "DeviceIoControl",
};

// Names the export table must not carry: stdcall decorations and the C
// names of the life-cycle functions.
const char* const kNotExported[] = {"OpenPrinterA@12", "_OpenPrinterA@12", "Initialise@4",
                                    "TspoolInitialise", "TspoolTerminate"};

class DllExports : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA("TSPOOL_J.dll");
    ASSERT_NE(module_, nullptr) << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(DllExports, EveryFunctionUnderItsWin32NameInsideTheDll) {
  for (const char* name : kExports) {
    const FARPROC address = GetProcAddress(module_, name);
    ASSERT_NE(address, nullptr) << name;
    HMODULE owner = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                       GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(address), &owner)) << name;
    EXPECT_EQ(owner, module_) << name << " is not the DLL's own";
  }
}

TEST_F(DllExports, NoDecoratedOrInternalNames) {
  for (const char* name : kNotExported) EXPECT_EQ(GetProcAddress(module_, name), nullptr) << name;
}

TEST_F(DllExports, InitialiseOfALoadedDllReturnsOne) {
  using LifeCycle = int(WINAPI*)(HINSTANCE);
  // The DLL initialised itself when it was loaded; a further call keeps its
  // flags and still answers 1.
  const auto initialise = reinterpret_cast<LifeCycle>(
      reinterpret_cast<void*>(GetProcAddress(module_, "Initialise")));
  ASSERT_NE(initialise, nullptr);
  EXPECT_EQ(initialise(module_), 1);
}

}  // namespace
