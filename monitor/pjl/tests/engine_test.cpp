// The engine: lexing, refusal after a reply, truncation of long tokens, the
// item list's capacity and reset, creation and destruction, keyword tables.
#include <gtest/gtest.h>

#include <cstring>

#include "pjl_keywords.h"
#include "reply_harness.h"

namespace {

const char kStatusReply[] =
    "@PJL INFO STATUS\r\nCODE=10001\r\nDISPLAY=\"00 READY\"\r\nONLINE=TRUE\r\n\f";

const Record kStatusItems = {
    "Command INFO INFO",
    "Keyword INFO STATUS",
    "Number CODE 10001",
    "String DISPLAY \"00 READY\"",
    "Keyword ONLINE TRUE",
};

TEST(PjlEngine, StatusReplyIsDeliveredOnceAtTheFormFeed) {
    ReplyHarness h;
    std::string text = kStatusReply;
    ASSERT_EQ(h.Feed(text.substr(0, text.size() - 1)), 1);
    EXPECT_TRUE(h.records.empty());
    ASSERT_EQ(h.Feed("\f"), 1);
    ASSERT_EQ(h.records.size(), 1u);
    EXPECT_EQ(h.records[0], kStatusItems);
    EXPECT_EQ(h.codes, std::vector<int>{PJL_TOKEN_REPLY_COMPLETE});
}

TEST(PjlEngine, KeywordsMatchInAnyLetterCase) {
    auto records = ParseReplies("@pjl Info status\r\ncode=10001\r\nDisplay=\"00 READY\"\r\nonline=true\r\n\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], kStatusItems);
}

TEST(PjlEngine, SeveralRepliesInOneTextGiveOneRecordEach) {
    auto records = ParseReplies(std::string(kStatusReply) + "@PJL USTATUS PAGE\r\n3\r\n\f" + kStatusReply);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], kStatusItems);
    EXPECT_EQ(records[1], (Record{"Command USTATUS USTATUS", "Keyword USTATUS PAGE", "Number - 3"}));
    EXPECT_EQ(records[2], kStatusItems);
}

TEST(PjlEngine, PrefixOnlyReplyDeliversAnEmptyRecord) {
    auto records = ParseReplies("@PJL\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].empty());
}

TEST(PjlEngine, TextAfterTheFormFeedMustBeginWithAt) {
    ReplyHarness h;
    std::string text = std::string(kStatusReply) + "\r\n@PJL INFO STATUS\r\n\f";
    EXPECT_EQ(h.Feed(text), -1);
    EXPECT_EQ(h.stoppedAt, std::strlen(kStatusReply));
    EXPECT_EQ(h.records.size(), 1u);
    // The refusal forgets the line feed: the next character is taken again.
    EXPECT_EQ(PjlFeedChar(h.parser, ' '), 1);
}

TEST(PjlEngine, NumbersTakeSignAndIgnoreOtherCharacters) {
    struct Case {
        const char* value;
        const char* item;
    } cases[] = {
        {"-42", "Number CODE -42"},
        {"1.5", "Number CODE 15"},         // the point is dropped, digits run together
        {"12ab34", "Number CODE 1234"},
        {"--7", "Number CODE -7"},
        {"-", "Number CODE 0"},
        {"99999999999", "Number CODE 2147483647"},    // saturates instead of overflowing
        {"-99999999999", "Number CODE -2147483648"},
    };
    for (const Case& c : cases) {
        auto records = ParseReplies(std::string("@PJL INFO STATUS CODE=") + c.value + " \f");
        ASSERT_EQ(records.size(), 1u) << c.value;
        ASSERT_EQ(records[0].size(), 3u) << c.value;
        EXPECT_EQ(records[0][2], c.item) << c.value;
    }
}

TEST(PjlEngine, QuotedTextKeepsBlanksAndUnquotedTextIsIgnored) {
    auto records = ParseReplies("@PJL INFO STATUS DISPLAY=\"  TONER\tLOW  \" ONLINE=FALSE\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (Record{"Command INFO INFO", "Keyword INFO STATUS", "String DISPLAY \"  TONER\\x09LOW  \"",
                                  "Keyword ONLINE FALSE"}));

    // Without quotes the lexer waits for a quote; the rest of the reply is lost.
    records = ParseReplies("@PJL INFO STATUS CODE=1 DISPLAY=READY ONLINE=TRUE\r\n\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (Record{"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 1"}));
}

