// Print jobs of the emulated spooler with the companion's window hosted in
// this very process: records are copied directly (no shared memory), job
// control acts at once, and every failure has its own error.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "companion_window.h"
#include "emulated.h"
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

class CompanionJobs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindWindowA("TSPL32_JClass", nullptr), nullptr) << "a companion of another process is running";
    Clean();
    emulation::Configure({Win32s(), GetModuleHandleA(nullptr)});
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tspool_companion_test";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string state = dir + "\\TSIMMON.INI";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, state.c_str());
    for (const char* name : {"TSIMMON.LOG", "USB001.PRN"}) DeleteFileA((dir + "\\" + name).c_str());
    const char* source = std::getenv("TOLVAN_SOURCE_WIN");
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(CopyFileA((std::string(source) + "\\sim\\printer\\sample\\TSIMMON.INI").c_str(), state.c_str(), FALSE));
    const std::string dll = dir + "\\TSIMMON.dll";
    ASSERT_TRUE(CopyFileA((ExeDirectory() + "\\TSIMMON.dll").c_str(), dll.c_str(), FALSE));

    MONITOR_INFO_2A monitor = {const_cast<LPSTR>(kMonitor), nullptr, const_cast<LPSTR>(dll.c_str())};
    ASSERT_TRUE(emulation::AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&monitor)));
    DRIVER_INFO_2A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(kDriver);
    driver.pDriverPath = const_cast<LPSTR>("WINEPS.DRV");
    ASSERT_TRUE(emulation::AddPrinterDriverA(nullptr, 2, reinterpret_cast<LPBYTE>(&driver)));
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(kPrinter);
    info.pPortName = const_cast<LPSTR>("USB001");
    info.pDriverName = const_cast<LPSTR>(kDriver);
    printer = emulation::AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(printer, nullptr);
    window = companion::CreateCompanionWindow(GetModuleHandleA(nullptr), false);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (printer) emulation::ClosePrinter(printer);
    if (window) DestroyWindow(window);
    Clean();
  }
  void Clean() {
    emutest::RemoveIni(emutest::WindowsFile("RAVA32V.INI"));
    DeleteTree(HKEY_LOCAL_MACHINE, "System\\TSPOOL_J");
    RegDeleteKeyA(HKEY_CURRENT_USER, kSwitchKey);
    for (const char* section : {"devices", "PrinterPorts"}) WriteProfileStringA(section, kPrinter, nullptr);
    if (Win32s()) {
      for (const char* port : {"USB001", "LPT1:"}) WriteProfileStringA("ports", port, nullptr);
    }
  }
  DWORD AddJob(std::string* path) {
    std::vector<BYTE> buffer(512);
    DWORD needed = 0;
    EXPECT_TRUE(emulation::AddJobA(printer, 1, buffer.data(), static_cast<DWORD>(buffer.size()), &needed)) << GetLastError();
    EXPECT_EQ(needed, static_cast<DWORD>(sizeof(ADDJOB_INFO_1A) + MAX_PATH));
    const ADDJOB_INFO_1A* info = reinterpret_cast<ADDJOB_INFO_1A*>(buffer.data());
    if (path) *path = info->Path ? info->Path : "";
    return info->JobId;
  }
  DWORD Document(const char* name, const char* bytes) {
    DOC_INFO_1A doc = {const_cast<LPSTR>(name), nullptr, nullptr};
    const DWORD id = emulation::StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc));
    DWORD written = 0;
    EXPECT_TRUE(emulation::WritePrinter(printer, const_cast<char*>(bytes), static_cast<DWORD>(std::strlen(bytes)), &written));
    EXPECT_TRUE(emulation::EndDocPrinter(printer));
    return id;
  }
  std::vector<BYTE> Job(DWORD id, DWORD level) {
    DWORD needed = 0;
    emulation::GetJobA(printer, id, level, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + 1);
    if (!emulation::GetJobA(printer, id, level, buffer.data(), needed, &needed)) buffer.clear();
    return buffer;
  }
  std::vector<DWORD> Jobs(DWORD first, DWORD count, DWORD level = 2) {
    DWORD needed = 0, returned = 0;
    emulation::EnumJobsA(printer, first, count, level, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed + 1);
    std::vector<DWORD> ids;
    EXPECT_TRUE(emulation::EnumJobsA(printer, first, count, level, buffer.data(), needed, &needed, &returned));
    for (DWORD i = 0; i < returned; ++i) {
      ids.push_back(level == 1 ? reinterpret_cast<JOB_INFO_1A*>(buffer.data())[i].JobId
                               : reinterpret_cast<JOB_INFO_2A*>(buffer.data())[i].JobId);
    }
    return ids;
  }
  std::string Output() const { return FileText(dir + "\\USB001.PRN"); }

  std::string dir;
  HANDLE printer = nullptr;
  HWND window = nullptr;
};

