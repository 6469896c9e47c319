// Which printer the monitor watches, decided over plain records of the
// spooler's printer list (PRINTER_INFO_2: name, port, driver, attributes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace statmon::channel {

inline constexpr std::uint32_t kAttributeDefault = 0x4;      // PRINTER_ATTRIBUTE_DEFAULT
inline constexpr std::uint32_t kAttributeEnableBidi = 0x800;  // PRINTER_ATTRIBUTE_ENABLE_BIDI

struct PrinterRecord {
  std::string name;
  std::string port;
  std::string driver;
  std::uint32_t attributes = 0;
};

// The printer chosen when the window opens: the last printer, in list order,
// whose driver is `driverName` (exact, case-sensitive). -1 when none.
int ChooseStartupPrinter(const std::vector<PrinterRecord>& printers, const std::string& driverName);

// The first token of the profile's [windows] device entry ("name,driver,port").
std::string ProfileDefaultPrinter(const std::string& deviceEntry);

// The default printer of the list: the first record marked default; when no
// record carries the mark, the first whose name is `profileDefault`. -1 when none.
int FindDefaultPrinter(const std::vector<PrinterRecord>& printers, const std::string& profileDefault);

// The record the connection checks, and how it was found.
struct Candidate {
  int index = -1;          // -1: no printer with the monitor's driver
  bool isDefault = false;  // taken in the first pass (the default printer)
};

// First pass: the default printer, when its driver is `driverName` (case
// does not matter). Second pass: the first record with that driver.
Candidate ChooseCandidate(const std::vector<PrinterRecord>& printers, const std::string& driverName,
                          const std::string& profileDefault);

// The checks made before a printer is opened.
enum class RecordCheck { kOpenable, kBidiDisabled, kPortUnsupported };
RecordCheck CheckRecord(const PrinterRecord& printer, bool networkCompatible);

}  // namespace statmon::channel
