// What the polling machine needs from the rest of the monitor: the query channel,
// the reply handler, the display, the shared context fields, the clock and the
// stop event. The Windows layer implements it for real, the tests in memory, so
// that the connection cycle and the timer tick run without <windows.h>.
#pragma once

#include <cstdint>

namespace tolvan::polling {

// Pseudo status codes the polling machine itself sets.
inline constexpr int CODE_CONNECTING = 111110;
inline constexpr int CODE_NO_CONNECTION = 111111;
inline constexpr int CODE_OPEN_ERROR = 111112;
inline constexpr int CODE_BUSY = 999999;

// Capability masks (PJLcapabilities number k gives mask 1 << (k - 1)).
inline constexpr std::uint32_t CAP_WARNING_LIST = 0x1;
inline constexpr std::uint32_t CAP_CONFIG = 0x2;
inline constexpr std::uint32_t CAP_DETAILED_STATUS = 0x4;  // DSTATUS, DDEVICE, DTIMED
inline constexpr std::uint32_t CAP_PLAIN_STATUS = 0x8;     // STATUS, DEVICE, TIMED
inline constexpr std::uint32_t CAP_SUPPLIES = 0x10;        // supplies and detailed refresh

// Configuration the machine reads at the start of each connection cycle,
// each timer-mode start and each tick.
struct PollingSettings {
  std::uint32_t capabilities = 0;
  int timeValue = 5;           // [Misc] TimeValue, seconds between steady passes / timer period
  int ustatusTimeOut = 40;     // [Misc] UstatusTimeOut, seconds: the read deadline
  int ustatusDtimed = 20;      // [Misc] UstatusDtimed: the n of USTATUS TIMED=n / DTIMED=n
  int statusPrinting = 610100; // [Status_Override] STATUS_PRINTING
};

// How a wait on the stop event ended.
enum class WaitResult { TimedOut, Signalled, Failed };

class PollingHost {
 public:
  virtual ~PollingHost() = default;

  virtual PollingSettings ReadSettings() = 0;

  // Shared context fields. The status code is also written by the reply
  // handler (through the parser's command hook), so the machine always reads
  // it back instead of keeping a copy.
  virtual int StatusCode() = 0;
  virtual void SetStatusCode(int code) = 0;
  virtual std::uint32_t HardwareFlags() = 0;
  virtual void ClearHardwareFlags() = 0;
  virtual int ActiveConfigCount() = 0;  // -1 unlimited
  virtual void SetActiveConfigCount(int count) = 0;
  virtual bool ShowWindowWanted() = 0;  // showWindow == 1

  // Printer handle and query channel.
  virtual bool PrinterHandleOpen() = 0;
  // OpenPrinterA on the stored printer name; on failure the host keeps
  // GetLastError with the context, for the 111112 text.
  virtual bool OpenMonitoredPrinter() = 0;
  virtual bool FindAndOpenPrinter() = 0;  // sets its own codes and refreshes on failure
  virtual void ClosePrinter() = 0;
  virtual bool ParserExists() = 0;
  // The query of the channel: request as value name, the buffer with room for
  // one NUL beyond `size`, the reported length, the pause before the read back.
  virtual bool QueryPrinterData(const char* request, char* buffer, std::uint32_t size,
                                std::uint32_t* replyLength, std::uint32_t delayMs) = 0;
  virtual void HandleReply(const char* text) = 0;

  // Display.
  virtual void ComputeOptions() = 0;
  virtual void RefreshDisplay(bool popupAllowed) = 0;

  // Clock, pauses and the stop event (thread mode).
  virtual std::uint32_t TickCount() = 0;  // milliseconds, wraps like GetTickCount
  virtual void Sleep(std::uint32_t ms) = 0;
  // True when the stop event is signalled or abandoned, or no thread handle is recorded.
  virtual bool StopRequested() = 0;
  virtual void SignalStop() = 0;
  virtual WaitResult WaitForStop(std::uint32_t ms) = 0;
  virtual void PostPollingEnded() = 0;  // post message 1127 to the main window

  // Window timer (timer mode): SetTimer/KillTimer of timer id 1 on the main window.
  virtual bool SetPollTimer(std::uint32_t periodMs) = 0;
  virtual bool KillPollTimer() = 0;
};

}  // namespace tolvan::polling
