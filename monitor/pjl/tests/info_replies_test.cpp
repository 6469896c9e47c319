// INFO replies other than CONFIG: STATUS, DSTATUS, ID, MEMORY, PAGECOUNT,
// COUNTER, WARNINGLIST and VARIABLES, as printers send them.
#include <gtest/gtest.h>

#include "reply_harness.h"

namespace {

struct ReplyCase {
    const char* name;
    const char* text;
    Record items;
};

void ExpectRecords(const ReplyCase* cases, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        auto records = ParseReplies(cases[i].text);
        ASSERT_EQ(records.size(), 1u) << cases[i].name;
        EXPECT_EQ(records[0], cases[i].items) << cases[i].name;
    }
}

TEST(PjlInfoReplies, StatusAndDetailedStatus) {
    const ReplyCase cases[] = {
        {"STATUS",
         "@PJL INFO STATUS\r\nCODE=40010\r\nDISPLAY=\"TONER LOW\"\r\nONLINE=FALSE\r\n\f",
         {"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 40010", "String DISPLAY \"TONER LOW\"",
          "Keyword ONLINE FALSE"}},
        {"STATUS, repeated value after Return",
         "@PJL INFO STATUS\r\nONLINE=TRUE TRUE CODE=1\r\n\f",
         {"Command INFO INFO", "Keyword INFO STATUS", "Keyword ONLINE TRUE", "Keyword - TRUE"}},
        {"DSTATUS",
         "@PJL INFO DSTATUS\r\nCODE=10001\r\nCONSUMETONERK=80\r\nCONSUMETONERC=70\r\nCONSUMETONERM=60\r\n"
         "CONSUMETONERY=50\r\nCONSUMETRSBELT=40\r\nCONSUMEIMGDRUM=30\r\nCONSUMEFUSER=20\r\n"
         "CONSUMETONERTYPEK=1\r\nCONSUMETONERTYPEC=2\r\nCONSUMETONERTYPEM=2\r\nCONSUMETONERTYPEY=1\r\n\f",
         {"Command INFO INFO", "Keyword INFO DSTATUS", "Number CODE 10001", "Number CONSUMETONERK 80",
          "Number CONSUMETONERC 70", "Number CONSUMETONERM 60", "Number CONSUMETONERY 50",
          "Number CONSUMETRSBELT 40", "Number CONSUMEIMGDRUM 30", "Number CONSUMEFUSER 20",
          "Number CONSUMETONERTYPEK 1", "Number CONSUMETONERTYPEC 2", "Number CONSUMETONERTYPEM 2",
          "Number CONSUMETONERTYPEY 1"}},
    };
    ExpectRecords(cases, std::size(cases));
}

TEST(PjlInfoReplies, IdentificationIsTheRestOfTheReplyWithoutKey) {
    const ReplyCase cases[] = {
        {"ID", "@PJL INFO ID\r\n\"TOLVAN LP-2000\"\r\n\f",
         {"Command INFO INFO", "Keyword INFO ID", "String - \" \\\"TOLVAN LP-2000\\\"  \""}},
    };
    ExpectRecords(cases, std::size(cases));
}

TEST(PjlInfoReplies, MemoryKeepsOnlyTheFirstField) {
    const ReplyCase cases[] = {
        {"MEMORY", "@PJL INFO MEMORY\r\nTOTAL=8388608\r\nLARGEST=7340032\r\n\f",
         {"Command INFO INFO", "Keyword INFO MEMORY", "Number TOTAL 8388608"}},
        {"MEMORY, largest first", "@PJL INFO MEMORY\r\nLARGEST=7340032\r\nTOTAL=8388608\r\n\f",
         {"Command INFO INFO", "Keyword INFO MEMORY", "Number LARGEST 7340032"}},
    };
    ExpectRecords(cases, std::size(cases));
}

TEST(PjlInfoReplies, CountersAreNumbersByField) {
    const ReplyCase cases[] = {
        {"PAGECOUNT", "@PJL INFO PAGECOUNT\r\nPAGECOUNT=12345\r\n\f",
         {"Command INFO INFO", "Keyword INFO PAGECOUNT", "Number PAGECOUNT 12345"}},
        {"COUNTER",
         "@PJL INFO COUNTER\r\nCOUNTTOTAL=5000\r\nCOUNTTONERC=1200\r\nCOUNTTONERM=1100\r\n"
         "COUNTTONERY=1000\r\nCOUNTTONERK=4000\r\n\f",
         {"Command INFO INFO", "Keyword INFO COUNTER", "Number COUNTTOTAL 5000", "Number COUNTTONERC 1200",
          "Number COUNTTONERM 1100", "Number COUNTTONERY 1000", "Number COUNTTONERK 4000"}},
    };
    ExpectRecords(cases, std::size(cases));
}

TEST(PjlInfoReplies, WarningListCountsThenNamesEachWarning) {
    const ReplyCase cases[] = {
        {"WARNINGLIST",
         "@PJL INFO WARNINGLIST\r\nWARNINGLIST [3 ENUMERATED]\r\nW1TONERKNEAREMPTY=1\r\nW1TRAY2EMPTY=1\r\n"
         "W1WASTETONERBOXNEARFULL=2\r\n\f",
         {"Command INFO INFO", "Keyword INFO WARNINGLIST", "Number WARNINGLIST 3", "Keyword - ENUMERATED",
          "Number W1TONERKNEAREMPTY 1", "Number W1TRAY2EMPTY 1", "Number W1WASTETONERBOXNEARFULL 2"}},
        {"empty WARNINGLIST", "@PJL INFO WARNINGLIST\r\nWARNINGLIST [0 ENUMERATED]\r\n\f",
         {"Command INFO INFO", "Keyword INFO WARNINGLIST", "Number WARNINGLIST 0", "Keyword - ENUMERATED"}},
    };
    ExpectRecords(cases, std::size(cases));
}

TEST(PjlInfoReplies, VariablesWithRangesAndEnumerations) {
    const ReplyCase cases[] = {
        {"VARIABLES",
         "@PJL INFO VARIABLES\r\nDENSITY=3\r\nRANGE 5\r\nPOWERSAVETIME=15\r\nRANGE 120\r\n"
         "INTRAY1SIZE=A4 [3 ENUMERATED]\r\n\tLETTER\r\n\tA4\r\n\tLEGAL\r\n"
         "POWERSAVE=ON [2 ENUMERATED]\r\n\tON\r\n\tOFF\r\nTIMEOUT=15\r\nRANGE 300\r\nTONERPOSITION=K\r\n\f",
         {"Command INFO INFO", "Keyword INFO VARIABLES", "Number DENSITY 3", "Number RANGE 5",
          "Number POWERSAVETIME 15", "Number RANGE 120", "Keyword INTRAY1SIZE A4", "Number INTRAY1SIZE 3",
          "Keyword INTRAY1SIZE LETTER", "Keyword INTRAY1SIZE A4", "Keyword INTRAY1SIZE LEGAL",
          "Keyword POWERSAVE ON", "Number POWERSAVE 2", "Keyword POWERSAVE ON", "Keyword POWERSAVE OFF",
          "Number TIMEOUT 15", "Number RANGE 300", "Keyword TONERPOSITION K"}},
        {"bracketed count before RANGE",
         "@PJL INFO VARIABLES\r\nDENSITY=3 [5 RANGE]\r\n1\r\n5\r\nTIMEOUT=15\r\n\f",
         {"Command INFO INFO", "Keyword INFO VARIABLES", "Number DENSITY 3"}},
    };
    ExpectRecords(cases, std::size(cases));
}

}  // namespace
