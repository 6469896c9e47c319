#include "identity_check.h"

#include "monitor_context.h"

namespace statmon::channel {

Identity CheckIdentity(bool answered, const std::string& answer, const std::string& driverId,
                       const std::string& driverName) {
  if (!answered) return Identity::kNoConnection;
  bool accepted = false;
  if (!driverId.empty()) {
    std::size_t start = 0;
    while (!accepted && start <= driverId.size()) {
      std::size_t comma = driverId.find(',', start);
      if (comma == std::string::npos) comma = driverId.size();
      const std::string token = driverId.substr(start, comma - start);
      // An empty token (",," or a trailing comma) would match every answer.
      if (!token.empty() && answer.find(token) != std::string::npos) accepted = true;
      start = comma + 1;
    }
  } else {
    accepted = answer.find(driverName) != std::string::npos;
  }
  if (accepted) return Identity::kAccepted;
  return answer.find("@PJL INFO ID") == std::string::npos ? Identity::kNoConnection
                                                          : Identity::kWrongPrinter;
}

std::int32_t ChoiceFailureCode(const ChoiceFailures& failures, std::int32_t currentCode) {
  if (failures.bidiDisabled) return kCodeBidiDisabled;
  if (failures.portUnsupported) return kCodePortUnsupported;
  if (failures.wrongPrinter) return kCodeWrongPrinter;
  if (failures.noConnection) return currentCode == kCodeBusy ? kCodeBusy : kCodeNoConnection;
  return kCodeOpenError;
}

}  // namespace statmon::channel
