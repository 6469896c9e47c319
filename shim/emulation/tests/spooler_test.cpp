// The emulated spooler from monitor to printer data: the simulated printer
// TSIMMON.DLL registered as port monitor, a printer on one of its ports, and
// the status monitor's requests answered through GetPrinterDataA. Runs under
// Win32s (emulated registry) and, with the switch key, on 9x and NT (real
// registry).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "emulated.h"
#include "emulation_test_support.h"

namespace {

using emutest::Win32s;
using emutest::ExeDirectory;
using emutest::DeleteTree;

constexpr char kMonitor[] = "TOLVAN Simulated Printer";
constexpr char kDriver[] = "TOLVAN CLP-2600 Driver";
constexpr char kPrinter[] = "TOLVAN CLP-2600";
constexpr char kSwitchKey[] = "Software\\TOLVAN\\TSPOOL_J";

std::string Profile(const char* section, const char* key) {
  char text[512] = "";
  GetProfileStringA(section, key, "", text, sizeof text);
  return text;
}

class EmulatedSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    registry = emutest::WindowsFile("RAVA32V.INI");
    Clean();
    if (!Win32s()) {
      HKEY key;
      ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSwitchKey, &key), ERROR_SUCCESS);
      RegCloseKey(key);
    }
    emulation::Configure({Win32s(), GetModuleHandleA(nullptr)});

    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tspool_emulation_test";
    CreateDirectoryA(dir.c_str(), nullptr);
    state = dir + "\\TSIMMON.INI";
    DeleteFileA((dir + "\\TSIMMON.LOG").c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, state.c_str());
    const char* source = std::getenv("TOLVAN_SOURCE_WIN");
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(CopyFileA((std::string(source) + "\\sim\\printer\\sample\\TSIMMON.INI").c_str(), state.c_str(), FALSE));
    dll = dir + "\\TSIMMON.dll";
    ASSERT_TRUE(CopyFileA((ExeDirectory() + "\\TSIMMON.dll").c_str(), dll.c_str(), FALSE));
  }
  void TearDown() override {
    if (printer) emulation::ClosePrinter(printer);
    Clean();
  }
  void Clean() {
    emutest::RemoveIni(registry);
    DeleteTree(HKEY_LOCAL_MACHINE, "System\\TSPOOL_J");
    RegDeleteKeyA(HKEY_CURRENT_USER, kSwitchKey);
    for (const char* section : {"devices", "PrinterPorts"}) WriteProfileStringA(section, kPrinter, nullptr);
    for (const char* port : {"USB001", "USB002", "LPT1:"}) {
      if (Win32s()) WriteProfileStringA("ports", port, nullptr);
    }
    if (Profile("windows", "device").compare(0, strlen(kPrinter), kPrinter) == 0) WriteProfileStringA("windows", "device", nullptr);
  }
  void Install() {
    MONITOR_INFO_2A monitor = {const_cast<LPSTR>(kMonitor), nullptr, const_cast<LPSTR>(dll.c_str())};
    ASSERT_TRUE(emulation::AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&monitor))) << GetLastError();
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(kDriver);
    driver.pEnvironment = const_cast<LPSTR>("Windows 4.0");
    driver.pDriverPath = const_cast<LPSTR>("C:\\WINDOWS\\SYSTEM\\WINEPS.DRV");
    driver.pDataFile = const_cast<LPSTR>("TOLVAN.PPD");
    driver.pConfigFile = const_cast<LPSTR>("WINEPS.DRV");
    driver.pDependentFiles = const_cast<LPSTR>("TSTMON_J.DLL\0TSPOOL_J.DLL\0");
    ASSERT_TRUE(emulation::AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver))) << GetLastError();
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(kPrinter);
    info.pPortName = const_cast<LPSTR>("USB001");
    info.pDriverName = const_cast<LPSTR>(kDriver);
    info.pComment = const_cast<LPSTR>("Colour laser");
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_ENABLE_BIDI | PRINTER_ATTRIBUTE_LOCAL;
    printer = emulation::AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr) << GetLastError();
  }
  std::string Ask(HANDLE handle, const char* request, DWORD* type = nullptr) {
    char reply[1285] = "";
    DWORD length = 0xDEADBEEF;
    const DWORD result = emulation::GetPrinterDataA(handle, const_cast<LPSTR>(request), type,
                                                    reinterpret_cast<LPBYTE>(reply), 1284, &length);
    EXPECT_EQ(result, static_cast<DWORD>(ERROR_SUCCESS)) << request;
    if (result != ERROR_SUCCESS || length == 0) return {};
    EXPECT_LE(length, 1284u);
    return std::string(reply, length - 1);
  }
  std::vector<std::string> LoggedRequests() {
    std::ifstream in(dir + "\\TSIMMON.LOG", std::ios::binary);
    std::vector<std::string> requests;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t at = line.find("\tREQUEST\t");
      if (at != std::string::npos) requests.push_back(line.substr(at + 9));
    }
    return requests;
  }

  std::string registry, dir, state, dll;
  HANDLE printer = nullptr;
};

