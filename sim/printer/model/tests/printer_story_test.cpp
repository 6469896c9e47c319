// The simulated printer over time: SET commands, the toner carousel, USTATUS
// messages collected for READ, jobs, the scripted timeline and one-shot events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_state.h"
#include "printer_engine.h"
#include "reply_harness.h"

namespace {

class PrinterStory : public ::testing::Test {
 protected:
  std::string Ask(const std::string& request, size_t capacity = 1284) {
    simprinter::PrinterEngine engine(state, now);
    std::string reply;
    EXPECT_TRUE(engine.Answer(request, capacity, &reply)) << request;
    return reply;
  }
  // The first item of `key` in the one record of a reply.
  std::string Item(const std::string& reply, const std::string& prefix) {
    for (const Record& record : ParseReplies(reply)) {
      for (const std::string& item : record) {
        if (item.compare(0, prefix.size(), prefix) == 0) return item;
      }
    }
    return "(none)";
  }
  std::vector<std::string> Kinds(const std::string& reply) {
    std::vector<std::string> kinds;
    for (const Record& record : ParseReplies(reply)) kinds.push_back(record.size() > 1 ? record[1] : "?");
    return kinds;
  }
  MemoryState state = MemoryState::FromFile(SIM_SAMPLE_STATE);
  uint64_t now = 100000;
};

TEST_F(PrinterStory, TonerCarouselMovesThenWaitsForTheDoor) {
  const std::string position = "#GET#\n@PJL INQUIRE TONERPOSITION\r\n\f";
  const std::string status = "#GET#\n@PJL INFO STATUS";
  EXPECT_EQ(Ask("#GET#\n@PJL SET TONERPOSITION=C\r\n\f"), "");
  EXPECT_EQ(Item(Ask(position), "Keyword TONERPOSITION"), "Keyword TONERPOSITION MOVING");
  EXPECT_EQ(Item(Ask(status), "Number CODE"), "Number CODE 610300");
  now += 2999;
  EXPECT_EQ(Item(Ask(position), "Keyword TONERPOSITION"), "Keyword TONERPOSITION MOVING");
  now += 1;
  EXPECT_EQ(Item(Ask(position), "Keyword TONERPOSITION"), "Keyword TONERPOSITION C");
  EXPECT_EQ(Item(Ask(status), "Number CODE"), "Number CODE 600500");
  now += 10000;  // it stays at the exchange position until the door is used
  EXPECT_EQ(Item(Ask(status), "Number CODE"), "Number CODE 600500");
  state.Set("Printer", "DoorOpen", "1");
  EXPECT_EQ(Item(Ask(status), "Number CODE"), "Number CODE 200100");
  state.Set("Printer", "DoorOpen", "0");
  EXPECT_EQ(Item(Ask(status), "Number CODE"), "Number CODE 600100");
  EXPECT_EQ(Item(Ask(position), "Keyword TONERPOSITION"), "Keyword TONERPOSITION C");
}

TEST_F(PrinterStory, SetChangesWhatInquireAnswersAndInitializeRestoresDefaults) {
  Ask("#GET#\n@PJL SET TRANSFERBIAS=-2\r\n\f");
  Ask("#GET#\n@PJL SET POWERSAVETIME=60\r\n\f");
  Ask("#GET#\n@PJL SET AUTOCONTINUE=ON\r\n\f");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INQUIRE TRANSFERBIAS\r\n\f"), "Number"), "Number TRANSFERBIAS -2");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INQUIRE POWERSAVETIME\r\n\f"), "Number"), "Number POWERSAVETIME 60");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INQUIRE AUTOCONTINUE\r\n\f"), "Keyword AUTO"), "Keyword AUTOCONTINUE ON");
  Ask("#GET#\n@PJL INITIALIZE");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INQUIRE POWERSAVETIME\r\n\f"), "Number"), "Number POWERSAVETIME 15");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INQUIRE TRANSFERBIAS\r\n\f"), "Number"), "Number TRANSFERBIAS 0");
}

TEST_F(PrinterStory, TonerTypeMeansANewFullCartridge) {
  Ask("#GET#\n@PJL SET TONERTYPEY=4500\r\n\f");
  const std::string reply = Ask("#GET#\n@PJL INFO DSTATUS");
  EXPECT_EQ(Item(reply, "Number CONSUMETONERY "), "Number CONSUMETONERY 100");
  EXPECT_EQ(Item(reply, "Number CONSUMETONERTYPEY"), "Number CONSUMETONERTYPEY 4500");
}

TEST_F(PrinterStory, PowerOnTestRunsForAWhile) {
  Ask("#GET#\n@PJL SET AIDCCONTROL=1");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INFO STATUS"), "Number CODE"), "Number CODE 610200");
  now += 4000;
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INFO STATUS"), "Number CODE"), "Number CODE 600100");
}

