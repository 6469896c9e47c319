// statmon.exe against the simulated printer: simprinter.exe registers
// TSIMMON.DLL and a printer with the emulated spooler, the monitor chooses,
// opens and verifies it and runs its connection cycle; the printer's request
// log (TSIMMON.LOG) shows the order of the requests, the status text control
// (1000) what the channel concluded.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "monitor_sandbox.h"
#include "wintest/gui_driver.h"

namespace statmon::testing {
namespace {

constexpr int kStatusText = 1000;
constexpr DWORD kCycleWaitMs = 20000;
const char kDriver[] = "TOLVAN CLP-2600 Driver";

// Status texts by code, so that what the window shows names the code.
const char kMessages[] =
    "[ErrorMessages]\n"
    "111110=1;Connecting;\n"
    "111111=1;No connection;\n"
    "111112=1;Open error;\n"
    "99999901=1;Bidi disabled;\n"
    "99999902=1;Port unsupported;\n"
    "99999903=1;Wrong printer;\n";

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void DeleteTree(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyA(root, path.c_str(), &key) == ERROR_SUCCESS) {
    char name[MAX_PATH];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteTree(root, path + "\\" + name);
    RegCloseKey(key);
  }
  RegDeleteKeyA(root, path.c_str());
}

class ChannelEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bin = wintest::BinDirectory();
    for (const char* file : {"TSIMMON.dll", "simprinter.exe"}) {
      ASSERT_TRUE(CopyFileA((bin + "\\" + file).c_str(), (dir() + "\\" + file).c_str(), FALSE)) << file;
    }
    const std::string sample = wintest::SourceDirectory() + "\\sim\\printer\\sample\\TSIMMON.INI";
    ASSERT_TRUE(CopyFileA(sample.c_str(), State().c_str(), FALSE));
    SetPersonalities("winxp");
    CleanSpooler();
  }
  void TearDown() override {
    if (window_ != nullptr && monitor_.Running()) CloseMonitor(monitor_, window_);
    if (monitor_.Running()) monitor_.Kill();
    RunSimprinter("remove");
    CleanSpooler();
    SetPersonalities("winxp");
  }

  const std::string& dir() const { return sandbox_.Directory(); }
  std::string State() const { return dir() + "\\TSIMMON.INI"; }
  void SetState(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, State().c_str());
  }
  void SetPersonalities(const char* version) {
    ASSERT_TRUE(wintest::SetPersonality("statmon.exe", version));
    ASSERT_TRUE(wintest::SetPersonality("simprinter.exe", version));
  }
  // The emulated spooler's objects and the switch key, as a fresh prefix has them.
  void CleanSpooler() {
    DeleteTree(HKEY_LOCAL_MACHINE, "System\\TSPOOL_J");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TOLVAN\\TSPOOL_J");
    WriteProfileStringA("windows", "device", nullptr);
    // Win32s keeps the spooler's objects in the emulated registry file and
    // mirrors the printers into WIN.INI: an earlier run's printers (whose port
    // monitor lived in another sandbox) must not be found.
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    DeleteFileA((std::string(windows) + "\\RAVA32V.INI").c_str());
    WriteProfileStringA("devices", nullptr, nullptr);
    WriteProfileStringA("PrinterPorts", nullptr, nullptr);
  }
  void WriteConfiguration(const std::string& misc) {
    sandbox_.WriteIni("[Misc]\nResourceDLL=TSTMON_J.dll\nDriverName=" + std::string(kDriver) +
                      "\nDriverID=CLP-2600\nTimeValue=1\n" +
                      // No picture data here: the data-error box it would raise
                      // is modal on the window thread and holds the timer mode.
                      "WarnUnkPjl=0\n" + misc + kMessages);
  }
  long RunSimprinter(const std::string& arguments) {
    wintest::Process tool;
    if (!tool.Start("\"" + dir() + "\\simprinter.exe\" " + arguments + " --driver \"" + kDriver + "\"", dir())) {
      return -1;
    }
    return tool.Wait();
  }
  void Install(const std::string& options = "") { ASSERT_EQ(RunSimprinter("install " + options), 0); }
  void StartMonitor() {
    ASSERT_TRUE(sandbox_.Start(monitor_));
    window_ = WaitForMonitorWindow(monitor_.Id());
    ASSERT_NE(window_, nullptr);
  }

  // The request column of the log's REQUEST lines, in order.
  std::vector<std::string> Requests() const {
    std::vector<std::string> requests;
    std::istringstream in(ReadFileText(dir() + "\\TSIMMON.LOG"));
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t at = line.find("\tREQUEST\t");
      if (at != std::string::npos) requests.push_back(line.substr(at + 9));
    }
    return requests;
  }
  // Waits until the log holds at least the requests of `expected`, and returns
  // its first that many entries.
  std::vector<std::string> FirstRequests(const std::vector<std::string>& expected) const {
    std::vector<std::string> got;
    wintest::WaitUntil([&] { got = Requests(); return got.size() >= expected.size(); }, kCycleWaitMs);
    if (got.size() > expected.size()) got.resize(expected.size());
    return got;
  }
  bool WaitForStatus(const std::string& text) {
    return wintest::WaitUntil([&] { return wintest::ControlText(window_, kStatusText) == text; }, kCycleWaitMs);
  }

  MonitorSandbox sandbox_;
  wintest::Process monitor_;
  HWND window_ = nullptr;
};