TEST(PjlEngine, UnknownWordDropsTheRestButKeepsEarlierItems) {
    const Record before = {"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 10001"};
    const char* texts[] = {
        "@PJL INFO STATUS CODE=10001 BOGUS=1 ONLINE=TRUE\r\n\f",
        "@PJL INFO STATUS CODE=10001 BOGUS\f",  // the unknown word ends at the line feed itself
    };
    for (const char* text : texts) {
        auto records = ParseReplies(text);
        ASSERT_EQ(records.size(), 1u) << text;
        EXPECT_EQ(records[0], before) << text;
    }
}

TEST(PjlEngine, UnknownCommandWordGivesAnEmptyRecord) {
    auto records = ParseReplies("@PJL SET DENSITY=3\r\n\f@PJL FOO\f");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[0].empty());
    EXPECT_TRUE(records[1].empty());
}

TEST(PjlEngine, CarriageReturnIsIgnoredWhenFedUnfiltered) {
    ReplyHarness h;
    const char text[] = "@PJL INFO STATUS\r CODE=5\r \n";
    for (const char* p = text; *p; ++p) ASSERT_EQ(PjlFeedChar(h.parser, static_cast<unsigned char>(*p)), 1);
    ASSERT_EQ(h.records.size(), 1u);
    EXPECT_EQ(h.records[0], (Record{"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 5"}));
}

// Long tokens come from the device: they are cut to 127 characters, and the
// parser stays sound for the next reply.
TEST(PjlEngine, LongTokensAreCutToTheBuffer) {
    const std::string longText(300, 'x');
    const std::string cut = std::string(127, 'x');

    auto records = ParseReplies("@PJL INFO STATUS DISPLAY=\"" + longText + "\"\f" + kStatusReply);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].back(), "String DISPLAY \"" + cut + "\"");
    EXPECT_EQ(records[1], kStatusItems);

    records = ParseReplies("@PJL ECHO " + longText + "\f" + kStatusReply);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].back(), "String ECHO \"" + cut + "\"");
    EXPECT_EQ(records[1], kStatusItems);

    // A long word and a long number: the word fails to match, the number saturates.
    records = ParseReplies("@PJL INFO STATUS CODE=" + std::string(200, '9') + " " + std::string(200, 'A') +
                           "\f" + kStatusReply);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].back(), "Number CODE 2147483647");
    EXPECT_EQ(records[1], kStatusItems);
}

TEST(PjlEngine, LongDiscardedTailStaysInsideTheBuffer) {
    ReplyHarness h;
    std::string tail;
    for (int i = 0; i < 40; ++i) tail += "CODE=\"123456789\" ONLINE=TRUE\r\n";
    ASSERT_EQ(h.Feed("@PJL INFO STATUS CODE=7 BOGUS " + tail), 1);
    EXPECT_EQ(h.parser->lexerState, PJL_STATE_DISCARD_LINE);
    EXPECT_EQ(h.parser->tokenLength, kPjlTokenBufferSize - 1);
    EXPECT_EQ(std::strlen(h.parser->token), size_t(kPjlTokenBufferSize - 1));
    EXPECT_EQ(h.parser->itemCount, 3);  // the fields behind the buffer are intact
    ASSERT_EQ(h.Feed(std::string("\f") + kStatusReply), 1);
    ASSERT_EQ(h.records.size(), 2u);
    EXPECT_EQ(h.records[0].back(), "Number CODE 7");
    EXPECT_EQ(h.records[1], kStatusItems);
}

