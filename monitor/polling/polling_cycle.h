// The polling thread's connection cycle: probe, configuration, warnings,
// detailed status, USTATUS on, then steady reads with periodic refreshes, and
// the restart of the whole cycle whenever the printer stops answering.
// Blocking and single-threaded: RunStatusCheck is the thread routine's body;
// every pause, wait and query goes through the host.
#pragma once

#include <atomic>
#include <cstdint>

#include "polling_host.h"
#include "polling_reply_area.h"

namespace tolvan::polling {

enum PollState : std::uint32_t {
  POLL_PROBE = 0,
  POLL_CONFIG = 1,
  POLL_WARNINGS = 2,
  POLL_USTATUS_ON = 3,
  POLL_STEADY = 4,
  POLL_DETAILED = 5,
  POLL_RESTART = 99,
  POLL_LOST = 111111,
};

class PollingCycle {
 public:
  explicit PollingCycle(PollingHost& host) : host_(host) {}
  PollingCycle(const PollingCycle&) = delete;
  PollingCycle& operator=(const PollingCycle&) = delete;

  // One life of the polling thread, from the first stop check to the posted
  // 1127 (or to a bare return when told to stop before the cycle began).
  void RunStatusCheck();

  // The stop check: asks the host about the stop event and, when it says stop,
  // marks the cycle for restart.
  bool ShouldStop();

  // Readable from any thread (the window may show or log it).
  std::uint32_t pollState() const { return pollState_.load(); }

 private:
  enum class Flow { Continue, Stop };
  struct Answer {
    bool stopped = false;  // the stop check said stop before or after the query
    bool valid = false;    // the query's own result
    std::uint32_t length = 0;
  };

  Answer AskInto(const char* request, char* buffer, std::uint32_t size, std::uint32_t delayMs);
  Answer Ask(const char* request, std::uint32_t delayMs);  // into the cleared reply area
  void SendUstatusOff();                                   // without stop checks
  void SetNoConnection();                                  // 111111 unless busy

  Flow RunPass();
  Flow DoStateWork();
  Flow Probe();
  Flow Config();
  Flow Warnings();
  Flow Detailed();
  Flow UstatusOn();
  bool RefreshDue(std::uint32_t mask, std::uint32_t nextTime);
  Flow PeriodicRefresh(const char* request, std::uint32_t& nextTime, std::uint32_t periodMs,
                       bool* handled);
  Flow SteadyRead();

  PollingHost& host_;
  std::atomic<std::uint32_t> pollState_{POLL_PROBE};

  // Values of one run of the routine.
  PollingSettings settings_;
  int retries = 0;
  std::uint32_t nextWarnings = 0, nextDetailed = 0, nextConfig = 0, readDeadline = 0;
  std::uint32_t timeoutMs = 0;
  int dtimed = 0;
  ReplyArea reply_;
};

}  // namespace tolvan::polling
