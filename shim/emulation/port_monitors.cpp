// Monitors and ports of the emulated spooler: monitors are keys below the
// monitors key, their ports are listed in WIN.INI [ports].
#include "port_monitors.h"

#include <cstring>

#include "emulation_context.h"
#include "field_tables.h"

namespace emulation {

namespace {

std::string MonitorKeyPath(const std::string& name) { return LoadText(kMonitorsKeyId) + "\\" + name; }

std::string MonitorDll(const std::string& name) {
  HKEY key = nullptr;
  if (spoolreg::Open(MonitorKeyPath(name), &key) != ERROR_SUCCESS) return {};
  const FieldTable& table = *MonitorFields(2);
  const std::string dll = StringOf(ReadFields(key, table), table, offsetof(MONITOR_INFO_2A, pDLLName));
  spoolreg::Close(key);
  return dll;
}

std::vector<std::string> ProfileNames(const char* section) {
  std::vector<char> buffer(8192);
  for (;;) {
    const DWORD got = GetProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got + 2 < buffer.size() || buffer.size() > (1u << 22)) {
      std::vector<std::string> names;
      for (const char* p = buffer.data(); p < buffer.data() + got && *p; p += std::strlen(p) + 1) names.push_back(p);
      return names;
    }
    buffer.resize(buffer.size() * 2);
  }
}

// Every registered monitor, loaded, with its name.
struct NamedMonitor {
  std::string name;
  std::unique_ptr<LoadedMonitor> monitor;
};

std::vector<NamedMonitor> RegisteredMonitors() {
  std::vector<NamedMonitor> monitors;
  for (const std::string& name : spoolreg::Subkeys(LoadText(kMonitorsKeyId))) {
    const std::string dll = MonitorDll(name);
    if (dll.empty()) continue;
    if (std::unique_ptr<LoadedMonitor> monitor = LoadedMonitor::Load(name, dll)) {
      monitors.push_back({name, std::move(monitor)});
    }
  }
  return monitors;
}

// After the monitor added or removed ports: [ports] gains the ports it now
// lists and loses those it listed before and no longer does.
void AlignPorts(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  for (const std::string& port : before) {
    bool kept = false;
    for (const std::string& now : after) kept = kept || lstrcmpiA(now.c_str(), port.c_str()) == 0;
    if (!kept) WriteProfileStringA("ports", port.c_str(), nullptr);
  }
  for (const std::string& port : after) WriteProfileStringA("ports", port.c_str(), "");
}

using PortFunction = BOOL(WINAPI* PortMonitorTable::*)(LPSTR, HWND, LPSTR);

// DeletePortA and ConfigurePortA: the monitor that owns the port does the work.
DWORD OnOwningMonitor(LPSTR name, HWND window, LPSTR port, PortFunction function, bool align) {
  if (port == nullptr || !*port) return ERROR_INVALID_PARAMETER;
  for (NamedMonitor& entry : RegisteredMonitors()) {
    const std::vector<std::string> before = entry.monitor->Ports();
    if (!entry.monitor->Owns(port)) continue;
    const auto call = entry.monitor->Table().*function;
    if (call == nullptr) return ERROR_NOT_SUPPORTED;
    if (!call(name, window, port)) return GetLastError() ? GetLastError() : ERROR_NOT_SUPPORTED;
    if (align) AlignPorts(before, entry.monitor->Ports());
    return ERROR_SUCCESS;
  }
  return ERROR_UNKNOWN_PORT;
}

}  // namespace

std::unique_ptr<LoadedMonitor> LoadedMonitor::Load(const std::string& monitorName, const std::string& dll) {
  std::unique_ptr<LoadedMonitor> monitor(new LoadedMonitor);
  monitor->module_ = LoadLibraryA(dll.c_str());
  if (monitor->module_ == nullptr) return nullptr;
  auto initialize = reinterpret_cast<InitializeMonitorExFunction>(
      reinterpret_cast<void*>(GetProcAddress(monitor->module_, kInitializeMonitorExName)));
  if (initialize == nullptr) return nullptr;
  std::string keyPath = MonitorKeyPath(monitorName);
  if (!initialize(&keyPath[0], &monitor->table_)) return nullptr;
  return monitor;
}

LoadedMonitor::~LoadedMonitor() {
  if (module_) FreeLibrary(module_);
}

std::vector<std::string> LoadedMonitor::Ports() const {
  std::vector<std::string> ports;
  if (table_.pfnEnumPorts == nullptr) return ports;
  DWORD needed = 0, returned = 0;
  table_.pfnEnumPorts(nullptr, 1, nullptr, 0, &needed, &returned);
  if (needed == 0) return ports;
  std::vector<BYTE> buffer(needed);
  if (!table_.pfnEnumPorts(nullptr, 1, buffer.data(), needed, &needed, &returned)) return ports;
  const PORT_INFO_1A* info = reinterpret_cast<const PORT_INFO_1A*>(buffer.data());
  for (DWORD i = 0; i < returned; ++i) {
    if (info[i].pName) ports.push_back(info[i].pName);
  }
  return ports;
}

bool LoadedMonitor::Owns(const std::string& port) const {
  for (const std::string& own : Ports()) {
    if (lstrcmpiA(own.c_str(), port.c_str()) == 0) return true;
  }
  return false;
}

std::unique_ptr<LoadedMonitor> MonitorForPort(const std::string& port) {
  for (NamedMonitor& entry : RegisteredMonitors()) {
    if (entry.monitor->Owns(port)) return std::move(entry.monitor);
  }
  return nullptr;
}