TEST_F(CompanionJobs, JobRecordIsReplacedAndControlledWhileTheCompanionKeepsItsState) {
  std::string path;
  const DWORD id = AddJob(&path);
  ASSERT_NE(id, 0u);
  std::vector<BYTE> one = Job(id, 1);
  ASSERT_FALSE(one.empty());
  const JOB_INFO_1A* brief = reinterpret_cast<JOB_INFO_1A*>(one.data());
  EXPECT_STREQ(brief->pPrinterName, kPrinter);
  EXPECT_EQ(brief->Status, static_cast<DWORD>(JOB_STATUS_SPOOLING));

  std::vector<BYTE> two = Job(id, 2);
  ASSERT_FALSE(two.empty());
  JOB_INFO_2A replacement = *reinterpret_cast<JOB_INFO_2A*>(two.data());
  replacement.pDocument = const_cast<LPSTR>("Renamed");
  replacement.pPrinterName = const_cast<LPSTR>("Someone else's printer");
  replacement.Status = 0;
  ASSERT_TRUE(emulation::SetJobA(printer, id, 2, reinterpret_cast<LPBYTE>(&replacement), JOB_CONTROL_PAUSE));
  two = Job(id, 2);
  const JOB_INFO_2A* full = reinterpret_cast<JOB_INFO_2A*>(two.data());
  EXPECT_STREQ(full->pDocument, "Renamed");
  EXPECT_STREQ(full->pPrinterName, kPrinter);
  EXPECT_EQ(full->Status, static_cast<DWORD>(JOB_STATUS_SPOOLING | JOB_STATUS_PAUSED));

  {
    std::ofstream spool(path, std::ios::binary);
    spool << "paused job\f";
  }
  ASSERT_TRUE(emulation::ScheduleJob(printer, id));
  EXPECT_EQ(Output(), "") << "a paused job waits";
  ASSERT_TRUE(emulation::SetJobA(printer, id, 0, nullptr, JOB_CONTROL_RESUME));
  EXPECT_EQ(Output(), "paused job\f");
  EXPECT_TRUE(Job(id, 1).empty()) << "a printed job is gone";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(CompanionJobs, EnumerationTakesTheWindowOfJobsAskedFor) {
  ASSERT_TRUE(emulation::SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_PAUSE));
  const DWORD first = Document("one", "1"), second = Document("two", "22"), third = Document("three", "333");
  EXPECT_EQ(Jobs(0, 100), (std::vector<DWORD>{first, second, third}));
  EXPECT_EQ(Jobs(1, 1, 1), std::vector<DWORD>{second});
  EXPECT_EQ(Jobs(2, 5), std::vector<DWORD>{third});
  EXPECT_TRUE(Jobs(3, 5).empty());
  const std::vector<BYTE> record = Job(third, 2);
  ASSERT_FALSE(record.empty());
  EXPECT_EQ(reinterpret_cast<const JOB_INFO_2A*>(record.data())->Position, 3u);
  EXPECT_EQ(reinterpret_cast<const JOB_INFO_2A*>(record.data())->Size, 3u);

  ASSERT_TRUE(emulation::SetJobA(printer, second, 0, nullptr, JOB_CONTROL_DELETE));
  EXPECT_EQ(Jobs(0, 100), (std::vector<DWORD>{first, third}));
  ASSERT_TRUE(emulation::SetPrinterA(printer, 0, nullptr, PRINTER_CONTROL_RESUME));
  // The resume notice is posted: let this thread's window take it.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  EXPECT_EQ(Output(), "1333");
  EXPECT_TRUE(Jobs(0, 100).empty());
}

