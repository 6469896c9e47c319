// TSIMMON.DLL: a port monitor that is also the printer behind its ports. The
// emulated spooler loads it like any Windows 95 port monitor; its
// GetPrinterDataFromPort answers the status monitor's requests as the
// printer's language monitor would, from the state file beside the DLL
// (TSIMMON.INI), and every request is appended to a request log.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "port_monitor_table.h"
#include "printer_engine.h"
#include "profile_state.h"

namespace {

HINSTANCE g_module = nullptr;
constexpr char kPortTag[4] = {'T', 'S', 'I', 'M'};
constexpr char kDefaultPorts[] = "USB001,LPT1:";
constexpr char kMonitorName[] = "TOLVAN Simulated Printer";

std::string ModuleDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(g_module, path, sizeof path);
  char* slash = std::strrchr(path, '\\');
  if (slash) *slash = '\0';
  return path;
}

std::string StatePath() { return ModuleDirectory() + "\\TSIMMON.INI"; }

std::string Setting(const char* section, const char* key, const char* fallback) {
  char value[1024];
  GetPrivateProfileStringA(section, key, fallback, value, sizeof value, StatePath().c_str());
  return value;
}

// The configured port names that this printer may own: those naming a USB or
// parallel port.
std::vector<std::string> OwnedPorts() {
  std::vector<std::string> ports;
  const std::string list = Setting("Ports", "Names", kDefaultPorts);
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    std::string name = list.substr(start, end - start);
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    std::string upper = name;
    CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    if (upper.find("USB") != std::string::npos || upper.find("LPT") != std::string::npos) ports.push_back(name);
    start = end + 1;
  }
  return ports;
}

bool Owns(const char* name) {
  if (name == nullptr) return false;
  for (const std::string& port : OwnedPorts()) {
    if (lstrcmpiA(port.c_str(), name) == 0) return true;
  }
  return false;
}

// One process-wide lock across every process that loads the printer, so that
// a request's read-modify-write of the state file is not interleaved.
class StateLock {
 public:
  StateLock() : mutex_(CreateMutexA(nullptr, FALSE, "TSIMMON_State")) {
    if (mutex_) WaitForSingleObject(mutex_, 10000);
  }
  ~StateLock() {
    if (mutex_) {
      ReleaseMutex(mutex_);
      CloseHandle(mutex_);
    }
  }
  StateLock(const StateLock&) = delete;
  StateLock& operator=(const StateLock&) = delete;

 private:
  HANDLE mutex_;
};

void Log(const std::string& port, const char* kind, const std::string& detail) {
  std::string file = Setting("Files", "Log", "TSIMMON.LOG");
  if (file.find(':') == std::string::npos && file.compare(0, 1, "\\") != 0) file = ModuleDirectory() + "\\" + file;
  SYSTEMTIME t;
  GetLocalTime(&t);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute, t.wSecond, t.wMilliseconds);
  const DWORD savedError = GetLastError();
  if (FILE* out = std::fopen(file.c_str(), "ab")) {
    std::fprintf(out, "%s\t%s\t%s\t%s\r\n", stamp, port.c_str(), kind, detail.c_str());
    std::fclose(out);
  }
  SetLastError(savedError);
}

struct SimPort {
  char tag[4];
  std::string name;
  FILE* output = nullptr;  // the job's bytes, while a job is open
  int formFeeds = 0;
};

SimPort* PortOf(HANDLE handle) {
  SimPort* port = static_cast<SimPort*>(handle);
  if (port == nullptr || std::memcmp(port->tag, kPortTag, sizeof kPortTag) != 0) return nullptr;
  return port;
}

// The port's job output file beside the DLL, its name made of the port
// name's letters and digits.
std::string OutputPath(const std::string& port) {
  std::string base;
  for (char c : port) {
    if (IsCharAlphaNumericA(c)) base += c;
  }
  return ModuleDirectory() + "\\" + base + ".PRN";
}

