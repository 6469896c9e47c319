// The emulated spooler end to end, as a program sees it through TSPOOL_J.dll:
// the simulated printer registered as port monitor, a printer on one of its
// ports, its status asked through printer data, and jobs carried by the
// companion TSPL32_J.exe to the printer's port output. Runs under Win32s
// (emulated registry) and with the switch key on 9x and NT (real registry).
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include "emulation_test_support.h"

namespace {

using emutest::Win32s;
using emutest::ExeDirectory;
using emutest::DeleteTree;
using emutest::FileText;

constexpr char kMonitor[] = "TOLVAN Simulated Printer";
constexpr char kDriver[] = "TOLVAN CLP-2600 Driver";
constexpr char kPrinter[] = "TOLVAN CLP-2600";
constexpr char kSwitchKey[] = "Software\\TOLVAN\\TSPOOL_J";

#define LAYER_FUNCTIONS(X)                                                                            \
  X(AddMonitorA) X(DeleteMonitorA) X(AddPrinterDriverA) X(DeletePrinterDriverA) X(AddPrinterA)        \
  X(EnumPrintersA) X(OpenPrinterA) X(ClosePrinter) X(GetPrinterDataA) X(DeletePrinter) X(AddJobA)      \
  X(ScheduleJob) X(GetJobA) X(EnumJobsA) X(SetPrinterA) X(StartDocPrinterA) X(WritePrinter)            \
  X(EndDocPrinter)

// The layer's functions, taken from the DLL by name so that nothing here
// reaches winspool.drv by accident.
struct Layer {
#define LAYER_POINTER(name) decltype(&::name) name = nullptr;
  LAYER_FUNCTIONS(LAYER_POINTER)
#undef LAYER_POINTER
  bool Load(HMODULE dll) {
    bool all = true;
#define LAYER_RESOLVE(name)                                                                 \
  name = reinterpret_cast<decltype(name)>(reinterpret_cast<void*>(GetProcAddress(dll, #name))); \
  all = all && name != nullptr;
    LAYER_FUNCTIONS(LAYER_RESOLVE)
#undef LAYER_RESOLVE
    return all;
  }
};

// The personality this program runs in, for the companion it starts.
const char* Personality() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  if (Win32s()) return "win31";
  return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? "win98" : "winxp";
}

// Waits, with a bound, until the file holds `expected` somewhere.
bool FileComesToHold(const std::string& path, const std::string& expected) {
  for (int i = 0; i < 200; ++i) {
    if (FileText(path).find(expected) != std::string::npos) return true;
    Sleep(25);
  }
  return false;
}

void StopCompanion() {
  HWND window = FindWindowA("TSPL32_JClass", nullptr);
  if (window == nullptr) return;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (handle) {
    WaitForSingleObject(handle, 10000);
    CloseHandle(handle);
  }
}

class EmulatedPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    StopCompanion();
    Clean();
    if (!Win32s()) {
      HKEY key;
      ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSwitchKey, &key), ERROR_SUCCESS);
      RegCloseKey(key);
    }
    // Wine gives each program its personality by name: the companion must
    // run in the same one, or it would keep its jobs' printers elsewhere.
    HKEY wine;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\TSPL32_J.exe", &wine), ERROR_SUCCESS);
    RegSetValueExA(wine, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(Personality()),
                   static_cast<DWORD>(std::strlen(Personality()) + 1));
    RegCloseKey(wine);

    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tspool_printing_test";
    CreateDirectoryA(dir.c_str(), nullptr);
    state = dir + "\\TSIMMON.INI";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, state.c_str());
    for (const char* name : {"TSIMMON.LOG", "USB001.PRN", "LPT1.PRN"}) DeleteFileA((dir + "\\" + name).c_str());
    const char* source = std::getenv("TOLVAN_SOURCE_WIN");
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(CopyFileA((std::string(source) + "\\sim\\printer\\sample\\TSIMMON.INI").c_str(), state.c_str(), FALSE));
    dll = dir + "\\TSIMMON.dll";
    ASSERT_TRUE(CopyFileA((ExeDirectory() + "\\TSIMMON.dll").c_str(), dll.c_str(), FALSE));

    // The layer fixes its flags when it is loaded: after the switch key.
    layerModule = LoadLibraryA((ExeDirectory() + "\\TSPOOL_J.dll").c_str());
    ASSERT_NE(layerModule, nullptr);
    ASSERT_TRUE(layer.Load(layerModule));
  }
  void TearDown() override {
    if (printer) layer.ClosePrinter(printer);
    StopCompanion();
    if (layerModule) FreeLibrary(layerModule);
    Clean();
  }
  void Clean() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string registry = std::string(windows) + "\\RAVA32V.INI";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, registry.c_str());
    DeleteFileA(registry.c_str());
    DeleteTree(HKEY_LOCAL_MACHINE, "System\\TSPOOL_J");
    RegDeleteKeyA(HKEY_CURRENT_USER, kSwitchKey);
    for (const char* section : {"devices", "PrinterPorts"}) WriteProfileStringA(section, kPrinter, nullptr);
    if (Win32s()) {
      for (const char* port : {"USB001", "LPT1:"}) WriteProfileStringA("ports", port, nullptr);
    }
  }
  void Install() {
    MONITOR_INFO_2A monitor = {const_cast<LPSTR>(kMonitor), nullptr, const_cast<LPSTR>(dll.c_str())};
    ASSERT_TRUE(layer.AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&monitor))) << GetLastError();
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(kDriver);
    driver.pEnvironment = const_cast<LPSTR>("Windows 4.0");
    driver.pDriverPath = const_cast<LPSTR>("C:\\WINDOWS\\SYSTEM\\WINEPS.DRV");
    driver.pDataFile = const_cast<LPSTR>("TOLVAN.PPD");
    driver.pConfigFile = const_cast<LPSTR>("WINEPS.DRV");
    ASSERT_TRUE(layer.AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver))) << GetLastError();
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(kPrinter);
    info.pPortName = const_cast<LPSTR>("USB001");
    info.pDriverName = const_cast<LPSTR>(kDriver);
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    printer = layer.AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr) << GetLastError();
  }
  std::vector<std::string> ListedPrinters() {
    DWORD needed = 0, count = 0;
    layer.EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    std::vector<std::string> names;
    if (!layer.EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) return names;
    for (DWORD i = 0; i < count; ++i) names.push_back(reinterpret_cast<PRINTER_INFO_2A*>(buffer.data())[i].pPrinterName);
    return names;
  }
  std::vector<DWORD> QueuedJobs(HANDLE handle) {
    DWORD needed = 0, count = 0;
    layer.EnumJobsA(handle, 0, 100, 1, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    std::vector<DWORD> ids;
    EXPECT_TRUE(layer.EnumJobsA(handle, 0, 100, 1, buffer.data(), needed, &needed, &count)) << GetLastError();
    for (DWORD i = 0; i < count; ++i) ids.push_back(reinterpret_cast<JOB_INFO_1A*>(buffer.data())[i].JobId);
    return ids;
  }
  std::string Output() const { return dir + "\\USB001.PRN"; }

  Layer layer;
  HMODULE layerModule = nullptr;
  std::string dir, state, dll;
  HANDLE printer = nullptr;
};