TEST(PjlEngine, ItemsBeyondTheCapacityAreDropped) {
    struct Case {
        int capacity;
        size_t items;
    } cases[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 5}};
    for (const Case& c : cases) {
        ReplyHarness h(c.capacity);
        ASSERT_EQ(h.Feed(std::string(kStatusReply) + kStatusReply), 1);
        ASSERT_EQ(h.records.size(), 2u);
        for (const Record& record : h.records) {
            ASSERT_EQ(record.size(), c.items) << c.capacity;
            EXPECT_EQ(record, Record(kStatusItems.begin(), kStatusItems.begin() + c.items));
        }
        EXPECT_EQ(h.liveBlocks, 2);  // the instance and the item list: no string left behind
    }
}

TEST(PjlEngine, KeysAtAndAboveTheCountSurviveTheReset) {
    // The first reply leaves the key CODE in an unfilled slot; the next
    // reply's keyless page number fills that slot and carries it.
    auto records = ParseReplies("@PJL INFO STATUS CODE=\f@PJL USTATUS PAGE 7\f");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (Record{"Command INFO INFO", "Keyword INFO STATUS"}));
    EXPECT_EQ(records[1], (Record{"Command USTATUS USTATUS", "Keyword USTATUS PAGE", "Number CODE 7"}));

    // Filled slots are cleared: after a complete reply the page number has no key.
    records = ParseReplies(std::string(kStatusReply) + "@PJL USTATUS PAGE 7\f");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].back(), "Number - 7");
}

TEST(PjlEngine, StringThatCannotBeCopiedIsDropped) {
    ReplyHarness h;
    h.allocationsLeft = 0;
    ASSERT_EQ(h.Feed(kStatusReply), 1);
    ASSERT_EQ(h.records.size(), 1u);
    EXPECT_EQ(h.records[0], (Record{"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 10001",
                                    "Keyword ONLINE TRUE"}));
}

int DropEverything(PjlParser*, int, int, void*) { return 0; }

TEST(PjlEngine, TokenHookDecidesWhatIsRecorded) {
    ReplyHarness h(500, DropEverything);
    ASSERT_EQ(h.Feed("@PJL INFO STATUS CODE=5\f"), 1);
    ASSERT_EQ(h.records.size(), 1u);
    EXPECT_TRUE(h.records[0].empty());
}

TEST(PjlEngine, CreationReportsMissingSettingsAndAllocations) {
    PjlParser* parser = nullptr;
    EXPECT_EQ(PjlCreateParser(nullptr, &parser), PJL_ERR_SETTINGS);

    PjlParserSettings settings{&ReplyHarness::Allocate, nullptr, nullptr, ReplyRoot, 10, nullptr, nullptr};
    EXPECT_EQ(PjlCreateParser(&settings, &parser), PJL_ERR_SETTINGS);
    settings.release = &ReplyHarness::Release;
    settings.allocate = nullptr;
    EXPECT_EQ(PjlCreateParser(&settings, &parser), PJL_ERR_SETTINGS);
    EXPECT_EQ(parser, nullptr);

    ReplyHarness none(10);
    none.allocationsLeft = 0;
    settings = none.parser->settings;
    EXPECT_EQ(PjlCreateParser(&settings, &parser), PJL_ERR_SETTINGS);
    EXPECT_EQ(parser, nullptr);

    // Without an item list the parser runs but records nothing.
    none.allocationsLeft = 1;
    ASSERT_EQ(PjlCreateParser(&settings, &parser), PJL_ERR_ITEM_LIST);
    ASSERT_NE(parser, nullptr);
    EXPECT_EQ(parser->itemCapacity, 0);
    EXPECT_EQ(PjlFeedReply(parser, kStatusReply), 1);
    EXPECT_EQ(none.records.size(), 1u);
    EXPECT_TRUE(none.records[0].empty());
    EXPECT_EQ(PjlDestroyParser(&parser), PJL_OK);
    EXPECT_EQ(parser, nullptr);
}

