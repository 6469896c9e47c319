// INFO CONFIG: tray blocks, enumerations under their list key, installable
// options with their current state, and the number and string items.
#include <gtest/gtest.h>

#include "pjl_keywords.h"
#include "reply_harness.h"

namespace {

Record Parse1(const std::string& text) {
    auto records = ParseReplies(text);
    EXPECT_EQ(records.size(), 1u) << text;
    return records.empty() ? Record{} : records[0];
}

Record WithHead(std::initializer_list<const char*> items) {
    Record record = {"Command INFO INFO", "Keyword INFO CONFIG"};
    record.insert(record.end(), items.begin(), items.end());
    return record;
}

TEST(PjlConfigReply, TrayBlocksArePairsAndManualIsKeyedByTheBlock) {
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nIN TRAYS [4 ENUMERATED]\r\n\tINTRAY1 MP\r\n\tINTRAY2 PC\r\n"
                     "\tINTRAY4 LCC\r\n\tMANUAL\r\nOUT TRAYS [2 ENUMERATED]\r\n\tNORMAL FACEDOWN\r\n\tJOGGING\r\n\f"),
              WithHead({"Number IN 4", "Keyword INTRAY1 MP", "Keyword INTRAY2 PC", "Keyword INTRAY4 LCC",
                        "Keyword IN MANUAL", "Number OUT 2", "Keyword NORMAL FACEDOWN", "Keyword - JOGGING"}));
}

TEST(PjlConfigReply, TrayTwoInTheInputBlockIsATrayNotAnOption) {
    // The entry list's own TRAY2 node comes before the one it takes over from
    // the item list, so TRAY2 is followed by a tray kind.
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nIN TRAYS [1 ENUMERATED]\r\n\tTRAY2 LC\r\nMEMORY=8\r\n\f"),
              WithHead({"Number IN 1", "Keyword TRAY2 LC", "Number MEMORY 8"}));
}

TEST(PjlConfigReply, EnumerationsAreRecordedUnderTheirListKey) {
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nPAPERS [3 ENUMERATED]\r\n\tLETTER\r\n\tA4\r\n\tGOVERNMENTLEGAL\r\n"
                     "LANGUAGES [2 ENUMERATED]\r\n\tPCL\r\n\tPOSTSCRIPT\r\n"
                     "USTATUS [2 ENUMERATED]\r\n\tDEVICE\r\n\tJOB\r\n"
                     "XINTERFACES [1 ENUMERATED]\r\n\tPARALLEL\r\n"
                     "MAILBOXNAME [2 ENUMERATED]\r\n\tMAILBIN2\r\n\tMAILBIN3\r\n\f"),
              WithHead({"Number PAPERS 3", "Keyword PAPERS LETTER", "Keyword PAPERS A4", "Keyword PAPERS GOVERNMENTLEGAL",
                        "Number LANGUAGES 2", "Keyword LANGUAGES PCL", "Keyword LANGUAGES POSTSCRIPT",
                        "Number USTATUS 2", "Keyword USTATUS DEVICE", "Keyword USTATUS JOB",
                        "Number XINTERFACES 1", "Keyword XINTERFACES PARALLEL",
                        "Number MAILBOXNAME 2", "Keyword MAILBOXNAME MAILBIN2", "Keyword MAILBOXNAME MAILBIN3"}));
}

TEST(PjlConfigReply, MailbinTypesArePairs) {
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nMAILBINTYPE [2 ENUMERATED]\r\n\tMAILBIN2 STK\r\n\tMAILBIN3 MBX\r\n\f"),
              WithHead({"Number MAILBINTYPE 2", "Keyword MAILBIN2 STK", "Keyword MAILBIN3 MBX"}));
}

TEST(PjlConfigReply, OptionsCarryTheirKeyOnStateCountAndChoices) {
    struct Case {
        const char* option;
        const char* state;
        const char* choices;
    } cases[] = {
        {"NETCARD", "ETHERNETCARD", "NOTINSTALLED ETHERNETCARD"}, {"TRAY2", "INSTALLED", "INSTALLED NOTINSTALLED"},
        {"TRAY3", "NOTINSTALLED", "INSTALLED NOTINSTALLED"},      {"INTRAY2", "INSTALLED", "INSTALLED NOTINSTALLED"},
        {"INTRAY3", "INSTALLED", "INSTALLED NOTINSTALLED"},       {"INTRAY4", "INSTALLED", "INSTALLED NOTINSTALLED"},
        {"INTRAY5", "NOTINSTALLED", "INSTALLED NOTINSTALLED"},    {"INPTRAY2", "INSTALLED", "INSTALLED NOTINSTALLED"},
        {"INPTRAY3", "INSTALLED", "INSTALLED NOTINSTALLED"},      {"SHIFTRAY", "INSTALLED", "INSTALLED NOTINSTALLED"},
        {"DUPLEX", "INSTALLED", "INSTALLED NOTINSTALLED"},        {"HARDDISK", "NOTINSTALLED", "INSTALLED NOTINSTALLED"},
        {"OUTOPTION", "5BIN-MAILBIN", "NOTINSTALLED 5BIN-MAILBIN"},
        {"OUTOPTION", "10BIN-MAILBIN", "FINISHER 10BIN-MAILBIN"},
        {"OUTOPTION", "MAILBIN-FINISHER", "NOTINSTALLED MAILBIN-FINISHER"},
    };
    for (const Case& c : cases) {
        std::string option = c.option, state = c.state, choices = c.choices;
        std::string first = choices.substr(0, choices.find(' ')), second = choices.substr(choices.find(' ') + 1);
        EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\n" + option + "=" + state + " [2 ENUMERATED]\r\n\t" + first + "\r\n\t" +
                         second + "\r\nMEMORY=4096\r\n\f"),
                  WithHead({("Keyword " + option + " " + state).c_str(), ("Number " + option + " 2").c_str(),
                            ("Keyword " + option + " " + first).c_str(), ("Keyword " + option + " " + second).c_str(),
                            "Number MEMORY 4096"}))
            << option << "=" << state;
    }
}

