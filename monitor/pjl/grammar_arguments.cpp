#include "grammar_arguments.h"

namespace {

// Process-wide and unguarded: one parser per process, fed from one thread.
const PjlGrammarNode* markedPosition = nullptr;
uint16_t listKey = PJL_NO_KEYWORD;

void ApplyArgument(PjlParser* p, uint16_t id, uint32_t argument) {
    switch (argument) {
    case PJL_ARG_MARK:
        markedPosition = p->position;  // the node that has just matched
        break;
    case PJL_ARG_RETURN:
        // Without a mark there is nowhere to return to; the matched node stands.
        if (markedPosition) p->position = markedPosition;
        break;
    case PJL_ARG_LIST_KEY:
        listKey = id;
        break;
    case PJL_ARG_USE_LIST_KEY:
        if (p->items && p->itemCount < p->itemCapacity) p->items[p->itemCount].key = listKey;
        break;
    case PJL_ARG_SHARE_KEY:
        if (p->items && p->itemCount + 1 < p->itemCapacity)
            p->items[p->itemCount + 1].key = p->items[p->itemCount].key;
        break;
    default:
        break;
    }
}

}  // namespace

int PjlGrammarArgumentHook(PjlParser* p, int code, int count, void* data) {
    if (!p) return 1;
    if ((code == PJL_TOKEN_KEY || code == PJL_TOKEN_VALUE) && count == 2 && data) {
        const uint32_t* words = static_cast<const uint32_t*>(data);
        ApplyArgument(p, static_cast<uint16_t>(words[0]), words[1]);
    } else if (code == PJL_TOKEN_STRING || code == PJL_TOKEN_NUMBER) {
        // After any value the next word is read against the list its key selected.
        p->lexerState = PJL_STATE_BEFORE_WORD;
    }
    return 1;
}

void PjlResetGrammarArguments() {
    markedPosition = nullptr;
    listKey = PJL_NO_KEYWORD;
}
