#include "polling_cycle.h"

#include "polling_clock.h"
#include "polling_requests.h"

namespace tolvan::polling {

namespace {
constexpr std::uint32_t kFarAway = 990000;  // a refresh that is not yet planned
constexpr std::uint32_t kWarningsPeriod = 30000;
constexpr std::uint32_t kDetailedPeriod = 49999;
constexpr std::uint32_t kConfigPeriod = 20000;
constexpr std::uint32_t kFirstConfigRefresh = 50000;
constexpr std::uint32_t kConfigDelay = 1024;
}  // namespace

bool PollingCycle::ShouldStop() {
  if (!host_.StopRequested()) return false;
  pollState_ = POLL_RESTART;
  return true;
}

PollingCycle::Answer PollingCycle::AskInto(const char* request, char* buffer, std::uint32_t size,
                                           std::uint32_t delayMs) {
  Answer a;
  if (ShouldStop()) {
    a.stopped = true;
    return a;
  }
  a.valid = host_.QueryPrinterData(request, buffer, size, &a.length, delayMs);
  a.stopped = ShouldStop();
  return a;
}

PollingCycle::Answer PollingCycle::Ask(const char* request, std::uint32_t delayMs) {
  reply_.Clear();
  return AskInto(request, reply_.data(), kReplyBufferSize, delayMs);
}

void PollingCycle::SendUstatusOff() {
  reply_.Clear();
  std::uint32_t length = 0;
  host_.QueryPrinterData(kUstatusOff, reply_.data(), kReplyBufferSize, &length, 0);
}

void PollingCycle::SetNoConnection() {
  if (host_.StatusCode() != CODE_BUSY) host_.SetStatusCode(CODE_NO_CONNECTION);
}

void PollingCycle::RunStatusCheck() {
  if (ShouldStop()) return;
  settings_ = host_.ReadSettings();
  timeoutMs = static_cast<std::uint32_t>(settings_.ustatusTimeOut) * 1000u;
  dtimed = settings_.ustatusDtimed;
  retries = 0;
  const std::uint32_t now = host_.TickCount();
  nextWarnings = now + kFarAway;
  nextDetailed = now;
  nextConfig = now + kFarAway;
  readDeadline = now + kFarAway;
  reply_.Clear();

  if (!host_.PrinterHandleOpen() && !host_.OpenMonitoredPrinter()) {
    host_.SetStatusCode(CODE_OPEN_ERROR);
    host_.RefreshDisplay(true);
    host_.Sleep(2000);
    host_.PostPollingEnded();
    return;
  }
  if (ShouldStop()) return;
  if (!host_.FindAndOpenPrinter()) {
    host_.Sleep(2000);
    host_.PostPollingEnded();
    return;
  }

  pollState_ = POLL_PROBE;
  while (RunPass() == Flow::Continue) {
  }

  if (host_.ParserExists()) host_.Sleep(3000);
  host_.ClosePrinter();
  host_.ClearHardwareFlags();
  host_.PostPollingEnded();
}

PollingCycle::Flow PollingCycle::RunPass() {
  if (DoStateWork() == Flow::Stop) return Flow::Stop;

  if (RefreshDue(CAP_WARNING_LIST, nextWarnings)) {
    ++retries;
    if (PeriodicRefresh(kInfoWarningList, nextWarnings, kWarningsPeriod, nullptr) == Flow::Stop)
      return Flow::Stop;
  }
  if (pollState_ == POLL_RESTART || pollState_ == POLL_LOST) pollState_ = POLL_CONFIG;
  if (RefreshDue(CAP_SUPPLIES, nextDetailed)) {
    ++retries;
    if (PeriodicRefresh(kInfoDstatus, nextDetailed, kDetailedPeriod, nullptr) == Flow::Stop)
      return Flow::Stop;
  }
  if (RefreshDue(CAP_CONFIG, nextConfig) && host_.ActiveConfigCount() != 0) {
    const int allowed = host_.ActiveConfigCount();
    if (allowed > 0) host_.SetActiveConfigCount(allowed - 1);
    ++retries;
    bool handled = false;
    if (PeriodicRefresh(kInfoConfig, nextConfig, kConfigPeriod, &handled) == Flow::Stop)
      return Flow::Stop;
    if (handled) {
      readDeadline = host_.TickCount() + timeoutMs;
      host_.ComputeOptions();
      host_.RefreshDisplay(true);
    }
  }
  if (SteadyRead() == Flow::Stop) return Flow::Stop;

  if (ShouldStop()) return Flow::Stop;
  if (pollState_ < POLL_STEADY) return Flow::Continue;
  const std::uint32_t pause = static_cast<std::uint32_t>(settings_.timeValue) * 1000u;
  if (host_.WaitForStop(pause) != WaitResult::TimedOut) {
    SendUstatusOff();
    return Flow::Stop;
  }
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::DoStateWork() {
  switch (pollState_.load()) {
    case POLL_PROBE: return Probe();
    case POLL_CONFIG: return Config();
    case POLL_WARNINGS: return Warnings();
    case POLL_DETAILED: return Detailed();
    case POLL_USTATUS_ON: return UstatusOn();
    default: return Flow::Continue;  // steady, restart and lost do their work later in the pass
  }
}

PollingCycle::Flow PollingCycle::Probe() {
  if (ShouldStop()) return Flow::Stop;
  if (retries == 0) {
    host_.SetStatusCode(CODE_CONNECTING);
    host_.ComputeOptions();
    host_.RefreshDisplay(host_.ShowWindowWanted());
  }
  const Answer off = Ask(kUstatusOff, 0);
  if (off.stopped) return Flow::Stop;
  if (off.valid) {
    const std::uint32_t caps = settings_.capabilities;
    const char* request = (caps & CAP_DETAILED_STATUS) ? kInfoDstatus
                          : (caps & CAP_PLAIN_STATUS)  ? kInfoStatus
                                                       : nullptr;
    reply_.Preset("0");
    Answer status;
    status.valid = true;  // with neither status family the preset text stands as the answer
    if (request != nullptr) {
      status = AskInto(request, reply_.data(), kReplyBufferSize, 0);
      if (status.stopped) return Flow::Stop;
    }
    if (status.valid) {
      host_.HandleReply(reply_.text());
      if (reply_.Contains(kReplyNoConnection)) {
        retries = 99;
        host_.SetStatusCode(CODE_NO_CONNECTION);
        host_.RefreshDisplay(false);
      } else if (reply_.Contains(kReplyBusy)) {
        host_.Sleep(1000);
        retries = 0;
      } else {
        pollState_ = POLL_CONFIG;
      }
    }
  }
  if (ShouldStop()) return Flow::Stop;
  if (retries == 2) {
    host_.Sleep(3000);
    SetNoConnection();
    host_.RefreshDisplay(true);
  } else if (retries > 3) {
    pollState_ = POLL_RESTART;
    host_.SignalStop();  // the thread ends and the window starts a new one
  }
  ++retries;
  host_.ComputeOptions();
  host_.RefreshDisplay(true);
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::Config() {
  if (!(settings_.capabilities & CAP_CONFIG)) {
    pollState_ = POLL_WARNINGS;
    return Flow::Continue;
  }
  if (Ask(kInfoConfig, kConfigDelay).stopped) return Flow::Stop;
  // The READ goes behind what the CONFIG request left; the room is taken from
  // the text actually held, never from a reported length that may exceed it.
  const std::uint32_t held = reply_.HeldLength();
  if (AskInto(kRead, reply_.data() + held, kReplyBufferSize - held, kConfigDelay).stopped)
    return Flow::Stop;
  if (reply_.Contains(kReplyBusy)) host_.Sleep(1000);
  if (ShouldStop()) return Flow::Stop;
  host_.HandleReply(reply_.text());
  if (host_.HardwareFlags() != 0) pollState_ = POLL_WARNINGS;
  host_.ComputeOptions();
  host_.RefreshDisplay(true);
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::Warnings() {
  if (settings_.capabilities & CAP_WARNING_LIST) {
    const Answer a = Ask(kInfoWarningList, 0);
    if (a.stopped) return Flow::Stop;
    if (a.length <= 12) return Flow::Continue;  // no real answer: ask again
    if (reply_.Contains(kReplyBusy)) host_.Sleep(1000);
    host_.HandleReply(reply_.text());
  }
  pollState_ = (settings_.capabilities & CAP_SUPPLIES) ? POLL_DETAILED : POLL_USTATUS_ON;
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::Detailed() {
  if (settings_.capabilities & CAP_SUPPLIES) {
    const Answer a = Ask(kInfoDstatus, 0);
    if (a.stopped) return Flow::Stop;
    if (a.length <= 12) return Flow::Continue;
    if (reply_.Contains(kReplyBusy)) host_.Sleep(1000);
    host_.HandleReply(reply_.text());
  }
  pollState_ = POLL_USTATUS_ON;
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::UstatusOn() {
  const auto sequence = UstatusOnRequests(settings_.capabilities, dtimed);
  if (!sequence.empty()) {
    for (const auto& request : sequence) {
      if (Ask(request.c_str(), 0).stopped) return Flow::Stop;
    }
    const Answer read = Ask(kRead, 0);
    if (read.stopped) return Flow::Stop;
    if (read.valid && read.length > 12) host_.HandleReply(reply_.text());
    const std::uint32_t now = host_.TickCount();
    nextWarnings = now + kWarningsPeriod;
    nextConfig = now + kFirstConfigRefresh;
  }
  pollState_ = POLL_STEADY;
  readDeadline = host_.TickCount() + timeoutMs;
  return Flow::Continue;
}

bool PollingCycle::RefreshDue(std::uint32_t mask, std::uint32_t nextTime) {
  if (!(settings_.capabilities & mask) || pollState_ != POLL_STEADY) return false;
  if (!IsPast(host_.TickCount(), nextTime)) return false;
  const int code = host_.StatusCode();
  return code != settings_.statusPrinting && code != CODE_NO_CONNECTION;
}

// One periodic refresh and the retry rule that follows it.
PollingCycle::Flow PollingCycle::PeriodicRefresh(const char* request, std::uint32_t& nextTime,
                                                 std::uint32_t periodMs, bool* handled) {
  if (handled) *handled = false;
  const Answer a = Ask(request, 0);
  if (a.stopped) return Flow::Stop;
  if (a.length < 13) {
    if (retries == 1) {
      retries = 2;
      nextTime = DueAtOnce(host_.TickCount());
    } else if (retries == 3) {
      SetNoConnection();
      pollState_ = POLL_RESTART;
      host_.RefreshDisplay(true);
    } else if (retries > 4) {
      pollState_ = POLL_RESTART;
      host_.SignalStop();
      host_.Sleep(500);
    }
    return Flow::Continue;
  }
  if (reply_.Contains(kReplyBusy)) {
    nextTime = host_.TickCount() + periodMs;
    retries = 0;
    host_.Sleep(500);
    return Flow::Continue;
  }
  host_.HandleReply(reply_.text());
  nextTime = host_.TickCount() + periodMs;
  retries = 0;
  if (handled) *handled = true;
  return Flow::Continue;
}

PollingCycle::Flow PollingCycle::SteadyRead() {
  if (pollState_ != POLL_STEADY) return Flow::Continue;
  reply_.Preset("0");
  const Answer read = AskInto(kRead, reply_.data(), kReplyBufferSize, 0);
  if (read.stopped) return Flow::Stop;
  if (read.valid) {
    host_.HandleReply(reply_.text());
    host_.RefreshDisplay(true);
    readDeadline = host_.TickCount() + timeoutMs;
  }
  if (IsPast(host_.TickCount(), readDeadline)) {
    retries = 99;
    SetNoConnection();
    pollState_ = POLL_LOST;
    host_.RefreshDisplay(true);
    readDeadline = host_.TickCount() + timeoutMs;
  }
  return Flow::Continue;
}

}  // namespace tolvan::polling
