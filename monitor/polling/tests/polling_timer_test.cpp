// Timer mode: the connection start, the tick with its READ streak and tick
// count, and the timer's start and stop.
#include <gtest/gtest.h>

#include "fake_polling_host.h"
#include "polling_test_texts.h"
#include "polling_timer.h"

namespace tolvan::polling::testing {
namespace {

class TimerPollingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.settings.capabilities = CAP_WARNING_LIST | CAP_CONFIG | CAP_DETAILED_STATUS;
    host.defaults["SET USTATUSOFF"] = Text("");
    for (const char* set : {"DDEVICE=ON", "JOB=ON", "PAGE=ON", "DTIMED=20"})
      host.defaults[std::string("SET USTATUS ") + set] = Text("");
    host.defaults["GET INFO DSTATUS"] = Text(kDstatusReady);
    host.defaults["GET INFO CONFIG"] = Text(kConfigAnswer);
    host.defaults["GET INFO WARNINGLIST"] = Text(kWarnings);
    host.defaults["READ"] = Text(kDeviceReady);
  }

  // The tick numbers (1-based) at which `name` was queried, over `ticks` ticks.
  std::vector<int> TicksAsking(const std::string& name, int ticks) {
    std::vector<int> out;
    for (int i = 1; i <= ticks; ++i) {
      host.ClearLog();
      timer.OnTimerTick();
      if (host.Count("q:" + name) > 0) out.push_back(i);
    }
    return out;
  }

  FakePollingHost host;
  TimerPolling timer{host};
};

const Lines kStartSequence = {"status:111110", "options", "refresh:quiet", "find",
                              "q:GET INFO DSTATUS", "reply:" + kDstatusReady, "refresh:quiet",
                              "clearhw", "q:GET INFO CONFIG +500", "reply:" + kConfigAnswer,
                              "options", "refresh:quiet", "q:GET INFO WARNINGLIST",
                              "reply:" + kWarnings, "q:SET USTATUS DDEVICE=ON",
                              "q:SET USTATUS JOB=ON", "q:SET USTATUS PAGE=ON",
                              "q:SET USTATUS DTIMED=20"};

TEST_F(TimerPollingTest, StartConnectsAndStartsTheTimer) {
  timer.StartPolling();
  EXPECT_EQ(host.log, kStartSequence + Lines{"settimer:5000"});
  EXPECT_TRUE(timer.TimerRunning());
  EXPECT_EQ(timer.PollState(), 1u);
}

TEST_F(TimerPollingTest, TimerRunsOnlyWhenSetTimerSucceeds) {
  host.setTimerSucceeds = false;
  timer.StartPolling();
  EXPECT_FALSE(timer.TimerRunning());
  EXPECT_TRUE(timer.ShouldStop());
}

TEST_F(TimerPollingTest, StopKillsTheTimerAndTurnsUstatusOff) {
  timer.StartPolling();
  host.ClearLog();
  host.killTimerSucceeds = false;  // the mark stays when KillTimer fails
  timer.StopPolling();
  EXPECT_TRUE(timer.TimerRunning());
  host.killTimerSucceeds = true;
  timer.StopPolling();
  EXPECT_FALSE(timer.TimerRunning());
  EXPECT_EQ(host.log, (Lines{"killtimer", "q:SET USTATUSOFF", "killtimer", "q:SET USTATUSOFF"}));
}

TEST_F(TimerPollingTest, StartStopsEarlyWhenThePrinterCannotBeReached) {
  struct Case {
    const char* name;
    bool handleOpen, openSucceeds, findSucceeds;
    Lines expected;
  } cases[] = {
      {"open fails", false, false, true,
       {"status:111110", "options", "refresh:quiet", "open", "status:111112", "refresh:quiet"}},
      {"find fails", true, true, false, {"status:111110", "options", "refresh:quiet", "find"}},
  };
  for (const auto& c : cases) {
    FakePollingHost h;
    h.handleOpen = c.handleOpen;
    h.openSucceeds = c.openSucceeds;
    h.findSucceeds = c.findSucceeds;
    TimerPolling(h).DoStatusStart();
    EXPECT_EQ(h.log, c.expected) << c.name;
  }
}

