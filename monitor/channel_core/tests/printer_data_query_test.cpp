// The query's rules against a scripted spooler: what it announces, how long
// it may take, which lengths count, and where the terminator goes.
#include "printer_data_query.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace statmon::channel {
namespace {

class ScriptedPort : public PrinterDataPort {
 public:
  bool open = true, nt = false, parser = true;
  std::uint32_t status = 0;
  std::string data;                 // copied into the buffer, as far as it fits
  std::uint32_t reportedLength = 0;
  std::uint32_t now = 1000, readCostMs = 0;
  std::vector<std::string> calls;

  bool HandleOpen() override { return open; }
  bool AnnouncesRequests() override { return nt; }
  void Announce(const char* request) override { calls.push_back(std::string("set ") + request); }
  std::uint32_t Read(const char* request, char* buffer, std::uint32_t size,
                     std::uint32_t* replyLength) override {
    calls.push_back(std::string("get ") + request);
    if (buffer != nullptr) std::memcpy(buffer, data.data(), std::min<std::size_t>(data.size(), size));
    *replyLength = reportedLength;
    now += readCostMs;
    return status;
  }
  bool ParserExists() override { return parser; }
  void Sleep(std::uint32_t ms) override {
    calls.push_back("sleep " + std::to_string(ms));
    now += ms;
  }
  std::uint32_t TickCount() override { return now; }
};

TEST(PrinterDataQuery, AnnouncesOnlyOnTheNtFamilyAndPausesBeforeTheRead) {
  struct Row { bool nt; std::uint32_t delay; std::vector<std::string> calls; };
  const Row rows[] = {
      {false, 0, {"get READ"}},
      {true, 0, {"set READ", "get READ"}},
      {true, 1024, {"set READ", "sleep 1024", "get READ"}},
      {false, 500, {"sleep 500", "get READ"}},
  };
  for (const Row& row : rows) {
    ScriptedPort port;
    port.nt = row.nt;
    port.reportedLength = 20;
    char buffer[kReplyBufferSize + 1] = {};
    std::uint32_t length = 0;
    EXPECT_TRUE(RunPrinterDataQuery(port, "READ", buffer, kReplyBufferSize, &length, row.delay));
    EXPECT_EQ(port.calls, row.calls) << row.nt << " " << row.delay;
  }
}

TEST(PrinterDataQuery, WithoutAHandleNothingReachesTheSpooler) {
  ScriptedPort port;
  port.open = false;
  port.nt = true;
  std::uint32_t length = 77;
  EXPECT_FALSE(RunPrinterDataQuery(port, "READ", nullptr, 0, &length, 500));
  EXPECT_TRUE(port.calls.empty());
  EXPECT_EQ(length, 0u);
}

TEST(PrinterDataQuery, JudgesTheReportedLength) {
  struct Row { const char* request; std::uint32_t size; std::uint32_t length; bool valid; };
  const Row rows[] = {
      {"READ", kReplyBufferSize, 11, false},
      {"READ", kReplyBufferSize, 12, true},
      {"READ", kReplyBufferSize, 1284, true},
      {"READ", kReplyBufferSize, 1285, false},
      {"#GET#\n@PJL INFO ID", kReplyBufferSize, 0, false},
      {"#SET#\n@PJL USTATUSOFF", kReplyBufferSize, 0, true},   // no answer expected
      {"#SET#\n@PJL USTATUSOFF", kReplyBufferSize, 5000, true},
      {"READ", 0, 0, true},                                    // no size: no check
  };
  for (const Row& row : rows) {
    ScriptedPort port;
    port.reportedLength = row.length;
    std::vector<char> buffer(kReplyBufferSize + 1, '\0');
    std::uint32_t length = 0;
    EXPECT_EQ(RunPrinterDataQuery(port, row.request, row.size ? buffer.data() : nullptr, row.size,
                                  &length, 0),
              row.valid)
        << row.request << " " << row.length;
    EXPECT_EQ(length, row.length);
  }
}

TEST(PrinterDataQuery, FailsOnAnErrorALateAnswerOrAMissingParser) {
  struct Row { std::uint32_t status; std::uint32_t costMs; bool parser; std::uint32_t startTick; bool valid; };
  const Row rows[] = {
      {0, 29999, true, 1000, true},
      {0, 30000, true, 1000, false},
      {234, 0, true, 1000, false},          // ERROR_MORE_DATA
      {0, 0, false, 1000, false},           // the window is closing
      {0, 100, true, 0xFFFFFF00u, true},    // across the wrap of the tick counter
      {0, 30000, true, 0xFFFFFF00u, false},
  };
  for (const Row& row : rows) {
    ScriptedPort port;
    port.status = row.status;
    port.readCostMs = row.costMs;
    port.parser = row.parser;
    port.now = row.startTick;
    port.reportedLength = 40;
    char buffer[kReplyBufferSize + 1] = {};
    std::uint32_t length = 0;
    EXPECT_EQ(RunPrinterDataQuery(port, "READ", buffer, kReplyBufferSize, &length, 0), row.valid)
        << row.status << " " << row.costMs << " " << row.startTick;
  }
}

TEST(PrinterDataQuery, TerminatesTheReplyOnlyWithinTheBuffer) {
  ScriptedPort port;
  port.data = "@PJL INFO STATUS\r\nCODE=600100\r\nXXXX";
  port.reportedLength = 29;
  std::vector<char> buffer(kReplyBufferSize + 1, '\0');
  std::uint32_t length = 0;
  EXPECT_TRUE(RunPrinterDataQuery(port, "READ", buffer.data(), kReplyBufferSize, &length, 0));
  EXPECT_STREQ(buffer.data(), "@PJL INFO STATUS\r\nCODE=600100");

  // A length beyond the buffer is rejected and writes nothing beyond it.
  std::vector<char> guarded(64 + 1 + 8, 'G');
  port.data = "0123456789ABCDEF";
  port.reportedLength = 70;
  EXPECT_FALSE(RunPrinterDataQuery(port, "READ", guarded.data(), 64, &length, 0));
  EXPECT_EQ(std::string(guarded.begin() + 65, guarded.end()), std::string(8, 'G'));

  // A reply that fills the buffer exactly gets its terminator in the spare byte.
  std::vector<char> full(16 + 1, 'x');
  port.data = std::string(16, 'A');
  port.reportedLength = 16;
  EXPECT_TRUE(RunPrinterDataQuery(port, "READ", full.data(), 16, &length, 0));
  EXPECT_EQ(full[16], '\0');
}

TEST(PrinterDataQuery, CallersHandOnOnlyAnswersLongerThanTwelveBytes) {
  EXPECT_FALSE(ReplyWorthHandling(true, 12));
  EXPECT_TRUE(ReplyWorthHandling(true, 13));
  EXPECT_FALSE(ReplyWorthHandling(false, 200));
}

}  // namespace
}  // namespace statmon::channel
