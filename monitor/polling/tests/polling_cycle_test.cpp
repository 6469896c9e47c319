// The connection cycle of the polling thread, state by state, against the
// exact order of queries, pauses, waits and display calls.
#include <gtest/gtest.h>

#include "fake_polling_host.h"
#include "polling_cycle.h"
#include "polling_test_texts.h"

namespace tolvan::polling::testing {
namespace {

const std::string kConfigRead =
    "q:READ [" + std::to_string(1284 - kConfigAnswer.size()) + "] +1024";
const Lines kAfterLoop = {"sleep:3000", "close", "clearhw", "post1127"};
const Lines kDetailedUstatus = {"q:SET USTATUS DDEVICE=ON", "q:SET USTATUS JOB=ON",
                                "q:SET USTATUS PAGE=ON", "q:SET USTATUS DTIMED=20"};
const Lines kPlainUstatus = {"q:SET USTATUS DEVICE=ON", "q:SET USTATUS JOB=ON",
                             "q:SET USTATUS PAGE=ON", "q:SET USTATUS TIMED=20"};

class PollingCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.defaults["SET USTATUSOFF"] = Text("");
    for (const char* set : {"DDEVICE=ON", "DEVICE=ON", "JOB=ON", "PAGE=ON", "DTIMED=20", "TIMED=20"})
      host.defaults[std::string("SET USTATUS ") + set] = Text("");
    host.defaults["GET INFO DSTATUS"] = Text(kDstatusReady);
    host.defaults["GET INFO STATUS"] = Text(kStatusReady);
    host.defaults["GET INFO CONFIG"] = Text(kConfigAnswer);
    host.defaults["GET INFO WARNINGLIST"] = Text(kWarnings);
    host.defaults["READ"] = Text(kDeviceReady);
    host.Script("READ", {Silence()});  // the READ behind the CONFIG request
    host.stopAfterWaits = 1;
  }
  void TearDown() override { EXPECT_FALSE(host.guardTripped) << "the cycle never ended"; }

  void Run() { cycle.RunStatusCheck(); }

  FakePollingHost host;
  PollingCycle cycle{host};
};

TEST_F(PollingCycleTest, ConnectsThroughEveryStateWithDetailedStatusAndSupplies) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_CONFIG | CAP_DETAILED_STATUS | CAP_SUPPLIES;
  host.stopAfterWaits = 2;
  Run();
  const Lines expected =
      Lines{"find",
            // probe
            "status:111110", "options", "refresh", "q:SET USTATUSOFF", "q:GET INFO DSTATUS",
            "reply:" + kDstatusReady, "options", "refresh",
            // configuration with the READ appended behind it
            "q:GET INFO CONFIG +1024", kConfigRead, "reply:" + kConfigAnswer, "options",
            "refresh",
            // warnings, detailed status
            "q:GET INFO WARNINGLIST", "reply:" + kWarnings,
            // the detailed-status state is one of the states that wait between passes
            "wait:5000", "q:GET INFO DSTATUS",
            "reply:" + kDstatusReady} +
      kDetailedUstatus +
      Lines{"q:READ", "reply:" + kDeviceReady,
            // now steady: the detailed refresh is due from the start, then the read
            "q:GET INFO DSTATUS", "reply:" + kDstatusReady, "q:READ", "reply:" + kDeviceReady,
            "refresh", "wait:5000",
            // the wait found the stop event set
            "q:SET USTATUSOFF"} +
      kAfterLoop;
  EXPECT_EQ(host.log, expected);
}

TEST_F(PollingCycleTest, PlainStatusPrinterSkipsConfigurationAndWarnings) {
  host.settings.capabilities = CAP_PLAIN_STATUS;
  host.script.clear();
  Run();
  const Lines expected = Lines{"find", "status:111110", "options", "refresh", "q:SET USTATUSOFF",
                               "q:GET INFO STATUS", "reply:" + kStatusReady, "options", "refresh"} +
                         kPlainUstatus +
                         Lines{"q:READ", "reply:" + kDeviceReady, "q:READ", "reply:" + kDeviceReady,
                               "refresh", "wait:5000", "q:SET USTATUSOFF"} +
                         kAfterLoop;
  EXPECT_EQ(host.log, expected);
}

TEST_F(PollingCycleTest, WithoutStatusFamilyTheProbeIsUstatusOffAlone) {
  host.settings.capabilities = 0;
  host.script.clear();
  Run();
  // The preset "0" stands as the answer; no USTATUS sequence and no READ after it.
  const Lines expected = Lines{"find", "status:111110", "options", "refresh", "q:SET USTATUSOFF",
                               "reply:0", "options", "refresh", "q:READ", "reply:" + kDeviceReady,
                               "refresh", "wait:5000", "q:SET USTATUSOFF"} +
                         kAfterLoop;
  EXPECT_EQ(host.log, expected);
}

