// Option slots, the bin multiplier, menus, pop-up, layers and texts.
#include "status_decision.h"

#include <gtest/gtest.h>

#include "status_fixture.h"

namespace statmon {
namespace {

using testing::StatusFixture;

DisplayDecision Decide(StatusFixture& f, OptionSlots& slots, bool popup = true) {
  DisplayDecision decision;
  EXPECT_TRUE(DecideDisplay(*f.context, f.services, slots, popup, decision));
  return decision;
}

TEST(ComputeOptionSlots, DefaultsThenRowsInOrder) {
  StatusFixture f;
  f.profile.Set("BMPOptions", "DEFAULT", "1,0,0,1");
  f.profile.Set("BMPOptions", "DUPLEX", "0,1");
  f.profile.Set("BMPOptions", "CONFIG", "0,0,1,2,1");
  f.context->hardwareFlags = 0x40 | 0x4000;
  OptionSlots slots;
  ASSERT_TRUE(ComputeOptionSlots(*f.context, f.services, slots));
  EXPECT_STREQ(f.context->optionString, "1110");
  EXPECT_EQ(slots.slot[3], 0);
  EXPECT_EQ(slots.slot[4], 1);  // beyond DEFAULT: slot on, no digit
  EXPECT_TRUE(f.view.errors.empty());
}

TEST(ComputeOptionSlots, MissingDefaultReportsOnlyWithWarnings) {
  StatusFixture f;
  OptionSlots slots;
  EXPECT_FALSE(ComputeOptionSlots(*f.context, f.services, slots));
  EXPECT_TRUE(f.view.errors.empty());
  f.context->warnUnknownPjl = 1;
  EXPECT_FALSE(ComputeOptionSlots(*f.context, f.services, slots));
  ASSERT_EQ(f.view.errors.size(), 1u);
  EXPECT_EQ(f.view.errors[0],
            "missing|file C:\\qx\\qxstatus.ini section [BMPOptions] entry DEFAULT ext=1");
}

TEST(DecideDisplay, BinCodesMultiplyByTheInstalledMailbox) {
  struct Case {
    std::uint32_t flags;
    int code;
    int expected;
  } cases[] = {{0x100, 420803, 4208030}, {0x80, 420803, 420803}, {0x200, 420807, 42080700},
               {0x100, 420808, 420808},  {0x100, 420800, 420800}, {0, 420803, 420803}};
  for (const Case& c : cases) {
    StatusFixture f;
    OptionSlots slots{};
    f.context->hardwareFlags = c.flags;
    f.context->statusCode = c.code;
    EXPECT_EQ(Decide(f, slots).statusCode, c.expected) << c.flags << " " << c.code;
  }
}

TEST(DecideDisplay, MenuStatesByCode) {
  struct Case {
    int code;
    MenuState info, maintenance;
  } cases[] = {{600100, MenuState::kEnabled, MenuState::kEnabled},
               {610100, MenuState::kGrayed, MenuState::kGrayed},
               {609901, MenuState::kGrayed, MenuState::kGrayed},
               {609945, MenuState::kEnabled, MenuState::kGrayed},
               {111111, MenuState::kGrayed, MenuState::kGrayed},
               {400803, MenuState::kEnabled, MenuState::kEnabled},
               {400804, MenuState::kEnabled, MenuState::kGrayed}};
  for (const Case& c : cases) {
    EXPECT_EQ(PrinterInfoMenuState(c.code), c.info) << c.code;
    EXPECT_EQ(MaintenanceMenuState(c.code), c.maintenance) << c.code;
  }
}

TEST(DecideDisplay, PopsUpOncePerCodeAndNeverForInactiveCodes) {
  StatusFixture f;
  OptionSlots slots{};
  f.profile.Set("InactivePopups", "200200", "1");
  f.context->statusCode = 200100;
  EXPECT_TRUE(Decide(f, slots).popup);
  EXPECT_EQ(f.context->showWindow, 1);
  EXPECT_FALSE(Decide(f, slots).popup);
  f.context->statusCode = 200200;
  EXPECT_FALSE(Decide(f, slots).popup);
  f.context->statusCode = 200100;
  EXPECT_FALSE(Decide(f, slots, false).popup);  // not allowed: remembered code stays
  EXPECT_TRUE(Decide(f, slots).popup);
}

TEST(DecideDisplay, LayersFollowSlotsAndVariantKeys) {
  StatusFixture f;
  OptionSlots slots{};
  slots.slot[0] = slots.slot[1] = 1;
  std::snprintf(f.context->optionString, sizeof f.context->optionString, "110");
  f.context->statusCode = 600100;
  f.profile.Set("CodesToBmps", "600100", "3,0,7");
  Decide(f, slots);
  EXPECT_EQ(f.context->layerCount, 3);
  EXPECT_EQ(f.context->layers[0], 3);
  EXPECT_EQ(f.context->layers[2], 0);
  f.profile.Set("CodesToBmps", "600100_C_110", "4,5,6");
  Decide(f, slots);
  EXPECT_EQ(f.context->layers[1], 5);
  // No entry at all keeps the previous layers.
  f.context->statusCode = 123456;
  EXPECT_FALSE(Decide(f, slots).layersChanged);
  EXPECT_EQ(f.context->layers[1], 5);
}

TEST(DecideDisplay, TextsFromErrorMessagesOrUndefinedCodeTexts) {
  StatusFixture f;
  OptionSlots slots{};
  f.profile.Set("ErrorMessages", "200100", "3;Cover\\nopen;Close;the cover\\n");
  f.context->statusCode = 200100;
  DisplayDecision d = Decide(f, slots);
  EXPECT_EQ(d.iconColour, 3);
  EXPECT_EQ(d.statusText, "Cover\nopen");
  EXPECT_EQ(d.recoveryText, "Close;the cover\r\n");
  EXPECT_EQ(d.trayTip, "Cover\nopen");

  f.context->statusCode = 99999904;
  d = Decide(f, slots);
  EXPECT_EQ(d.statusText, "internal 99999904");
  EXPECT_EQ(d.iconColour, 3);  // the colour stays
  f.context->statusCode = 999999;
  EXPECT_EQ(Decide(f, slots).statusText, "");
  f.context->warnUnknownPjl = 1;
  d = Decide(f, slots);
  EXPECT_EQ(d.statusText, "pjl 999999");
  EXPECT_EQ(d.recoveryText, "pjl recovery");
  f.context->warnUnknownPjl = 0;
  f.context->statusCode = 1;
  EXPECT_EQ(Decide(f, slots).trayTip, "QXStatus");
}

TEST(DecideDisplay, NothingWithoutAParser) {
  StatusFixture f;
  f.context->replyParser = nullptr;
  OptionSlots slots{};
  DisplayDecision decision;
  EXPECT_FALSE(DecideDisplay(*f.context, f.services, slots, true, decision));
}

}  // namespace
}  // namespace statmon