TEST_F(PrinterStory, ReadReturnsTheMessagesQueuedSinceTheLastRead) {
  Ask("#SET#\n@PJL USTATUS DEVICE=ON");
  Ask("#SET#\n@PJL USTATUS JOB=ON");
  Ask("#SET#\n@PJL USTATUS PAGE=ON");
  EXPECT_EQ(Kinds(Ask("READ")), std::vector<std::string>{"Keyword USTATUS DEVICE"});  // the state at once
  EXPECT_EQ(Ask("READ"), "");

  state.Set("Events", "1", "JobStart=Quarterly report;JobPage=1;JobEnd=Quarterly report,2,OK");
  const std::string reply = Ask("READ");
  EXPECT_EQ(Kinds(reply), (std::vector<std::string>{"Keyword USTATUS JOB", "Keyword USTATUS DEVICE",
                                                     "Keyword USTATUS PAGE", "Keyword USTATUS PAGE",
                                                     "Keyword USTATUS JOB", "Keyword USTATUS DEVICE"}));
  const std::vector<Record> records = ParseReplies(reply);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0][2], "Keyword - START");
  EXPECT_EQ(records[0][3], "String NAME \"Quarterly report\"");
  EXPECT_EQ(records[1][2], "Number CODE 610100");
  EXPECT_EQ(records[3][2], "Number - 2");  // the page number follows PAGE unkeyed
  EXPECT_EQ(records[4][2], "Keyword - END");
  EXPECT_EQ(Item(reply, "Keyword RESULT"), "Keyword RESULT OK");
  EXPECT_EQ(Item(reply, "Number PAGES"), "Number PAGES 2");
  EXPECT_EQ(records[5][2], "Number CODE 600100");
  EXPECT_EQ(state.Get("Counters", "PageCount"), "12347");
  EXPECT_TRUE(state.Entries("Events").empty());
}

TEST_F(PrinterStory, ReadKeepsWhatDoesNotFitTheCallersBuffer) {
  Ask("#SET#\n@PJL USTATUS DEVICE=ON");
  Ask("READ");
  state.Set("Printer", "Code", "400800");
  Ask("#GET#\n@PJL INFO ID");
  state.Set("Printer", "Code", "600100");
  Ask("#GET#\n@PJL INFO ID");
  const std::string both = "@PJL USTATUS DEVICE\r\nCODE=400800\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n\f";
  const std::string first = Ask("READ", both.size() + 1);
  EXPECT_EQ(first, both);
  EXPECT_EQ(Item(Ask("READ"), "Number CODE"), "Number CODE 600100");
}

TEST_F(PrinterStory, TimedStatusRepeatsAndUstatusOffStopsEverything) {
  Ask("#SET#\n@PJL USTATUS DTIMED=20");
  now += 19999;
  EXPECT_EQ(Ask("READ"), "");
  now += 1;
  EXPECT_EQ(Kinds(Ask("READ")), std::vector<std::string>{"Keyword USTATUS DTIMED"});
  now += 20000;
  Ask("#SET#\n@PJL USTATUSOFF");
  now += 40000;
  EXPECT_EQ(Ask("READ"), "");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INFO USTATUS"), "Number DTIMED"), "Number DTIMED 0");
}

TEST_F(PrinterStory, TimelineStepsApplyAtTheirTimes) {
  state.Set("Timeline", "1", "1000;Printer.Code=400800;Printer.Display=PAPER JAM");
  state.Set("Timeline", "2", "5000;Printer.Code=600100;Printer.Display=");
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INFO STATUS"), "Number CODE"), "Number CODE 600100");  // starts the clock
  now += 1000;
  const std::string jam = Ask("#GET#\n@PJL INFO STATUS");
  EXPECT_EQ(Item(jam, "Number CODE"), "Number CODE 400800");
  EXPECT_EQ(Item(jam, "String DISPLAY"), "String DISPLAY \"PAPER JAM\"");
  now += 4000;
  const std::string ready = Ask("#GET#\n@PJL INFO STATUS");
  EXPECT_EQ(Item(ready, "Number CODE"), "Number CODE 600100");
  EXPECT_EQ(Item(ready, "String DISPLAY"), "String DISPLAY \"READY\"");
}

TEST_F(PrinterStory, BusyForANumberOfRequests) {
  state.Set("Printer", "BusyRequests", "2");
  EXPECT_NE(Ask("#GET#\n@PJL INFO STATUS").find("CODE=999999"), std::string::npos);
  EXPECT_NE(Ask("#GET#\n@PJL INFO STATUS").find("CODE=999999"), std::string::npos);
  EXPECT_EQ(Item(Ask("#GET#\n@PJL INFO STATUS"), "Number CODE"), "Number CODE 600100");
}

}  // namespace
