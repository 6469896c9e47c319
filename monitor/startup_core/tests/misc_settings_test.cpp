#include "misc_settings.h"

#include <gtest/gtest.h>

#include "expected_names.h"
#include "memory_profile.h"
#include "monitor_strings.h"
#include "startup_rules.h"

namespace statmon {
namespace testing {

std::string LiteralNames::Name(int stringId) const {
  for (const ExpectedName& n : kExpectedNames) {
    if (n.id == stringId) return n.name;
  }
  ADD_FAILURE() << "no name for string id " << stringId;
  return "";
}

}  // namespace testing

namespace {

using testing::LiteralNames;
using testing::MemoryProfile;

TEST(MiscSettings, TableIsIndexedByKeyAndUsesDistinctNames) {
  const auto& keys = AllMiscKeys();
  ASSERT_EQ(keys.size(), static_cast<std::size_t>(MiscKey::kUserDefineConsumptionPercentage) + 1);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(keys[i].key), i);
    for (std::size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i].nameId, keys[j].nameId);
  }
}

TEST(MiscSettings, MissingKeysGiveTheirDefaults) {
  MemoryProfile empty;
  LiteralNames names;
  struct IntCase {
    MiscKey key;
    int expected;
  } ints[] = {
      {MiscKey::kUseTimer, 0},       {MiscKey::kTimeValue, 5},
      {MiscKey::kUstatusTimeOut, 40}, {MiscKey::kUstatusDtimed, 20},
      {MiscKey::kActiveConfig, -1},  {MiscKey::kJobFlag, 0},
      {MiscKey::kNetworkCompatable, 0}, {MiscKey::kWarnUnkPjl, 1},
      {MiscKey::kSysMenuExit, 1},    {MiscKey::kPrinterInfo, 1},
      {MiscKey::kPopupDialog, 1},    {MiscKey::kBmpDebug, 0},
      {MiscKey::kPrintPrinterStatus, 0}, {MiscKey::kFactoryDefault, 0},
  };
  for (const IntCase& c : ints) {
    EXPECT_EQ(ReadMiscInt(empty, names, c.key), c.expected)
        << names.Name(DescribeMiscKey(c.key).nameId);
  }
  for (const MiscKeyInfo& info : AllMiscKeys()) {
    if (info.kind != MiscKind::kString) continue;
    const std::string expected = info.key == MiscKey::kMainDlg ? "MAIN" : "";
    EXPECT_EQ(ReadMiscString(empty, names, info.key), expected) << names.Name(info.nameId);
  }
  EXPECT_EQ(ReadCapabilities(empty, names), 0u);
  EXPECT_TRUE(ReadResetJobCodes(empty, names).empty());
  EXPECT_EQ(ReadConsumptionPercentage(empty, names), 0);
}

TEST(MiscSettings, StringsAreCutAtTheirReadLength) {
  LiteralNames names;
  const std::string longText(2000, 'x');
  struct Case {
    MiscKey key;
    std::size_t keptCharacters;
  } cases[] = {
      {MiscKey::kResourceDll, 31},  {MiscKey::kDllBitmapSize, 63}, {MiscKey::kDriverName, 63},
      {MiscKey::kDriverId, 1283},   {MiscKey::kMainDlg, 63},       {MiscKey::kStatusTitle, 127},
      {MiscKey::kAboutTitle, 127},  {MiscKey::kAboutOk, 127},      {MiscKey::kHelpFileName, 63},
      {MiscKey::kResetPrintJobInfo, 511}, {MiscKey::kPjlLog, 63},
      {MiscKey::kUserDefineConsumptionPercentage, 2},
  };
  for (const Case& c : cases) {
    MemoryProfile profile;
    profile.Set("Misc", names.Name(DescribeMiscKey(c.key).nameId), longText);
    EXPECT_EQ(ReadMiscString(profile, names, c.key).size(), c.keptCharacters)
        << names.Name(DescribeMiscKey(c.key).nameId);
  }
}

TEST(MiscSettings, ConsumptionPercentageReadsTwoCharacters) {
  LiteralNames names;
  struct Case {
    const char* value;
    int expected;
  } cases[] = {{"100", 10}, {"25", 25}, {"7", 7}, {"", 0}, {"x5", 0}};
  for (const Case& c : cases) {
    MemoryProfile profile;
    profile.Set("Misc", "UserDefineConsumptionPercentage", c.value);
    EXPECT_EQ(ReadConsumptionPercentage(profile, names), c.expected) << c.value;
  }
}

TEST(MiscSettings, CapabilitiesAndResetCodesFromNumberLists) {
  LiteralNames names;
  MemoryProfile profile;
  profile.Set("Misc", "PJLcapabilities", "1,2,5");
  std::string codes;
  for (int i = 1; i <= 70; ++i) codes += std::to_string(400000 + i) + ",";
  profile.Set("Misc", "ResetPrintJobInfo", codes);
  EXPECT_EQ(ReadCapabilities(profile, names), 0x13u);
  const std::vector<int> reset = ReadResetJobCodes(profile, names);
  ASSERT_EQ(reset.size(), 64u);
  EXPECT_EQ(reset.front(), 400001);
  EXPECT_EQ(reset.back(), 400064);
}

TEST(MiscSettings, Win32sPollsFromATimerWithoutReadingUseTimer) {
  LiteralNames names;
  MemoryProfile profile;
  profile.Set("Misc", "UseTimer", "0");
  EXPECT_EQ(ReadUseTimer(kPlatformWin32s, profile, names), 1);
  EXPECT_EQ(profile.reads, 0);
  EXPECT_EQ(ReadUseTimer(kPlatformWindows9x, profile, names), 0);
  EXPECT_EQ(ReadUseTimer(kPlatformNt, profile, names), 0);
  profile.Set("Misc", "UseTimer", "1");
  EXPECT_EQ(ReadUseTimer(kPlatformNt, profile, names), 1);
}

}  // namespace
}  // namespace statmon
