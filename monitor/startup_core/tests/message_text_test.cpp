#include "message_text.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(MessageText, ExpandsEscapes) {
  struct Case {
    std::string text;
    std::string withLineFeed;
    std::string withCrLf;
  } cases[] = {
      {"plain", "plain", "plain"},
      {"a\\nb\\Nc", "a\nb\nc", "a\r\nb\r\nc"},
      {"x\\ty\\Tz", "x\ty\tz", "x\ty\tz"},
      {"form\\\ffeed", "form feed", "form feed"},
      {"\\\\ \\; \\q", "\\ ; q", "\\ ; q"},
      {"end\\", "end", "end"},
      {"\xB4\xF2\\n\xD3\xA1", "\xB4\xF2\n\xD3\xA1", "\xB4\xF2\r\n\xD3\xA1"},  // GBK bytes pass
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandMessageText(c.text, LineBreak::kLineFeed), c.withLineFeed) << c.text;
    EXPECT_EQ(ExpandMessageText(c.text, LineBreak::kCarriageReturn), c.withCrLf) << c.text;
  }
}

}  // namespace
}  // namespace statmon
