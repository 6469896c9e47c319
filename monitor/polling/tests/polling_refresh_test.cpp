// The steady state of the polling thread: the periodic refreshes with their
// periods and retry rule, ActiveConfig, the read deadline, and the tick count's wrap.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_polling_host.h"
#include "polling_cycle.h"
#include "polling_test_texts.h"

namespace tolvan::polling::testing {
namespace {

class PollingRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.defaults["SET USTATUSOFF"] = Text("");
    for (const char* set : {"DDEVICE=ON", "JOB=ON", "PAGE=ON", "DTIMED=20"})
      host.defaults[std::string("SET USTATUS ") + set] = Text("");
    host.defaults["GET INFO DSTATUS"] = Text(kDstatusReady);
    host.defaults["GET INFO CONFIG"] = Text(kConfigAnswer);
    host.defaults["GET INFO WARNINGLIST"] = Text(kWarnings);
    host.defaults["READ"] = Text(kDeviceReady);
  }
  void TearDown() override { EXPECT_FALSE(host.guardTripped) << "the cycle never ended"; }

  // Clock readings of the queries named `name` made from the first USTATUS request on,
  // relative to it.
  std::vector<std::uint32_t> SteadyTimes(const std::string& name) const {
    const auto& t = host.queryTimes;
    auto start = std::find_if(t.begin(), t.end(),
                              [](const auto& q) { return q.first == "SET USTATUS DDEVICE=ON"; });
    std::vector<std::uint32_t> out;
    for (auto it = start; it != t.end(); ++it)
      if (it->first == name) out.push_back(it->second - start->second);
    return out;
  }

  FakePollingHost host;
  PollingCycle cycle{host};
};

TEST_F(PollingRefreshTest, RetryCountsOfTheRefreshRule) {
  // One steady pass per 40 s, so the 30 s warning refresh is due on every pass.
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS;
  host.settings.timeValue = 40;
  host.settings.ustatusTimeOut = 100;
  const std::string shortAnswer = "WARNING";
  host.Script("GET INFO WARNINGLIST", {Text(kWarnings),                       // state 2
                                       Text(kWarnings),                       // refresh: retries 0
                                       Text(shortAnswer),                     // 1 -> 2, due at once
                                       Text(shortAnswer),                     // 3: no connection
                                       Text(kWarnings),                       // state 2 again
                                       Text(shortAnswer), Text(shortAnswer)});  // 4, then 5: restart
  cycle.RunStatusCheck();
  const Lines ustatus = {"q:SET USTATUS DDEVICE=ON", "q:SET USTATUS JOB=ON",
                         "q:SET USTATUS PAGE=ON", "q:SET USTATUS DTIMED=20", "q:READ"};
  const Lines steady = {"q:READ", "wait:40000"};
  const Lines warnings = {"q:GET INFO WARNINGLIST"};
  const Lines expected =
      Lines{"status:111110", "q:SET USTATUSOFF", "q:GET INFO DSTATUS"} + warnings + ustatus +
      steady +
      warnings + steady +                                 // answered: retries back to 0
      warnings + steady +                                 // short at 1: retried on the next pass
      warnings + Lines{"status:111111"} +                 // short at 3: new configuration pass
      warnings + ustatus + steady +                       // connected again, retries stay at 3
      warnings + steady +                                 // short at 4: nothing more
      warnings + Lines{"signal", "sleep:500"} +           // short at 5: the thread ends
      Lines{"sleep:3000"};
  EXPECT_EQ(host.Only({"q", "status", "wait", "signal", "sleep"}), expected);
  EXPECT_EQ(host.Count("post1127"), 1);
}

TEST_F(PollingRefreshTest, PeriodsOfTheThreeRefreshes) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_CONFIG | CAP_DETAILED_STATUS | CAP_SUPPLIES;
  host.settings.timeValue = 1;
  host.stopAfterWaits = 120;
  cycle.RunStatusCheck();
  // A refresh is due once its time is strictly past; passes are 1 s apart.
  EXPECT_EQ(SteadyTimes("GET INFO WARNINGLIST"), (std::vector<std::uint32_t>{31000, 62000, 93000}));
  EXPECT_EQ(SteadyTimes("GET INFO DSTATUS"), (std::vector<std::uint32_t>{0, 50000, 100000}));
  EXPECT_EQ(SteadyTimes("GET INFO CONFIG"),
            (std::vector<std::uint32_t>{51000, 72000, 93000, 114000}));
  EXPECT_EQ(host.Count("status:111111"), 0);
}

