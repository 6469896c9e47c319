// Test harness: a parser with the monitor's grammar and token hook, whose
// command hook keeps each delivered record as text lines (see record_text.h).
#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "grammar_arguments.h"
#include "pjl_grammar.h"
#include "pjl_parser.h"
#include "record_text.h"
#include "reply_feed.h"

using Record = std::vector<std::string>;

class ReplyHarness {
public:
    explicit ReplyHarness(int capacity = 500, PjlTokenHook tokenHook = PjlGrammarArgumentHook) {
        PjlResetGrammarArguments();
        PjlParserSettings settings{&Allocate, &Release, this, ReplyRoot, capacity, &OnCommand, tokenHook};
        createResult = PjlCreateParser(&settings, &parser);
    }
    ~ReplyHarness() {
        if (parser) PjlDestroyParser(&parser);
    }
    ReplyHarness(const ReplyHarness&) = delete;
    ReplyHarness& operator=(const ReplyHarness&) = delete;

    // Feeds the text through the monitor's filter; returns the feed result.
    int Feed(const std::string& text) { return PjlFeedReply(parser, text.data(), text.size(), &stoppedAt); }

    static void* Allocate(size_t size, unsigned, void* user) {
        auto* self = static_cast<ReplyHarness*>(user);
        if (self->allocationsLeft == 0) return nullptr;
        if (self->allocationsLeft > 0) --self->allocationsLeft;
        ++self->liveBlocks;
        return std::calloc(1, size);
    }
    static int Release(void* block, void* user) {
        if (block) --static_cast<ReplyHarness*>(user)->liveBlocks;
        std::free(block);
        return 0;
    }
    static int OnCommand(PjlParser* p, int code, int count, PjlItem* items) {
        auto* self = static_cast<ReplyHarness*>(p->settings.userData);
        self->codes.push_back(code);
        Record record;
        for (int i = 0; i < count; ++i) record.push_back(PjlDescribeItem(items[i]));
        self->records.push_back(record);
        if (self->inspect) self->inspect(p, count, items);
        return 0;
    }

    PjlParser* parser = nullptr;
    int createResult = 0;
    size_t stoppedAt = 0;
    int allocationsLeft = -1;  // -1 = unlimited
    int liveBlocks = 0;
    std::vector<int> codes;
    std::vector<Record> records;
    std::function<void(PjlParser*, int, PjlItem*)> inspect;
};

// Parses one text with a fresh parser and returns the records it delivered.
inline std::vector<Record> ParseReplies(const std::string& text) {
    ReplyHarness harness;
    harness.Feed(text);
    return harness.records;
}
