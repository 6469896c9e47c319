// Printers of the emulated spooler: keys below the printers key holding the
// level-2 fields, mirrored under Win32s into the WIN.INI sections that
// Windows 3.1 programs read ([devices], [PrinterPorts], [windows] device).
#include <cstring>
#include <set>

#include "companion_protocol.h"
#include "emulation_context.h"
#include "printer_handle.h"

namespace emulation {

namespace {

std::set<EmulatedPrinter*>& OpenPrinters() {
  static std::set<EmulatedPrinter*> printers;
  return printers;
}

const FieldTable& Info2() { return *PrinterFields(2); }

// Base name without directory and extension, as WIN.INI names drivers.
std::string DriverBaseName(const std::string& driver) {
  HKEY key = nullptr;
  std::string path;
  if (spoolreg::Open(LoadText(kDriversKeyId) + "\\" + driver, &key) == ERROR_SUCCESS) {
    path = StringOf(ReadFields(key, *DriverFields(2)), *DriverFields(2), offsetof(DRIVER_INFO_2A, pDriverPath));
    spoolreg::Close(key);
  }
  if (path.empty()) path = driver;
  const size_t slash = path.find_last_of("\\/:");
  if (slash != std::string::npos) path.erase(0, slash + 1);
  const size_t dot = path.rfind('.');
  if (dot != std::string::npos) path.erase(dot);
  return path;
}

constexpr DWORD kNotSelectedMs = 15000, kRetryMs = 45000;

void Mirror(const FieldRecord& info) {
  const std::string name = StringOf(info, Info2(), offsetof(PRINTER_INFO_2A, pPrinterName));
  const std::string port = PrinterPort(info);
  const std::string driver = DriverBaseName(StringOf(info, Info2(), offsetof(PRINTER_INFO_2A, pDriverName)));
  WriteProfileStringA("devices", name.c_str(), (driver + "," + port).c_str());
  const std::string ports = driver + "," + port + "," + std::to_string(kNotSelectedMs / 1000) + "," +
                            std::to_string(kRetryMs / 1000);
  WriteProfileStringA("PrinterPorts", name.c_str(), ports.c_str());
  WriteProfileStringA("ports", port.c_str(), "");
  char processor[16] = "";
  GetPrivateProfileStringA("QueueProcessors", name.c_str(), "", processor, sizeof processor, "VIZ.INI");
  if (processor[0]) {
    std::string key = "QP." + port;
    if (!key.empty() && key.back() == ':') key.pop_back();
    WriteProfileStringA("spooler", key.c_str(), processor);
  }
  const bool isDefault = NumberOf(info, Info2(), offsetof(PRINTER_INFO_2A, Attributes)) & PRINTER_ATTRIBUTE_DEFAULT;
  if (isDefault) WriteProfileStringA("windows", "device", (name + "," + driver + "," + port).c_str());
  DWORD_PTR ignored;
  SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"), SMTO_ABORTIFHUNG,
                      1000, &ignored);
  if (isDefault) {
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"), SMTO_ABORTIFHUNG,
                        1000, &ignored);
  }
}

std::string DefaultPrinterName() {
  char device[512] = "";
  GetProfileStringA("windows", "device", "", device, sizeof device);
  std::string name = device;
  return name.substr(0, name.find(','));
}

void Unmirror(const std::string& name) {
  const bool wasDefault = lstrcmpiA(DefaultPrinterName().c_str(), name.c_str()) == 0;
  WriteProfileStringA("devices", name.c_str(), nullptr);
  WriteProfileStringA("PrinterPorts", name.c_str(), nullptr);
  if (!wasDefault) return;
  char names[4096] = "";
  GetProfileStringA("devices", nullptr, "", names, sizeof names);
  if (names[0] == '\0') {
    WriteProfileStringA("windows", "device", nullptr);
    return;
  }
  char entry[512] = "";
  GetProfileStringA("devices", names, "", entry, sizeof entry);
  WriteProfileStringA("windows", "device", (std::string(names) + "," + entry).c_str());
}

// The names EnumPrintersA looks at: under Win32s the WIN.INI [devices]
// entries, as Windows 3.1 programs see them; otherwise the printers key,
// because there the mirror is not written and the real WIN.INI belongs to
// the system's spooler.
std::vector<std::string> CandidatePrinters() {
  if (!CurrentSettings().registryEmulated) return spoolreg::Subkeys(LoadText(kPrintersKeyId));
  std::vector<std::string> names;
  std::vector<char> buffer(16384);
  const DWORD got = GetProfileStringA("devices", nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()));
  for (const char* p = buffer.data(); p < buffer.data() + got && *p; p += lstrlenA(p) + 1) names.push_back(p);
  return names;
}

