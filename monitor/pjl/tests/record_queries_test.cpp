// The record queries on a hand-built item list and on a parsed CONFIG record.
#include <gtest/gtest.h>

#include "pjl_keywords.h"
#include "reply_harness.h"

namespace {

PjlItem Item(PjlItemType type, uint16_t key, uint32_t id) {
    PjlItem item{};
    item.type = type;
    item.key = key;
    item.value.id = id;
    return item;
}

PjlItem Number(uint16_t key, int32_t number) {
    PjlItem item{};
    item.type = PJL_ITEM_NUMBER;
    item.key = key;
    item.value.number = number;
    return item;
}

PjlItem Text(uint16_t key, char* text) {
    PjlItem item{};
    item.type = PJL_ITEM_STRING;
    item.key = key;
    item.value.text = text;
    return item;
}

TEST(PjlRecordQueries, CommandOfNeedsACommandItemFirst) {
    PjlItem items[] = {Item(PJL_ITEM_COMMAND, PJLKW_INFO, PJLKW_INFO), Item(PJL_ITEM_KEYWORD, PJLKW_INFO, PJLKW_STATUS)};
    EXPECT_EQ(PjlCommandOf(2, items), PJLKW_INFO);
    EXPECT_EQ(PjlCommandOf(0, items), PJL_NO_KEYWORD);
    EXPECT_EQ(PjlCommandOf(1, items + 1), PJL_NO_KEYWORD);
    EXPECT_EQ(PjlCommandOf(1, nullptr), PJL_NO_KEYWORD);
}

TEST(PjlRecordQueries, FirstMatchingItemOfTheRightTypeWins) {
    char display[] = "READY";
    char other[] = "LATER";
    PjlItem items[] = {
        Item(PJL_ITEM_COMMAND, PJLKW_CODE, PJLKW_INFO),  // a key on another type is not a match
        Number(PJLKW_CODE, -5),
        Number(PJLKW_CODE, 7),
        Item(PJL_ITEM_KEYWORD, PJLKW_ONLINE, PJLKW_TRUE),
        Item(PJL_ITEM_KEYWORD, PJLKW_ONLINE, PJLKW_FALSE),
        Text(PJLKW_DISPLAY, display),
        Text(PJLKW_DISPLAY, other),
    };
    const int n = 7;
    EXPECT_EQ(PjlNumberOf(n, items, PJLKW_CODE), -5);
    EXPECT_EQ(PjlNumberOf(n, items, PJLKW_PAGES), 0);
    EXPECT_EQ(PjlNumberOf(1, items, PJLKW_CODE), 0);  // only the items below the count count
    EXPECT_EQ(PjlKeywordOf(n, items, PJLKW_ONLINE), PJLKW_TRUE);
    EXPECT_EQ(PjlKeywordOf(n, items, PJLKW_CODE), PJL_NO_KEYWORD);
    EXPECT_EQ(PjlStringOf(n, items, PJLKW_DISPLAY, false), display);
    EXPECT_EQ(PjlStringOf(n, items, PJLKW_CODE, false), nullptr);

    EXPECT_EQ(PjlKeyAt(n, items, 3), PJLKW_ONLINE);
    EXPECT_EQ(PjlKeyAt(n, items, n), PJL_NO_KEYWORD);
    EXPECT_EQ(PjlKeyAt(n, items, -1), PJL_NO_KEYWORD);
}

TEST(PjlRecordQueries, TakingAStringLeavesTheItemEmpty) {
    char display[] = "READY";
    PjlItem items[] = {Text(PJLKW_DISPLAY, display)};
    EXPECT_EQ(PjlStringOf(1, items, PJLKW_DISPLAY, true), display);
    EXPECT_EQ(items[0].value.text, nullptr);
    EXPECT_EQ(PjlStringOf(1, items, PJLKW_DISPLAY, true), nullptr);
}

TEST(PjlRecordQueries, NextSearchesAfterTheItemWithinTheRemainingRange) {
    char text[] = "X";
    PjlItem items[] = {
        Item(PJL_ITEM_KEYWORD, PJLKW_IN, PJLKW_MANUAL),
        Item(PJL_ITEM_KEYWORD, PJLKW_INTRAY1, PJLKW_MP),
        Number(PJLKW_OUT, PJLKW_MANUAL),  // a number can carry the id's value too
        Item(PJL_ITEM_KEYWORD, PJLKW_IN, PJLKW_MANUAL),
        Text(PJLKW_IN, text),
    };
    struct Case {
        int from;
        int remaining;
        bool byKey;
        uint16_t wanted;
        int found;  // index, -1 = none
    } cases[] = {
        {0, 5, true, PJLKW_IN, 3},       // the given item itself is not a candidate
        {3, 2, true, PJLKW_IN, 4},
        {0, 3, true, PJLKW_IN, -1},      // remaining bounds the search
        {0, 5, false, PJLKW_MANUAL, 2},
        {2, 3, false, PJLKW_MANUAL, 3},
        {3, 2, false, PJLKW_MANUAL, -1},
        {0, 5, false, PJLKW_MP, 1},
        {0, 0, false, PJLKW_MP, -1},
    };
    for (const Case& c : cases) {
        const PjlItem* found = c.byKey ? PjlNextWithKey(c.remaining, items + c.from, c.wanted)
                                       : PjlNextWithValue(c.remaining, items + c.from, c.wanted);
        const PjlItem* expected = c.found < 0 ? nullptr : items + c.found;
        EXPECT_EQ(found, expected) << c.from << " " << c.remaining << " " << c.wanted;
    }
}

TEST(PjlRecordQueries, StringItemsNeverMatchByValue) {
    // Whatever the address of the copy, a String item is not a keyword value.
    for (uintptr_t low = 0; low < 0x10000; low += 0x1111) {
        PjlItem items[2] = {Item(PJL_ITEM_COMMAND, 0, 0), Text(0, reinterpret_cast<char*>(low))};
        EXPECT_EQ(PjlNextWithValue(2, items, static_cast<uint16_t>(low)), nullptr);
    }
}

TEST(PjlRecordQueries, TakenStringBelongsToTheCaller) {
    ReplyHarness h;
    char* taken = nullptr;
    h.inspect = [&](PjlParser*, int count, PjlItem* items) {
        taken = PjlStringOf(count, items, PJLKW_FIRMWARE, true);
    };
    ASSERT_EQ(h.Feed("@PJL INFO CONFIG FIRMWARE=\"V1.02\" MEMORY=8\r\n\f"), 1);
    ASSERT_NE(taken, nullptr);
    EXPECT_STREQ(taken, "V1.02");
    EXPECT_EQ(h.liveBlocks, 3);  // the reset did not free the taken copy
    h.parser->settings.release(taken, h.parser->settings.userData);
    EXPECT_EQ(h.liveBlocks, 2);
}

}  // namespace
