// pjldump: shows how the status monitor's parser reads PJL reply files.
//   pjldump [FILE...]     standard input when no file or "-"
// For every delivered record: "RECORD <count>", then one line per item
// ("  <type> <key> <value>"). A refused character ends that file with
// "REFUSED <offset>". Exit status 0, or 2 when a file could not be read.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "grammar_arguments.h"
#include "pjl_grammar.h"
#include "pjl_parser.h"
#include "record_text.h"
#include "reply_feed.h"

namespace {

constexpr int kItemCapacity = 500;  // as in the monitor

void* Allocate(size_t size, unsigned, void*) { return std::calloc(1, size); }

int Release(void* block, void*) {
    std::free(block);
    return 0;
}

int PrintRecord(PjlParser*, int, int count, PjlItem* items) {
    std::printf("RECORD %d\n", count);
    for (int i = 0; i < count; ++i) std::printf("  %s\n", PjlDescribeItem(items[i]).c_str());
    return 0;
}

bool ReadAll(std::FILE* file, std::vector<char>& data) {
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) data.insert(data.end(), chunk, chunk + n);
    return !std::ferror(file);
}

// The message names the program, the file and the C library's reason only.
void ReportUnreadable(const char* name, int error) {
    std::fprintf(stderr, "pjldump: %s: %s\n", name, std::strerror(error));
}

// Returns false when the file could not be read.
bool DumpFile(const char* name) {
    bool useStdin = std::strcmp(name, "-") == 0;
    std::FILE* file = useStdin ? stdin : std::fopen(name, "rb");
    if (!file) {
        ReportUnreadable(name, errno);
        return false;
    }
    std::vector<char> data;
    errno = 0;
    bool read = ReadAll(file, data);
    int error = errno ? errno : EIO;
    if (!useStdin) std::fclose(file);
    if (!read) {
        ReportUnreadable(useStdin ? "-" : name, error);
        return false;
    }

    PjlParserSettings settings{&Allocate, &Release, nullptr, ReplyRoot, kItemCapacity, &PrintRecord,
                               &PjlGrammarArgumentHook};
    PjlParser* parser = nullptr;
    if (PjlCreateParser(&settings, &parser) != PJL_OK) {
        if (parser) PjlDestroyParser(&parser);
        ReportUnreadable(name, ENOMEM);
        return false;
    }
    size_t stoppedAt = 0;
    if (PjlFeedReply(parser, data.data(), data.size(), &stoppedAt) != 1)
        std::printf("REFUSED %s\n", std::to_string(stoppedAt).c_str());
    PjlDestroyParser(&parser);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    bool allRead = true;
    if (argc < 2) {
        allRead = DumpFile("-");
    } else {
        for (int i = 1; i < argc; ++i) allRead = DumpFile(argv[i]) && allRead;
    }
    return allRead ? 0 : 2;
}