TEST_F(TimerPollingTest, ConfigurationStepMakesAtMostFiveAttempts) {
  struct Case {
    std::initializer_list<FakeReply> answers;
    Lines expected;
  } cases[] = {
      {{Silence(), Text(kBusy), Silence(), Text(kBusy), Silence()},
       {"q:GET INFO CONFIG +500", "q:GET INFO CONFIG +500", "reply:" + kBusy, "sleep:500",
        "q:GET INFO CONFIG +500", "q:GET INFO CONFIG +500", "reply:" + kBusy, "sleep:500",
        "q:GET INFO CONFIG +500"}},
      {{Text(kBusy), Text(kConfigAnswer)},
       {"q:GET INFO CONFIG +500", "reply:" + kBusy, "sleep:500", "q:GET INFO CONFIG +500",
        "reply:" + kConfigAnswer, "options", "refresh:quiet"}},
  };
  for (const auto& c : cases) {
    FakePollingHost h;
    h.settings.capabilities = CAP_CONFIG;
    h.defaults = host.defaults;
    h.Script("GET INFO CONFIG", c.answers);
    TimerPolling(h).DoStatusStart();
    const Lines tail(h.log.begin() + 8, h.log.end());  // after the DSTATUS and clearhw
    EXPECT_EQ(tail, c.expected);
  }
}

TEST_F(TimerPollingTest, WarningListEveryTwelfthTickConfigurationEveryTwentieth) {
  host.hardwareFlags = 0x4000;
  EXPECT_EQ(TicksAsking("GET INFO WARNINGLIST", 60), (std::vector<int>{12, 24, 36, 48, 60}));
  TimerPolling fresh(host);
  std::vector<int> config;
  for (int i = 1; i <= 60; ++i) {
    host.ClearLog();
    fresh.OnTimerTick();
    if (host.Count("q:GET INFO CONFIG +500") > 0) config.push_back(i);
  }
  EXPECT_EQ(config, (std::vector<int>{20, 40}));
}

TEST_F(TimerPollingTest, ConfigurationOnEveryOtherTickWhileNoHardwareIsKnown) {
  host.configFlags = 0;
  EXPECT_EQ(TicksAsking("GET INFO CONFIG +500", 13),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}));
}

TEST_F(TimerPollingTest, ReadStreakCountsRunsOfSuccessAndFailure) {
  host.settings.capabilities = 0;
  host.Script("READ", {Text(kDeviceReady), Text(kDeviceReady), Silence(), Text("CODE=600100"),
                       Text(kDeviceReady), Silence()});
  const std::vector<int> expected = {1, 2, -1, -2, 1, -1};  // "CODE=600100" has only 11 bytes
  std::vector<int> streak;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    timer.OnTimerTick();
    streak.push_back(timer.ReadStreak());
  }
  EXPECT_EQ(streak, expected);
}

TEST_F(TimerPollingTest, SixFailedReadsRestartTheConnection) {
  timer.StartPolling();
  host.defaults["READ"] = Silence();
  host.hardwareFlags = 0x4000;
  for (int i = 0; i < 5; ++i) timer.OnTimerTick();
  EXPECT_EQ(timer.ReadStreak(), -5);
  host.ClearLog();
  timer.OnTimerTick();
  const Lines expected = Lines{"q:READ", "status:111110", "killtimer"} + kStartSequence +
                         Lines{"q:READ", "status:111111", "settimer:5000", "refresh"};
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(timer.ReadStreak(), -6);
  EXPECT_TRUE(timer.TimerRunning());
}

TEST_F(TimerPollingTest, RestartThatReadsAgainClearsTheStreak) {
  host.settings.capabilities = 0;
  host.Script("READ", {Silence(), Silence(), Silence(), Silence(), Silence(), Silence(),
                       Text(kDeviceReady)});
  for (int i = 0; i < 6; ++i) timer.OnTimerTick();
  EXPECT_EQ(timer.ReadStreak(), 0);
  EXPECT_EQ(host.Count("status:111111"), 0);
}

TEST_F(TimerPollingTest, BusyReadCountsAsSuccessButIsNotShown) {
  host.settings.capabilities = 0;
  host.Script("READ", {Text(kBusy)});
  timer.OnTimerTick();
  EXPECT_EQ(timer.ReadStreak(), 1);
  EXPECT_EQ(host.log, (Lines{"q:READ"}));
}

TEST_F(TimerPollingTest, TickCountAndStreakStartOverAfterThousandTicks) {
  host.settings.capabilities = 0;
  for (int i = 0; i < 1000; ++i) timer.OnTimerTick();
  EXPECT_EQ(timer.TickCount(), 1000);
  EXPECT_EQ(timer.ReadStreak(), 1000);
  timer.OnTimerTick();
  EXPECT_EQ(timer.TickCount(), 0);
  EXPECT_EQ(timer.ReadStreak(), 0);
}

}  // namespace
}  // namespace tolvan::polling::testing