TEST_F(PollingRefreshTest, ActiveConfigLimitsThePeriodicConfiguration) {
  struct Case {
    int activeConfig;
    std::size_t refreshes;
    Lines countdown;
  } cases[] = {{0, 0, {}}, {3, 3, {"active:2", "active:1", "active:0"}}, {-1, 8, {}}};
  for (const auto& c : cases) {
    FakePollingHost h;
    h.defaults = host.defaults;
    h.settings.capabilities = CAP_CONFIG | CAP_DETAILED_STATUS;
    h.settings.timeValue = 5;
    h.activeConfig = c.activeConfig;
    h.stopAfterWaits = 50;  // 250 s of steady polling
    PollingCycle(h).RunStatusCheck();
    std::size_t configs = 0;
    for (const auto& q : h.queryTimes) configs += q.first == "GET INFO CONFIG";
    EXPECT_EQ(configs - 1, c.refreshes) << "ActiveConfig " << c.activeConfig;
    EXPECT_EQ(h.Only({"active"}), c.countdown) << "ActiveConfig " << c.activeConfig;
  }
}

TEST_F(PollingRefreshTest, RefreshesPauseWhilePrinting) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_CONFIG | CAP_DETAILED_STATUS | CAP_SUPPLIES;
  host.defaults["READ"] = Text(kDevicePrinting);
  host.stopAfterWaits = 40;
  cycle.RunStatusCheck();
  EXPECT_TRUE(SteadyTimes("GET INFO WARNINGLIST").empty());
  EXPECT_TRUE(SteadyTimes("GET INFO CONFIG").empty());
  EXPECT_TRUE(SteadyTimes("GET INFO DSTATUS").empty());
}

TEST_F(PollingRefreshTest, BusyAnswerMovesTheRefreshWithoutHandingItOn) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS;
  host.settings.timeValue = 10;
  host.Script("GET INFO WARNINGLIST", {Text(kWarnings), Text(kBusy)});
  host.stopAfterWaits = 8;
  cycle.RunStatusCheck();
  EXPECT_EQ(SteadyTimes("GET INFO WARNINGLIST"), (std::vector<std::uint32_t>{40000, 70500}));
  EXPECT_EQ(host.Count("reply:" + kBusy), 0);
  EXPECT_EQ(host.Count("sleep:500"), 1);
  EXPECT_EQ(host.Count("status:111111"), 0);
}

TEST_F(PollingRefreshTest, ReadDeadlineGivesNoConnectionAndANewConfigurationPass) {
  host.settings.capabilities = CAP_CONFIG | CAP_DETAILED_STATUS;
  host.Script("READ", {Silence(), Text(kDeviceReady)});  // behind CONFIG, after USTATUS on
  host.defaults["READ"] = Silence();
  int configs = 0;
  host.onQuery = [&](const std::string& name) {
    if (name == "GET INFO CONFIG" && ++configs == 2) host.stopSignalled = true;
  };
  cycle.RunStatusCheck();
  const Lines ustatus = {"q:SET USTATUS DDEVICE=ON", "q:SET USTATUS JOB=ON",
                         "q:SET USTATUS PAGE=ON", "q:SET USTATUS DTIMED=20", "q:READ"};
  const std::string configRead = "q:READ [" + std::to_string(1284 - kConfigAnswer.size()) + "] +1024";
  // Deadline 40 s after the last good READ; passes every 5 s; past at the ninth wait.
  const Lines expected =
      Lines{"status:111110", "q:SET USTATUSOFF", "q:GET INFO DSTATUS", "q:GET INFO CONFIG +1024",
            configRead} +
      ustatus + Repeat(9, {"q:READ", "wait:5000"}) +
      Lines{"q:READ", "status:111111", "wait:5000", "q:GET INFO CONFIG +1024"};
  EXPECT_EQ(host.Only({"q", "status", "wait"}), expected);
}

TEST_F(PollingRefreshTest, TickCountWrapNeitherFiresTheDeadlineNorStopsRefreshes) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS;
  host.now = 0xFFFFFFFFu - 20000;  // the counter wraps during the first minute
  host.stopAfterWaits = 100;       // 500 s
  cycle.RunStatusCheck();
  EXPECT_EQ(host.Count("status:111111"), 0);
  const auto times = SteadyTimes("GET INFO WARNINGLIST");
  ASSERT_EQ(times.size(), 14u);  // every 35 s
  for (std::size_t i = 0; i < times.size(); ++i) EXPECT_EQ(times[i], 35000u * (i + 1));
}

TEST_F(PollingRefreshTest, FailedRefreshNeverHandsOnAnOlderAnswer) {
  host.settings.capabilities = CAP_WARNING_LIST | CAP_DETAILED_STATUS;
  host.settings.timeValue = 40;
  // Reports a long answer but writes nothing: the READ's text is still in the area.
  host.Script("GET INFO WARNINGLIST", {Text(kWarnings), Overlong(2000)});
  host.stopAfterWaits = 2;
  cycle.RunStatusCheck();
  const Lines tail = {"q:GET INFO WARNINGLIST", "reply:", "q:READ", "reply:" + kDeviceReady};
  const auto it = std::find(host.log.rbegin(), host.log.rend(), "q:GET INFO WARNINGLIST");
  ASSERT_NE(it, host.log.rend());
  EXPECT_EQ(Lines(it.base() - 1, it.base() + 3), tail);
}

}  // namespace
}  // namespace tolvan::polling::testing
