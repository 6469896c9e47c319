#include "polling_runtime.h"

#include <winspool.h>

#include <memory>

#include "context_lock.h"
#include "misc_settings.h"
#include "monitor_messages.h"
#include "monitor_strings.h"
#include "polling_cycle.h"
#include "polling_host.h"
#include "polling_timer.h"
#include "printer_finder.h"
#include "profile_file.h"
#include "query_channel.h"
#include "status_display.h"

namespace statmon {
namespace {

using tolvan::polling::PollingHost;
using tolvan::polling::PollingSettings;
using tolvan::polling::WaitResult;

// The polling machine's view of the monitor. In thread mode one instance
// lives on the polling thread's stack and never sends to a window: the
// display refresh posts when called off the window thread, and the end of
// the cycle is a posted 1127.
class MonitorPollingHost : public PollingHost {
 public:
  explicit MonitorPollingHost(MonitorContext& context) : context_(context) {}

  PollingSettings ReadSettings() override {
    const ProfileFile profile(context_.iniPath);
    const ResourceNames names(static_cast<HINSTANCE>(context_.instance));
    PollingSettings settings;
    settings.capabilities = context_.capabilities;
    settings.timeValue = context_.timeValue;
    settings.ustatusTimeOut = ReadMiscInt(profile, names, MiscKey::kUstatusTimeOut);
    settings.ustatusDtimed = ReadMiscInt(profile, names, MiscKey::kUstatusDtimed);
    settings.statusPrinting = profile.ReadInt(names.Name(IDS_SECTION_STATUS_OVERRIDE),
                                              names.Name(IDS_KEY_STATUS_PRINTING), 610100);
    return settings;
  }

  int StatusCode() override {
    ContextLock lock;
    return context_.statusCode;
  }
  void SetStatusCode(int code) override {
    ContextLock lock;
    context_.statusCode = code;
  }
  std::uint32_t HardwareFlags() override {
    ContextLock lock;
    return context_.hardwareFlags;
  }
  void ClearHardwareFlags() override {
    ContextLock lock;
    context_.hardwareFlags = 0;
  }
  int ActiveConfigCount() override {
    ContextLock lock;
    return context_.activeConfigCount;
  }
  void SetActiveConfigCount(int count) override {
    ContextLock lock;
    context_.activeConfigCount = count;
  }
  bool ShowWindowWanted() override { return context_.showWindow == 1; }

  bool PrinterHandleOpen() override {
    ContextLock lock;
    return context_.printerHandle != nullptr;
  }
  bool OpenMonitoredPrinter() override {
    void* handle = nullptr;
    const bool opened = OpenPrinterWithFullAccess(context_.printerName, &handle);
    const DWORD error = GetLastError();
    ContextLock lock;
    context_.printerHandle = handle;
    if (!opened) context_.lastError = error;
    return opened;
  }
  bool FindAndOpenPrinter() override { return statmon::FindAndOpenPrinter(context_); }
  void ClosePrinter() override {
    HANDLE handle;
    {
      ContextLock lock;
      handle = static_cast<HANDLE>(context_.printerHandle);
      context_.printerHandle = nullptr;
    }
    if (handle != nullptr) ::ClosePrinter(handle);
  }
  bool ParserExists() override {
    ContextLock lock;
    return context_.replyParser != nullptr;
  }
  bool QueryPrinterData(const char* request, char* buffer, std::uint32_t size,
                        std::uint32_t* replyLength, std::uint32_t delayMs) override {
    DWORD length = 0;
    const bool result = statmon::QueryPrinterData(context_, request, buffer, size, &length, delayMs);
    if (replyLength != nullptr) *replyLength = length;
    return result;
  }
  void HandleReply(const char* text) override { statmon::HandleReply(text, context_); }

  void ComputeOptions() override { statmon::ComputeOptions(context_); }
  void RefreshDisplay(bool popupAllowed) override { statmon::RefreshDisplay(context_, popupAllowed); }

  std::uint32_t TickCount() override { return GetTickCount(); }
  void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
  bool StopRequested() override {
    if (context_.pollThread == nullptr) return true;
    const DWORD result = WaitForSingleObject(static_cast<HANDLE>(context_.stopEvent), 0);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  }
  void SignalStop() override { SetEvent(static_cast<HANDLE>(context_.stopEvent)); }
  WaitResult WaitForStop(std::uint32_t ms) override {
    switch (WaitForSingleObject(static_cast<HANDLE>(context_.stopEvent), ms)) {
      case WAIT_TIMEOUT:
        return WaitResult::TimedOut;
      case WAIT_OBJECT_0:
      case WAIT_ABANDONED:
        return WaitResult::Signalled;
      default:
        return WaitResult::Failed;
    }
  }
  void PostPollingEnded() override {
    PostMessageA(static_cast<HWND>(context_.mainWindow), kPollingEndedMessage, 0, 0);
  }

