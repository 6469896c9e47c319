#include "bitmap_viewer_choice.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(BitmapViewerChoice, OffersOnlyPlainCodes) {
  EXPECT_EQ(PlainCodeKeys({"600100", "600100_C_1101", "99999901", "610100"}),
            (std::vector<std::string>{"600100", "99999901", "610100"}));
}

TEST(BitmapViewerChoice, KeywordsGiveTheirHardwareFlags) {
  struct Case {
    std::vector<std::string> keywords;
    std::uint32_t flags;
  } cases[] = {
      {{}, 0},
      {{"DEFAULT"}, 0},
      {{"MANUAL"}, 0x1},
      {{"TRAY2", "INPTRAY2"}, 0x2},
      {{"INTRAY4 LCC", "LCC"}, 0x2008},
      {{"duplex", "Config"}, 0x4040},
      {{"MAILBIN-FINISHER", "10BIN-MAILBIN", "SHIFTRAY"}, 0x1500},
      {{"NOSUCH", "NETCARD"}, 0x800},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FlagsForKeywords(c.keywords), c.flags)
        << (c.keywords.empty() ? std::string("none") : c.keywords.front());
  }
}

TEST(BitmapViewerChoice, TitleCarriesTheCode) {
  EXPECT_EQ(ViewerTitle(600100), "Bitmap Browser - 600100");
  EXPECT_EQ(ViewerTitle(-5), "Bitmap Browser - -5");
}

}  // namespace
}  // namespace statmon
