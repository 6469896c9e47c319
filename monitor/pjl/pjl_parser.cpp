// The parser engine: per-character lexing, keyword lookup against the current
// grammar node list, and recording of accepted tokens into the item list.
#include "pjl_parser.h"

#include <climits>
#include <cstring>
#include <new>

#include "pjl_keywords.h"

namespace {

constexpr int kTokenLimit = kPjlTokenBufferSize - 1;

bool IsValidState(int state) { return state >= 0 && state < PJL_STATE_TABLE_END; }

void BuildRuleIndex(PjlParser* p) {
    for (int& first : p->firstRule) first = -1;
    for (int i = 0; kPjlLexRules[i].state != PJL_STATE_TABLE_END; ++i) {
        int state = kPjlLexRules[i].state;
        if (IsValidState(state) && p->firstRule[state] < 0) p->firstRule[state] = i;
    }
}

void ClearToken(PjlParser* p) {
    p->tokenLength = 0;
    p->token[0] = '\0';
}

// A device reply is untrusted: a token longer than the buffer is cut to its
// first 127 characters, the rest of it is read but not stored.
void AppendToToken(PjlParser* p, unsigned char c) {
    if (p->tokenLength < kTokenLimit) p->token[p->tokenLength++] = static_cast<char>(c);
    p->token[p->tokenLength] = '\0';
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool WordEquals(const char* word, const char* keyword) {
    for (;; ++word, ++keyword) {
        if (AsciiUpper(*word) != AsciiUpper(*keyword)) return false;
        if (*word == '\0') return true;
    }
}

const PjlGrammarNode* FindNode(const PjlGrammarNode* list, const char* word) {
    for (const PjlGrammarNode* node = list; node->keyword != PJL_NO_KEYWORD; ++node) {
        const char* keyword = PjlKeywordText(node->keyword);
        if (keyword && WordEquals(word, keyword)) return node;
    }
    return nullptr;
}

// Decimal value: leading white space, an optional sign, digits up to the first
// non-digit. Values beyond 32 bits saturate instead of overflowing.
int32_t DecimalValue(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = (*text++ == '-');
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(value > INT_MAX ? INT_MAX : value);
}

int Emit(PjlParser* p, int code, int count, void* data) {
    return p->settings.tokenHook ? p->settings.tokenHook(p, code, count, data) : 1;
}

void ResetItems(PjlParser* p) {
    for (int i = 0; i < p->itemCount; ++i) {
        PjlItem& item = p->items[i];
        if (item.type == PJL_ITEM_STRING && item.value.text) p->settings.release(item.value.text, p->settings.userData);
        item.key = PJL_NO_KEYWORD;
        item.value = PjlItemValue{};
    }
    p->itemCount = 0;
}

PjlItem* SlotToFill(PjlParser* p) {
    return (p->items && p->itemCount < p->itemCapacity) ? &p->items[p->itemCount] : nullptr;
}

void RecordKeywordToken(PjlParser* p, int code, uint16_t id) {
    PjlItem* item = SlotToFill(p);
    if (!item) return;
    switch (code) {
    case PJL_TOKEN_COMMAND:
        item->value = PjlItemValue{};
        item->value.id = id;
        item->type = PJL_ITEM_COMMAND;
        item->key = id;
        // The value after the command word is keyed by the command.
        if (p->itemCount + 1 < p->itemCapacity) p->items[p->itemCount + 1].key = id;
        ++p->itemCount;
        break;
    case PJL_TOKEN_KEY:
        item->key = id;
        break;
    case PJL_TOKEN_VALUE:
        item->value = PjlItemValue{};
        item->value.id = id;
        item->type = PJL_ITEM_KEYWORD;
        ++p->itemCount;
        break;
    default:
        break;  // other node actions reach the hook only
    }
}

void RecordString(PjlParser* p, const char* text) {
    PjlItem* item = SlotToFill(p);
    if (!item || !text) return;
    size_t length = std::strlen(text);
    char* copy = static_cast<char*>(p->settings.allocate(length + 1, 0, p->settings.userData));
    if (!copy) return;
    std::memcpy(copy, text, length + 1);
    item->value = PjlItemValue{};
    item->value.text = copy;
    item->type = PJL_ITEM_STRING;
    ++p->itemCount;
}

void RecordNumber(PjlParser* p, int32_t number) {
    PjlItem* item = SlotToFill(p);
    if (!item) return;
    item->value = PjlItemValue{};
    item->value.number = number;
    item->type = PJL_ITEM_NUMBER;
    ++p->itemCount;
}

void EmitString(PjlParser* p) {
    char* text = p->token;
    if (Emit(p, PJL_TOKEN_STRING, 1, &text)) RecordString(p, text);
}

void EmitNumber(PjlParser* p) {
    int32_t number = DecimalValue(p->token);
    if (Emit(p, PJL_TOKEN_NUMBER, 1, &number)) RecordNumber(p, number);
}

void LookUpKeyword(PjlParser* p) {
    if (!p->position) return;  // the reply is being dropped word by word
    const PjlGrammarNode* node = FindNode(p->position, p->token);
    if (!node) {
        p->position = nullptr;
        p->lexerState = PJL_STATE_DISCARD_LINE;
        Emit(p, PJL_TOKEN_NO_MATCH, 0, nullptr);
        return;
    }
    p->position = node;
    if (node->action != 0) {
        uint32_t words[2] = {node->keyword, node->argument};
        if (Emit(p, node->action, 2, words)) RecordKeywordToken(p, node->action, static_cast<uint16_t>(words[0]));
    }
    // The hook may have moved the position to another node (Return).
    const PjlGrammarNode* at = p->position;
    if (!at) {
        p->lexerState = PJL_STATE_DISCARD_LINE;
        return;
    }
    p->lexerState = static_cast<int>(at->nextState);
    p->position = at->nextList;
}

void EndToken(PjlParser* p, int state) {
    p->token[p->tokenLength] = '\0';
    switch (state) {
    case PJL_STATE_LINE_START:
        p->position = p->settings.grammarRoot;
        p->lexerState = PJL_STATE_BEFORE_WORD;
        ClearToken(p);
        break;
    case PJL_STATE_BEFORE_WORD:
        p->lexerState = PJL_STATE_WORD;
        break;
    case PJL_STATE_WORD:
        LookUpKeyword(p);
        ClearToken(p);
        break;
    case PJL_STATE_BEFORE_SKIPPED_WORD:
        p->lexerState = PJL_STATE_SKIPPED_WORD;
        break;
    case PJL_STATE_SKIPPED_WORD:
        p->lexerState = PJL_STATE_BEFORE_SKIPPED_WORD;
        ClearToken(p);
        break;
    case PJL_STATE_BEFORE_NUMBER:
        p->lexerState = PJL_STATE_NUMBER;
        break;
    case PJL_STATE_NUMBER:
        p->lexerState = PJL_STATE_BEFORE_SKIPPED_WORD;
        if (p->tokenLength > 0) EmitNumber(p);
        ClearToken(p);
        break;
    case PJL_STATE_BEFORE_STRING:
        p->lexerState = PJL_STATE_QUOTED_STRING;
        break;
    case PJL_STATE_QUOTED_STRING:
    case PJL_STATE_REST_OF_LINE:
        EmitString(p);
        ClearToken(p);
        break;
    case PJL_STATE_DISCARD_LINE:
        p->lexerState = PJL_STATE_LINE_START;
        break;
    default:
        break;
    }
}

void ApplyRules(PjlParser* p, unsigned char c) {
    int state = p->lexerState;
    if (!IsValidState(state)) return;  // a state without rules ignores everything
    for (int i = p->firstRule[state]; i >= 0 && kPjlLexRules[i].state == state; ++i) {
        const PjlLexRule& rule = kPjlLexRules[i];
        if (c < rule.low || c > rule.high) continue;
        switch (rule.action) {
        case PJL_LEX_KEEP:
            AppendToToken(p, c);
            return;
        case PJL_LEX_KEEP_AND_END:
            AppendToToken(p, c);
            EndToken(p, state);
            return;
        case PJL_LEX_END:
            EndToken(p, state);
            return;
        default:
            continue;  // Skip: the scan goes on
        }
    }
}

void FinishReply(PjlParser* p) {
    ClearToken(p);
    // The record is delivered in every state, DiscardLine included: a word that
    // fails to match right before the line feed still leaves the items read
    // before it to be delivered.
    if (IsValidState(p->lexerState) && p->settings.commandHook)
        p->settings.commandHook(p, PJL_TOKEN_REPLY_COMPLETE, p->itemCount, p->items);
    if (Emit(p, PJL_TOKEN_RESET, 0, nullptr) && p->items) ResetItems(p);
    p->lexerState = PJL_STATE_LINE_START;
}

}  // namespace

int PjlCreateParser(const PjlParserSettings* settings, PjlParser** instance) {
    if (!settings || !settings->allocate || !settings->release || !instance) return PJL_ERR_SETTINGS;
    void* block = settings->allocate(sizeof(PjlParser), 0, settings->userData);
    if (!block) return PJL_ERR_SETTINGS;
    PjlParser* p = new (block) PjlParser{};
    p->settings = *settings;
    p->previousChar = -1;
    p->lexerState = PJL_STATE_DISCARD_LINE;
    ClearToken(p);
    p->position = nullptr;
    p->firstUse = true;
    p->items = nullptr;
    p->itemCount = 0;
    p->itemCapacity = 0;
    *instance = p;

    int capacity = settings->itemCapacity;
    if (capacity <= 0) return PJL_OK;
    if (static_cast<size_t>(capacity) > SIZE_MAX / sizeof(PjlItem)) return PJL_ERR_ITEM_LIST;
    void* list = settings->allocate(static_cast<size_t>(capacity) * sizeof(PjlItem), 0, settings->userData);
    if (!list) return PJL_ERR_ITEM_LIST;
    p->items = static_cast<PjlItem*>(list);
    for (int i = 0; i < capacity; ++i) {
        p->items[i].value = PjlItemValue{};
        p->items[i].type = PJL_ITEM_COMMAND;
        p->items[i].key = PJL_NO_KEYWORD;
    }
    p->itemCapacity = capacity;
    return PJL_OK;
}

int PjlFeedChar(PjlParser* p, int character) {
    if (!p) return -1;
    unsigned char c = static_cast<unsigned char>(character);
    if (p->firstUse) {
        BuildRuleIndex(p);
        p->firstUse = false;
        p->lexerState = PJL_STATE_LINE_START;
    }
    // After the end of a reply only the "@" of the next one is taken.
    if (p->previousChar == '\n' && c != '@') {
        p->previousChar = -1;
        return -1;
    }
    ApplyRules(p, c);
    p->previousChar = c;
    if (c == '\n') FinishReply(p);
    return 1;
}

int PjlDestroyParser(PjlParser** instance) {
    if (!instance || !*instance || !(*instance)->settings.release) return PJL_ERR_DESTROY;
    PjlParser* p = *instance;
    PjlFreeFn release = p->settings.release;
    void* userData = p->settings.userData;
    if (p->items) {
        // A parser destroyed in the middle of a reply still owns its strings.
        for (int i = 0; i < p->itemCount; ++i)
            if (p->items[i].type == PJL_ITEM_STRING && p->items[i].value.text)
                release(p->items[i].value.text, userData);
        release(p->items, userData);
    }
    p->~PjlParser();
    release(p, userData);
    *instance = nullptr;
    return PJL_OK;
}
