// The choice of the monitored printer over the spooler's list.
#include "printer_choice.h"

#include <gtest/gtest.h>

namespace statmon::channel {
namespace {

constexpr std::uint32_t kBidi = kAttributeEnableBidi;
constexpr std::uint32_t kDefault = kAttributeDefault;
const char kDriver[] = "TOLVAN CLP-2600 Driver";

TEST(PrinterChoice, StartupTakesTheLastExactDriverMatch) {
  const std::vector<PrinterRecord> list = {
      {"A", "USB001", kDriver, kBidi}, {"B", "LPT1:", "Other", kBidi},
      {"C", "LPT2:", kDriver, kBidi}, {"D", "USB002", "tolvan clp-2600 driver", kBidi}};
  EXPECT_EQ(ChooseStartupPrinter(list, kDriver), 2);
  EXPECT_EQ(ChooseStartupPrinter(list, "Pelmora"), -1);
  EXPECT_EQ(ChooseStartupPrinter({}, kDriver), -1);
}

TEST(PrinterChoice, TheProfileEntryNamesTheDefaultOnlyWhenNoRecordIsMarked) {
  EXPECT_EQ(ProfileDefaultPrinter("TOLVAN CLP-2600,TOLVAN,USB001"), "TOLVAN CLP-2600");
  EXPECT_EQ(ProfileDefaultPrinter("Lonely"), "Lonely");
  const std::vector<PrinterRecord> marked = {
      {"A", "USB001", kDriver, kBidi}, {"B", "USB002", kDriver, kBidi | kDefault}};
  EXPECT_EQ(FindDefaultPrinter(marked, "A"), 1);
  const std::vector<PrinterRecord> unmarked = {
      {"A", "USB001", kDriver, kBidi}, {"B", "USB002", kDriver, kBidi}};
  EXPECT_EQ(FindDefaultPrinter(unmarked, "B"), 1);
  EXPECT_EQ(FindDefaultPrinter(unmarked, "b"), -1);  // exact compare
  EXPECT_EQ(FindDefaultPrinter(unmarked, ""), -1);
}

TEST(PrinterChoice, PrefersTheDefaultPrinterThenTheFirstWithTheDriver) {
  struct Row {
    const char* what;
    std::vector<PrinterRecord> list;
    const char* profile;
    Candidate expected;
  };
  const Row rows[] = {
      {"default has the driver",
       {{"A", "USB001", kDriver, kBidi}, {"B", "USB002", kDriver, kBidi | kDefault}}, "", {1, true}},
      {"driver compare ignores case",
       {{"A", "USB001", "tolvan CLP-2600 DRIVER", kBidi | kDefault}}, "", {0, true}},
      {"another default printer: first of two in list order",
       {{"X", "LPT1:", "Other", kDefault}, {"A", "USB001", kDriver, kBidi}, {"B", "USB002", kDriver, kBidi}},
       "", {1, false}},
      {"default by the profile entry",
       {{"A", "USB001", kDriver, kBidi}, {"B", "USB002", kDriver, kBidi}}, "B", {1, true}},
      {"no printer with the driver",
       {{"X", "LPT1:", "Other", kDefault}}, "", {-1, false}},
      {"empty list", {}, "A", {-1, false}},
  };
  for (const Row& row : rows) {
    const Candidate got = ChooseCandidate(row.list, kDriver, row.profile);
    EXPECT_EQ(got.index, row.expected.index) << row.what;
    EXPECT_EQ(got.isDefault, row.expected.isDefault) << row.what;
  }
}

TEST(PrinterChoice, ChecksBidirectionalSupportBeforeThePort) {
  struct Row { const char* port; std::uint32_t attributes; bool network; RecordCheck expected; };
  const Row rows[] = {
      {"USB001", kBidi, false, RecordCheck::kOpenable},
      {"LPT1:", kBidi, false, RecordCheck::kOpenable},
      {"\\\\server\\share", kBidi, false, RecordCheck::kPortUnsupported},
      {"IP_10.0.0.5", kBidi, true, RecordCheck::kOpenable},
      {"COM1:", 0, false, RecordCheck::kBidiDisabled},
      {"USB001", kDefault, true, RecordCheck::kBidiDisabled},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CheckRecord({"P", row.port, kDriver, row.attributes}, row.network), row.expected) << row.port;
  }
}

}  // namespace
}  // namespace statmon::channel