  bool SetPollTimer(std::uint32_t periodMs) override {
    return SetTimer(static_cast<HWND>(context_.mainWindow), kPollTimerId, periodMs, nullptr) != 0;
  }
  bool KillPollTimer() override {
    return KillTimer(static_cast<HWND>(context_.mainWindow), kPollTimerId) != FALSE;
  }

 private:
  MonitorContext& context_;
};

// Timer mode lives on the window thread for the life of the window.
struct TimerMode {
  explicit TimerMode(MonitorContext& context) : host(context), polling(host) {}
  MonitorPollingHost host;
  tolvan::polling::TimerPolling polling;
};
std::unique_ptr<TimerMode> g_timerMode;
MonitorContext* g_timerContext = nullptr;

TimerMode& TimerFor(MonitorContext& context) {
  if (!g_timerMode || g_timerContext != &context) {
    g_timerMode = std::make_unique<TimerMode>(context);
    g_timerContext = &context;
  }
  return *g_timerMode;
}

void MirrorTimerState(MonitorContext& context, const tolvan::polling::TimerPolling& polling) {
  context.timerRunning = polling.TimerRunning() ? 1 : 0;
  context.tickCount = polling.TickCount();
  context.readStreak = polling.ReadStreak();
  context.pollState = static_cast<std::int32_t>(polling.PollState());
}

DWORD WINAPI PollingThread(LPVOID parameter) {
  MonitorContext& context = *static_cast<MonitorContext*>(parameter);
  MonitorPollingHost host(context);
  tolvan::polling::PollingCycle cycle(host);
  cycle.RunStatusCheck();
  return 0;
}

}  // namespace

void StartPolling(MonitorContext& context) {
  if (context.useTimer) {
    TimerMode& timer = TimerFor(context);
    timer.polling.StartPolling();
    MirrorTimerState(context, timer.polling);
    return;
  }
  if (context.pollThread != nullptr) return;
  if (context.stopEvent == nullptr) context.stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (context.stopEvent == nullptr) return;
  ResetEvent(static_cast<HANDLE>(context.stopEvent));
  DWORD threadId = 0;
  // Suspended, so that the handle is recorded before the thread's first
  // stop check looks for it.
  HANDLE thread = CreateThread(nullptr, 0, PollingThread, &context, CREATE_SUSPENDED, &threadId);
  if (thread == nullptr) return;
  SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
  context.pollThread = thread;
  ResumeThread(thread);
}

void OnPollingEnded(MonitorContext& context) {
  if (context.useTimer) {
    TimerMode& timer = TimerFor(context);
    timer.polling.StopPolling();
    MirrorTimerState(context, timer.polling);
  } else if (context.pollThread != nullptr) {
    HANDLE thread = static_cast<HANDLE>(context.pollThread);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    context.pollThread = nullptr;
  }
  // A 1127 that arrives after the window began closing starts nothing.
  {
    ContextLock lock;
    if (context.replyParser == nullptr) return;
  }
  StartPolling(context);
}

void OnPollTimer(MonitorContext& context) {
  if (!context.useTimer) return;
  TimerMode& timer = TimerFor(context);
  timer.polling.OnTimerTick();
  MirrorTimerState(context, timer.polling);
}

void StopPolling(MonitorContext& context) {
  if (context.useTimer) {
    TimerMode& timer = TimerFor(context);
    timer.polling.StopPolling();
    MirrorTimerState(context, timer.polling);
    return;
  }
  HANDLE thread = static_cast<HANDLE>(context.pollThread);
  if (thread == nullptr) return;
  SetEvent(static_cast<HANDLE>(context.stopEvent));
  SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
  if (WaitForSingleObject(thread, kStopWaitMs) != WAIT_OBJECT_0) {
    // The thread is still inside a query. Its handles stay valid (and the
    // stop event set) for the moments the process has left, so that it
    // never waits on a closed handle.
    return;
  }
  CloseHandle(thread);
  CloseHandle(static_cast<HANDLE>(context.stopEvent));
  context.pollThread = nullptr;
  context.stopEvent = nullptr;
}

}  // namespace statmon
