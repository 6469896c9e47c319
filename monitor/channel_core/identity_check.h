// Whether the printer that answered INFO ID is one the monitor supports, and
// which status code a failed choice of printer leaves behind.
#pragma once

#include <cstdint>
#include <string>

namespace statmon::channel {

enum class Identity { kAccepted, kWrongPrinter, kNoConnection };

// `answered`: the INFO ID query succeeded. The printer is accepted when one
// comma-separated token of `driverId` occurs in the answer or, with no
// `driverId`, when `driverName` does. A rejected answer that does not even
// echo "@PJL INFO ID" means the printer did not really answer.
Identity CheckIdentity(bool answered, const std::string& answer, const std::string& driverId,
                       const std::string& driverName);

// What went wrong on the way to a verified handle. A search that checks a
// printer records the first failure it meets; the code follows a fixed
// precedence, whatever the order in which they happened.
struct ChoiceFailures {
  bool bidiDisabled = false;
  bool portUnsupported = false;
  bool wrongPrinter = false;
  bool noConnection = false;
};

// The status code for a failed choice: 99999901, 99999902, 99999903, then
// 111111 (the busy code 999999 stays), else 111112 (no printer found).
std::int32_t ChoiceFailureCode(const ChoiceFailures& failures, std::int32_t currentCode);

}  // namespace statmon::channel
