// Port monitors loaded from their own DLLs through InitializeMonitorEx and the
// Windows 95 function table, as the emulated spooler uses them.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "port_monitor_table.h"

namespace emulation {

class LoadedMonitor {
 public:
  // Loads `dll` and initialises it with the monitor's key path; nullptr with
  // the last error set when either fails.
  static std::unique_ptr<LoadedMonitor> Load(const std::string& monitorName, const std::string& dll);
  ~LoadedMonitor();
  LoadedMonitor(const LoadedMonitor&) = delete;
  LoadedMonitor& operator=(const LoadedMonitor&) = delete;

  const PortMonitorTable& Table() const { return table_; }
  // The ports the monitor reports (level 1 of its EnumPorts).
  std::vector<std::string> Ports() const;
  bool Owns(const std::string& port) const;

 private:
  LoadedMonitor() = default;
  HMODULE module_ = nullptr;
  PortMonitorTable table_ = {};
};

// The monitor among the registered ones that owns `port`, or nullptr.
std::unique_ptr<LoadedMonitor> MonitorForPort(const std::string& port);
// The local port monitor "LOCALMON" (registered under that name, else its
// DLL by name), which answers for ports no registered monitor owns; nullptr
// when there is none.
std::unique_ptr<LoadedMonitor> LocalPortMonitor();

}  // namespace emulation