// PJLcapabilities numbers and the connection cycle they give, from the
// identity check to the first steady READ.
TEST_F(ChannelEndToEnd, ConnectionCycleFollowsTheCapabilities) {
  struct Row { const char* capabilities; std::vector<std::string> cycle; };
  const Row rows[] = {
      {"3,4",  // detailed status wins over plain status
       {"#GET#\\n@PJL INFO ID", "#SET#\\n@PJL USTATUSOFF", "#GET#\\n@PJL INFO DSTATUS",
        "#SET#\\n@PJL USTATUS DDEVICE=ON", "#SET#\\n@PJL USTATUS JOB=ON", "#SET#\\n@PJL USTATUS PAGE=ON",
        "#SET#\\n@PJL USTATUS DTIMED=7", "READ", "READ"}},
      {"4",
       {"#GET#\\n@PJL INFO ID", "#SET#\\n@PJL USTATUSOFF", "#GET#\\n@PJL INFO STATUS",
        "#SET#\\n@PJL USTATUS DEVICE=ON", "#SET#\\n@PJL USTATUS JOB=ON", "#SET#\\n@PJL USTATUS PAGE=ON",
        "#SET#\\n@PJL USTATUS TIMED=7", "READ", "READ"}},
      {"1,2,5",  // no status probe and no USTATUS: the steady state refreshes the detailed status at once
       {"#GET#\\n@PJL INFO ID", "#SET#\\n@PJL USTATUSOFF", "#GET#\\n@PJL INFO CONFIG", "READ",
        "#GET#\\n@PJL INFO WARNINGLIST", "#GET#\\n@PJL INFO DSTATUS", "#GET#\\n@PJL INFO DSTATUS"}},
  };
  Install();
  for (const Row& row : rows) {
    DeleteFileA((dir() + "\\TSIMMON.LOG").c_str());
    WriteConfiguration(std::string("UstatusDtimed=7\nPJLcapabilities=") + row.capabilities + "\n");
    StartMonitor();
    EXPECT_EQ(FirstRequests(row.cycle), row.cycle) << row.capabilities;
    const DWORD closing = GetTickCount();
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_GE(monitor_.Wait(kCycleWaitMs), 0);
    // Well inside the 15 s the window grants the polling thread: under Wine
    // the whole exit, process teardown included, takes about 6 s here.
    EXPECT_LT(GetTickCount() - closing, 10000u) << "the polling thread stops when told to";
    window_ = nullptr;
  }
}