DWORD CompanionJobCount(const std::string& printer) {
  HWND companion = FindCompanion();
  if (companion == nullptr) return 0;
  const ATOM atom = GlobalAddAtomA(printer.c_str());
  DWORD count = 0;
  while (SendMessageA(companion, 2143, atom, count) != 0 && count < 100000) ++count;
  GlobalDeleteAtom(atom);
  return count;
}

// The record for one level: level 2 as stored, levels 1 and 5 derived from it.
FieldRecord RecordForLevel(const FieldRecord& info2, DWORD level) {
  const FieldTable& table = *PrinterFields(level);
  const std::string name = StringOf(info2, Info2(), offsetof(PRINTER_INFO_2A, pPrinterName));
  FieldRecord record(table.rows.size());
  if (level == 2) {
    record = info2;
    SetNumber(record, table, offsetof(PRINTER_INFO_2A, cJobs), CompanionJobCount(name));
  } else if (level == 1) {
    const std::string comment = StringOf(info2, Info2(), offsetof(PRINTER_INFO_2A, pComment));
    const std::string driver = StringOf(info2, Info2(), offsetof(PRINTER_INFO_2A, pDriverName));
    SetNumber(record, table, offsetof(PRINTER_INFO_1A, Flags), PRINTER_ENUM_ICON8);
    SetString(record, table, offsetof(PRINTER_INFO_1A, pDescription), name + "," + driver + "," + comment);
    SetString(record, table, offsetof(PRINTER_INFO_1A, pName), name);
    SetString(record, table, offsetof(PRINTER_INFO_1A, pComment), comment);
  } else {
    SetString(record, table, offsetof(PRINTER_INFO_5A, pPrinterName), name);
    SetString(record, table, offsetof(PRINTER_INFO_5A, pPortName), PrinterPort(info2));
    SetNumber(record, table, offsetof(PRINTER_INFO_5A, Attributes),
              NumberOf(info2, Info2(), offsetof(PRINTER_INFO_2A, Attributes)));
    SetNumber(record, table, offsetof(PRINTER_INFO_5A, DeviceNotSelectedTimeout), kNotSelectedMs);
    SetNumber(record, table, offsetof(PRINTER_INFO_5A, TransmissionRetryTimeout), kRetryMs);
  }
  return record;
}

// Under Win32s the WIN.INI mirror wins for the port and the default
// attribute, since Windows 3.1 tools may have changed it.
void Reconcile(FieldRecord& info2) {
  if (!CurrentSettings().registryEmulated) return;
  const std::string name = StringOf(info2, Info2(), offsetof(PRINTER_INFO_2A, pPrinterName));
  char entry[512] = "";
  GetProfileStringA("devices", name.c_str(), "", entry, sizeof entry);
  const std::string mirrored = entry;
  const size_t comma = mirrored.find(',');
  if (comma != std::string::npos) SetString(info2, Info2(), offsetof(PRINTER_INFO_2A, pPortName), mirrored.substr(comma + 1));
  DWORD attributes = NumberOf(info2, Info2(), offsetof(PRINTER_INFO_2A, Attributes)) & ~PRINTER_ATTRIBUTE_DEFAULT;
  if (lstrcmpiA(DefaultPrinterName().c_str(), name.c_str()) == 0) attributes |= PRINTER_ATTRIBUTE_DEFAULT;
  SetNumber(info2, Info2(), offsetof(PRINTER_INFO_2A, Attributes), attributes);
}

}  // namespace

EmulatedPrinter* PrinterOf(HANDLE handle) {
  EmulatedPrinter* printer = static_cast<EmulatedPrinter*>(handle);
  if (OpenPrinters().count(printer) == 0 || std::memcmp(printer->tag, "KSPR", 4) != 0) return nullptr;
  return printer;
}

bool ReadPrinter(const std::string& name, FieldRecord* record) {
  HKEY key = nullptr;
  if (name.empty() || spoolreg::Open(PrinterKeyPath(name), &key) != ERROR_SUCCESS) return false;
  *record = ReadFields(key, Info2());
  spoolreg::Close(key);
  SetString(*record, Info2(), offsetof(PRINTER_INFO_2A, pPrinterName), name);
  return true;
}

std::string PrinterPort(const FieldRecord& record) {
  return StringOf(record, *PrinterFields(2), offsetof(PRINTER_INFO_2A, pPortName));
}

WINBOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA pDefault) {
  DWORD error = ERROR_SUCCESS;
  FieldRecord info;
  if (phPrinter == nullptr || pPrinterName == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadPrinter(pPrinterName, &info)) {
    error = ERROR_INVALID_PRINTER_NAME;
  } else {
    auto* printer = new EmulatedPrinter;
    printer->name = pPrinterName;
    printer->info = std::move(info);
    if (pDefault) {
      if (pDefault->pDatatype) printer->defaultDatatype = pDefault->pDatatype;
      if (pDefault->pDevMode) {
        const BYTE* mode = reinterpret_cast<const BYTE*>(pDefault->pDevMode);
        printer->defaultDevMode.assign(mode, mode + pDefault->pDevMode->dmSize + pDefault->pDevMode->dmDriverExtra);
      }
      printer->desiredAccess = pDefault->DesiredAccess;
    }
    if (!CurrentSettings().registryEmulated) {
      if (auto open = CurrentSettings().realOpenPrinter) {
        if (!open(pPrinterName, &printer->realPrinter, pDefault)) printer->realPrinter = nullptr;
      }
    }
    OpenPrinters().insert(printer);
    *phPrinter = printer;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI ClosePrinter(HANDLE hPrinter) {
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (printer->port && printer->monitor && printer->monitor->Table().pfnClosePort) {
    printer->monitor->Table().pfnClosePort(printer->port);
  }
  if (printer->documentJob != 0) {
    // A document left open is abandoned, as the spooler does.
    CloseHandle(printer->documentFile);
    if (HWND companion = FindCompanion()) {
      SendMessageA(companion, companion::kJobControl, JOB_CONTROL_DELETE, printer->documentJob);
    }
  }
  if (printer->realPrinter) {
    if (auto close = CurrentSettings().realClosePrinter) close(printer->realPrinter);
  }
  OpenPrinters().erase(printer);
  std::memset(printer->tag, 0, sizeof printer->tag);
  delete printer;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

HANDLE WINAPI AddPrinterA(LPSTR, DWORD Level, LPBYTE pPrinter) {
  DWORD error = ERROR_SUCCESS;
  const PRINTER_INFO_2A* info = reinterpret_cast<const PRINTER_INFO_2A*>(pPrinter);
  HANDLE handle = nullptr;
  HKEY key = nullptr, data = nullptr;
  FieldRecord existing;
  if (Level != 2) {
    error = ERROR_INVALID_PARAMETER;
  } else if (info == nullptr || info->pPrinterName == nullptr || !*info->pPrinterName || info->pPortName == nullptr ||
             info->pDriverName == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (ReadPrinter(info->pPrinterName, &existing)) {
    error = ERROR_PRINTER_ALREADY_EXISTS;
  } else if ((error = spoolreg::Create(PrinterKeyPath(info->pPrinterName), &key)) == ERROR_SUCCESS &&
             (error = WriteFields(key, Info2(), pPrinter)) == ERROR_SUCCESS &&
             (error = spoolreg::Create(PrinterDataKeyPath(info->pPrinterName), &data)) == ERROR_SUCCESS) {
    FieldRecord stored;
    ReadPrinter(info->pPrinterName, &stored);
    if (CurrentSettings().registryEmulated) Mirror(stored);
    if (!OpenPrinterA(info->pPrinterName, &handle, nullptr)) error = GetLastError();
  }
  spoolreg::Close(data);
  spoolreg::Close(key);
  SetLastError(error);
  return error == ERROR_SUCCESS ? handle : nullptr;
}

WINBOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  const FieldTable* table = PrinterFields(Level);
  FieldRecord info;
  if (printer == nullptr || pcbNeeded == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadPrinter(printer->name, &info)) {
    error = ERROR_INVALID_PRINTER_NAME;
  } else {
    Reconcile(info);
    const std::vector<FieldRecord> records{RecordForLevel(info, Level)};
    // Room for what the WIN.INI mirror may add between two calls.
    const DWORD slack = CurrentSettings().registryEmulated && Level != 1 ? 128 : 0;
    if (!PackRecords(*table, records, pPrinter, cbBuf, pcbNeeded)) error = ERROR_INSUFFICIENT_BUFFER;
    if (error != ERROR_SUCCESS) *pcbNeeded += slack;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI EnumPrintersA(DWORD, LPSTR, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf, LPDWORD pcbNeeded,
                             LPDWORD pcReturned) {
  DWORD error = ERROR_SUCCESS;
  const FieldTable* table = PrinterFields(Level);
  if (table == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (pcbNeeded == nullptr || pcReturned == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else {
    std::vector<FieldRecord> records;
    for (const std::string& name : CandidatePrinters()) {
      FieldRecord info;
      if (!ReadPrinter(name, &info)) continue;  // not one the emulation can open
      Reconcile(info);
      records.push_back(RecordForLevel(info, Level));
    }
    error = PackEnumeration(*table, records, pPrinterEnum, cbBuf, pcbNeeded, pcReturned);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

WINBOOL WINAPI DeletePrinter(HANDLE hPrinter) {
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  if (printer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  spoolreg::DeleteKey(PrinterKeyPath(printer->name), LoadText(kPrinterDataKeyId));
  const LONG result = spoolreg::DeleteKey(LoadText(kPrintersKeyId), printer->name);
  if (CurrentSettings().registryEmulated) Unmirror(printer->name);
  SetLastError(result == ERROR_SUCCESS ? ERROR_SUCCESS : ERROR_INVALID_PRINTER_NAME);
  return result == ERROR_SUCCESS;
}

namespace {

DWORD StoreStatus(const std::string& name, DWORD status) {
  HKEY key = nullptr;
  LONG result = spoolreg::Open(PrinterKeyPath(name), &key);
  if (result == ERROR_SUCCESS) result = spoolreg::SetValue(key, LoadText(kStatusValueId), REG_DWORD, &status, sizeof status);
  spoolreg::Close(key);
  return result == ERROR_SUCCESS ? ERROR_SUCCESS : ERROR_INVALID_PRINTER_NAME;
}

// Deletes every job of the printer. The ids are collected first: deleting
// while walking the index would skip every other job.
void PurgeJobs(const std::string& name) {
  HWND companion = FindCompanion();
  if (companion == nullptr) return;
  const ATOM atom = GlobalAddAtomA(name.c_str());
  std::vector<DWORD> ids;
  for (LPARAM index = 0;; ++index) {
    const DWORD id = static_cast<DWORD>(SendMessageA(companion, companion::kPrinterJob, atom, index));
    if (id == 0) break;
    ids.push_back(id);
  }
  GlobalDeleteAtom(atom);
  for (DWORD id : ids) SendMessageA(companion, companion::kJobControl, JOB_CONTROL_CANCEL, id);
}

void NotifyResumed(const std::string& name) {
  HWND companion = FindCompanion();
  if (companion == nullptr) return;
  // The companion deletes the atom once it has read it.
  const ATOM atom = GlobalAddAtomA(name.c_str());
  if (!PostMessageA(companion, companion::kPrinterResumed, atom, 0)) GlobalDeleteAtom(atom);
}

DWORD RewritePrinter(EmulatedPrinter& printer, const PRINTER_INFO_2A& given) {
  PRINTER_INFO_2A info = given;
  // The printer keeps its name: the key is named after it.
  info.pPrinterName = &printer.name[0];
  HKEY key = nullptr;
  LONG result = spoolreg::Open(PrinterKeyPath(printer.name), &key);
  if (result == ERROR_SUCCESS) result = WriteFields(key, Info2(), reinterpret_cast<const BYTE*>(&info));
  spoolreg::Close(key);
  if (result != ERROR_SUCCESS) return ERROR_INVALID_PRINTER_NAME;
  FieldRecord stored;
  if (!ReadPrinter(printer.name, &stored)) return ERROR_INVALID_PRINTER_NAME;
  if (CurrentSettings().registryEmulated) {
    const std::string oldPort = PrinterPort(printer.info);
    Mirror(stored);
    if (lstrcmpiA(oldPort.c_str(), PrinterPort(stored).c_str()) != 0) {
      printer.portTried = false;  // the next request opens the new port
    }
  }
  printer.info = std::move(stored);
  return ERROR_SUCCESS;
}

}  // namespace

WINBOOL WINAPI SetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD Command) {
  DWORD error = ERROR_SUCCESS;
  EmulatedPrinter* printer = PrinterOf(hPrinter);
  FieldRecord info;
  if (printer == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level != 0 && Level != 2) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level == 2 && pPrinter == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level == 0 && (Command < PRINTER_CONTROL_PAUSE || Command > PRINTER_CONTROL_SET_STATUS)) {
    error = ERROR_INVALID_PARAMETER;
  } else if (Level == 0 && Command == PRINTER_CONTROL_SET_STATUS && pPrinter == nullptr) {
    error = ERROR_INVALID_PARAMETER;
  } else if (!ReadPrinter(printer->name, &info)) {
    error = ERROR_INVALID_PRINTER_NAME;
  } else if (Level == 2) {
    error = RewritePrinter(*printer, *reinterpret_cast<const PRINTER_INFO_2A*>(pPrinter));
  } else {
    DWORD status = NumberOf(info, Info2(), offsetof(PRINTER_INFO_2A, Status));
    switch (Command) {
      case PRINTER_CONTROL_PAUSE: status |= PRINTER_STATUS_PAUSED; break;
      case PRINTER_CONTROL_RESUME: status &= ~static_cast<DWORD>(PRINTER_STATUS_PAUSED); break;
      case PRINTER_CONTROL_PURGE: PurgeJobs(printer->name); break;
      default: std::memcpy(&status, pPrinter, sizeof status); break;
    }
    error = StoreStatus(printer->name, status);
    if (error == ERROR_SUCCESS && Command == PRINTER_CONTROL_RESUME) NotifyResumed(printer->name);
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

}  // namespace emulation