TEST_F(EmulatedSpooler, AddMonitorListsTheMonitorsPortsAndRejectsWhatItCannotLoad) {
  Install();
  DWORD needed = 0, count = 0;
  EXPECT_FALSE(emulation::EnumPortsA(nullptr, 1, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(emulation::EnumPortsA(nullptr, 1, buffer.data(), needed, &needed, &count));
  std::vector<std::string> ports;
  for (DWORD i = 0; i < count; ++i) ports.push_back(reinterpret_cast<PORT_INFO_1A*>(buffer.data())[i].pName);
  EXPECT_NE(std::find(ports.begin(), ports.end(), "USB001"), ports.end());
  EXPECT_NE(std::find(ports.begin(), ports.end(), "LPT1:"), ports.end());

  ASSERT_FALSE(emulation::EnumMonitorsA(nullptr, 2, nullptr, 0, &needed, &count));
  buffer.assign(needed, 0);
  ASSERT_TRUE(emulation::EnumMonitorsA(nullptr, 2, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 1u);
  const MONITOR_INFO_2A* monitor = reinterpret_cast<MONITOR_INFO_2A*>(buffer.data());
  EXPECT_STREQ(monitor->pName, kMonitor);
  EXPECT_STREQ(monitor->pDLLName, dll.c_str());

  MONITOR_INFO_2A missing = {const_cast<LPSTR>("Missing"), nullptr, const_cast<LPSTR>("NOSUCH.DLL")};
  // The loader's own error for a missing DLL: 126 on Windows, 1157 under Wine.
  LoadLibraryA("NOSUCH.DLL");
  const DWORD loaderError = GetLastError();
  SetLastError(0xDEADBEEF);
  EXPECT_FALSE(emulation::AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&missing)));
  EXPECT_EQ(GetLastError(), loaderError);
  EXPECT_TRUE(loaderError == ERROR_MOD_NOT_FOUND || loaderError == ERROR_DLL_NOT_FOUND) << loaderError;
  EXPECT_FALSE(emulation::AddMonitorA(nullptr, 1, reinterpret_cast<LPBYTE>(&missing)));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  ASSERT_TRUE(emulation::EnumMonitorsA(nullptr, 2, buffer.data(), needed, &needed, &count));
  EXPECT_EQ(count, 1u);
}

TEST_F(EmulatedSpooler, AddedPrinterIsListedWithItsPortAndDriver) {
  Install();
  DWORD needed = 0, count = 0;
  EXPECT_FALSE(emulation::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(emulation::EnumPrintersA(6, nullptr, 2, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 1u);
  const PRINTER_INFO_2A* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
  EXPECT_STREQ(info->pPrinterName, kPrinter);
  EXPECT_STREQ(info->pPortName, "USB001");
  EXPECT_STREQ(info->pDriverName, kDriver);
  EXPECT_STREQ(info->pComment, "Colour laser");
  EXPECT_EQ(info->Attributes & PRINTER_ATTRIBUTE_ENABLE_BIDI, static_cast<DWORD>(PRINTER_ATTRIBUTE_ENABLE_BIDI));

  if (Win32s()) {
    EXPECT_EQ(Profile("devices", kPrinter), "WINEPS,USB001");
    EXPECT_EQ(Profile("PrinterPorts", kPrinter), "WINEPS,USB001,15,45");
    const std::string file = emutest::IniText(registry);
    EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\System\\TSPOOL_J\\Printers\\TOLVAN CLP-2600]\nName=TOLVAN CLP-2600\n"
                        "Port=USB001\nPrinter Driver=TOLVAN CLP-2600 Driver\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Dependent Files=54,53,54,4d,4f,4e,5f,4a,2e,44,4c,4c,00,54,53"), std::string::npos) << file;
  } else {
    EXPECT_EQ(Profile("devices", kPrinter), "") << "the system's WIN.INI is left to the system";
  }

  DWORD need5 = 0;
  EXPECT_FALSE(emulation::GetPrinterA(printer, 5, nullptr, 0, &need5));
  std::vector<BYTE> five(need5);
  ASSERT_TRUE(emulation::GetPrinterA(printer, 5, five.data(), need5, &need5));
  EXPECT_STREQ(reinterpret_cast<PRINTER_INFO_5A*>(five.data())->pPortName, "USB001");
  EXPECT_EQ(reinterpret_cast<PRINTER_INFO_5A*>(five.data())->TransmissionRetryTimeout, 45000u);

  DWORD needDriver = 0;
  EXPECT_FALSE(emulation::GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needDriver));
  std::vector<BYTE> driver(needDriver);
  ASSERT_TRUE(emulation::GetPrinterDriverA(printer, nullptr, 3, driver.data(), needDriver, &needDriver));
  const DRIVER_INFO_3A* d = reinterpret_cast<DRIVER_INFO_3A*>(driver.data());
  EXPECT_STREQ(d->pName, kDriver);
  EXPECT_EQ(d->cVersion, 3u);
  EXPECT_EQ(std::memcmp(d->pDependentFiles, "TSTMON_J.DLL\0TSPOOL_J.DLL\0", 27), 0);
}

