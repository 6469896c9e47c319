// The lexer table: for each state, which characters join the current token,
// which end it and which are passed over. The rules of a state stand together;
// the first rule whose range covers a character decides. Carriage return is
// covered by no rule and so is ignored everywhere.
#include "pjl_parser.h"

namespace {
constexpr uint8_t K = PJL_LEX_KEEP;
constexpr uint8_t S = PJL_LEX_SKIP;
constexpr uint8_t KE = PJL_LEX_KEEP_AND_END;
constexpr uint8_t E = PJL_LEX_END;
constexpr uint8_t TAB = '\t';
constexpr uint8_t LF = '\n';
}  // namespace

const PjlLexRule kPjlLexRules[] = {
    // 1 LineStart: "@" begins a reply
    {1, E, '@', '@'}, {1, S, ' ', ' '}, {1, S, TAB, TAB},
    // 2 BeforeWord: the first character stays in the buffer
    {2, KE, 'A', 'Z'}, {2, KE, 'a', 'z'}, {2, KE, '0', '9'}, {2, S, ' ', ' '}, {2, S, TAB, TAB},
    // 3 Word
    {3, K, 'A', 'Z'}, {3, K, 'a', 'z'}, {3, K, '0', '9'}, {3, K, '-', '-'}, {3, K, '_', '_'},
    {3, E, ':', ':'}, {3, E, '=', '='}, {3, E, ' ', ' '}, {3, E, TAB, TAB}, {3, E, LF, LF},
    // 4 BeforeSkippedWord
    {4, KE, 'A', 'Z'}, {4, KE, 'a', 'z'}, {4, S, ' ', ' '}, {4, S, TAB, TAB},
    // 5 SkippedWord
    {5, K, 0x21, 0x7E}, {5, E, ' ', ' '}, {5, E, TAB, TAB}, {5, E, LF, LF},
    // 6 BeforeNumber
    {6, KE, '0', '9'}, {6, KE, '-', '-'}, {6, S, ' ', ' '}, {6, S, TAB, TAB},
    // 7 Number
    {7, K, '0', '9'}, {7, E, ' ', ' '}, {7, E, TAB, TAB}, {7, E, LF, LF},
    // 8 BeforeString
    {8, E, '"', '"'}, {8, S, ' ', ' '}, {8, S, TAB, TAB},
    // 9 QuotedString: the quote rule stands before the range that contains it
    {9, E, '"', '"'}, {9, K, TAB, TAB}, {9, K, 0x20, 0xFC},
    // 10 RestOfLine
    {10, K, 0x20, 0xFC}, {10, K, TAB, TAB}, {10, E, LF, LF},
    // 0 DiscardLine
    {0, K, 0x20, 0x7E}, {0, K, TAB, TAB}, {0, E, LF, LF},
    // end of table
    {PJL_STATE_TABLE_END, 0, 0, 0},
};

static_assert(sizeof(kPjlLexRules) / sizeof(kPjlLexRules[0]) == kPjlLexRuleCount + 1,
              "46 rules and the end rule");
