// Every request kind the status monitor makes, answered by the simulated
// printer in the sample state and read back by the monitor's own PJL parser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_state.h"
#include "printer_engine.h"
#include "reply_harness.h"

namespace {

constexpr size_t kMonitorBuffer = 1284;

std::string AnswerTo(MemoryState& state, const std::string& request, uint64_t now = 1000) {
  simprinter::PrinterEngine engine(state, now);
  std::string reply;
  EXPECT_TRUE(engine.Answer(request, kMonitorBuffer, &reply)) << request;
  return reply;
}

// The expected items appear in the record in this order (others may lie between).
::testing::AssertionResult HasItemsInOrder(const Record& record, const std::vector<std::string>& expected) {
  size_t at = 0;
  for (const std::string& item : record) {
    if (at < expected.size() && item == expected[at]) ++at;
  }
  if (at == expected.size()) return ::testing::AssertionSuccess();
  std::string got;
  for (const std::string& item : record) got += "\n  " + item;
  return ::testing::AssertionFailure() << "missing \"" << expected[at] << "\" in" << got;
}

struct ReplyCase {
  const char* request;
  std::vector<std::string> items;
};

class SampleReplies : public ::testing::Test {
 protected:
  MemoryState state = MemoryState::FromFile(SIM_SAMPLE_STATE);
};

TEST_F(SampleReplies, EveryRequestParsesIntoTheItemsTheMonitorReads) {
  const ReplyCase cases[] = {
      {"#GET#\n@PJL INFO ID", {"Command INFO INFO", "Keyword INFO ID", "String - \" \\\"TOLVAN Pelmora CL20 CLP-2600\\\"  \""}},
      {"#GET#\n@PJL INFO STATUS",
       {"Command INFO INFO", "Keyword INFO STATUS", "Number CODE 600100", "String DISPLAY \"READY\"",
        "Keyword ONLINE TRUE"}},
      {"#GET#\n@PJL INFO DSTATUS",
       {"Keyword INFO DSTATUS", "Number CODE 600100", "Number CONSUMETONERK 80", "Number CONSUMETONERC 65",
        "Number CONSUMETONERM 50", "Number CONSUMETONERY 35", "Number CONSUMETRSBELT 90",
        "Number CONSUMEIMGDRUM 75", "Number CONSUMEFUSER 95", "Number CONSUMETONERTYPEK 4500",
        "Number CONSUMETONERTYPEC 4500", "Number CONSUMETONERTYPEM 1500", "Number CONSUMETONERTYPEY 1500"}},
      {"#GET#\n@PJL INFO CONFIG",
       {"Keyword INFO CONFIG", "Number IN 6", "Keyword INTRAY1 MP", "Keyword INTRAY4 LCC", "Keyword IN MANUAL",
        "Number OUT 2", "Keyword NORMAL FACEDOWN", "Number PAPERS 5", "Keyword PAPERS A4",
        "Keyword PAPERS B5", "Number LANGUAGES 3", "Keyword LANGUAGES POSTSCRIPT", "Number USTATUS 6",
        "Keyword TRAY2 INSTALLED", "Number TRAY2 2", "Keyword INTRAY2 INSTALLED",
        "Keyword INTRAY4 INSTALLED", "Keyword SHIFTRAY INSTALLED", "Keyword DUPLEX INSTALLED",
        "Keyword NETCARD ETHERNETCARD", "Keyword OUTOPTION 5BIN-MAILBIN",
        "Number OUTOPTION 5", "Number MEMORY 134217728", "String FIRMWARE \"V2.10 2004-06-01\"",
        "String DEVICEID \"MFG:TOLVAN;MDL:Pelmora CL20 CLP-2600;CMD:PJL,PCLXL,POSTSCRIPT;CLS:PRINTER;\"",
        "Number USBVID 1234", "Number USBPID 26", "String ENGFW \"E1.07\""}},
      {"#GET#\n@PJL INFO MEMORY", {"Keyword INFO MEMORY", "Number TOTAL 134217728"}},
      {"#GET#\n@PJL INFO PAGECOUNT", {"Keyword INFO PAGECOUNT", "Number PAGECOUNT 12345"}},
      {"#GET#\n@PJL INFO COUNTER",
       {"Keyword INFO COUNTER", "Number COUNTTOTAL 12345", "Number COUNTTONERC 3021", "Number COUNTTONERM 2987",
        "Number COUNTTONERY 3110", "Number COUNTTONERK 9876"}},
      {"#GET#\n@PJL INFO WARNINGLIST",
       {"Keyword INFO WARNINGLIST", "Number WARNINGLIST 2", "Keyword - ENUMERATED", "Number W1TONERYNEAREMPTY 710102",
        "Number W1FUSERUNITLIFEALMOSTOVER 720102"}},
      {"#GET#\n@PJL INFO VARIABLES",
       {"Keyword INFO VARIABLES", "Number DENSITY 3", "Number RANGE 5", "Number POWERSAVETIME 30",
        "Number RANGE 240", "Number TIMEOUT 15", "Keyword INTRAY1SIZE A4", "Number INTRAY1SIZE 10", "Keyword INTRAY1SIZE C5",
        "Keyword INTRAY3SIZE LETTER",
        "Keyword POWERSAVE ON", "Keyword TONERPOSITION K"}},
      {"#GET#\n@PJL INFO USTATUS",
       {"Keyword INFO USTATUS", "Keyword DEVICE OFF", "Keyword JOB OFF", "Number TIMED 0", "Number RANGE 300",
        "Number DTIMED 0"}},
      {"#GET#\n@PJL INQUIRE TONERPOSITION\r\n\f", {"Command INQUIRE INQUIRE", "Keyword TONERPOSITION K"}},
      {"#GET#\n@PJL INQUIRE TRANSFERBIAS\r\n\f", {"Command INQUIRE INQUIRE", "Number TRANSFERBIAS 0"}},
      {"#GET#\n@PJL INQUIRE POWERSAVETIME\r\n\f", {"Number POWERSAVETIME 30"}},
      {"#GET#\n@PJL INQUIRE AUTOCONTINUE\r\n\f", {"Keyword AUTOCONTINUE OFF"}},
      {"#GET#\n@PJL DINQUIRE POWERSAVETIME\r\n\f", {"Command DINQUIRE DINQUIRE", "Number POWERSAVETIME 15"}},
      {"#GET#\n@PJL DINQUIRE AUTOCONTINUE\r\n\f", {"Keyword AUTOCONTINUE ON"}},
      {"#GET#\n@PJL INQUIRE DUPLEX\r\n\f", {"Number DUPLEX 1"}},
      {"#GET#\n@PJL INQUIRE TRAY3\r\n\f", {"Number TRAY3 0"}},
      {"#GET#\n@PJL INQUIRE TONERKCOUNT\r\n\f", {"Number TONERKCOUNT 9876"}},
      {"#GET#\n@PJL INQUIRE INTRAY1SIZE\r\n\f", {"Keyword INTRAY1SIZE A4"}},
      {"#GET#\n@PJL INQUIRE FIRMWARE\r\n\f", {"String FIRMWARE \" V2.10 2004-06-01  \""}},
      {"#GET#\n@PJL ECHO hello", {"Command ECHO ECHO", "String ECHO \"hello  \""}},
  };
  for (const ReplyCase& c : cases) {
    const std::string reply = AnswerTo(state, c.request);
    ASSERT_GE(reply.size(), 12u) << c.request;
    EXPECT_EQ(reply.compare(reply.size() - 3, 3, "\r\n\f"), 0) << c.request << ": CR LF and form feed close it";
    EXPECT_EQ(reply.find('\n'), reply.find("\r\n") + 1) << c.request << ": every line ends in CR LF";
    const std::vector<Record> records = ParseReplies(reply);
    ASSERT_EQ(records.size(), 1u) << c.request;
    EXPECT_TRUE(HasItemsInOrder(records[0], c.items)) << c.request;
  }
}

// The monitor reads INFO CONFIG into its 1284-byte buffer and the queued
// status messages behind it: the sample's answer must leave room for them.
// Options the sample leaves out appear once the state lists them.
TEST_F(SampleReplies, ConfigAnswerFitsTheMonitorsBufferAndListsAddedOptions) {
  EXPECT_LT(AnswerTo(state, "#GET#\n@PJL INFO CONFIG").size(), 1284u - 150u);
  for (const char* option : {"TRAY3", "INTRAY5", "INPTRAY2", "INPTRAY3", "HARDDISK"}) {
    state.Set("Options", option, "NOTINSTALLED");
  }
  state.Set("Config", "Interfaces", "PARALLEL");
  state.Set("Config", "MailboxNames", "MAILBIN2,MAILBIN3");
  const std::vector<Record> records = ParseReplies(AnswerTo(state, "#GET#\n@PJL INFO CONFIG"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(HasItemsInOrder(records[0], {"Keyword TRAY3 NOTINSTALLED", "Keyword INTRAY5 NOTINSTALLED",
                                           "Keyword INPTRAY2 NOTINSTALLED", "Keyword INPTRAY3 NOTINSTALLED",
                                           "Keyword HARDDISK NOTINSTALLED", "Keyword XINTERFACES PARALLEL",
                                           "Keyword MAILBOXNAME MAILBIN3"}));
}

TEST_F(SampleReplies, InfoIdAnswerCarriesTheEchoTheIdentityCheckLooksFor) {
  EXPECT_NE(AnswerTo(state, "#GET#\n@PJL INFO ID").find("@PJL INFO ID"), std::string::npos);
}

TEST_F(SampleReplies, SetRequestsAndUnknownCommandsGetNoAnswer) {
  for (const char* request : {"#SET#\n@PJL USTATUS DEVICE=ON", "#SET#\n@PJL USTATUSOFF",
                              "#GET#\n@PJL SET TRANSFERBIAS=2\r\n\f", "#GET#\n@PJL INITIALIZE",
                              "#GET#\n@PJL INFO NOSUCHTHING", "#GET#\nnot pjl", "#SET#\n@PJL INFO STATUS"}) {
    EXPECT_EQ(AnswerTo(state, request), "") << request;
  }
}

TEST_F(SampleReplies, NamesThatAreNotRequestsAreLeftToThePrinterData) {
  simprinter::PrinterEngine engine(state, 0);
  std::string reply = "untouched";
  EXPECT_FALSE(engine.Answer("TolvanDriver_J", kMonitorBuffer, &reply));
  EXPECT_FALSE(engine.Answer("read", kMonitorBuffer, &reply));
  EXPECT_EQ(reply, "untouched");
}

TEST_F(SampleReplies, PseudoRepliesReachTheParserAsStatusCodes) {
  const struct { const char* key; const char* value; const char* code; } cases[] = {
      {"Power", "0", "Number CODE 111111"},
      {"Connected", "0", "Number CODE 111111"},
      {"Busy", "1", "Number CODE 999999"},
  };
  for (const auto& c : cases) {
    MemoryState local = MemoryState::FromFile(SIM_SAMPLE_STATE);
    local.Set("Printer", c.key, c.value);
    for (const char* request : {"#GET#\n@PJL INFO ID", "READ", "#SET#\n@PJL USTATUSOFF"}) {
      const std::string reply = AnswerTo(local, request);
      EXPECT_NE(reply.find(std::string("CODE=") + (c.code + 12)), std::string::npos) << c.key << " " << request;
      const std::vector<Record> records = ParseReplies(reply);
      ASSERT_EQ(records.size(), 1u);
      EXPECT_TRUE(HasItemsInOrder(records[0], {"Keyword INFO STATUS", c.code})) << c.key;
    }
  }
}

TEST(PrinterRequestLog, EscapesControlCharacters) {
  EXPECT_EQ(simprinter::EscapeRequest("#GET#\n@PJL INQUIRE X\r\n\f"), "#GET#\\n@PJL INQUIRE X\\r\\n\\f");
  EXPECT_EQ(simprinter::EscapeRequest("a\\b\x01\xE9"), "a\\\\b\\x01\\xE9");
}

}  // namespace