TEST_F(EmulatedSpooler, PrinterDataRequestsReachTheSimulatedPrinter) {
  Install();
  HANDLE handle = nullptr;
  PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  ASSERT_TRUE(emulation::OpenPrinterA(const_cast<LPSTR>(kPrinter), &handle, &defaults));
  DWORD type = 0;
  EXPECT_EQ(Ask(handle, "#GET#\n@PJL INFO STATUS", &type),
            "@PJL INFO STATUS\r\nCODE=600100\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n\f");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_NE(Ask(handle, "#GET#\n@PJL INFO ID").find("@PJL INFO ID"), std::string::npos);
  EXPECT_EQ(emulation::SetPrinterDataA(handle, const_cast<LPSTR>("#SET#\n@PJL USTATUS DEVICE=ON"), REG_BINARY,
                                       reinterpret_cast<LPBYTE>(const_cast<char*>("")), 0), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(Ask(handle, "#SET#\n@PJL USTATUS DEVICE=ON"), "");
  EXPECT_NE(Ask(handle, "READ").find("@PJL USTATUS DEVICE\r\nCODE=600100"), std::string::npos);

  WritePrivateProfileStringA("Printer", "Power", "0", state.c_str());
  EXPECT_EQ(Ask(handle, "#GET#\n@PJL INFO STATUS"), "@PJL INFO STATUS\r\nCODE=111111\r\n\f");

  char small[8];
  DWORD needed = 0;
  EXPECT_EQ(emulation::GetPrinterDataA(handle, const_cast<LPSTR>("#GET#\n@PJL INFO ID"), nullptr,
                                       reinterpret_cast<LPBYTE>(small), sizeof small, &needed),
            static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_EQ(needed, strlen("@PJL INFO STATUS\r\nCODE=111111\r\n\f") + 1);

  EXPECT_EQ(LoggedRequests(), (std::vector<std::string>{
                                  "#GET#\\n@PJL INFO STATUS", "#GET#\\n@PJL INFO ID",
                                  "#SET#\\n@PJL USTATUS DEVICE=ON", "READ", "#GET#\\n@PJL INFO STATUS",
                                  "#GET#\\n@PJL INFO ID"}));
  EXPECT_TRUE(emulation::ClosePrinter(handle));
}

TEST_F(EmulatedSpooler, OtherNamesAreKeptAsPrinterData) {
  Install();
  const char value[] = "1";
  ASSERT_EQ(emulation::SetPrinterDataA(printer, const_cast<LPSTR>("TolvanDriver_J"), REG_SZ,
                                       reinterpret_cast<LPBYTE>(const_cast<char*>(value)), sizeof value),
            static_cast<DWORD>(ERROR_SUCCESS));
  char data[16] = "";
  DWORD type = 0, needed = 0;
  ASSERT_EQ(emulation::GetPrinterDataA(printer, const_cast<LPSTR>("TolvanDriver_J"), &type,
                                       reinterpret_cast<LPBYTE>(data), sizeof data, &needed),
            static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, "1");
  EXPECT_EQ(emulation::GetPrinterDataA(printer, const_cast<LPSTR>("Missing"), &type,
                                       reinterpret_cast<LPBYTE>(data), sizeof data, &needed),
            static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(EmulatedSpooler, RejectsHandlesItDidNotOpen) {
  char buffer[64];
  DWORD needed = 0;
  HANDLE bogus = reinterpret_cast<HANDLE>(buffer);
  std::memcpy(buffer, "KSPR", 4);  // a tag alone does not make a handle
  EXPECT_EQ(emulation::GetPrinterDataA(bogus, const_cast<LPSTR>("READ"), nullptr, reinterpret_cast<LPBYTE>(buffer),
                                       sizeof buffer, &needed), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_FALSE(emulation::ClosePrinter(bogus));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  HANDLE handle = reinterpret_cast<HANDLE>(0xDEADBEEF);
  EXPECT_FALSE(emulation::OpenPrinterA(const_cast<LPSTR>("No such printer"), &handle, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
  EXPECT_EQ(handle, reinterpret_cast<HANDLE>(0xDEADBEEF));
}

TEST_F(EmulatedSpooler, DeletedPrinterIsGone) {
  Install();
  ASSERT_TRUE(emulation::DeletePrinter(printer));
  DWORD needed = 0, count = 7;
  EXPECT_TRUE(emulation::EnumPrintersA(6, nullptr, 2, nullptr, 0, &needed, &count));
  EXPECT_EQ(count, 0u);
  HANDLE handle = nullptr;
  EXPECT_FALSE(emulation::OpenPrinterA(const_cast<LPSTR>(kPrinter), &handle, nullptr));
  if (Win32s()) {
    EXPECT_EQ(Profile("devices", kPrinter), "");
  }
  EXPECT_TRUE(emulation::DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(kDriver)));
  EXPECT_FALSE(emulation::DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(kDriver)));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PRINTER_DRIVER));
  EXPECT_TRUE(emulation::DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>(kMonitor)));
}

}  // namespace

namespace {

std::vector<std::string> PortNames() {
  DWORD needed = 0, count = 0;
  emulation::EnumPortsA(nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  std::vector<std::string> names;
  if (!emulation::EnumPortsA(nullptr, 1, buffer.data(), needed, &needed, &count)) return names;
  for (DWORD i = 0; i < count; ++i) names.push_back(reinterpret_cast<PORT_INFO_1A*>(buffer.data())[i].pName);
  return names;
}

bool Listed(const std::vector<std::string>& names, const char* name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(EmulatedSpooler, PortsAreAddedAndDeletedByTheirMonitor) {
  Install();
  ASSERT_TRUE(emulation::AddPortA(nullptr, nullptr, const_cast<LPSTR>(kMonitor))) << GetLastError();
  EXPECT_TRUE(Listed(PortNames(), "USB002"));
  char names[256] = "";
  GetPrivateProfileStringA("Ports", "Names", "", names, sizeof names, state.c_str());
  EXPECT_STREQ(names, "USB001,LPT1:,USB002");

  EXPECT_TRUE(emulation::ConfigurePortA(nullptr, nullptr, const_cast<LPSTR>("USB002")));
  ASSERT_TRUE(emulation::DeletePortA(nullptr, nullptr, const_cast<LPSTR>("USB002"))) << GetLastError();
  EXPECT_FALSE(Listed(PortNames(), "USB002"));
  EXPECT_TRUE(Listed(PortNames(), "USB001"));

  SetLastError(0);
  EXPECT_FALSE(emulation::DeletePortA(nullptr, nullptr, const_cast<LPSTR>("COM7:")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
  EXPECT_FALSE(emulation::ConfigurePortA(nullptr, nullptr, const_cast<LPSTR>("COM7:")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
  EXPECT_FALSE(emulation::DeletePortA(nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(emulation::AddPortA(nullptr, nullptr, const_cast<LPSTR>("No Monitor")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PRINT_MONITOR));
}

std::vector<std::string> Processors() {
  DWORD needed = 0, count = 0;
  emulation::EnumPrintProcessorsA(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  std::vector<std::string> names;
  if (!emulation::EnumPrintProcessorsA(nullptr, nullptr, 1, buffer.data(), needed, &needed, &count)) return names;
  for (DWORD i = 0; i < count; ++i) names.push_back(reinterpret_cast<PRINTPROCESSOR_INFO_1A*>(buffer.data())[i].pName);
  return names;
}

TEST_F(EmulatedSpooler, PrintProcessorsAreValuesOfTheProcessorsKey) {
  ASSERT_TRUE(emulation::AddPrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("TOLVPP_J.DLL"),
                                            const_cast<LPSTR>("TOLVAN PP")));
  ASSERT_TRUE(emulation::AddPrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("WINPRINT.DLL"),
                                            const_cast<LPSTR>("WinPrint")));
  EXPECT_EQ(Processors(), (std::vector<std::string>{"TOLVAN PP", "WinPrint"}));
  if (Win32s()) {
    EXPECT_NE(emutest::IniText(registry).find("TOLVAN PP=TOLVPP_J.DLL"), std::string::npos) << emutest::IniText(registry);
  }

  DWORD needed = 0, count = 7;
  EXPECT_FALSE(emulation::EnumPrintProcessorDatatypesA(nullptr, const_cast<LPSTR>("TOLVAN PP"), 1, nullptr, 0,
                                                       &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(count, 0u);
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(emulation::EnumPrintProcessorDatatypesA(nullptr, const_cast<LPSTR>("tolvan pp"), 1, buffer.data(), needed,
                                                      &needed, &count));
  ASSERT_EQ(count, 1u);
  EXPECT_STREQ(reinterpret_cast<DATATYPES_INFO_1A*>(buffer.data())->pName, "RAW");

  ASSERT_TRUE(emulation::DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("TOLVAN PP")));
  EXPECT_EQ(Processors(), std::vector<std::string>{"WinPrint"});
  EXPECT_FALSE(emulation::DeletePrintProcessorA(nullptr, nullptr, const_cast<LPSTR>("TOLVAN PP")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PRINTPROCESSOR));
  EXPECT_FALSE(emulation::EnumPrintProcessorDatatypesA(nullptr, const_cast<LPSTR>("TOLVAN PP"), 1, buffer.data(),
                                                       needed, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PRINTPROCESSOR));
  EXPECT_FALSE(emulation::AddPrintProcessorA(nullptr, nullptr, nullptr, const_cast<LPSTR>("X")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(emulation::EnumPrintProcessorsA(nullptr, nullptr, 2, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

PRINTER_INFO_2A* Info2(std::vector<BYTE>& buffer, HANDLE printer) {
  DWORD needed = 0;
  emulation::GetPrinterA(printer, 2, nullptr, 0, &needed);
  buffer.assign(needed, 0);
  EXPECT_TRUE(emulation::GetPrinterA(printer, 2, buffer.data(), needed, &needed)) << GetLastError();
  return reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
}

TEST_F(EmulatedSpooler, SetPrinterAppliesCommandsAndRewritesTheFields) {
  Install();
  std::vector<BYTE> buffer;
  ASSERT_TRUE(emulation::SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_PAUSE));
  EXPECT_EQ(Info2(buffer, printer)->Status, static_cast<DWORD>(PRINTER_STATUS_PAUSED));
  DWORD status = PRINTER_STATUS_PAPER_OUT | PRINTER_STATUS_PAUSED;
  ASSERT_TRUE(emulation::SetPrinterA(printer, 0, reinterpret_cast<LPBYTE>(&status), PRINTER_CONTROL_SET_STATUS));
  EXPECT_EQ(Info2(buffer, printer)->Status, status);
  ASSERT_TRUE(emulation::SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_RESUME));
  EXPECT_EQ(Info2(buffer, printer)->Status, static_cast<DWORD>(PRINTER_STATUS_PAPER_OUT));

  PRINTER_INFO_2A changed = *Info2(buffer, printer);
  changed.pPrinterName = const_cast<LPSTR>("Another name");
  changed.pComment = const_cast<LPSTR>("Second floor");
  changed.pPortName = const_cast<LPSTR>("LPT1:");
  ASSERT_TRUE(emulation::SetPrinterA(printer, 2, reinterpret_cast<LPBYTE>(&changed), 0)) << GetLastError();
  std::vector<BYTE> after;
  const PRINTER_INFO_2A* now = Info2(after, printer);
  EXPECT_STREQ(now->pPrinterName, kPrinter) << "the printer keeps its name";
  EXPECT_STREQ(now->pComment, "Second floor");
  EXPECT_STREQ(now->pPortName, "LPT1:");
  if (Win32s()) {
    EXPECT_EQ(Profile("devices", kPrinter), "WINEPS,LPT1:");
  }
  // Requests now go to the new port.
  EXPECT_NE(Ask(printer, "#GET#\n@PJL INFO ID").find("@PJL INFO ID"), std::string::npos);
  const std::string log = [&] {
    std::ifstream in(dir + "\\TSIMMON.LOG", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }();
  EXPECT_NE(log.find("LPT1:\tREQUEST"), std::string::npos) << log;

  struct Case {
    DWORD level;
    LPBYTE info;
    DWORD command;
  } rejected[] = {{1, reinterpret_cast<LPBYTE>(&changed), 0},
                  {2, nullptr, 0},
                  {0, nullptr, 0},
                  {0, nullptr, 5},
                  {0, nullptr, PRINTER_CONTROL_SET_STATUS}};
  for (const Case& c : rejected) {
    SetLastError(0);
    EXPECT_FALSE(emulation::SetPrinterA(printer, c.level, c.info, c.command)) << c.level << "/" << c.command;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << c.level << "/" << c.command;
  }
}

}  // namespace
