#include "popup_lists.h"

#include <gtest/gtest.h>

#include "expected_names.h"
#include "memory_profile.h"

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

std::vector<std::string> Texts(const std::vector<PopupEntry>& list) {
  std::vector<std::string> texts;
  for (const PopupEntry& entry : list) texts.push_back(entry.text);
  return texts;
}

TEST(PopupLists, KeyListStopsAtTheEmptyNameAndSurvivesACutBuffer) {
  const char full[] = "600100\0" "600100_C_1\0" "610100\0";
  EXPECT_EQ(SplitKeyList(full, sizeof full - 1),
            (std::vector<std::string>{"600100", "600100_C_1", "610100"}));
  const char cut[] = "600100\0" "610100\0" "6101";  // third name cut mid-way
  EXPECT_EQ(SplitKeyList(cut, sizeof cut - 1), (std::vector<std::string>{"600100", "610100"}));
  EXPECT_TRUE(SplitKeyList("", 0).empty());
}

TEST(PopupLists, StatusTextIsTheSecondFieldWithTheFirstLineBreakShownAsDashes) {
  struct Case {
    const char* value;
    const char* text;
  } cases[] = {
      {"2;Ready;Nothing to do", "Ready"},
      {"2;Ready without recovery", "Ready without recovery"},
      {"1;Paper jam\\nTray 2;Open the tray", "Paper jam--Tray 2"},
      {"1;A\\nB\\nC;x", "A--B\\nC"},
      {"1;;recovery only", ""},
      {"no semicolon at all", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PopupStatusText(c.value), c.text) << c.value;
}

class PopupListsBuild : public ::testing::Test {
 protected:
  void Message(const std::string& code, const std::string& value) {
    profile_.Set("ErrorMessages", code, value);
  }
  PopupLists Build(const std::vector<std::string>& keys) {
    return BuildPopupLists(keys, profile_, names_);
  }
  MemoryProfile profile_;
  LiteralNames names_;
};

TEST_F(PopupListsBuild, ListsPlainCodesWithTextsInFileOrderAndSplitsByInactivePopups) {
  Message("600100", "2;Ready;r");
  Message("600100_C_1101", "2;Option variant;r");
  Message("410100", "1;Paper jam;r");
  Message("420800", "1;;no status text");
  Message("430100", "1;Toner low");
  Message("99999901", "1;Internal code is eight characters long;r");
  profile_.Set("InactivePopups", "410100", "1");
  profile_.Set("InactivePopups", "600100", "0");

  const PopupLists lists =
      Build({"600100", "600100_C_1101", "410100", "420800", "430100", "777777", "99999901"});
  EXPECT_EQ(Texts(lists.active), (std::vector<std::string>{"Ready", "Toner low"}));
  EXPECT_EQ(Texts(lists.inactive), std::vector<std::string>{"Paper jam"});
  ASSERT_EQ(lists.active.size(), 2u);
  EXPECT_EQ(lists.active[0].codes, std::vector<int>{600100});
  EXPECT_EQ(lists.active[1].codes, std::vector<int>{430100});
}

TEST_F(PopupListsBuild, RepeatedTextIsFoldedIntoTheLineAbove) {
  Message("410100", "1;Paper jam in tray 2;r");
  Message("410101", "1;Paper jam in tray 2;r");  // the same text
  Message("410102", "1;jam;r");                   // contained in it
  Message("410200", "1;Cover open;r");
  Message("410201", "1;Paper jam in tray 2;r");   // same as an earlier, not the last line
  profile_.Set("InactivePopups", "410101", "1");  // a folded code does not choose a list

  const PopupLists lists = Build({"410100", "410101", "410102", "410200", "410201"});
  EXPECT_EQ(Texts(lists.active),
            (std::vector<std::string>{"Paper jam in tray 2", "Cover open", "Paper jam in tray 2"}));
  ASSERT_EQ(lists.active.size(), 3u);
  EXPECT_EQ(lists.active[0].codes, (std::vector<int>{410100, 410101, 410102}));
  EXPECT_TRUE(lists.inactive.empty());
}

TEST(PopupListsRewrite, InactiveLinesWriteAllTheirCodesAndUnlistedEntriesSurvive) {
  PopupLists listed;
  listed.active = {{"Ready", {600100}}};
  listed.inactive = {{"Paper jam", {410100, 410101}}, {"Cover open", {410200}}};
  const std::vector<ProfileEntry> previous = {
      {"410100", "1"}, {"600100", "1"}, {"99999901", "1"}, {"123456", "7"}};

  // The user moved "Cover open" to the active list and "Ready" to the inactive one.
  const std::vector<ProfileEntry> written =
      RewriteInactivePopups({410100, 600100}, listed, previous);
  EXPECT_EQ(written, (std::vector<ProfileEntry>{{"410100", "1"},
                                                {"410101", "1"},
                                                {"600100", "1"},
                                                {"99999901", "1"},
                                                {"123456", "7"}}));
}

TEST(PopupListsRewrite, EmptyInactiveListLeavesOnlyUnlistedEntries) {
  PopupLists listed;
  listed.active = {{"Ready", {600100}}};
  EXPECT_TRUE(RewriteInactivePopups({}, listed, {{"600100", "1"}}).empty());
}

}  // namespace
}  // namespace statmon
