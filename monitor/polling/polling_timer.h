// The polling machine of timer mode (UseTimer, and always under Win32s): a
// connection start and a tick that the window's WM_TIMER (id 1) runs, all on
// the window's thread.
#pragma once

#include <cstdint>

#include "polling_host.h"
#include "polling_reply_area.h"

namespace tolvan::polling {

class TimerPolling {
 public:
  explicit TimerPolling(PollingHost& host) : host_(host) {}
  TimerPolling(const TimerPolling&) = delete;
  TimerPolling& operator=(const TimerPolling&) = delete;

  // The timer branch of StartPolling: mark running, connect, start the timer.
  void StartPolling();
  // Window close, and the first half of the 1127 handler: stop the timer and
  // turn unsolicited status off.
  void StopPolling();
  void DoStatusStart();
  void OnTimerTick();  // WM_TIMER, timer id 1

  bool ShouldStop() const { return !timerRunning; }
  bool TimerRunning() const { return timerRunning; }
  int TickCount() const { return tickCount; }
  int ReadStreak() const { return readStreak; }
  std::uint32_t PollState() const { return pollState; }

 private:
  bool ReadOnce();           // the tick's READ; true on an answer of 13 bytes or more
  void ConfigStep();         // up to five INFO CONFIG attempts
  void WarningStep();        // one INFO WARNINGLIST
  void StartTimer();
  void StopTimer();
  void SendUstatusOff();

  PollingHost& host_;
  PollingSettings settings_;
  ReplyArea reply_;
  bool timerRunning = false;
  int tickCount = 0;
  int readStreak = 0;  // > 0: successful READs in a row, < 0: failed READs in a row
  std::uint32_t pollState = 0;
};

}  // namespace tolvan::polling
