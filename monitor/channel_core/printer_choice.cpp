#include "printer_choice.h"

#include <cctype>

namespace statmon::channel {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

int ChooseStartupPrinter(const std::vector<PrinterRecord>& printers, const std::string& driverName) {
  int chosen = -1;
  for (std::size_t i = 0; i < printers.size(); ++i) {
    if (printers[i].driver == driverName) chosen = static_cast<int>(i);
  }
  return chosen;
}

std::string ProfileDefaultPrinter(const std::string& deviceEntry) {
  return deviceEntry.substr(0, deviceEntry.find(','));
}

int FindDefaultPrinter(const std::vector<PrinterRecord>& printers, const std::string& profileDefault) {
  for (std::size_t i = 0; i < printers.size(); ++i) {
    if (printers[i].attributes & kAttributeDefault) return static_cast<int>(i);
  }
  if (profileDefault.empty()) return -1;
  for (std::size_t i = 0; i < printers.size(); ++i) {
    if (printers[i].name == profileDefault) return static_cast<int>(i);
  }
  return -1;
}

Candidate ChooseCandidate(const std::vector<PrinterRecord>& printers, const std::string& driverName,
                          const std::string& profileDefault) {
  const int byDefault = FindDefaultPrinter(printers, profileDefault);
  if (byDefault >= 0 && EqualIgnoringCase(printers[byDefault].driver, driverName)) {
    return {byDefault, true};
  }
  for (std::size_t i = 0; i < printers.size(); ++i) {
    if (EqualIgnoringCase(printers[i].driver, driverName)) return {static_cast<int>(i), false};
  }
  return {};
}

RecordCheck CheckRecord(const PrinterRecord& printer, bool networkCompatible) {
  if ((printer.attributes & kAttributeEnableBidi) == 0) return RecordCheck::kBidiDisabled;
  const bool localPort = printer.port.find("LPT") != std::string::npos ||
                         printer.port.find("USB") != std::string::npos;
  if (!localPort && !networkCompatible) return RecordCheck::kPortUnsupported;
  return RecordCheck::kOpenable;
}

}  // namespace statmon::channel
