#include "pjl_log_format.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(PjlLogStamp, PadsEveryFieldAndUsesFourMillisecondDigits) {
  EXPECT_EQ(FormatPjlLogStamp({2003, 7, 4, 9, 5, 3, 42}), "\r\n[2003/07/04 09:05:03.0042]\r\n");
  EXPECT_EQ(FormatPjlLogStamp({1999, 12, 31, 23, 59, 59, 999}),
            "\r\n[1999/12/31 23:59:59.0999]\r\n");
}

}  // namespace
}  // namespace statmon