BOOL WINAPI SimEnumPorts(LPSTR, DWORD level, LPBYTE ports, DWORD bufferSize, LPDWORD needed, LPDWORD returned) {
  if (level != 1 && level != 2) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  if (needed == nullptr || returned == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::vector<std::string> names = OwnedPorts();
  const size_t fixed = level == 1 ? sizeof(PORT_INFO_1A) : sizeof(PORT_INFO_2A);
  const std::string description = "USB/LPT";
  size_t total = 0;
  for (const std::string& name : names) {
    total += fixed + name.size() + 1;
    if (level == 2) total += sizeof kMonitorName + description.size() + 1;
  }
  *needed = static_cast<DWORD>(total);
  *returned = 0;
  if (bufferSize < total || (total != 0 && ports == nullptr)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  char* strings = reinterpret_cast<char*>(ports) + fixed * names.size();
  const auto place = [&strings](const std::string& text) {
    char* at = strings;
    std::memcpy(at, text.c_str(), text.size() + 1);
    strings += text.size() + 1;
    return at;
  };
  for (size_t i = 0; i < names.size(); ++i) {
    if (level == 1) {
      reinterpret_cast<PORT_INFO_1A*>(ports)[i].pName = place(names[i]);
    } else {
      PORT_INFO_2A& info = reinterpret_cast<PORT_INFO_2A*>(ports)[i];
      info.pPortName = place(names[i]);
      info.pMonitorName = place(kMonitorName);
      info.pDescription = place(description);
      info.fPortType = PORT_TYPE_READ | PORT_TYPE_WRITE;
      info.Reserved = 0;
    }
  }
  *returned = static_cast<DWORD>(names.size());
  return TRUE;
}

BOOL WINAPI SimOpenPort(LPSTR name, PHANDLE handle) {
  if (handle == nullptr || !Owns(name)) {
    SetLastError(handle == nullptr ? ERROR_INVALID_PARAMETER : ERROR_UNKNOWN_PORT);
    return FALSE;
  }
  SimPort* port = new SimPort;
  std::memcpy(port->tag, kPortTag, sizeof kPortTag);
  port->name = name;
  *handle = port;
  Log(port->name, "OPEN", "");
  return TRUE;
}

BOOL WINAPI SimOpenPortEx(LPSTR name, LPSTR, PHANDLE handle, PortMonitorTable*) { return SimOpenPort(name, handle); }

BOOL WINAPI SimStartDocPort(HANDLE handle, LPSTR printerName, DWORD jobId, DWORD level, LPBYTE docInfo) {
  SimPort* port = PortOf(handle);
  if (port == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::string document = "job " + std::to_string(jobId);
  if (level == 1 && docInfo != nullptr && reinterpret_cast<DOC_INFO_1A*>(docInfo)->pDocName) {
    document = reinterpret_cast<DOC_INFO_1A*>(docInfo)->pDocName;
  }
  if (port->output) std::fclose(port->output);
  port->output = std::fopen(OutputPath(port->name).c_str(), "ab");
  port->formFeeds = 0;
  Log(port->name, "STARTDOC", std::string(printerName ? printerName : "") + "\t" + document);
  StateLock lock;
  simprinter::ProfileState state(StatePath());
  simprinter::PrinterEngine(state, GetTickCount()).JobStarted(document);
  return TRUE;
}

BOOL WINAPI SimWritePort(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD written) {
  SimPort* port = PortOf(handle);
  if (port == nullptr || written == nullptr || (size != 0 && buffer == nullptr)) {
    SetLastError(port == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (port->output) std::fwrite(buffer, 1, size, port->output);
  for (DWORD i = 0; i < size; ++i) port->formFeeds += buffer[i] == '\f';
  *written = size;
  Log(port->name, "WRITE", std::to_string(size));
  return TRUE;
}

BOOL WINAPI SimReadPort(HANDLE handle, LPBYTE, DWORD, LPDWORD read) {
  if (PortOf(handle) == nullptr || read == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *read = 0;  // the printer speaks through GetPrinterDataFromPort
  return TRUE;
}

BOOL WINAPI SimEndDocPort(HANDLE handle) {
  SimPort* port = PortOf(handle);
  if (port == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (port->output) std::fclose(port->output);
  port->output = nullptr;
  const int pages = port->formFeeds > 0 ? port->formFeeds : 1;
  Log(port->name, "ENDDOC", std::to_string(pages));
  StateLock lock;
  simprinter::ProfileState state(StatePath());
  simprinter::PrinterEngine(state, GetTickCount()).JobEnded(pages, "OK");
  return TRUE;
}

BOOL WINAPI SimClosePort(HANDLE handle) {
  SimPort* port = PortOf(handle);
  if (port == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (port->output) std::fclose(port->output);
  Log(port->name, "CLOSE", "");
  std::memset(port->tag, 0, sizeof port->tag);
  delete port;
  return TRUE;
}

void WritePorts(const std::vector<std::string>& ports) {
  std::string list;
  for (const std::string& port : ports) list += (list.empty() ? "" : ",") + port;
  WritePrivateProfileStringA("Ports", "Names", list.c_str(), StatePath().c_str());
}

// Ports are named in the state file. Adding one, as a port monitor's dialog
// would, takes the next free USB port number; deleting one drops it from the
// list. There is nothing to configure.
BOOL WINAPI SimAddPort(LPSTR, HWND, LPSTR) {
  std::vector<std::string> ports = OwnedPorts();
  for (int number = 1; number < 1000; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "USB%03d", number);
    if (Owns(name)) continue;
    ports.push_back(name);
    WritePorts(ports);
    Log(name, "ADDPORT", "");
    return TRUE;
  }
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return FALSE;
}

BOOL WINAPI SimConfigurePort(LPSTR, HWND, LPSTR name) {
  if (!Owns(name)) {
    SetLastError(ERROR_UNKNOWN_PORT);
    return FALSE;
  }
  Log(name, "CONFIGUREPORT", "");
  return TRUE;
}

BOOL WINAPI SimDeletePort(LPSTR, HWND, LPSTR name) {
  if (!Owns(name)) {
    SetLastError(ERROR_UNKNOWN_PORT);
    return FALSE;
  }
  std::vector<std::string> ports;
  for (const std::string& port : OwnedPorts()) {
    if (lstrcmpiA(port.c_str(), name) != 0) ports.push_back(port);
  }
  WritePorts(ports);
  Log(name, "DELETEPORT", "");
  return TRUE;
}

BOOL WINAPI SimGetPrinterDataFromPort(HANDLE handle, DWORD controlId, LPSTR valueName, LPSTR, DWORD,
                                   LPSTR outBuffer, DWORD outSize, LPDWORD returned) {
  SimPort* port = PortOf(handle);
  if (port == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (controlId != 0 || valueName == nullptr || returned == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Log(port->name, "REQUEST", simprinter::EscapeRequest(valueName));
  std::string reply;
  {
    StateLock lock;
    simprinter::ProfileState state(StatePath());
    simprinter::PrinterEngine engine(state, GetTickCount());
    if (!engine.Answer(valueName, outSize, &reply)) {
      SetLastError(ERROR_NOT_SUPPORTED);
      return FALSE;
    }
  }
  const DWORD bytes = reply.empty() ? 0 : static_cast<DWORD>(reply.size() + 1);
  *returned = bytes;
  if (bytes > outSize || (bytes != 0 && outBuffer == nullptr)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (bytes != 0) std::memcpy(outBuffer, reply.c_str(), bytes);
  return TRUE;
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI InitializeMonitorEx(LPSTR, LPVOID table) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  PortMonitorTable* functions = static_cast<PortMonitorTable*>(table);
  functions->pfnEnumPorts = SimEnumPorts;
  functions->pfnOpenPort = SimOpenPort;
  functions->pfnOpenPortEx = SimOpenPortEx;
  functions->pfnStartDocPort = SimStartDocPort;
  functions->pfnWritePort = SimWritePort;
  functions->pfnReadPort = SimReadPort;
  functions->pfnEndDocPort = SimEndDocPort;
  functions->pfnClosePort = SimClosePort;
  functions->pfnAddPort = SimAddPort;
  functions->pfnAddPortEx = nullptr;
  functions->pfnConfigurePort = SimConfigurePort;
  functions->pfnDeletePort = SimDeletePort;
  functions->pfnGetPrinterDataFromPort = SimGetPrinterDataFromPort;
  return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
