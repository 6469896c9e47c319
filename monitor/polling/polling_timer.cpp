#include "polling_timer.h"

#include "polling_requests.h"

namespace tolvan::polling {

namespace {
constexpr int kConfigAttempts = 5;
constexpr std::uint32_t kConfigDelay = 500;
constexpr int kWarningListEvery = 12;
constexpr int kConfigEvery = 20;
constexpr int kFailuresBeforeRestart = 6;
constexpr int kTickWrap = 1000;
}  // namespace

void TimerPolling::StartPolling() {
  timerRunning = true;
  DoStatusStart();
  StartTimer();
}

void TimerPolling::StopPolling() {
  StopTimer();
  SendUstatusOff();
}

void TimerPolling::StartTimer() {
  timerRunning = host_.SetPollTimer(static_cast<std::uint32_t>(settings_.timeValue) * 1000u);
}

void TimerPolling::StopTimer() {
  if (host_.KillPollTimer()) timerRunning = false;
}

void TimerPolling::SendUstatusOff() {
  reply_.Clear();
  std::uint32_t length = 0;
  host_.QueryPrinterData(kUstatusOff, reply_.data(), kReplyBufferSize, &length, 0);
}

void TimerPolling::DoStatusStart() {
  settings_ = host_.ReadSettings();
  host_.SetStatusCode(CODE_CONNECTING);
  host_.ComputeOptions();
  host_.RefreshDisplay(false);
  if (!host_.PrinterHandleOpen() && !host_.OpenMonitoredPrinter()) {
    host_.SetStatusCode(CODE_OPEN_ERROR);
    // Show the failure rather than leave "connecting" on screen until the
    // tick's restart overwrites it.
    host_.RefreshDisplay(false);
    return;
  }
  if (!host_.FindAndOpenPrinter()) return;

  reply_.Clear();
  std::uint32_t length = 0;
  host_.QueryPrinterData(kInfoDstatus, reply_.data(), kReplyBufferSize, &length, 0);
  host_.HandleReply(reply_.text());
  host_.RefreshDisplay(false);
  pollState = 1;

  ConfigStep();
  WarningStep();
  for (const auto& request : UstatusOnRequests(settings_.capabilities, settings_.ustatusDtimed)) {
    reply_.Clear();
    host_.QueryPrinterData(request.c_str(), reply_.data(), kReplyBufferSize, &length, 0);
  }
}

void TimerPolling::ConfigStep() {
  if (!(settings_.capabilities & CAP_CONFIG)) return;
  host_.ClearHardwareFlags();
  for (int attempt = 0; attempt < kConfigAttempts; ++attempt) {
    reply_.Clear();
    std::uint32_t length = 0;
    if (!host_.QueryPrinterData(kInfoConfig, reply_.data(), kReplyBufferSize, &length,
                                kConfigDelay))
      continue;
    host_.HandleReply(reply_.text());
    if (!reply_.Contains(kReplyBusy)) {
      host_.ComputeOptions();
      host_.RefreshDisplay(false);
      return;
    }
    host_.Sleep(kConfigDelay);
  }
}

void TimerPolling::WarningStep() {
  if (!(settings_.capabilities & CAP_WARNING_LIST)) return;
  reply_.Clear();
  std::uint32_t length = 0;
  if (host_.QueryPrinterData(kInfoWarningList, reply_.data(), kReplyBufferSize, &length, 0) &&
      length > 12)
    host_.HandleReply(reply_.text());
}

bool TimerPolling::ReadOnce() {
  reply_.Clear();
  std::uint32_t length = 0;
  const bool answered =
      host_.QueryPrinterData(kRead, reply_.data(), kReplyBufferSize, &length, 0) && length >= 13;
  if (answered && !reply_.Contains(kReplyBusy)) {
    host_.HandleReply(reply_.text());
    host_.RefreshDisplay(true);
  }
  return answered;
}

void TimerPolling::OnTimerTick() {
  settings_ = host_.ReadSettings();
  const bool answered = ReadOnce();
  ++tickCount;
  if (answered)
    readStreak = readStreak < 0 ? 1 : readStreak + 1;
  else
    readStreak = readStreak < 0 ? readStreak - 1 : -1;

  if (readStreak <= -kFailuresBeforeRestart) {
    host_.SetStatusCode(CODE_CONNECTING);
    StopTimer();
    DoStatusStart();
    if (ReadOnce())
      readStreak = 0;
    else if (host_.StatusCode() != CODE_BUSY)
      host_.SetStatusCode(CODE_NO_CONNECTION);
    StartTimer();
    host_.RefreshDisplay(true);
  }

  if (tickCount != 0) {
    if (tickCount % kWarningListEvery == 0)
      WarningStep();
    else if (tickCount % kConfigEvery == 0 || host_.HardwareFlags() == 0)
      ConfigStep();
  }
  if (tickCount > kTickWrap) {
    tickCount = 0;
    readStreak = 0;
  }
}

}  // namespace tolvan::polling