TEST_F(EmulatedPrinting, InstallsAsksAndRemovesThePrinterThroughTheLayer) {
  Install();
  EXPECT_EQ(ListedPrinters(), std::vector<std::string>{kPrinter});
  HANDLE handle = nullptr;
  ASSERT_TRUE(layer.OpenPrinterA(const_cast<LPSTR>(kPrinter), &handle, nullptr)) << GetLastError();
  char reply[1284] = "";
  DWORD type = 0, needed = 0;
  ASSERT_EQ(layer.GetPrinterDataA(handle, const_cast<LPSTR>("#GET#\n@PJL INFO STATUS"), &type,
                                  reinterpret_cast<LPBYTE>(reply), sizeof reply, &needed),
            static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(reply, "@PJL INFO STATUS\r\nCODE=600100\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n\f");
  EXPECT_NE(FileText(dir + "\\TSIMMON.LOG").find("REQUEST\t#GET#\\n@PJL INFO STATUS"), std::string::npos);
  EXPECT_TRUE(layer.ClosePrinter(handle));

  ASSERT_TRUE(layer.DeletePrinter(printer)) << GetLastError();
  EXPECT_TRUE(ListedPrinters().empty());
  handle = nullptr;
  EXPECT_FALSE(layer.OpenPrinterA(const_cast<LPSTR>(kPrinter), &handle, nullptr));
  EXPECT_TRUE(layer.DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(kDriver)));
  EXPECT_TRUE(layer.DeleteMonitorA(nullptr, nullptr, const_cast<LPSTR>(kMonitor)));
}

