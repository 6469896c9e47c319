// The monitor's token hook: gives meaning to the grammar argument of Key and
// Value tokens (Mark, Return, ListKey, UseListKey, ShareKey) and sends the
// lexer back to BeforeWord after every value.
#pragma once

#include "pjl_parser.h"

enum PjlGrammarArgument : uint8_t {
    PJL_ARG_NONE = 0,
    PJL_ARG_MARK = 1,         // remember the node that has just matched
    PJL_ARG_RETURN = 2,       // continue from the remembered node
    PJL_ARG_LIST_KEY = 3,     // this keyword becomes the key of enumerated entries
    PJL_ARG_USE_LIST_KEY = 4, // record this entry under the list key
    PJL_ARG_SHARE_KEY = 5,    // the next slot gets the key of the item being filled
};

// Always returns 1. Keeps the marked position and the list key process-wide.
int PjlGrammarArgumentHook(PjlParser* parser, int code, int count, void* data);

// Forgets the marked position and the list key (a fresh process's state).
void PjlResetGrammarArguments();