TEST(PjlEngine, DestroyFreesEverythingEvenInTheMiddleOfAReply) {
    ReplyHarness h;
    ASSERT_EQ(h.Feed("@PJL INFO STATUS DISPLAY=\"A\" CODE=1"), 1);
    EXPECT_EQ(h.liveBlocks, 3);
    EXPECT_EQ(PjlDestroyParser(&h.parser), PJL_OK);
    EXPECT_EQ(h.parser, nullptr);
    EXPECT_EQ(h.liveBlocks, 0);
    EXPECT_EQ(PjlDestroyParser(&h.parser), PJL_ERR_DESTROY);
    EXPECT_EQ(PjlDestroyParser(nullptr), PJL_ERR_DESTROY);
}

TEST(PjlEngine, FirstUseSetsLineStartAndIndexesEveryState) {
    ReplyHarness h;
    EXPECT_EQ(h.parser->lexerState, PJL_STATE_DISCARD_LINE);
    EXPECT_TRUE(h.parser->firstUse);
    PjlFeedChar(h.parser, ' ');
    EXPECT_FALSE(h.parser->firstUse);
    EXPECT_EQ(h.parser->lexerState, PJL_STATE_LINE_START);
    const int firstRules[] = {43, 0, 3, 8, 18, 22, 26, 30, 34, 37, 40};
    for (int state = 0; state <= PJL_STATE_REST_OF_LINE; ++state) EXPECT_EQ(h.parser->firstRule[state], firstRules[state]);
}

class InstalledKeywords : public ::testing::Test {
protected:
    void TearDown() override { ASSERT_EQ(PjlInstallKeywords(kPjlBuiltinKeywordCount, kPjlBuiltinKeywords, 0), 0); }
};

TEST_F(InstalledKeywords, LookupsUseTheInstalledCopy) {
    std::vector<std::string> words(kPjlBuiltinKeywords, kPjlBuiltinKeywords + kPjlBuiltinKeywordCount);
    words[PJLKW_STATUS] = "ETAT";
    std::vector<const char*> pointers;
    for (const std::string& w : words) pointers.push_back(w.c_str());
    ASSERT_EQ(PjlInstallKeywords(static_cast<int>(pointers.size()), pointers.data(), 0), 0);
    words.clear();  // the table is a copy

    auto records = ParseReplies("@PJL INFO ETAT CODE=3\f@PJL INFO STATUS CODE=3\f");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (Record{"Command INFO INFO", "Keyword INFO ETAT", "Number CODE 3"}));
    EXPECT_EQ(records[1], (Record{"Command INFO INFO"}));
}

TEST_F(InstalledKeywords, ShortTableNeverMatchesIdsBeyondIt) {
    ASSERT_EQ(PjlInstallKeywords(18, kPjlBuiltinKeywords, 0), 0);  // PJL up to INFO
    EXPECT_EQ(PjlKeywordCount(), 18);
    EXPECT_EQ(PjlKeywordText(PJLKW_STATUS), nullptr);
    auto records = ParseReplies("@PJL INFO STATUS CODE=3\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (Record{"Command INFO INFO"}));
}

TEST_F(InstalledKeywords, UnusableArgumentsLeaveTheTableAsItWas) {
    EXPECT_EQ(PjlInstallKeywords(5, nullptr, 0), -1);
    EXPECT_EQ(PjlInstallKeywords(5, kPjlBuiltinKeywords, 1), -1);
    EXPECT_EQ(PjlKeywordCount(), kPjlBuiltinKeywordCount);
    EXPECT_STREQ(PjlKeywordText(PJLKW_ENGFW), "ENGFW");
}

}  // namespace
