// TSIMMON.DLL loaded as a port monitor from a directory of its own, with a
// fresh copy of the sample state beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "port_monitor_table.h"

namespace {

std::string ExeDirectory() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  *std::strrchr(path, '\\') = '\0';
  return path;
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The request column of the log's REQUEST lines, in order.
std::vector<std::string> LoggedRequests(const std::string& log) {
  std::vector<std::string> requests;
  std::istringstream in(ReadFileText(log));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t kind = line.find("\tREQUEST\t");
    if (kind != std::string::npos) requests.push_back(line.substr(kind + 9));
  }
  return requests;
}

class SimulatedPrinterMonitor : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tsimmon_test";
    CreateDirectoryA(dir.c_str(), nullptr);
    state = dir + "\\TSIMMON.INI";
    for (const char* file : {"TSIMMON.LOG", "USB001.PRN"}) DeleteFileA((dir + "\\" + file).c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, state.c_str());
    const char* source = std::getenv("TOLVAN_SOURCE_WIN");
    ASSERT_NE(source, nullptr) << "TOLVAN_SOURCE_WIN names the source tree";
    ASSERT_TRUE(CopyFileA((std::string(source) + "\\sim\\printer\\sample\\TSIMMON.INI").c_str(), state.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((ExeDirectory() + "\\TSIMMON.dll").c_str(), (dir + "\\TSIMMON.dll").c_str(), FALSE));
    module = LoadLibraryA((dir + "\\TSIMMON.dll").c_str());
    ASSERT_NE(module, nullptr);
    auto initialize = reinterpret_cast<InitializeMonitorExFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, kInitializeMonitorExName)));
    ASSERT_NE(initialize, nullptr);
    ASSERT_TRUE(initialize(const_cast<LPSTR>("System\\TSPOOL_J\\Monitors\\TSIM"), &table));
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }
  HANDLE Open(const char* name) {
    HANDLE port = nullptr;
    EXPECT_TRUE(table.pfnOpenPort(const_cast<LPSTR>(name), &port)) << name;
    return port;
  }
  std::string Ask(HANDLE port, const char* request, DWORD size = 1284) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD returned = 0xDEADBEEF;
    EXPECT_TRUE(table.pfnGetPrinterDataFromPort(port, 0, const_cast<LPSTR>(request), nullptr, 0, buffer.data(), size, &returned)) << request;
    if (returned == 0) return {};
    EXPECT_EQ(buffer[returned - 1], '\0');
    EXPECT_EQ(strlen(buffer.data()) + 1, returned);
    return buffer.data();
  }
  void SetState(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, state.c_str());
  }

  std::string dir, state;
  HMODULE module = nullptr;
  PortMonitorTable table = {};
};

TEST_F(SimulatedPrinterMonitor, FillsTheWindows95Table) {
  EXPECT_EQ(sizeof(PortMonitorTable), 13 * sizeof(void*));
  EXPECT_NE(table.pfnEnumPorts, nullptr);
  EXPECT_NE(table.pfnOpenPort, nullptr);
  EXPECT_NE(table.pfnOpenPortEx, nullptr);
  EXPECT_NE(table.pfnStartDocPort, nullptr);
  EXPECT_NE(table.pfnWritePort, nullptr);
  EXPECT_NE(table.pfnReadPort, nullptr);
  EXPECT_NE(table.pfnEndDocPort, nullptr);
  EXPECT_NE(table.pfnClosePort, nullptr);
  EXPECT_NE(table.pfnConfigurePort, nullptr);
  EXPECT_NE(table.pfnGetPrinterDataFromPort, nullptr);
}