TEST(PjlConfigReply, NumbersAndStringsLeadBackToTheItemList) {
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nMEMORY=65536\r\nFIRMWARE=\"V1.02 2001-04-01\"\r\nUSBVID=1234\r\n"
                     "USBPID=42\r\nENGFW=\"E3.1\"\r\nDEVICEID=\"MFG:TOLVAN;MDL:LP-2000;\"\r\nDUPLEX=INSTALLED\r\n\f"),
              WithHead({"Number MEMORY 65536", "String FIRMWARE \"V1.02 2001-04-01\"", "Number USBVID 1234",
                        "Number USBPID 42", "String ENGFW \"E3.1\"", "String DEVICEID \"MFG:TOLVAN;MDL:LP-2000;\"",
                        "Keyword DUPLEX INSTALLED"}));
}

TEST(PjlConfigReply, UnknownItemWordDropsTheRest) {
    EXPECT_EQ(Parse1("@PJL INFO CONFIG\r\nPAPERS [1 ENUMERATED]\r\n\tA4\r\nFOLDER=INSTALLED\r\nMEMORY=4096\r\n\f"),
              WithHead({"Number PAPERS 1", "Keyword PAPERS A4"}));
}

// A whole reply, and the hardware facts the monitor takes from it through the
// queries.
TEST(PjlConfigReply, FullReplyAnswersTheMonitorsQueries) {
    std::string text =
        "@PJL INFO CONFIG\r\nIN TRAYS [3 ENUMERATED]\r\n\tINTRAY1 MP\r\n\tINTRAY2 PC\r\n\tMANUAL\r\n"
        "OUT TRAYS [1 ENUMERATED]\r\n\tNORMAL FACEDOWN\r\nPAPERS [4 ENUMERATED]\r\n\tLETTER\r\n\tLEGAL\r\n\tA4\r\n"
        "\tA5\r\nLANGUAGES [2 ENUMERATED]\r\n\tPCL\r\n\tPOSTSCRIPT\r\nTRAY2=INSTALLED [2 ENUMERATED]\r\n"
        "\tINSTALLED\r\n\tNOTINSTALLED\r\nDUPLEX=NOTINSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
        "OUTOPTION=FINISHER [2 ENUMERATED]\r\n\tNOTINSTALLED\r\n\tFINISHER\r\nMEMORY=65536\r\n"
        "FIRMWARE=\"V1.02\"\r\nUSBVID=1234\r\nUSBPID=5678\r\n\f";
    ReplyHarness h;
    bool checked = false;
    h.inspect = [&](PjlParser*, int count, PjlItem* items) {
        checked = true;
        EXPECT_EQ(PjlCommandOf(count, items), PJLKW_INFO);
        EXPECT_EQ(PjlKeywordOf(count, items, PJLKW_INFO), PJLKW_CONFIG);
        EXPECT_EQ(PjlKeywordOf(count, items, PJLKW_TRAY2), PJLKW_INSTALLED);
        EXPECT_EQ(PjlKeywordOf(count, items, PJLKW_DUPLEX), PJLKW_NOTINSTALLED);
        EXPECT_EQ(PjlKeywordOf(count, items, PJLKW_OUTOPTION), PJLKW_FINISHER);
        EXPECT_EQ(PjlKeywordOf(count, items, PJLKW_IN), PJLKW_MANUAL);
        EXPECT_EQ(PjlNumberOf(count, items, PJLKW_MEMORY), 65536);
        EXPECT_EQ(PjlNumberOf(count, items, PJLKW_USBPID), 5678);
        EXPECT_STREQ(PjlStringOf(count, items, PJLKW_FIRMWARE, false), "V1.02");
        // Walk the papers by key.
        int papers = 0;
        const PjlItem* at = items;
        while ((at = PjlNextWithKey(count - static_cast<int>(at - items), at, PJLKW_PAPERS)))
            if (at->type == PJL_ITEM_KEYWORD) ++papers;
        EXPECT_EQ(papers, PjlNumberOf(count, items, PJLKW_PAPERS));
    };
    ASSERT_EQ(h.Feed(text), 1);
    EXPECT_TRUE(checked);
    ASSERT_EQ(h.records.size(), 1u);
    EXPECT_EQ(h.records[0].size(), 32u);
}

}  // namespace
