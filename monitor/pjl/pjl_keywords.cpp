#include "pjl_keywords.h"

#include <cstdlib>
#include <cstring>

#define PJL_KEYWORD(id, name, text) static_assert(PJLKW_##name == (id), "keyword id out of place: " #name);
#include "keyword_list.def"
#undef PJL_KEYWORD

const char* const kPjlBuiltinKeywords[kPjlBuiltinKeywordCount] = {
#define PJL_KEYWORD(id, name, text) text,
#include "keyword_list.def"
#undef PJL_KEYWORD
};

namespace {

// Process-wide and unguarded: installed once at start-up, before any parser.
const char* const* activeWords = kPjlBuiltinKeywords;
int activeCount = kPjlBuiltinKeywordCount;
// The two blocks of an installed copy; null while the built-in table is active.
const char** installedPointers = nullptr;
char* installedText = nullptr;

}  // namespace

int PjlInstallKeywords(int count, const char* const* strings, int mode) {
    if (mode != 0 || count < 0 || (count > 0 && strings == nullptr)) return -1;
    size_t textSize = 0;
    for (int i = 0; i < count; ++i) textSize += (strings[i] ? std::strlen(strings[i]) : 0) + 1;

    // malloc(0) may legally return null; ask for at least one byte of each.
    const char** pointers = static_cast<const char**>(std::malloc(sizeof(char*) * (count ? count : 1)));
    char* text = static_cast<char*>(std::malloc(textSize ? textSize : 1));
    if (!pointers || !text) {
        std::free(pointers);
        std::free(text);
        return -1;
    }
    char* out = text;
    for (int i = 0; i < count; ++i) {
        const char* word = strings[i] ? strings[i] : "";
        size_t length = std::strlen(word) + 1;
        std::memcpy(out, word, length);
        pointers[i] = out;
        out += length;
    }

    std::free(installedPointers);
    std::free(installedText);
    installedPointers = pointers;
    installedText = text;
    activeWords = pointers;
    activeCount = count;
    return 0;
}

int PjlKeywordCount() { return activeCount; }

const char* PjlKeywordText(uint16_t id) {
    return id < activeCount ? activeWords[id] : nullptr;
}