TEST_F(SimulatedPrinterMonitor, EnumeratesTheConfiguredUsbAndParallelPorts) {
  SetState("Ports", "Names", "USB001, LPT1:, COM1:, FILE:, USB002");
  DWORD needed = 0, returned = 0;
  EXPECT_FALSE(table.pfnEnumPorts(nullptr, 1, nullptr, 0, &needed, &returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  ASSERT_GT(needed, 0u);
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(table.pfnEnumPorts(nullptr, 1, buffer.data(), needed, &needed, &returned));
  ASSERT_EQ(returned, 3u);
  const PORT_INFO_1A* ports = reinterpret_cast<PORT_INFO_1A*>(buffer.data());
  EXPECT_STREQ(ports[0].pName, "USB001");
  EXPECT_STREQ(ports[1].pName, "LPT1:");
  EXPECT_STREQ(ports[2].pName, "USB002");

  HANDLE port = nullptr;
  EXPECT_FALSE(table.pfnOpenPort(const_cast<LPSTR>("COM1:"), &port));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
}

TEST_F(SimulatedPrinterMonitor, AnswersStatusFromTheStateFileAsItIsNow) {
  HANDLE port = Open("USB001");
  const std::string ready = Ask(port, "#GET#\n@PJL INFO STATUS");
  EXPECT_EQ(ready, "@PJL INFO STATUS\r\nCODE=600100\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n\f");
  SetState("Printer", "Power", "0");
  EXPECT_EQ(Ask(port, "#GET#\n@PJL INFO STATUS"), "@PJL INFO STATUS\r\nCODE=111111\r\n\f");
  SetState("Printer", "Power", "1");
  SetState("Printer", "Busy", "1");
  EXPECT_NE(Ask(port, "READ").find("CODE=999999"), std::string::npos);
  EXPECT_TRUE(table.pfnClosePort(port));
}

TEST_F(SimulatedPrinterMonitor, ReportsAShortBufferAndLeavesOtherNamesToThePrinterData) {
  HANDLE port = Open("LPT1:");
  char small[16];
  DWORD returned = 0;
  EXPECT_FALSE(table.pfnGetPrinterDataFromPort(port, 0, const_cast<LPSTR>("#GET#\n@PJL INFO ID"), nullptr, 0, small, sizeof small, &returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(returned, strlen("@PJL INFO ID\r\n\"TOLVAN Pelmora CL20 CLP-2600\"\r\n\f") + 1);
  EXPECT_FALSE(table.pfnGetPrinterDataFromPort(port, 0, const_cast<LPSTR>("TolvanDriver_J"), nullptr, 0, small, sizeof small, &returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
  EXPECT_FALSE(table.pfnGetPrinterDataFromPort(port, 1, const_cast<LPSTR>("READ"), nullptr, 0, small, sizeof small, &returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(Ask(port, "#SET#\n@PJL USTATUSOFF"), "");
  EXPECT_TRUE(table.pfnClosePort(port));
}

TEST_F(SimulatedPrinterMonitor, LogsEveryRequestInOrder) {
  HANDLE port = Open("USB001");
  Ask(port, "#SET#\n@PJL USTATUSOFF");
  Ask(port, "#GET#\n@PJL INFO ID");
  Ask(port, "#GET#\n@PJL INQUIRE TONERPOSITION\r\n\f");
  Ask(port, "READ");
  table.pfnClosePort(port);
  EXPECT_EQ(LoggedRequests(dir + "\\TSIMMON.LOG"),
            (std::vector<std::string>{"#SET#\\n@PJL USTATUSOFF", "#GET#\\n@PJL INFO ID",
                                      "#GET#\\n@PJL INQUIRE TONERPOSITION\\r\\n\\f", "READ"}));
}

TEST_F(SimulatedPrinterMonitor, AJobThroughThePortIsPrintedAndReported) {
  HANDLE port = Open("USB001");
  Ask(port, "#SET#\n@PJL USTATUS JOB=ON");
  DOC_INFO_1A doc = {const_cast<LPSTR>("Test page"), nullptr, nullptr};
  ASSERT_TRUE(table.pfnStartDocPort(port, const_cast<LPSTR>("TOLVAN CLP"), 7, 1, reinterpret_cast<LPBYTE>(&doc)));
  EXPECT_NE(Ask(port, "#GET#\n@PJL INFO STATUS").find("CODE=610100"), std::string::npos);
  const char data[] = "page one\fpage two\f";
  DWORD written = 0;
  ASSERT_TRUE(table.pfnWritePort(port, reinterpret_cast<LPBYTE>(const_cast<char*>(data)), sizeof data - 1, &written));
  EXPECT_EQ(written, sizeof data - 1);
  ASSERT_TRUE(table.pfnEndDocPort(port));
  EXPECT_EQ(ReadFileText(dir + "\\USB001.PRN"), data);
  const std::string read = Ask(port, "READ");
  EXPECT_EQ(read,
            "@PJL USTATUS JOB\r\nSTART\r\nNAME=\"Test page\"\r\n\f"
            "@PJL USTATUS JOB\r\nEND\r\nNAME=\"Test page\"\r\nPAGES=2\r\nRESULT=OK\r\n\f");
  char counter[32];
  GetPrivateProfileStringA("Counters", "PageCount", "", counter, sizeof counter, state.c_str());
  EXPECT_STREQ(counter, "12347");
  table.pfnClosePort(port);
}

}  // namespace
