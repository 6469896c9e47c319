// The PJL keyword table: keyword ids are positions in it, and every item key,
// grammar node and status mapping names keywords by id.
#pragma once

#include <cstdint>

enum PjlKeywordId : uint16_t {
#define PJL_KEYWORD(id, name, text) PJLKW_##name,
#include "keyword_list.def"
#undef PJL_KEYWORD
    PJLKW_BUILTIN_COUNT
};

constexpr int kPjlBuiltinKeywordCount = 343;
static_assert(PJLKW_BUILTIN_COUNT == kPjlBuiltinKeywordCount, "the built-in table has 343 words");

// The built-in table, ids 0 to 342.
extern const char* const kPjlBuiltinKeywords[kPjlBuiltinKeywordCount];

// Installs a private copy of `count` strings as the active keyword table
// (mode 0, replace: the only mode) and frees the previous copy. 0, or -1 when
// the copy cannot be allocated or the arguments are unusable; the active table
// then stays as it was.
int PjlInstallKeywords(int count, const char* const* strings, int mode);

// The active table: its size and the text of one id (null outside the table).
int PjlKeywordCount();
const char* PjlKeywordText(uint16_t id);
