#include "number_list.h"

#include <gtest/gtest.h>

#include <climits>

namespace statmon {
namespace {

TEST(NumberList, ParsesLikeAtoiAndSkipsEmptyItems) {
  struct Case {
    const char* text;
    std::size_t maxCount;
    std::vector<int> expected;
  } cases[] = {
      {"", 32, {}},
      {"1,2,5", 32, {1, 2, 5}},
      {",,1,,2,", 32, {1, 2}},
      {" 7, -3,+4", 32, {7, -3, 4}},
      {"12abc,x,9", 32, {12, 0, 9}},  // atoi stops at the first non-digit
      {"1,2,3,4", 2, {1, 2}},
      {"99999999999,-99999999999", 32, {INT_MAX, INT_MIN}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseNumberList(c.text, c.maxCount), c.expected) << c.text;
  }
}

TEST(NumberList, StopsAtThirtyTwoNumbersByDefault) {
  std::string text;
  for (int i = 1; i <= 40; ++i) text += std::to_string(i) + ",";
  const std::vector<int> numbers = ParseNumberList(text);
  ASSERT_EQ(numbers.size(), 32u);
  EXPECT_EQ(numbers.back(), 32);
}

TEST(CapabilityMask, SetsOneBitPerNumberAndIgnoresOutOfRange) {
  EXPECT_EQ(CapabilityMask({1, 2, 5}), 0x13u);
  EXPECT_EQ(CapabilityMask({}), 0u);
  EXPECT_EQ(CapabilityMask({32}), 0x80000000u);
  EXPECT_EQ(CapabilityMask({0, -1, 33, 3, 3}), 0x4u);
}

TEST(ResetCodes, FullListIsSearchedWithoutReadingPastIt) {
  int codes[4];
  StoreZeroTerminated({10, 20, 30, 40, 50}, codes, 4);
  EXPECT_EQ(codes[3], 40);
  EXPECT_TRUE(ContainsCode(codes, 4, 40));
  EXPECT_FALSE(ContainsCode(codes, 4, 50));

  StoreZeroTerminated({10, 0, 30}, codes, 4);
  EXPECT_TRUE(ContainsCode(codes, 4, 10));
  EXPECT_FALSE(ContainsCode(codes, 4, 30)) << "the list ends at the first 0";
  EXPECT_EQ(codes[3], 0);
}

}  // namespace
}  // namespace statmon
