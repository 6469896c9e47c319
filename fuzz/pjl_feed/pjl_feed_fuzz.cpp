// Fuzz target for the monitor's feed path: arbitrary reply bytes go through
// the feed filter into a parser with the reply grammar and the monitor's
// token hook; every delivered record is read with every record query, and
// the record's invariants are checked.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "grammar_arguments.h"
#include "pjl_grammar.h"
#include "pjl_keywords.h"
#include "pjl_parser.h"
#include "record_text.h"
#include "reply_feed.h"

namespace {

void* Allocate(size_t size, unsigned, void*) { return std::calloc(1, size); }

int Release(void* block, void*) {
    std::free(block);
    return 0;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

bool IsKeywordId(uint32_t id) { return id < static_cast<uint32_t>(PjlKeywordCount()); }

void QueryItem(PjlParser* p, int count, PjlItem* items, int i) {
    const PjlItem& item = items[i];
    uint16_t key = item.key;
    Check(key == PJL_NO_KEYWORD || IsKeywordId(key));
    switch (item.type) {
    case PJL_ITEM_COMMAND:
        Check(i == 0 && IsKeywordId(item.value.id));
        break;
    case PJL_ITEM_KEYWORD:
        Check(IsKeywordId(item.value.id));
        break;
    case PJL_ITEM_NUMBER:
        break;
    case PJL_ITEM_STRING:
        Check(!item.value.text || std::strlen(item.value.text) < kPjlTokenBufferSize);
        break;
    default:
        Check(false);
    }
    Check(!PjlDescribeItem(item).empty());

    uint16_t keyword = PjlKeywordOf(count, items, key);
    Check(keyword == PJL_NO_KEYWORD || IsKeywordId(keyword));
    (void)PjlNumberOf(count, items, key);
    (void)PjlStringOf(count, items, key, false);
    Check(PjlKeyAt(count, items, i) == key);

    for (PjlItem* next = items + i; (next = PjlNextWithKey(count - static_cast<int>(next - items), next, key));)
        Check(next > items + i && next < items + count && next->key == key);
    if (item.type != PJL_ITEM_STRING) {
        uint16_t value = static_cast<uint16_t>(item.value.id);
        for (PjlItem* next = items + i; (next = PjlNextWithValue(count - static_cast<int>(next - items), next, value));)
            Check(next > items + i && next < items + count && next->type != PJL_ITEM_STRING);
    }
    // Take every other string, as the monitor does with the ones it keeps.
    if (item.type == PJL_ITEM_STRING && (i & 1)) {
        char* taken = PjlStringOf(count, items, key, true);
        if (taken) p->settings.release(taken, p->settings.userData);
    }
}

int OnRecord(PjlParser* p, int code, int count, PjlItem* items) {
    Check(code == PJL_TOKEN_REPLY_COMPLETE);
    Check(count >= 0 && count <= p->itemCapacity);
    Check(count == 0 || items != nullptr);
    uint16_t command = PjlCommandOf(count, items);
    Check(command == PJL_NO_KEYWORD || IsKeywordId(command));
    Check(PjlKeyAt(count, items, -1) == PJL_NO_KEYWORD && PjlKeyAt(count, items, count) == PJL_NO_KEYWORD);
    for (int i = 0; i < count; ++i) QueryItem(p, count, items, i);
    return 0;
}

void FeedAll(const uint8_t* data, size_t size, int capacity) {
    PjlResetGrammarArguments();
    PjlParserSettings settings{&Allocate, &Release, nullptr, ReplyRoot, capacity, &OnRecord, &PjlGrammarArgumentHook};
    PjlParser* parser = nullptr;
    Check(PjlCreateParser(&settings, &parser) == PJL_OK);
    const char* text = reinterpret_cast<const char*>(data);
    // After a refusal the parser takes the next character again; go on feeding
    // so that the rest of the input is exercised too.
    while (size > 0) {
        size_t stoppedAt = size;
        int result = PjlFeedReply(parser, text, size, &stoppedAt);
        Check(parser->tokenLength >= 0 && parser->tokenLength < kPjlTokenBufferSize);
        Check(parser->itemCount >= 0 && parser->itemCount <= parser->itemCapacity);
        if (result == 1) break;
        Check(result == -1 && stoppedAt < size);
        text += stoppedAt + 1;
        size -= stoppedAt + 1;
    }
    Check(PjlDestroyParser(&parser) == PJL_OK && parser == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FeedAll(data, size, 500);
    // A small item list, so that the capacity limits are reached too.
    FeedAll(data, size, size > 0 ? 1 + data[size - 1] % 8 : 1);
    return 0;
}
