// Feeding typical replies (INFO STATUS, INFO CONFIG, a READ of USTATUS
// notifications) to one long-lived parser, as the monitor does. Reports
// characters per second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "grammar_arguments.h"
#include "pjl_grammar.h"
#include "pjl_keywords.h"
#include "pjl_parser.h"
#include "reply_feed.h"

namespace {

const std::string kStatus = "@PJL INFO STATUS\r\nCODE=10001\r\nDISPLAY=\"00 READY\"\r\nONLINE=TRUE\r\n\f";

const std::string kUstatusRead =
    "@PJL USTATUS JOB\r\nSTART\r\nNAME=\"Quarterly report.doc\"\r\n\f@PJL USTATUS PAGE\r\n1\r\n\f"
    "@PJL USTATUS DEVICE\r\nCODE=10023\r\nDISPLAY=\"PRINTING\"\r\nONLINE=TRUE\r\n\f"
    "@PJL USTATUS PAGE\r\n2\r\n\f@PJL USTATUS JOB\r\nEND\r\nNAME=\"Quarterly report.doc\"\r\nPAGES=2\r\nRESULT=OK\r\n\f";

// A CONFIG reply of the largest size the monitor accepts, 1284 bytes.
std::string ConfigReply() {
    std::string text =
        "@PJL INFO CONFIG\r\nIN TRAYS [4 ENUMERATED]\r\n\tINTRAY1 MP\r\n\tINTRAY2 PC\r\n\tINTRAY3 LC\r\n\tMANUAL\r\n"
        "OUT TRAYS [1 ENUMERATED]\r\n\tNORMAL FACEDOWN\r\nPAPERS [12 ENUMERATED]\r\n\tLETTER\r\n\tLEGAL\r\n"
        "\tEXECUTIVE\r\n\tA4\r\n\tA5\r\n\tB5\r\n\tCOM10\r\n\tMONARCH\r\n\tDL\r\n\tC5\r\n\tCUSTOM\r\n\tHAGAKI\r\n"
        "LANGUAGES [3 ENUMERATED]\r\n\tPCL\r\n\tPCLXL\r\n\tPOSTSCRIPT\r\nUSTATUS [4 ENUMERATED]\r\n\tDEVICE\r\n"
        "\tJOB\r\n\tPAGE\r\n\tTIMED\r\nTRAY2=INSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
        "TRAY3=NOTINSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
        "DUPLEX=INSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
        "NETCARD=ETHERNETCARD [2 ENUMERATED]\r\n\tNOTINSTALLED\r\n\tETHERNETCARD\r\n"
        "OUTOPTION=MAILBIN-FINISHER [5 ENUMERATED]\r\n\tNOTINSTALLED\r\n\t5BIN-MAILBIN\r\n\t10BIN-MAILBIN\r\n"
        "\tFINISHER\r\n\tMAILBIN-FINISHER\r\nXINTERFACES [1 ENUMERATED]\r\n\tPARALLEL\r\n"
        "MAILBINTYPE [3 ENUMERATED]\r\n\tMAILBIN2 STK\r\n\tMAILBIN3 MBX\r\n\tMAILBIN4 MBX\r\n"
        "MAILBOXNAME [3 ENUMERATED]\r\n\tMAILBIN2\r\n\tMAILBIN3\r\n\tMAILBIN4\r\n"
        "HARDDISK=NOTINSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
        "MEMORY=65536\r\nFIRMWARE=\"V1.02 2001-04-01\"\r\nDEVICEID=\"MFG:TOLVAN;CMD:PJL,PCL,POSTSCRIPT;"
        "MDL:LP-2000C;CLS:PRINTER;\"\r\nUSBVID=1234\r\nUSBPID=5678\r\nENGFW=\"E3.1\"\r\n";
    while (text.size() + 1 < 1284) text += ' ';
    return text + "\f";  // the caller checks the size
}

void* Allocate(size_t size, unsigned, void*) { return std::calloc(1, size); }
int Release(void* block, void*) {
    std::free(block);
    return 0;
}

// Reads a few values the way the monitor's reply handler does.
int ReadRecord(PjlParser*, int, int count, PjlItem* items) {
    benchmark::DoNotOptimize(PjlCommandOf(count, items));
    benchmark::DoNotOptimize(PjlNumberOf(count, items, PJLKW_CODE));
    benchmark::DoNotOptimize(PjlKeywordOf(count, items, PJLKW_DUPLEX));
    return 0;
}

void FeedReplies(benchmark::State& state, const std::string& text) {
    PjlParserSettings settings{&Allocate, &Release, nullptr, ReplyRoot, 500, &ReadRecord, &PjlGrammarArgumentHook};
    PjlParser* parser = nullptr;
    if (PjlCreateParser(&settings, &parser) != PJL_OK) {
        state.SkipWithError("no parser");
        return;
    }
    for (auto _ : state) {
        if (PjlFeedReply(parser, text.data(), text.size()) != 1) {
            state.SkipWithError("reply refused");
            break;
        }
    }
    PjlDestroyParser(&parser);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["chars/s"] =
        benchmark::Counter(static_cast<double>(text.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_InfoStatus(benchmark::State& state) { FeedReplies(state, kStatus); }
void BM_InfoConfig1284(benchmark::State& state) {
    std::string text = ConfigReply();
    if (text.size() != 1284) {
        state.SkipWithError("the CONFIG reply is not 1284 bytes");
        return;
    }
    FeedReplies(state, text);
}
void BM_UstatusRead(benchmark::State& state) { FeedReplies(state, kUstatusRead); }
// The polling mix: mostly status and READs, now and then a configuration.
void BM_PollingMix(benchmark::State& state) {
    std::string mix;
    for (int i = 0; i < 8; ++i) mix += kStatus + kUstatusRead;
    FeedReplies(state, mix + ConfigReply());
}

}  // namespace

BENCHMARK(BM_InfoStatus);
BENCHMARK(BM_InfoConfig1284)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UstatusRead);
BENCHMARK(BM_PollingMix)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
