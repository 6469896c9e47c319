#include "monitor_sandbox.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace statmon::testing {
namespace {

const char* const kShippedFiles[] = {"statmon.exe", "TSTMON_J.dll", "TSPOOL_J.dll"};

void RemoveTree(const std::string& directory) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      DeleteFileA((directory + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(directory.c_str());
}

}  // namespace

std::string Acp(const std::string& utf8) {
  const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> text(wide);
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), wide);
  const int narrow = WideCharToMultiByte(CP_ACP, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> out(narrow);
  WideCharToMultiByte(CP_ACP, 0, text.data(), -1, out.data(), narrow, nullptr, nullptr);
  return out.data();
}

MonitorSandbox::MonitorSandbox() {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  char name[64];
  std::snprintf(name, sizeof name, "statmon-%lu-%d", GetCurrentProcessId(), ++counter);
  directory_ = std::string(temp) + name;
  CreateDirectoryA(directory_.c_str(), nullptr);
  const std::string bin = wintest::BinDirectory();
  for (const char* file : kShippedFiles) {
    // TSPOOL_J.dll is there once the spooler layer is built; the others always.
    CopyFileA((bin + "\\" + file).c_str(), (directory_ + "\\" + file).c_str(), FALSE);
  }
}

MonitorSandbox::~MonitorSandbox() { RemoveTree(directory_); }

void MonitorSandbox::WriteIni(const std::string& text) const {
  std::ofstream file(IniPath(), std::ios::binary | std::ios::trunc);
  for (char c : text) {
    if (c == '\n') file << '\r';
    file << c;
  }
}

bool MonitorSandbox::UseSampleIni() const {
  const std::string sample = wintest::SourceDirectory() + "\\monitor\\sample\\qxstatus.ini";
  return CopyFileA(sample.c_str(), IniPath().c_str(), FALSE) != 0;
}

bool MonitorSandbox::Start(wintest::Process& process, const std::string& arguments) const {
  std::string commandLine = "\"" + directory_ + "\\statmon.exe\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  return process.Start(commandLine, directory_);
}

HWND WaitForMonitorWindow(DWORD processId) {
  HWND window = wintest::WaitForWindow("PLMStatusClass__", "", wintest::kDefaultWaitMs, processId);
  if (window != nullptr) wintest::WaitForVisibility(window, true);
  return window;
}

long CloseMonitor(wintest::Process& process, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return process.Wait();
}

}  // namespace statmon::testing
