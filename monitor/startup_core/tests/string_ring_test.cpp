#include "string_ring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace statmon {
namespace {

TEST(StringRing, FourLoadsStayValidAndTheFifthReusesTheFirst) {
  StringRing ring;
  char* first = ring.Next();
  std::strcpy(first, "one");
  std::set<char*> seen{first};
  for (int i = 0; i < 3; ++i) seen.insert(ring.Next());
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_STREQ(first, "one");
  EXPECT_EQ(ring.Next(), first);
  EXPECT_STREQ(first, "") << "a reused buffer starts empty";
}

}  // namespace
}  // namespace statmon
