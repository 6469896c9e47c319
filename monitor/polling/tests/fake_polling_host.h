// An in-memory PollingHost: a fake clock that only moves when the machine
// pauses, waits or queries; scripted answers per request; a log of every call
// the machine makes, for comparison against expected tables.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "polling_host.h"

namespace tolvan::polling::testing {

struct FakeReply {
  bool answered = true;  // GetPrinterDataA returned ERROR_SUCCESS
  std::string data;      // written to the buffer when it fits
  std::optional<std::uint32_t> reportedLength;  // defaults to the data's length
  std::uint32_t costMs = 0;                     // how long the call takes
};
FakeReply Text(std::string data);
FakeReply Silence();                            // the call fails, nothing written
FakeReply Overlong(std::uint32_t reportedLength);  // reports more than the buffer holds

// "#GET#\n@PJL INFO STATUS" -> "GET INFO STATUS", "#SET#\n@PJL X" -> "SET X".
std::string ShortName(const std::string& request);

class FakePollingHost : public PollingHost {
 public:
  // Context and environment, set by the test.
  PollingSettings settings;
  int statusCode = 0;
  std::uint32_t hardwareFlags = 0;
  std::uint32_t configFlags = 0x4000;  // what a handled INFO CONFIG answer sets
  int activeConfig = -1;
  bool showWindow = true;
  bool handleOpen = true;
  bool openSucceeds = true;
  bool findSucceeds = true;
  bool parserExists = true;
  bool stopSignalled = false;
  bool threadHandleRecorded = true;
  int stopAfterWaits = -1;  // the n-th wait (1-based) finds the stop event set
  std::deque<WaitResult> waitResults;  // scripted wait endings, used before the rule above
  bool setTimerSucceeds = true;
  bool killTimerSucceeds = true;
  std::uint32_t now = 1000000;
  std::function<void(const std::string& shortName)> onQuery;  // runs as each query starts

  // Answers: per short request name, in order; then the default for that name; then silence.
  std::map<std::string, std::deque<FakeReply>> script;
  std::map<std::string, FakeReply> defaults;

  std::vector<std::string> log;
  std::vector<std::pair<std::string, std::uint32_t>> queryTimes;  // short name, clock at the call
  bool guardTripped = false;  // the machine made too many calls and was stopped
  std::size_t maxEvents = 20000;

  void Script(const std::string& name, std::initializer_list<FakeReply> replies);
  // The log entries whose kind (the part before ':') is one of `kinds`.
  std::vector<std::string> Only(std::initializer_list<const char*> kinds) const;
  int Count(const std::string& entry) const;
  void ClearLog() { log.clear(); }

  // PollingHost
  PollingSettings ReadSettings() override { return settings; }
  int StatusCode() override { return statusCode; }
  void SetStatusCode(int code) override;
  std::uint32_t HardwareFlags() override { return hardwareFlags; }
  void ClearHardwareFlags() override;
  int ActiveConfigCount() override { return activeConfig; }
  void SetActiveConfigCount(int count) override;
  bool ShowWindowWanted() override { return showWindow; }
  bool PrinterHandleOpen() override { return handleOpen; }
  bool OpenMonitoredPrinter() override;
  bool FindAndOpenPrinter() override;
  void ClosePrinter() override;
  bool ParserExists() override { return parserExists; }
  bool QueryPrinterData(const char* request, char* buffer, std::uint32_t size,
                        std::uint32_t* replyLength, std::uint32_t delayMs) override;
  void HandleReply(const char* text) override;
  void ComputeOptions() override { Record("options"); }
  void RefreshDisplay(bool popupAllowed) override;
  std::uint32_t TickCount() override { return now; }
  void Sleep(std::uint32_t ms) override;
  bool StopRequested() override { return stopSignalled || !threadHandleRecorded; }
  void SignalStop() override;
  WaitResult WaitForStop(std::uint32_t ms) override;
  void PostPollingEnded() override { Record("post1127"); }
  bool SetPollTimer(std::uint32_t periodMs) override;
  bool KillPollTimer() override;

 private:
  void Record(std::string entry);
  FakeReply NextReply(const std::string& name);
  int waits_ = 0;
};

}  // namespace tolvan::polling::testing
