#include "reply_feed.h"

#include <cstring>

unsigned char PjlFilterReplyChar(unsigned char c) {
    switch (c) {
    case '\n':
    case '\r':
    case '[':
    case ']':
        return ' ';
    case '\f':
        return '\n';
    default:
        return c;
    }
}

int PjlFeedReply(PjlParser* parser, const char* text, size_t length, size_t* stoppedAt) {
    if (stoppedAt) *stoppedAt = length;
    if (!parser) return 0;
    for (size_t i = 0; text && i < length; ++i) {
        int result = PjlFeedChar(parser, PjlFilterReplyChar(static_cast<unsigned char>(text[i])));
        if (result != 1) {
            if (stoppedAt) *stoppedAt = i;
            return result;
        }
    }
    return 1;
}

int PjlFeedReply(PjlParser* parser, const char* text) {
    return PjlFeedReply(parser, text, text ? std::strlen(text) : 0);
}