TEST_F(PollingCycleTest, SilentPrinterShowsNoConnectionAtThirdProbeAndEndsAfterFifth) {
  host.settings.capabilities = CAP_DETAILED_STATUS;
  host.defaults["SET USTATUSOFF"] = Silence();
  Run();
  const Lines expected = Lines{"find",
                               "status:111110", "options", "refresh", "q:SET USTATUSOFF", "options", "refresh",
                               "q:SET USTATUSOFF", "options", "refresh",
                               "q:SET USTATUSOFF", "sleep:3000", "status:111111", "refresh", "options", "refresh",
                               "q:SET USTATUSOFF", "options", "refresh",
                               "q:SET USTATUSOFF", "signal", "options", "refresh"} +
                         kAfterLoop;
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(cycle.pollState(), POLL_RESTART);
}

TEST_F(PollingCycleTest, NoConnectionAnswerToProbeRestartsAtOnce) {
  host.settings.capabilities = CAP_DETAILED_STATUS;
  host.Script("GET INFO DSTATUS", {Text(kNoConnection)});
  Run();
  const Lines expected = Lines{"find", "status:111110", "options", "refresh", "q:SET USTATUSOFF",
                               "q:GET INFO DSTATUS", "reply:" + kNoConnection, "status:111111",
                               "refresh:quiet", "signal", "options", "refresh"} +
                         kAfterLoop;
  EXPECT_EQ(host.log, expected);
}

TEST_F(PollingCycleTest, BusyProbeOnlyDelaysAndIsNotCountedAsFailure) {
  host.settings.capabilities = CAP_DETAILED_STATUS;
  host.showWindow = false;  // the connecting display then comes without pop-up
  host.Script("GET INFO DSTATUS", {Text(kBusy), Text(kBusy), Text(kBusy), Text(kDstatusReady)});
  host.script.erase("READ");
  Run();
  const Lines busyProbe = {"q:SET USTATUSOFF", "q:GET INFO DSTATUS", "reply:" + kBusy,
                           "sleep:1000", "options", "refresh"};
  const Lines expected =
      Lines{"find", "status:111110", "options", "refresh:quiet"} + busyProbe + busyProbe +
      busyProbe +
      Lines{"q:SET USTATUSOFF", "q:GET INFO DSTATUS", "reply:" + kDstatusReady, "options",
            "refresh"} +
      kDetailedUstatus +
      Lines{"q:READ", "reply:" + kDeviceReady, "q:READ", "reply:" + kDeviceReady, "refresh",
            "wait:5000", "q:SET USTATUSOFF"} +
      kAfterLoop;
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(host.Count("status:111111"), 0);
}

TEST_F(PollingCycleTest, ConfigurationRepeatsUntilHardwareFlagsAreKnown) {
  host.settings.capabilities = CAP_CONFIG | CAP_DETAILED_STATUS;
  const std::string echo = "@PJL ECHO NOTHING YET\r\n\f";
  host.Script("GET INFO CONFIG", {Text(echo), Text(kBusy)});
  host.Script("READ", {Silence(), Silence()});
  Run();
  const auto roomBehind = [](const std::string& first) {
    return "q:READ [" + std::to_string(1284 - first.size()) + "] +1024";
  };
  const Lines expected =
      Lines{"q:SET USTATUSOFF", "q:GET INFO DSTATUS",
            "q:GET INFO CONFIG +1024", roomBehind(echo),
            "q:GET INFO CONFIG +1024", roomBehind(kBusy), "sleep:1000",
            "q:GET INFO CONFIG +1024", kConfigRead} +
      kDetailedUstatus + Lines{"q:READ", "q:READ", "q:SET USTATUSOFF", "sleep:3000"};
  EXPECT_EQ(host.Only({"q", "sleep"}), expected);
  // Nothing but the query pauses between the configuration passes.
  const auto& t = host.queryTimes;
  EXPECT_EQ(t[4].second - t[2].second, 2048u);
  EXPECT_EQ(t[6].second - t[4].second, 2048u + 1000u);
}