std::unique_ptr<LoadedMonitor> LocalPortMonitor() {
  const std::string dll = MonitorDll("LOCALMON");
  return LoadedMonitor::Load("LOCALMON", dll.empty() ? "LOCALMON.DLL" : dll);
}

WINBOOL WINAPI AddPortA(LPSTR pName, HWND hWnd, LPSTR pMonitorName) {
  DWORD error = ERROR_UNKNOWN_PRINT_MONITOR;
  if (pMonitorName == nullptr || !*pMonitorName) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    for (NamedMonitor& entry : RegisteredMonitors()) {
      if (lstrcmpiA(entry.name.c_str(), pMonitorName) != 0) continue;
      const std::vector<std::string> before = entry.monitor->Ports();
      const auto add = entry.monitor->Table().pfnAddPort;
      if (add == nullptr) {
        error = ERROR_NOT_SUPPORTED;
      } else if (!add(pName, hWnd, pMonitorName)) {
        error = GetLastError() ? GetLastError() : ERROR_NOT_SUPPORTED;
      } else {
        error = ERROR_SUCCESS;
        AlignPorts(before, entry.monitor->Ports());
      }
      break;
    }
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI DeletePortA(LPSTR pName, HWND hWnd, LPSTR pPortName) {
  const DWORD error = OnOwningMonitor(pName, hWnd, pPortName, &PortMonitorTable::pfnDeletePort, true);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI ConfigurePortA(LPSTR pName, HWND hWnd, LPSTR pPortName) {
  const DWORD error = OnOwningMonitor(pName, hWnd, pPortName, &PortMonitorTable::pfnConfigurePort, false);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI AddMonitorA(LPSTR pName, DWORD Level, LPBYTE pMonitorInfo) {
  (void)pName;
  DWORD error = ERROR_SUCCESS;
  const MONITOR_INFO_2A* info = reinterpret_cast<const MONITOR_INFO_2A*>(pMonitorInfo);
  HKEY key = nullptr;
  std::unique_ptr<LoadedMonitor> monitor;
  if (Level != 2) {
    error = ERROR_INVALID_PARAMETER;
  } else if (info == nullptr || info->pName == nullptr || info->pDLLName == nullptr || !*info->pName) {
    error = ERROR_INVALID_PARAMETER;
  } else if ((error = spoolreg::Create(MonitorKeyPath(info->pName), &key)) == ERROR_SUCCESS &&
             (error = WriteFields(key, *MonitorFields(2), pMonitorInfo)) == ERROR_SUCCESS) {
    monitor = LoadedMonitor::Load(info->pName, info->pDLLName);
    if (monitor == nullptr) {
      error = GetLastError() ? GetLastError() : ERROR_MOD_NOT_FOUND;
      spoolreg::Close(key);
      key = nullptr;
      // A monitor that cannot be loaded is not registered.
      spoolreg::DeleteKey(LoadText(kMonitorsKeyId), info->pName);
    } else {
      for (const std::string& port : monitor->Ports()) WriteProfileStringA("ports", port.c_str(), "");
    }
  }
  spoolreg::Close(key);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI DeleteMonitorA(LPSTR, LPSTR, LPSTR pMonitorName) {
  DWORD error = ERROR_SUCCESS;
  HKEY key = nullptr;
  if (pMonitorName == nullptr || !*pMonitorName) {
    error = ERROR_INVALID_PARAMETER;
  } else if (spoolreg::Open(MonitorKeyPath(pMonitorName), &key) != ERROR_SUCCESS) {
    error = ERROR_UNKNOWN_PRINT_MONITOR;
  } else {
    spoolreg::Close(key);
    error = spoolreg::DeleteKey(LoadText(kMonitorsKeyId), pMonitorName);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumMonitorsA(LPSTR, DWORD Level, LPBYTE pMonitor, DWORD cbBuf, LPDWORD pcbNeeded,
                             LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  const FieldTable* table = MonitorFields(Level);
  if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    std::vector<FieldRecord> records;
    for (const std::string& name : spoolreg::Subkeys(LoadText(kMonitorsKeyId))) {
      HKEY key = nullptr;
      if (spoolreg::Open(MonitorKeyPath(name), &key) != ERROR_SUCCESS) continue;
      records.push_back(ReadFields(key, *table));
      SetString(records.back(), *table, offsetof(MONITOR_INFO_2A, pName), name);
      spoolreg::Close(key);
    }
    error = PackEnumeration(*table, records, pMonitor, cbBuf, pcbNeeded, pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumPortsA(LPSTR, DWORD Level, LPBYTE pPorts, DWORD cbBuf, LPDWORD pcbNeeded,
                          LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  if (Level != 1) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    static const FieldTable ports{sizeof(PORT_INFO_1A), {{offsetof(PORT_INFO_1A, pName), 0, FieldKind::String}}};
    std::vector<FieldRecord> records;
    for (const std::string& name : ProfileNames("ports")) {
      records.emplace_back(1);
      SetString(records.back(), ports, offsetof(PORT_INFO_1A, pName), name);
    }
    *pcReturned = 0;
    if (PackRecords(ports, records, pPorts, cbBuf, pcbNeeded)) {
      *pcReturned = static_cast<DWORD>(records.size());
    } else {
      error = ERROR_INSUFFICIENT_BUFFER;
    }
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

}  // namespace emulation
