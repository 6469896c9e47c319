// The simulated printer's replies as the pjldump tool shows them: every
// request kind the status monitor makes, answered from the sample state,
// written to a file and read back by pjldump into the records and items the
// monitor's parser delivers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "memory_state.h"
#include "printer_engine.h"

namespace {

constexpr size_t kMonitorBuffer = 1284;

struct Dump {
  std::vector<std::vector<std::string>> records;  // items of each RECORD
  std::string other;                              // any line that is neither
};

// pjldump's listing of one reply.
Dump RunPjldump(const std::string& reply) {
  const std::string path = ::testing::TempDir() + "sim_reply.pjl";
  std::ofstream(path, std::ios::binary) << reply;
  Dump dump;
  FILE* pipe = popen((std::string("\"") + PJLDUMP + "\" \"" + path + "\"").c_str(), "r");
  if (pipe == nullptr) return dump;
  char line[1024];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.compare(0, 7, "RECORD ") == 0) {
      dump.records.emplace_back();
    } else if (text.compare(0, 2, "  ") == 0 && !dump.records.empty()) {
      dump.records.back().push_back(text.substr(2));
    } else {
      dump.other += text + "\n";
    }
  }
  pclose(pipe);
  return dump;
}

// The expected items appear in this order; others may lie between.
::testing::AssertionResult HasInOrder(const std::vector<std::string>& items, const std::vector<std::string>& expected) {
  size_t at = 0;
  for (const std::string& item : items) {
    if (at < expected.size() && item == expected[at]) ++at;
  }
  if (at == expected.size()) return ::testing::AssertionSuccess();
  std::string got;
  for (const std::string& item : items) got += "\n  " + item;
  return ::testing::AssertionFailure() << "missing \"" << expected[at] << "\" in" << got;
}

std::string Answer(MemoryState& state, const std::string& request, uint64_t now = 1000) {
  simprinter::PrinterEngine engine(state, now);
  std::string reply;
  engine.Answer(request, kMonitorBuffer, &reply);
  return reply;
}

TEST(PjldumpReadsTheSimulatedPrinter, EveryInfoAndInquireReplyIsOneRecordOfTheExpectedItems) {
  MemoryState state = MemoryState::FromFile(SIM_SAMPLE_STATE);
  const struct {
    const char* request;
    std::vector<std::string> items;
  } cases[] = {
      {"#GET#\n@PJL INFO ID", {"Command INFO INFO", "Keyword INFO ID"}},
      {"#GET#\n@PJL INFO STATUS", {"Keyword INFO STATUS", "Number CODE 600100", "String DISPLAY \"READY\"", "Keyword ONLINE TRUE"}},
      {"#GET#\n@PJL INFO DSTATUS", {"Keyword INFO DSTATUS", "Number CODE 600100", "Number CONSUMETONERK 80", "Number CONSUMEFUSER 95"}},
      {"#GET#\n@PJL INFO CONFIG",
       {"Keyword INFO CONFIG", "Number IN 6", "Number OUT 2", "Keyword DUPLEX INSTALLED", "Keyword NETCARD ETHERNETCARD",
        "Number MEMORY 134217728", "Number USBVID 1234", "String ENGFW \"E1.07\""}},
      {"#GET#\n@PJL INFO WARNINGLIST", {"Keyword INFO WARNINGLIST", "Number WARNINGLIST 2", "Number W1TONERYNEAREMPTY 710102"}},
      {"#GET#\n@PJL INFO PAGECOUNT", {"Keyword INFO PAGECOUNT", "Number PAGECOUNT 12345"}},
      {"#GET#\n@PJL INFO COUNTER", {"Keyword INFO COUNTER", "Number COUNTTOTAL 12345", "Number COUNTTONERK 9876"}},
      {"#GET#\n@PJL INFO MEMORY", {"Keyword INFO MEMORY", "Number TOTAL 134217728"}},
      {"#GET#\n@PJL INFO VARIABLES", {"Keyword INFO VARIABLES", "Number POWERSAVETIME 30", "Keyword TONERPOSITION K"}},
      {"#GET#\n@PJL INQUIRE TONERPOSITION\r\n\f", {"Command INQUIRE INQUIRE", "Keyword TONERPOSITION K"}},
      {"#GET#\n@PJL INQUIRE TRANSFERBIAS\r\n\f", {"Command INQUIRE INQUIRE", "Number TRANSFERBIAS 0"}},
      {"#GET#\n@PJL INQUIRE POWERSAVETIME\r\n\f", {"Number POWERSAVETIME 30"}},
      {"#GET#\n@PJL INQUIRE AUTOCONTINUE\r\n\f", {"Keyword AUTOCONTINUE OFF"}},
      {"#GET#\n@PJL DINQUIRE POWERSAVETIME\r\n\f", {"Command DINQUIRE DINQUIRE", "Number POWERSAVETIME 15"}},
  };
  for (const auto& c : cases) {
    const Dump dump = RunPjldump(Answer(state, c.request));
    EXPECT_EQ(dump.other, "") << c.request;
    ASSERT_EQ(dump.records.size(), 1u) << c.request;
    EXPECT_TRUE(HasInOrder(dump.records[0], c.items)) << c.request;
  }
}

TEST(PjldumpReadsTheSimulatedPrinter, ReadRepliesAreOneRecordPerMessageAndPseudoRepliesAreStatus) {
  MemoryState state = MemoryState::FromFile(SIM_SAMPLE_STATE);
  for (const char* on : {"#SET#\n@PJL USTATUS DEVICE=ON", "#SET#\n@PJL USTATUS JOB=ON"}) Answer(state, on);
  Answer(state, "READ");
  state.Set("Events", "1", "JobStart=Report;JobEnd=Report,1,OK");
  const Dump read = RunPjldump(Answer(state, "READ"));
  EXPECT_EQ(read.other, "");
  ASSERT_GE(read.records.size(), 2u);
  EXPECT_TRUE(HasInOrder(read.records.front(), {"Keyword USTATUS JOB", "Keyword - START", "String NAME \"Report\""}));
  bool ended = false;
  for (const auto& record : read.records) {
    ended = ended || HasInOrder(record, {"Keyword USTATUS JOB", "Keyword - END", "Number PAGES 1", "Keyword RESULT OK"});
  }
  EXPECT_TRUE(ended);

  const struct {
    const char* key;
    const char* value;
    const char* code;
  } pseudo[] = {{"Power", "0", "Number CODE 111111"}, {"Busy", "1", "Number CODE 999999"}};
  for (const auto& p : pseudo) {
    MemoryState local = MemoryState::FromFile(SIM_SAMPLE_STATE);
    local.Set("Printer", p.key, p.value);
    const Dump dump = RunPjldump(Answer(local, "#GET#\n@PJL INFO STATUS"));
    ASSERT_EQ(dump.records.size(), 1u) << p.key;
    EXPECT_TRUE(HasInOrder(dump.records[0], {"Keyword INFO STATUS", p.code})) << p.key;
  }
}

}  // namespace
