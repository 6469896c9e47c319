// The INFO ID answer against the configured identity, and the code a failed
// choice of printer leaves behind.
#include "identity_check.h"

#include <gtest/gtest.h>

#include "monitor_context.h"

namespace statmon::channel {
namespace {

const char kAnswer[] = "@PJL INFO ID\r\n\"TOLVAN CLP-2600\"\r\n\f";

TEST(IdentityCheck, AcceptsATokenOfDriverIdOrElseTheDriverName) {
  struct Row { bool answered; const char* answer; const char* driverId; const char* driverName; Identity expected; };
  const Row rows[] = {
      {true, kAnswer, "CLP-2500,CLP-2600", "unused", Identity::kAccepted},
      {true, kAnswer, "CLP-2600", "", Identity::kAccepted},
      {true, kAnswer, "CLP-2500,CLP-3000", "TOLVAN CLP-2600", Identity::kWrongPrinter},  // the name is not consulted
      {true, kAnswer, "", "TOLVAN CLP-2600", Identity::kAccepted},
      {true, kAnswer, "", "TOLVAN CLP-2650", Identity::kWrongPrinter},
      {true, kAnswer, "clp-2600", "", Identity::kWrongPrinter},                          // case matters
      {true, "CODE=111111", "CLP-2600", "", Identity::kNoConnection},                    // no echo: no answer
      {false, kAnswer, "CLP-2600", "", Identity::kNoConnection},
      // Empty tokens never accept an arbitrary printer.
      {true, kAnswer, "CLP-3000,,", "", Identity::kWrongPrinter},
      {true, kAnswer, ",CLP-2600", "", Identity::kAccepted},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CheckIdentity(row.answered, row.answer, row.driverId, row.driverName), row.expected)
        << row.answer << " / " << row.driverId << " / " << row.driverName;
  }
}

TEST(ChoiceFailureCode, FollowsTheFixedPrecedence) {
  struct Row { ChoiceFailures failures; std::int32_t current; std::int32_t expected; };
  const Row rows[] = {
      {{true, true, true, true}, 600100, kCodeBidiDisabled},
      {{false, true, true, true}, 600100, kCodePortUnsupported},
      {{false, false, true, true}, 600100, kCodeWrongPrinter},
      {{false, false, false, true}, 600100, kCodeNoConnection},
      {{false, false, false, true}, kCodeBusy, kCodeBusy},
      {{false, false, true, false}, kCodeBusy, kCodeWrongPrinter},
      {{}, 600100, kCodeOpenError},
      {{}, kCodeBusy, kCodeOpenError},
  };
  for (const Row& row : rows) EXPECT_EQ(ChoiceFailureCode(row.failures, row.current), row.expected);
}

}  // namespace
}  // namespace statmon::channel