TEST_F(EmulatedPrinting, JobsAndRawDocumentsReachThePrintersPort) {
  Install();
  std::vector<BYTE> buffer(268 + 16);
  DWORD needed = 0;
  EXPECT_FALSE(layer.AddJobA(printer, 1, buffer.data(), 100, &needed));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  ASSERT_TRUE(layer.AddJobA(printer, 1, buffer.data(), needed, &needed)) << GetLastError();
  const ADDJOB_INFO_1A* job = reinterpret_cast<ADDJOB_INFO_1A*>(buffer.data());
  ASSERT_NE(job->JobId, 0u);
  EXPECT_NE(std::string(job->Path).find("K" + std::string(5 - std::to_string(job->JobId).size(), '0') +
                                        std::to_string(job->JobId) + ".SPL"), std::string::npos) << job->Path;
  {
    std::ofstream spool(job->Path, std::ios::binary);
    spool << "\x1b%-12345X@PJL JOB NAME=\"ONE\"\r\nfirst page\f";
  }
  ASSERT_TRUE(layer.ScheduleJob(printer, job->JobId)) << GetLastError();
  EXPECT_EQ(FileText(Output()), "\x1b%-12345X@PJL JOB NAME=\"ONE\"\r\nfirst page\f");
  EXPECT_EQ(GetFileAttributesA(job->Path), INVALID_FILE_ATTRIBUTES) << "a printed job's spool file is gone";

  DOC_INFO_1A doc = {const_cast<LPSTR>("Status page"), nullptr, const_cast<LPSTR>("RAW")};
  const DWORD id = layer.StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc));
  ASSERT_NE(id, 0u) << GetLastError();
  DWORD written = 0;
  ASSERT_TRUE(layer.WritePrinter(printer, const_cast<char*>("second\f"), 7, &written));
  EXPECT_EQ(written, 7u);
  ASSERT_TRUE(layer.EndDocPrinter(printer)) << GetLastError();
  EXPECT_NE(FileText(Output()).find("first page\fsecond\f"), std::string::npos);
  const std::string log = FileText(dir + "\\TSIMMON.LOG");
  EXPECT_NE(log.find("STARTDOC\tTOLVAN CLP-2600\tStatus page"), std::string::npos) << log;
  EXPECT_TRUE(QueuedJobs(printer).empty());
}

TEST_F(EmulatedPrinting, PausedPrinterQueuesJobsUntilResumed) {
  Install();
  ASSERT_TRUE(layer.SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_PAUSE)) << GetLastError();
  DOC_INFO_1A doc = {const_cast<LPSTR>("Queued"), nullptr, nullptr};
  const DWORD id = layer.StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc));
  ASSERT_NE(id, 0u) << GetLastError();
  DWORD written = 0;
  layer.WritePrinter(printer, const_cast<char*>("held\f"), 5, &written);
  ASSERT_TRUE(layer.EndDocPrinter(printer));
  EXPECT_EQ(FileText(Output()), "");
  ASSERT_EQ(QueuedJobs(printer), std::vector<DWORD>{id});

  // The record comes across from the companion's process.
  DWORD needed = 0;
  EXPECT_FALSE(layer.GetJobA(printer, id, 2, nullptr, 0, &needed));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  std::vector<BYTE> record(needed);
  ASSERT_TRUE(layer.GetJobA(printer, id, 2, record.data(), needed, &needed)) << GetLastError();
  const JOB_INFO_2A* info = reinterpret_cast<JOB_INFO_2A*>(record.data());
  EXPECT_STREQ(info->pDocument, "Queued");
  EXPECT_STREQ(info->pPrinterName, kPrinter);
  EXPECT_STREQ(info->pDatatype, "RAW");
  EXPECT_EQ(info->Size, 5u);
  EXPECT_EQ(info->Position, 1u);

  ASSERT_TRUE(layer.SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_RESUME));
  EXPECT_TRUE(FileComesToHold(Output(), "held\f"));
  EXPECT_TRUE(QueuedJobs(printer).empty());
}

TEST_F(EmulatedPrinting, PurgeDeletesEveryQueuedJob) {
  Install();
  ASSERT_TRUE(layer.SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_PAUSE));
  for (const char* name : {"one", "two", "three"}) {
    DOC_INFO_1A doc = {const_cast<LPSTR>(name), nullptr, nullptr};
    ASSERT_NE(layer.StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
    DWORD written = 0;
    layer.WritePrinter(printer, const_cast<char*>("x"), 1, &written);
    ASSERT_TRUE(layer.EndDocPrinter(printer));
  }
  ASSERT_EQ(QueuedJobs(printer).size(), 3u);
  ASSERT_TRUE(layer.SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_PURGE));
  EXPECT_TRUE(QueuedJobs(printer).empty());
  ASSERT_TRUE(layer.SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_RESUME));
  EXPECT_EQ(FileText(Output()), "");
}

}  // namespace