TEST_F(CompanionJobs, EachMisuseFailsWithItsOwnError) {
  std::vector<BYTE> buffer(512);
  DWORD needed = 0xDEADBEEF;
  char fake[16] = "KSPR";
  std::string path;
  const DWORD id = AddJob(&path);
  struct Case {
    const char* what;
    WINBOOL result;
    DWORD error;
  };
  const auto check = [](const Case& c) {
    const DWORD error = GetLastError();
    EXPECT_FALSE(c.result) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
  };
  check({"AddJobA level 2", emulation::AddJobA(printer, 2, buffer.data(), 512, &needed), ERROR_INVALID_PARAMETER});
  check({"AddJobA without needed", emulation::AddJobA(printer, 1, buffer.data(), 512, nullptr), ERROR_INVALID_PARAMETER});
  check({"AddJobA on a forged handle", emulation::AddJobA(fake, 1, buffer.data(), 512, &needed), ERROR_INVALID_PARAMETER});
  check({"AddJobA short buffer", emulation::AddJobA(printer, 1, buffer.data(), 267, &needed), ERROR_INSUFFICIENT_BUFFER});
  EXPECT_EQ(needed, static_cast<DWORD>(sizeof(ADDJOB_INFO_1A) + MAX_PATH));
  check({"ScheduleJob before the spool file exists", emulation::ScheduleJob(printer, id), ERROR_SPOOL_FILE_NOT_FOUND});
  check({"GetJobA level 3", emulation::GetJobA(printer, id, 3, buffer.data(), 512, &needed), ERROR_INVALID_PARAMETER});
  check({"GetJobA unknown job", emulation::GetJobA(printer, id + 100, 1, buffer.data(), 512, &needed),
         ERROR_INVALID_PARAMETER});
  check({"GetJobA short buffer", emulation::GetJobA(printer, id, 2, buffer.data(), 8, &needed), ERROR_INSUFFICIENT_BUFFER});
  check({"SetJobA level 1", emulation::SetJobA(printer, id, 1, buffer.data(), 0), ERROR_INVALID_PARAMETER});
  check({"SetJobA unknown job", emulation::SetJobA(printer, id + 100, 0, nullptr, JOB_CONTROL_PAUSE),
         ERROR_INVALID_PARAMETER});
  check({"SetJobA unknown command", emulation::SetJobA(printer, id, 0, nullptr, 77), ERROR_INVALID_PARAMETER});
  DWORD written = 0;
  check({"WritePrinter without a document", emulation::WritePrinter(printer, buffer.data(), 1, &written),
         ERROR_SPL_NO_STARTDOC});
  check({"EndDocPrinter without a document", emulation::EndDocPrinter(printer), ERROR_SPL_NO_STARTDOC});
  DOC_INFO_1A doc = {const_cast<LPSTR>("open"), nullptr, nullptr};
  ASSERT_NE(emulation::StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
  check({"a second document on the handle", emulation::StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&doc)) != 0,
         ERROR_INVALID_PRINTER_STATE});
  EXPECT_EQ(Jobs(0, 100).size(), 2u);
  // Closing the handle abandons the open document.
  ASSERT_TRUE(emulation::ClosePrinter(printer));
  ASSERT_TRUE(emulation::OpenPrinterA(const_cast<LPSTR>(kPrinter), &printer, nullptr));
  EXPECT_EQ(Jobs(0, 100), std::vector<DWORD>{id});
}

}  // namespace
