// Device modes and capabilities of an emulated printer come from its driver
// module's own entry points, with the printer's name and port.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "emulated.h"
#include "emulation_test_support.h"

namespace {

using emutest::Win32s;
using emutest::ExeDirectory;

constexpr char kDriver[] = "TOLVAN Stand-in Driver";
constexpr char kPrinter[] = "TOLVAN Device Modes";

class EmulatedDeviceModes : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    emulation::Configure({Win32s(), GetModuleHandleA(nullptr)});
    AddDriver(kDriver, ExeDirectory() + "\\emulation_stand_in_driver.dll");
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(kPrinter);
    info.pPortName = const_cast<LPSTR>("LPT2:");
    info.pDriverName = const_cast<LPSTR>(kDriver);
    printer = emulation::AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr) << GetLastError();
  }
  void TearDown() override {
    if (printer) {
      emulation::DeletePrinter(printer);
      emulation::ClosePrinter(printer);
    }
    Clean();
  }
  static void AddDriver(const char* name, const std::string& path) {
    DRIVER_INFO_2A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(name);
    driver.pDriverPath = const_cast<LPSTR>(path.c_str());
    ASSERT_TRUE(emulation::AddPrinterDriverA(nullptr, 2, reinterpret_cast<LPBYTE>(&driver)));
  }
  static void Clean() {
    emutest::RemoveIni(emutest::WindowsFile("RAVA32V.INI"));
    for (const char* section : {"devices", "PrinterPorts"}) WriteProfileStringA(section, kPrinter, nullptr);
    if (Win32s()) WriteProfileStringA("ports", "LPT2:", nullptr);
    HKEY key;
    for (const char* path : {"System\\TSPOOL_J\\Printers\\TOLVAN Device Modes\\PrinterDriverData",
                             "System\\TSPOOL_J\\Printers\\TOLVAN Device Modes"}) {
      RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    }
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, "System\\TSPOOL_J\\Drivers", &key) == ERROR_SUCCESS) {
      RegDeleteKeyA(key, kDriver);
      RegDeleteKeyA(key, "TOLVAN Missing Driver");
      RegCloseKey(key);
    }
  }
  HANDLE printer = nullptr;
};

TEST_F(EmulatedDeviceModes, DocumentPropertiesAsksTheDriverWithThePrintersNameAndPort) {
  EXPECT_EQ(emulation::DocumentPropertiesA(nullptr, printer, nullptr, nullptr, nullptr, 0),
            static_cast<LONG>(sizeof(DEVMODEA)));
  DEVMODEA mode;
  std::memset(&mode, 0xCC, sizeof mode);
  ASSERT_EQ(emulation::DocumentPropertiesA(nullptr, printer, nullptr, &mode, nullptr, DM_OUT_BUFFER), IDOK);
  EXPECT_STREQ(reinterpret_cast<char*>(mode.dmDeviceName), kPrinter);
  EXPECT_EQ(mode.dmCopies, 5) << "the port LPT2: reached the driver";
  ASSERT_EQ(emulation::DocumentPropertiesA(nullptr, printer, const_cast<LPSTR>("Other"), &mode, nullptr, DM_OUT_BUFFER), IDOK);
  EXPECT_STREQ(reinterpret_cast<char*>(mode.dmDeviceName), "Other");
  // Without a real printer behind the handle the driver's dialog stands in.
  EXPECT_TRUE(emulation::PrinterProperties(nullptr, printer));
}

TEST_F(EmulatedDeviceModes, DeviceCapabilitiesAsksTheDriverOfTheNamedPrinter) {
  EXPECT_EQ(emulation::DeviceCapabilitiesA(kPrinter, nullptr, DC_COPIES, nullptr, nullptr), 99);
  char names[64] = "";
  EXPECT_EQ(emulation::DeviceCapabilitiesA(kPrinter, nullptr, DC_PAPERNAMES, names, nullptr), 1);
  EXPECT_STREQ(names, "LPT2:");
  EXPECT_EQ(emulation::DeviceCapabilitiesA(kPrinter, "FILE:", DC_PAPERNAMES, names, nullptr), 1);
  EXPECT_STREQ(names, "FILE:");
  SetLastError(0);
  EXPECT_EQ(emulation::DeviceCapabilitiesA("No such printer", nullptr, DC_COPIES, nullptr, nullptr), -1);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
}

TEST_F(EmulatedDeviceModes, FailsWhenTheDriverCannotAnswer) {
  struct Case {
    const char* what;
    std::string driverPath;
    DWORD error;
  } cases[] = {
      {"module missing", "C:\\NOSUCH\\NODRIVER.DRV", ERROR_UNKNOWN_PRINTER_DRIVER},
      {"module without the entry points", "kernel32.dll", ERROR_PROC_NOT_FOUND},
  };
  for (const Case& c : cases) {
    AddDriver(kDriver, c.driverPath);
    SetLastError(0);
    EXPECT_EQ(emulation::DocumentPropertiesA(nullptr, printer, nullptr, nullptr, nullptr, 0), -1) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
    SetLastError(0);
    EXPECT_EQ(emulation::DeviceCapabilitiesA(kPrinter, nullptr, DC_COPIES, nullptr, nullptr), -1) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  char fake[16] = "KSPR";
  SetLastError(0);
  EXPECT_EQ(emulation::DocumentPropertiesA(nullptr, fake, nullptr, nullptr, nullptr, 0), -1);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
