// INQUIRE and DINQUIRE of every variable the monitor's grammar knows, and ECHO.
#include <gtest/gtest.h>

#include "reply_harness.h"

namespace {

TEST(PjlInquireReplies, EveryVariableYieldsItsValueUnderItsName) {
    struct Case {
        const char* variable;
        const char* value;
        const char* item;
    } cases[] = {
        {"DENSITY", "3", "Number DENSITY 3"},
        {"INTRAY1SIZE", "A4", "Keyword INTRAY1SIZE A4"},
        {"INTRAY2SIZE", "LETTER", "Keyword INTRAY2SIZE LETTER"},
        {"INTRAY3SIZE", "INVOICE", "Keyword INTRAY3SIZE INVOICE"},
        {"POWERSAVE", "ON", "Keyword POWERSAVE ON"},
        {"POWERSAVETIME", "30", "Number POWERSAVETIME 30"},
        {"TIMEOUT", "15", "Number TIMEOUT 15"},
        {"FIRMWARE", "V1.02 (2001)", "String FIRMWARE \" V1.02 (2001)  \""},
        {"NETCARD", "1", "Number NETCARD 1"},
        {"PAGECOUNT", "54321", "Number PAGECOUNT 54321"},
        {"TONERCCOUNT", "11", "Number TONERCCOUNT 11"},
        {"TONERKCOUNT", "12", "Number TONERKCOUNT 12"},
        {"TONERMCOUNT", "13", "Number TONERMCOUNT 13"},
        {"TONERYCOUNT", "14", "Number TONERYCOUNT 14"},
        {"TRAY3", "0", "Number TRAY3 0"},
        {"TRAY2", "1", "Number TRAY2 1"},
        {"INTRAY2", "1", "Number INTRAY2 1"},
        {"INPTRAY2", "0", "Number INPTRAY2 0"},
        {"INPTRAY3", "1", "Number INPTRAY3 1"},
        {"SHIFTRAY", "0", "Number SHIFTRAY 0"},
        {"DUPLEX", "1", "Number DUPLEX 1"},
        {"OUTOPTION", "2", "Number OUTOPTION 2"},
        {"VERSION", "2.10", "String VERSION \" 2.10  \""},
        {"TONERPOSITION", "C", "Keyword TONERPOSITION C"},
        {"TONERPOSITION", "M", "Keyword TONERPOSITION M"},
        {"TONERPOSITION", "Y", "Keyword TONERPOSITION Y"},
        {"TONERPOSITION", "K", "Keyword TONERPOSITION K"},
        {"TONERPOSITION", "MOVING", "Keyword TONERPOSITION MOVING"},
        {"TONERPOSITION", "UNKNOWN", "Keyword TONERPOSITION UNKNOWN"},
        {"TRANSFERBIAS", "-3", "Number TRANSFERBIAS -3"},
        {"AUTOCONTINUE", "OFF", "Keyword AUTOCONTINUE OFF"},
    };
    for (const char* command : {"INQUIRE", "DINQUIRE"}) {
        for (const Case& c : cases) {
            std::string text = std::string("@PJL ") + command + " " + c.variable + "\r\n" + c.value + "\r\n\f";
            auto records = ParseReplies(text);
            ASSERT_EQ(records.size(), 1u) << text;
            EXPECT_EQ(records[0], (Record{std::string("Command ") + command + " " + command, c.item})) << text;
        }
    }
}

TEST(PjlInquireReplies, ValueOutsideTheVariablesListDropsTheRest) {
    auto records = ParseReplies("@PJL INQUIRE TONERPOSITION\r\nBLUE\r\n\f@PJL INQUIRE AUTOCONTINUE\r\nON\r\n\f");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (Record{"Command INQUIRE INQUIRE"}));
    EXPECT_EQ(records[1], (Record{"Command INQUIRE INQUIRE", "Keyword AUTOCONTINUE ON"}));
}

TEST(PjlEchoReplies, EverythingAfterTheWordIsOneString) {
    struct Case {
        const char* text;
        const char* item;
    } cases[] = {
        {"@PJL ECHO hello world\r\n\f", "String ECHO \"hello world  \""},
        {"@PJL ECHO Tolvan=42 \"q\" [7]\r\n\f", "String ECHO \"Tolvan=42 \\\"q\\\"  7   \""},
        {"@PJL ECHO\r\n\f", "String ECHO \" \""},
        {"@PJL ECHO \xB2\xE2\xCA\xD4\r\n\f", "String ECHO \"\\xb2\\xe2\\xca\\xd4  \""},
    };
    for (const Case& c : cases) {
        auto records = ParseReplies(c.text);
        ASSERT_EQ(records.size(), 1u) << c.text;
        EXPECT_EQ(records[0], (Record{"Command ECHO ECHO", c.item})) << c.text;
    }
}

}  // namespace
