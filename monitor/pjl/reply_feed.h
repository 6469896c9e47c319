// Feeding a whole reply text to the parser the way the monitor does: line
// ends and brackets become blanks, so a multi-line reply is one logical line,
// and the form feed that closes a PJL reply becomes the line feed that
// completes the record.
#pragma once

#include <cstddef>

#include "pjl_parser.h"

unsigned char PjlFilterReplyChar(unsigned char c);

// Feeds `length` bytes and stops at the first result other than 1, which it
// returns (1 when every byte was taken; 0 without a parser). *stoppedAt, when
// given, receives the offset of the byte that stopped it (length otherwise).
int PjlFeedReply(PjlParser* parser, const char* text, size_t length, size_t* stoppedAt = nullptr);
// The same for a NUL-terminated text.
int PjlFeedReply(PjlParser* parser, const char* text);