TEST_F(PollingCycleTest, ShortWarningAndDetailedAnswersRepeatTheirState) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS | CAP_SUPPLIES;
  host.Script("GET INFO WARNINGLIST", {Silence(), Text("@PJL INFO WA")});  // 0 and 12 bytes
  host.Script("GET INFO DSTATUS", {Text(kDstatusReady), Text("CODE=600100")});
  host.stopAfterWaits = 3;
  Run();
  // The warnings state repeats at once; the detailed state waits between its passes.
  const Lines expected = Lines{"q:SET USTATUSOFF", "q:GET INFO DSTATUS",
                               "q:GET INFO WARNINGLIST", "q:GET INFO WARNINGLIST",
                               "q:GET INFO WARNINGLIST", "reply:" + kWarnings, "wait:5000",
                               "q:GET INFO DSTATUS", "wait:5000", "q:GET INFO DSTATUS",
                               "reply:" + kDstatusReady} +
                         kDetailedUstatus +
                         Lines{"q:READ", "q:GET INFO DSTATUS", "reply:" + kDstatusReady,
                               "q:READ", "reply:" + kDeviceReady, "wait:5000",
                               "q:SET USTATUSOFF"};
  Lines actual = host.Only({"q", "reply", "wait"});
  actual.erase(actual.begin() + 2);  // the probe's reply
  EXPECT_EQ(actual, expected);
}

TEST_F(PollingCycleTest, ConfigurationReadGetsTheRoomThatIsReallyLeft) {
  host.settings.capabilities = CAP_CONFIG | CAP_DETAILED_STATUS;
  // A CONFIG call reporting more than the buffer holds writes nothing: the READ
  // then gets the whole buffer instead of a size computed from that length.
  host.Script("GET INFO CONFIG", {Overlong(5000)});
  Run();
  const Lines configQueries = {"q:GET INFO CONFIG +1024", "q:READ +1024",
                               "q:GET INFO CONFIG +1024", kConfigRead};
  Lines actual = host.Only({"q"});
  EXPECT_EQ(Lines(actual.begin() + 2, actual.begin() + 6), configQueries);
}

TEST_F(PollingCycleTest, OpenAndFindFailuresEndTheThreadForARestart) {
  struct Case {
    const char* name;
    bool handleOpen, openSucceeds, findSucceeds;
    Lines expected;
  } cases[] = {
      {"open fails", false, false, true, {"open", "status:111112", "refresh", "sleep:2000", "post1127"}},
      {"find fails", false, true, false, {"open", "find", "sleep:2000", "post1127"}},
      {"handle kept", true, false, false, {"find", "sleep:2000", "post1127"}},
  };
  for (const auto& c : cases) {
    FakePollingHost h;
    h.handleOpen = c.handleOpen;
    h.openSucceeds = c.openSucceeds;
    h.findSucceeds = c.findSucceeds;
    PollingCycle(h).RunStatusCheck();
    EXPECT_EQ(h.log, c.expected) << c.name;
  }
}

TEST_F(PollingCycleTest, StopBeforeTheCycleReturnsWithoutRestart) {
  host.stopSignalled = true;
  Run();
  EXPECT_TRUE(host.log.empty());
  host.stopSignalled = false;
  host.threadHandleRecorded = false;  // no thread handle counts as stop
  Run();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(PollingCycleTest, StopDuringAQueryEndsTheLoopWithoutUstatusOff) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS;
  host.onQuery = [this](const std::string& name) {
    if (name == "GET INFO WARNINGLIST") host.stopSignalled = true;
  };
  Run();
  const Lines expected = {"q:SET USTATUSOFF", "q:GET INFO DSTATUS", "q:GET INFO WARNINGLIST"};
  EXPECT_EQ(host.Only({"q"}), expected);
  EXPECT_EQ(Lines(host.log.end() - 4, host.log.end()), kAfterLoop);
  EXPECT_EQ(cycle.pollState(), POLL_RESTART);
}

TEST_F(PollingCycleTest, WaitEndingOtherwiseThanTimeOutSendsUstatusOff) {
  host.settings.capabilities = CAP_DETAILED_STATUS;
  host.stopAfterWaits = -1;
  host.waitResults = {WaitResult::TimedOut, WaitResult::Failed};
  Run();
  const Lines tail = {"wait:5000", "q:READ", "reply:" + kDeviceReady, "refresh", "wait:5000",
                      "q:SET USTATUSOFF", "sleep:3000", "close", "clearhw", "post1127"};
  EXPECT_EQ(Lines(host.log.end() - tail.size(), host.log.end()), tail);
}

TEST_F(PollingCycleTest, ClosingWindowWithParserGoneSkipsTheFinalPause) {
  host.settings.capabilities = CAP_DETAILED_STATUS;
  host.onQuery = [this](const std::string& name) {
    if (name != "SET USTATUS DDEVICE=ON") return;
    host.parserExists = false;  // the window destroyed the parser, then set the event
    host.stopSignalled = true;
  };
  Run();
  const Lines tail = {"q:SET USTATUS DDEVICE=ON", "close", "clearhw", "post1127"};
  EXPECT_EQ(Lines(host.log.end() - tail.size(), host.log.end()), tail);
}

}  // namespace
}  // namespace tolvan::polling::testing
