// The PJL reply parser: a table-driven lexer and keyword grammar that turn one
// PJL reply into a flat list of typed items and hand it to a command hook.
// Portable code: no <windows.h>; the caller supplies allocation and the hooks.
#pragma once

#include <cstddef>
#include <cstdint>

// One character-range rule of the lexer table.
struct PjlLexRule {
    uint8_t state;   // lexer state the rule belongs to
    uint8_t action;  // PjlLexAction
    uint8_t low;     // first character of the range
    uint8_t high;    // last character of the range, inclusive
};

enum PjlLexAction : uint8_t {
    PJL_LEX_KEEP = 0,
    PJL_LEX_SKIP = 1,
    PJL_LEX_KEEP_AND_END = 3,
    PJL_LEX_END = 4,
};

// Lexer states; the grammar names its next states by these numbers.
enum PjlLexState : int {
    PJL_STATE_DISCARD_LINE = 0,
    PJL_STATE_LINE_START = 1,
    PJL_STATE_BEFORE_WORD = 2,
    PJL_STATE_WORD = 3,
    PJL_STATE_BEFORE_SKIPPED_WORD = 4,
    PJL_STATE_SKIPPED_WORD = 5,
    PJL_STATE_BEFORE_NUMBER = 6,
    PJL_STATE_NUMBER = 7,
    PJL_STATE_BEFORE_STRING = 8,
    PJL_STATE_QUOTED_STRING = 9,
    PJL_STATE_REST_OF_LINE = 10,
    PJL_STATE_TABLE_END = 11,  // state of the rule that ends the lexer table
};

// The built-in lexer table, ended by a rule of state PJL_STATE_TABLE_END.
extern const PjlLexRule kPjlLexRules[];
constexpr int kPjlLexRuleCount = 46;  // rules before the end rule

// One node of a grammar node list; a list ends with a node of keyword 0xFFFF.
struct PjlGrammarNode {
    uint16_t keyword;              // keyword id this node accepts
    uint8_t action;                // token code emitted on a match; 0 = none
    uint8_t argument;              // passed with the token to the token hook
    uint32_t nextState;            // lexer state that reads what follows
    const PjlGrammarNode* nextList;  // list for the next keyword; null = none
};

constexpr uint16_t PJL_NO_KEYWORD = 0xFFFF;

enum PjlItemType : uint16_t {
    PJL_ITEM_COMMAND = 0,
    PJL_ITEM_KEYWORD = 1,
    PJL_ITEM_NUMBER = 2,
    PJL_ITEM_STRING = 3,
};

// One item of a parsed record. The value is 32 bits on the 32-bit product; in
// 64-bit builds it widens to hold a string pointer.
union PjlItemValue {
    uint32_t id;      // Command and Keyword items: keyword id (low 16 bits)
    int32_t number;   // Number items
    char* text;       // String items: NUL-terminated copy owned by the item list
};

struct PjlItem {
    PjlItemValue value;
    uint16_t type;  // PjlItemType
    uint16_t key;   // keyword id of the key word; PJL_NO_KEYWORD = none
};

#if TOLVAN_PRODUCT_32BIT
static_assert(sizeof(PjlItem) == 8, "PjlItem is 8 bytes in the 32-bit product");
static_assert(sizeof(PjlGrammarNode) == 12, "grammar node layout of the 32-bit product");
#endif
static_assert(sizeof(PjlLexRule) == 4, "a lexer rule is four bytes");

// Token codes passed to the token hook.
enum PjlTokenCode : int {
    PJL_TOKEN_COMMAND = 1,
    PJL_TOKEN_KEY = 2,
    PJL_TOKEN_VALUE = 3,
    PJL_TOKEN_STRING = 4,
    PJL_TOKEN_NUMBER = 5,
    PJL_TOKEN_REPLY_COMPLETE = 7,  // code given to the command hook
    PJL_TOKEN_RESET = 8,
    PJL_TOKEN_NO_MATCH = 10,
};

// Results of PjlCreateParser and PjlDestroyParser.
enum PjlResult : int {
    PJL_OK = 0,
    PJL_ERR_SETTINGS = -1000,    // settings missing or incomplete, or no instance
    PJL_ERR_ITEM_LIST = -1003,   // the item list could not be allocated
    PJL_ERR_DESTROY = -1004,     // no instance, or it has no free function
};

struct PjlParser;

using PjlAllocateFn = void* (*)(size_t size, unsigned flags, void* userData);
using PjlFreeFn = int (*)(void* block, void* userData);
// count/data: Command, Key, Value: 2 and two uint32_t {keyword id, argument};
// String: 1 and char**; Number: 1 and int32_t*; Reset, NoMatch: 0 and null.
// A zero result drops the token.
using PjlTokenHook = int (*)(PjlParser* parser, int code, int count, void* data);
// Called with PJL_TOKEN_REPLY_COMPLETE at the end of every reply; 0 = consumed.
using PjlCommandHook = int (*)(PjlParser* parser, int code, int count, PjlItem* items);

struct PjlParserSettings {
    PjlAllocateFn allocate;   // returns a zero-filled block or null
    PjlFreeFn release;        // frees a block from allocate
    void* userData;           // passed to allocate and release
    const PjlGrammarNode* grammarRoot;  // list that applies after "@"
    int itemCapacity;
    PjlCommandHook commandHook;
    PjlTokenHook tokenHook;
};

constexpr int kPjlTokenBufferSize = 128;  // 127 characters and the NUL

// The parser instance. Its fields are open to the hooks, which may read and
// change the lexer state, the grammar position and the item list.
struct PjlParser {
    PjlParserSettings settings;
    int previousChar;     // -1 = none
    int lexerState;       // PjlLexState
    int firstRule[PJL_STATE_TABLE_END + 1];  // per state: index of its first rule, -1 = none
    char token[kPjlTokenBufferSize];
    int tokenLength;
    // A node list, or, while a matched node's token is with the token hook,
    // that node; null = none (every further word of the reply is dropped).
    const PjlGrammarNode* position;
    bool firstUse;
    PjlItem* items;
    int itemCount;
    int itemCapacity;
};

int PjlCreateParser(const PjlParserSettings* settings, PjlParser** instance);
// Feeds one character (0-255). 1 = taken; -1 = refused (not "@" after a line feed).
int PjlFeedChar(PjlParser* parser, int character);
// Frees the item list (and any string it still owns) and the instance, and
// clears the handle. 0, or PJL_ERR_DESTROY.
int PjlDestroyParser(PjlParser** instance);

// Record queries, for the command hook, on the items and count it was given.
uint16_t PjlCommandOf(int count, const PjlItem* items);
uint16_t PjlKeyAt(int count, const PjlItem* items, int index);
uint16_t PjlKeywordOf(int count, const PjlItem* items, uint16_t key);
int32_t PjlNumberOf(int count, const PjlItem* items, uint16_t key);
// With take set the item gives up its string; the caller frees it with the
// parser's free function.
char* PjlStringOf(int count, PjlItem* items, uint16_t key, bool take);
// remaining counts the items from `item` itself to the end of the list; the
// search starts after `item`.
const PjlItem* PjlNextWithKey(int remaining, const PjlItem* item, uint16_t key);
PjlItem* PjlNextWithKey(int remaining, PjlItem* item, uint16_t key);
// Matches Command, Keyword and Number items whose value's low 16 bits equal id.
const PjlItem* PjlNextWithValue(int remaining, const PjlItem* item, uint16_t id);
PjlItem* PjlNextWithValue(int remaining, PjlItem* item, uint16_t id);
