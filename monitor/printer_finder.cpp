#include "printer_finder.h"

#include <winspool.h>

#include <string>
#include <vector>

#include "context_lock.h"
#include "identity_check.h"
#include "misc_settings.h"
#include "monitor_strings.h"
#include "printer_choice.h"
#include "printer_data_query.h"
#include "profile_file.h"
#include "query_channel.h"
#include "status_display.h"

namespace statmon {
namespace {

constexpr char kInfoIdRequest[] = "#GET#\n@PJL INFO ID";

// The printer list (flags 6: local printers and connections, level 2); false
// when the spooler reports nothing or fails.
bool EnumeratePrinters(std::vector<channel::PrinterRecord>* records) {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &count);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer.data(), needed,
                     &needed, &count)) {
    return false;
  }
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    records->push_back({info[i].pPrinterName ? info[i].pPrinterName : "",
                        info[i].pPortName ? info[i].pPortName : "",
                        info[i].pDriverName ? info[i].pDriverName : "", info[i].Attributes});
  }
  return true;
}

void CloseHeldPrinter(MonitorContext& context) {
  HANDLE handle;
  {
    ContextLock lock;
    handle = static_cast<HANDLE>(context.printerHandle);
    context.printerHandle = nullptr;
  }
  if (handle != nullptr) ClosePrinter(handle);
}

void CopyName(const std::string& name, char* target, std::size_t size) {
  const std::size_t length = name.size() < size - 1 ? name.size() : size - 1;
  name.copy(target, length);
  target[length] = '\0';
}

// INFO ID against [Misc] DriverID (or the driver name); the handle is given
// up unless the printer is accepted.
channel::Identity VerifyIdentity(MonitorContext& context) {
  char answer[channel::kReplyBufferSize + 1] = {};
  DWORD length = 0;
  const bool answered = QueryPrinterData(context, kInfoIdRequest, answer, channel::kReplyBufferSize,
                                         &length, channel::kStatusDelayMs);
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(static_cast<HINSTANCE>(context.instance));
  const channel::Identity identity = channel::CheckIdentity(
      answered, answered ? answer : "", ReadMiscString(profile, names, MiscKey::kDriverId),
      context.driverName);
  if (identity != channel::Identity::kAccepted) CloseHeldPrinter(context);
  return identity;
}

// Checks one record, opens it and verifies it; records the failure.
bool CheckAndOpen(MonitorContext& context, const channel::PrinterRecord& record,
                  channel::ChoiceFailures* failures) {
  switch (channel::CheckRecord(record, context.networkCompatible != 0)) {
    case channel::RecordCheck::kBidiDisabled:
      failures->bidiDisabled = true;
      return false;
    case channel::RecordCheck::kPortUnsupported:
      failures->portUnsupported = true;
      return false;
    case channel::RecordCheck::kOpenable:
      break;
  }
  void* handle = nullptr;
  if (!OpenPrinterWithFullAccess(record.name.c_str(), &handle)) {
    failures->noConnection = true;
    return false;
  }
  {
    ContextLock lock;
    context.printerHandle = handle;
  }
  switch (VerifyIdentity(context)) {
    case channel::Identity::kAccepted:
      return true;
    case channel::Identity::kWrongPrinter:
      failures->wrongPrinter = true;
      return false;
    case channel::Identity::kNoConnection:
      failures->noConnection = true;
      return false;
  }
  return false;
}

}  // namespace

bool OpenPrinterWithFullAccess(const char* name, void** handle) {
  PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE opened = nullptr;
  if (!OpenPrinterA(const_cast<LPSTR>(name), &opened, &defaults)) {
    *handle = nullptr;
    return false;
  }
  *handle = opened;
  return true;
}

bool ChooseMonitoredPrinter(MonitorContext& context) {
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(static_cast<HINSTANCE>(context.instance));
  const std::string driver =
      profile.ReadString(names.Name(IDS_SECTION_MISC), names.Name(IDS_KEY_DRIVER_NAME),
                         names.Name(IDS_DEFAULT_DRIVER_NAME), sizeof context.driverName);
  context.printerName[0] = '\0';
  SetLastError(ERROR_SUCCESS);
  std::vector<channel::PrinterRecord> records;
  EnumeratePrinters(&records);
  const DWORD error = GetLastError();
  const int chosen = channel::ChooseStartupPrinter(records, driver);
  if (chosen >= 0) {
    CopyName(records[chosen].name, context.printerName, sizeof context.printerName);
    return true;
  }
  // Whether the list could not be read or simply holds no such printer, the
  // window says the printer cannot be opened, with the system's error if any.
  ContextLock lock;
  context.statusCode = kCodeOpenError;
  context.lastError = error;
  return false;
}

bool FindAndOpenPrinter(MonitorContext& context) {
  CloseHeldPrinter(context);

  SetLastError(ERROR_SUCCESS);
  std::vector<channel::PrinterRecord> records;
  const bool listed = EnumeratePrinters(&records);
  DWORD error = GetLastError();

  channel::ChoiceFailures failures;
  bool verified = false;
  if (listed) {
    const ResourceNames names(static_cast<HINSTANCE>(context.instance));
    char device[256] = "";
    GetProfileStringA(names.Name(IDS_SECTION_WINDOWS).c_str(), names.Name(IDS_KEY_DEVICE).c_str(), "",
                      device, sizeof device);
    const channel::Candidate candidate =
        channel::ChooseCandidate(records, context.driverName, channel::ProfileDefaultPrinter(device));
    if (candidate.index >= 0) {
      const channel::PrinterRecord& record = records[candidate.index];
      verified = CheckAndOpen(context, record, &failures);
      // The name follows the printer actually opened, in either pass, so
      // that the window, the reports and the next cycle's open all mean the
      // printer that is being queried.
      if (verified) {
        ContextLock lock;
        CopyName(record.name, context.printerName, sizeof context.printerName);
      }
    }
    if (!verified) error = GetLastError();
  }
  if (verified) return true;

  {
    ContextLock lock;
    const std::int32_t code = channel::ChoiceFailureCode(failures, context.statusCode);
    context.statusCode = code;
    if (code == kCodeOpenError) context.lastError = error;
  }
  ComputeOptions(context);
  RefreshDisplay(context, true);
  return false;
}

}  // namespace statmon
