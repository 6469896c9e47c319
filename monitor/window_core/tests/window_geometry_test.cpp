#include "window_geometry.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(WindowGeometry, ReducedWindowKeepsTheLeftMarginRightAndBelow) {
  struct Case {
    Box window, group;
    Size size;
  } cases[] = {
      // Window at (100, 50), group 10 px in from the left edge.
      {{100, 50, 700, 450}, {110, 90, 400, 300}, {310, 260}},
      {{0, 0, 500, 400}, {0, 30, 200, 100}, {200, 100}},
      // A group sticking out on the left gets no negative margin.
      {{100, 100, 300, 300}, {90, 120, 200, 250}, {100, 150}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReducedWindowSize(c.window, c.group), c.size)
        << c.group.left << "," << c.group.top;
  }
}

}  // namespace
}  // namespace statmon