TEST_F(ChannelEndToEnd, IdentityCheckTellsAWrongModelFromASilentPrinter) {
  struct Row { const char* what; const char* driverId; const char* connected; const char* status; };
  const Row rows[] = {
      {"another model answers", "CLP-9999", "1", "Wrong printer"},
      {"the printer cannot be reached", "CLP-2600", "0", "No connection"},
  };
  Install();
  for (const Row& row : rows) {
    DeleteFileA((dir() + "\\TSIMMON.LOG").c_str());
    SetState("Printer", "Connected", row.connected);
    sandbox_.WriteIni(std::string("[Misc]\nResourceDLL=TSTMON_J.dll\nPJLcapabilities=4\nTimeValue=1\nDriverName=") +
                      kDriver + "\nDriverID=" + row.driverId + "\n" + kMessages);
    StartMonitor();
    EXPECT_TRUE(WaitForStatus(row.status)) << row.what << ": " << wintest::ControlText(window_, kStatusText);
    // Nothing follows the failed check but the next attempt's check.
    for (const std::string& request : Requests()) EXPECT_EQ(request, "#GET#\\n@PJL INFO ID") << row.what;
    CloseMonitor(monitor_, window_);
    window_ = nullptr;
  }
}

TEST_F(ChannelEndToEnd, PrintersTheMonitorCannotUseAreNeverAsked) {
  struct Row { const char* options; const char* misc; const char* status; };
  const Row rows[] = {
      {"--no-bidi", "", "Bidi disabled"},
      {"--port FILE:", "", "Port unsupported"},
      {"--port FILE: --no-bidi", "NetworkCompatable=1\n", "Bidi disabled"},
  };
  for (const Row& row : rows) {
    DeleteFileA((dir() + "\\TSIMMON.LOG").c_str());
    CleanSpooler();
    Install(row.options);
    WriteConfiguration(std::string("PJLcapabilities=4\n") + row.misc);
    StartMonitor();
    EXPECT_TRUE(WaitForStatus(row.status)) << row.options << ": " << wintest::ControlText(window_, kStatusText);
    EXPECT_TRUE(Requests().empty()) << row.options;
    CloseMonitor(monitor_, window_);
    window_ = nullptr;
    RunSimprinter("remove");
  }
}

TEST_F(ChannelEndToEnd, WithoutAPrinterOfItsDriverTheMonitorShowsTheOpenError) {
  WriteConfiguration("PJLcapabilities=4\n");
  StartMonitor();
  EXPECT_TRUE(WaitForStatus("Open error")) << wintest::ControlText(window_, kStatusText);
}

TEST_F(ChannelEndToEnd, TheDefaultPrinterIsPreferredAndTheNameFollowsThePrinterOpened) {
  // Two printers with the driver, the second the default: it is the one asked.
  Install("--name \"TOLVAN A\" --port LPT1: --no-default");
  Install("--name \"TOLVAN B\" --port USB001");
  WriteConfiguration("PJLcapabilities=4\n");
  StartMonitor();
  const std::vector<std::string> start = {"#GET#\\n@PJL INFO ID", "#SET#\\n@PJL USTATUSOFF"};
  EXPECT_EQ(FirstRequests(start), start);
  const std::string log = ReadFileText(dir() + "\\TSIMMON.LOG");
  EXPECT_NE(log.find("USB001"), std::string::npos) << log;
  EXPECT_EQ(log.find("LPT1:"), std::string::npos) << log;
}

// Win32s: the monitor polls from window timer 1 on its own thread.
TEST_F(ChannelEndToEnd, TimerModeUnderWin32sConnectsAndReadsEachTick) {
  SetPersonalities("win31");
  Install();
  WriteConfiguration("UstatusDtimed=7\nPJLcapabilities=3\n");
  StartMonitor();
  const std::vector<std::string> start = {
      "#GET#\\n@PJL INFO ID", "#GET#\\n@PJL INFO DSTATUS", "#SET#\\n@PJL USTATUS DDEVICE=ON",
      "#SET#\\n@PJL USTATUS JOB=ON", "#SET#\\n@PJL USTATUS PAGE=ON", "#SET#\\n@PJL USTATUS DTIMED=7",
      "READ", "READ"};
  EXPECT_EQ(FirstRequests(start), start);
  EXPECT_GE(CloseMonitor(monitor_, window_), 0);
  window_ = nullptr;
  const std::vector<std::string> all = Requests();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.back(), "#SET#\\n@PJL USTATUSOFF") << "the stopped timer turns unsolicited status off";
}

}  // namespace
}  // namespace statmon::testing
