// The built-in tables as data: keyword ids, the lexer table's shape and the
// node lists reachable from the reply grammar's root.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "pjl_grammar.h"
#include "pjl_keywords.h"
#include "reply_harness.h"

namespace {

TEST(PjlKeywordTable, IdsAreFixedPositions) {
    struct Case {
        uint16_t id;
        const char* text;
    } cases[] = {
        {0, "PJL"}, {17, "INFO"}, {22, "STATUS"}, {61, "IN TRAYS"}, {71, "CODE"}, {86, "COPIES~"},
        {195, "15"}, {221, "COUNTER"}, {256, "INTRAY1 MP"}, {268, "5BIN-MAILBIN"}, {299, "UNKNOWN"},
        {327, "USER_CANCELED"}, {335, "K"}, {339, "DEVICEID"}, {342, "ENGFW"},
    };
    for (const Case& c : cases) EXPECT_STREQ(kPjlBuiltinKeywords[c.id], c.text) << c.id;
    EXPECT_EQ(PJLKW_5BIN_MAILBIN, 268);
    EXPECT_EQ(PJLKW_ENGFW, 342);
}

TEST(PjlKeywordTable, NoWordOccursTwice) {
    std::set<std::string> words(kPjlBuiltinKeywords, kPjlBuiltinKeywords + kPjlBuiltinKeywordCount);
    EXPECT_EQ(words.size(), size_t(kPjlBuiltinKeywordCount));
}

TEST(PjlLexerTable, StatesStandTogetherInTheirOrderAndTheTableEnds) {
    const int order[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, PJL_STATE_TABLE_END};
    int at = 0;
    for (int i = 0; i <= kPjlLexRuleCount; ++i) {
        if (kPjlLexRules[i].state != order[at]) ++at;
        ASSERT_LT(at, 12) << i;
        EXPECT_EQ(kPjlLexRules[i].state, order[at]) << i;
        EXPECT_LE(kPjlLexRules[i].low, kPjlLexRules[i].high) << i;
    }
    EXPECT_EQ(kPjlLexRules[kPjlLexRuleCount].state, PJL_STATE_TABLE_END);
}

// Walks every node list reachable from the root.
std::set<const PjlGrammarNode*> ReachableLists() {
    std::set<const PjlGrammarNode*> seen;
    std::vector<const PjlGrammarNode*> pending = {ReplyRoot};
    while (!pending.empty()) {
        const PjlGrammarNode* list = pending.back();
        pending.pop_back();
        if (!seen.insert(list).second) continue;
        for (const PjlGrammarNode* node = list; node->keyword != PJL_NO_KEYWORD; ++node)
            if (node->nextList) pending.push_back(node->nextList);
    }
    return seen;
}

TEST(PjlReplyGrammar, SixtyListsAreReachableFromTheRoot) { EXPECT_EQ(ReachableLists().size(), 60u); }

TEST(PjlReplyGrammar, EveryNodeIsWellFormed) {
    const std::set<uint32_t> readingStates = {PJL_STATE_BEFORE_WORD, PJL_STATE_BEFORE_NUMBER,
                                              PJL_STATE_BEFORE_STRING, PJL_STATE_REST_OF_LINE};
    for (const PjlGrammarNode* list : ReachableLists()) {
        const PjlGrammarNode* node = list;
        for (; node->keyword != PJL_NO_KEYWORD; ++node) {
            const char* word = kPjlBuiltinKeywords[node->keyword];
            ASSERT_LT(node->keyword, kPjlBuiltinKeywordCount);
            EXPECT_EQ(std::strpbrk(word, " ~"), nullptr) << word;  // only words the lexer can produce
            EXPECT_TRUE(node->action <= 3 || (list == ReplyRoot && node->action == 6)) << word;
            EXPECT_LE(node->argument, 6) << word;
            EXPECT_EQ(readingStates.count(node->nextState), 1u) << word;
        }
        EXPECT_EQ(node->action, 0);
        EXPECT_EQ(node->argument, 0);
        EXPECT_EQ(node->nextState, 0u);
        EXPECT_EQ(node->nextList, nullptr);
    }
}

size_t ListLength(const PjlGrammarNode* list) {
    size_t n = 0;
    while (list[n].keyword != PJL_NO_KEYWORD) ++n;
    return n;
}

bool SameNode(const PjlGrammarNode& a, const PjlGrammarNode& b) {
    return a.keyword == b.keyword && a.action == b.action && a.argument == b.argument &&
           a.nextState == b.nextState && a.nextList == b.nextList;
}

// Finds a list by the list that a keyword of a known list leads to.
const PjlGrammarNode* NextListOf(const PjlGrammarNode* list, uint16_t keyword) {
    for (const PjlGrammarNode* node = list; node->keyword != PJL_NO_KEYWORD; ++node)
        if (node->keyword == keyword) return node->nextList;
    return nullptr;
}

TEST(PjlReplyGrammar, EntryListsEndWithEveryNodeOfTheirParentList) {
    const PjlGrammarNode* command = ReplyRoot[0].nextList;
    const PjlGrammarNode* info = NextListOf(command, PJLKW_INFO);
    const PjlGrammarNode* configItem = NextListOf(info, PJLKW_CONFIG);
    const PjlGrammarNode* variableItem = NextListOf(info, PJLKW_VARIABLES);
    const PjlGrammarNode* ustatusItem = NextListOf(info, PJLKW_USTATUS);
    ASSERT_EQ(ListLength(configItem), 28u);
    ASSERT_EQ(ListLength(variableItem), 8u);
    ASSERT_EQ(ListLength(ustatusItem), 6u);

    // Entry lists and the number of nodes of their own before the inherited ones.
    struct Case {
        const char* name;
        const PjlGrammarNode* list;
        const PjlGrammarNode* parent;
        size_t own;
    } cases[] = {
        {"InTrayEntry", NextListOf(NextListOf(configItem, PJLKW_IN), PJLKW_ENUMERATED), configItem, 7},
        {"OutTrayEntry", NextListOf(NextListOf(configItem, PJLKW_OUT), PJLKW_ENUMERATED), configItem, 2},
        {"TraysEntry", NextListOf(NextListOf(configItem, PJLKW_TRAYS), PJLKW_ENUMERATED), configItem, 7},
        {"PaperEntry", NextListOf(NextListOf(configItem, PJLKW_PAPERS), PJLKW_ENUMERATED), configItem, 30},
        {"LanguageEntry", NextListOf(NextListOf(configItem, PJLKW_LANGUAGES), PJLKW_ENUMERATED), configItem, 4},
        {"UstatusEntry", NextListOf(NextListOf(configItem, PJLKW_USTATUS), PJLKW_ENUMERATED), configItem, 6},
        {"InterfaceEntry", NextListOf(NextListOf(configItem, PJLKW_XINTERFACES), PJLKW_ENUMERATED), configItem, 1},
        {"MailbinTypeEntry", NextListOf(NextListOf(configItem, PJLKW_MAILBINTYPE), PJLKW_ENUMERATED), configItem, 9},
        {"MailboxNameEntry", NextListOf(NextListOf(configItem, PJLKW_MAILBOXNAME), PJLKW_ENUMERATED), configItem, 9},
        {"OptionStateEntry",
         NextListOf(NextListOf(NextListOf(configItem, PJLKW_TRAY2), PJLKW_INSTALLED), PJLKW_ENUMERATED), configItem, 3},
        {"OutOptionStateEntry",
         NextListOf(NextListOf(NextListOf(configItem, PJLKW_OUTOPTION), PJLKW_FINISHER), PJLKW_ENUMERATED),
         configItem, 5},
        {"TraySizeEntry",
         NextListOf(NextListOf(NextListOf(variableItem, PJLKW_INTRAY1SIZE), PJLKW_A4), PJLKW_ENUMERATED),
         variableItem, 28},
        {"PowerSaveEntry",
         NextListOf(NextListOf(NextListOf(variableItem, PJLKW_POWERSAVE), PJLKW_ON), PJLKW_ENUMERATED), variableItem,
         2},
        {"UstatusCurrentEntry",
         NextListOf(NextListOf(NextListOf(ustatusItem, PJLKW_JOB), PJLKW_ON), PJLKW_ENUMERATED), ustatusItem, 3},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.list, nullptr) << c.name;
        size_t parentLength = ListLength(c.parent);
        ASSERT_EQ(ListLength(c.list), c.own + parentLength) << c.name;
        for (size_t i = 0; i < parentLength; ++i) EXPECT_TRUE(SameNode(c.list[c.own + i], c.parent[i])) << c.name << i;
    }
}

}  // namespace
