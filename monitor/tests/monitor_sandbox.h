// A private copy of the monitor for one test: statmon.exe with its libraries
// in a fresh directory, with the configuration file the test writes beside
// it (statmon.ini, after the program's name), started with wintest::Process.
#pragma once
#include <windows.h>

#include <string>

#include "wintest/gui_driver.h"

namespace statmon::testing {

// A UTF-8 literal of the test source in the ANSI code page (936 under the
// test locale), as the monitor's A functions see its texts.
std::string Acp(const std::string& utf8);

class MonitorSandbox {
 public:
  MonitorSandbox();
  ~MonitorSandbox();
  MonitorSandbox(const MonitorSandbox&) = delete;
  MonitorSandbox& operator=(const MonitorSandbox&) = delete;

  const std::string& Directory() const { return directory_; }
  std::string IniPath() const { return directory_ + "\\statmon.ini"; }
  // Writes statmon.ini: `text` as it stands (ANSI, lines separated by "\n").
  void WriteIni(const std::string& text) const;
  // Copies the shipped sample configuration as statmon.ini.
  bool UseSampleIni() const;

  // Starts the copy with `arguments`; the process is killed at the end of
  // the test if it still runs.
  bool Start(wintest::Process& process, const std::string& arguments = "") const;

 private:
  std::string directory_;
};

// The monitor's main window of `processId`, once it exists and is visible.
HWND WaitForMonitorWindow(DWORD processId);

// Asks the monitor to end (WM_CLOSE) and waits for its exit code.
long CloseMonitor(wintest::Process& process, HWND window);

}  // namespace statmon::testing
