// Unsolicited status: USTATUS DEVICE, DDEVICE, TIMED, DTIMED, JOB and PAGE,
// and INFO USTATUS, which lists the notification settings.
#include <gtest/gtest.h>

#include "reply_harness.h"

namespace {

struct ReplyCase {
    const char* name;
    const char* text;
    Record items;
};

TEST(PjlUstatusReplies, EachKindYieldsItsFields) {
    const ReplyCase cases[] = {
        {"DEVICE", "@PJL USTATUS DEVICE\r\nCODE=10001\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS DEVICE", "Number CODE 10001", "String DISPLAY \"READY\"",
          "Keyword ONLINE TRUE"}},
        {"TIMED", "@PJL USTATUS TIMED\r\nCODE=10023\r\nDISPLAY=\"PRINTING\"\r\nONLINE=TRUE\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS TIMED", "Number CODE 10023", "String DISPLAY \"PRINTING\"",
          "Keyword ONLINE TRUE"}},
        {"DDEVICE", "@PJL USTATUS DDEVICE\r\nCODE=40038\r\nCONSUMETONERK=5\r\nCONSUMEIMGDRUM=60\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS DDEVICE", "Number CODE 40038", "Number CONSUMETONERK 5",
          "Number CONSUMEIMGDRUM 60"}},
        {"DTIMED", "@PJL USTATUS DTIMED\r\nCODE=10001\r\nCONSUMEFUSER=75\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS DTIMED", "Number CODE 10001", "Number CONSUMEFUSER 75"}},
        {"JOB START", "@PJL USTATUS JOB\r\nSTART\r\nNAME=\"Quarterly report.doc\"\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS JOB", "Keyword - START",
          "String NAME \"Quarterly report.doc\""}},
        {"JOB END",
         "@PJL USTATUS JOB\r\nEND\r\nNAME=\"Quarterly report.doc\"\r\nPAGES=12\r\nRESULT=USER_CANCELED\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS JOB", "Keyword - END", "String NAME \"Quarterly report.doc\"",
          "Number PAGES 12", "Keyword RESULT USER_CANCELED"}},
        {"JOB END, repeated result, then a field",
         "@PJL USTATUS JOB\r\nEND\r\nRESULT=OK\r\nOK\r\nPAGES=3\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS JOB", "Keyword - END", "Keyword RESULT OK", "Keyword - OK"}},
        {"PAGE", "@PJL USTATUS PAGE\r\n12\r\n\f",
         {"Command USTATUS USTATUS", "Keyword USTATUS PAGE", "Number - 12"}},
    };
    for (const ReplyCase& c : cases) {
        auto records = ParseReplies(c.text);
        ASSERT_EQ(records.size(), 1u) << c.name;
        EXPECT_EQ(records[0], c.items) << c.name;
    }
}

TEST(PjlUstatusReplies, NotificationsCollectedByOneReadGiveOneRecordEach) {
    auto records = ParseReplies(
        "@PJL USTATUS JOB\r\nSTART\r\nNAME=\"A\"\r\n\f@PJL USTATUS PAGE\r\n1\r\n\f"
        "@PJL USTATUS DEVICE\r\nCODE=10023\r\nDISPLAY=\"PRINTING\"\r\nONLINE=TRUE\r\n\f"
        "@PJL USTATUS JOB\r\nEND\r\nNAME=\"A\"\r\nPAGES=1\r\nRESULT=OK\r\n\f");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].back(), "Number - 1");
    EXPECT_EQ(records[2][2], "Number CODE 10023");
    EXPECT_EQ(records[3].back(), "Keyword RESULT OK");
}

TEST(PjlUstatusReplies, InfoUstatusListsTheNotificationSettings) {
    auto records = ParseReplies(
        "@PJL INFO USTATUS\r\nDEVICE=ON [3 ENUMERATED]\r\n\tON\r\n\tOFF\r\n\tVERBOSE\r\n"
        "JOB=OFF [2 ENUMERATED]\r\n\tON\r\n\tOFF\r\nTIMED=20\r\nRANGE 300\r\nPAGE=OFF\r\n\f");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0],
              (Record{"Command INFO INFO", "Keyword INFO USTATUS", "Keyword DEVICE ON", "Number DEVICE 3",
                      "Keyword DEVICE ON", "Keyword DEVICE OFF", "Keyword DEVICE VERBOSE", "Keyword JOB OFF",
                      "Number JOB 2", "Keyword JOB ON", "Keyword JOB OFF", "Number TIMED 20", "Number RANGE 300",
                      "Keyword PAGE OFF"}));
}

}  // namespace
