#include "fake_polling_host.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tolvan::polling::testing {

FakeReply Text(std::string data) {
  FakeReply r;
  r.data = std::move(data);
  return r;
}

FakeReply Silence() {
  FakeReply r;
  r.answered = false;
  r.reportedLength = 0;
  return r;
}

FakeReply Overlong(std::uint32_t reportedLength) {
  FakeReply r;
  r.reportedLength = reportedLength;
  return r;
}

std::string ShortName(const std::string& request) {
  for (const char* prefix : {"#GET#\n@PJL ", "#SET#\n@PJL "}) {
    if (request.rfind(prefix, 0) == 0) return request.substr(1, 3) + " " + request.substr(11);
  }
  return request;
}

void FakePollingHost::Record(std::string entry) {
  log.push_back(std::move(entry));
  if (log.size() > maxEvents) {
    guardTripped = true;
    stopSignalled = true;
  }
}

void FakePollingHost::Script(const std::string& name, std::initializer_list<FakeReply> replies) {
  auto& queue = script[name];
  queue.insert(queue.end(), replies.begin(), replies.end());
}

std::vector<std::string> FakePollingHost::Only(std::initializer_list<const char*> kinds) const {
  std::vector<std::string> out;
  for (const auto& entry : log) {
    const std::string kind = entry.substr(0, entry.find(':'));
    for (const char* k : kinds)
      if (kind == k) out.push_back(entry);
  }
  return out;
}

int FakePollingHost::Count(const std::string& entry) const {
  return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

void FakePollingHost::SetStatusCode(int code) {
  statusCode = code;
  Record("status:" + std::to_string(code));
}

void FakePollingHost::ClearHardwareFlags() {
  hardwareFlags = 0;
  Record("clearhw");
}

void FakePollingHost::SetActiveConfigCount(int count) {
  activeConfig = count;
  Record("active:" + std::to_string(count));
}

bool FakePollingHost::OpenMonitoredPrinter() {
  Record("open");
  handleOpen = openSucceeds;
  return openSucceeds;
}

bool FakePollingHost::FindAndOpenPrinter() {
  Record("find");
  handleOpen = findSucceeds;
  return findSucceeds;
}

void FakePollingHost::ClosePrinter() {
  Record("close");
  handleOpen = false;
}

FakeReply FakePollingHost::NextReply(const std::string& name) {
  auto queued = script.find(name);
  if (queued != script.end() && !queued->second.empty()) {
    FakeReply r = queued->second.front();
    queued->second.pop_front();
    return r;
  }
  auto fallback = defaults.find(name);
  return fallback != defaults.end() ? fallback->second : Silence();
}

// Emulates the query of the channel over a language monitor that answers
// from the script: the 30-second rule, the validity rule and its "#SET#"
// exemption, and the terminator rule.
bool FakePollingHost::QueryPrinterData(const char* request, char* buffer, std::uint32_t size,
                                       std::uint32_t* replyLength, std::uint32_t delayMs) {
  const std::string name = ShortName(request);
  std::string entry = "q:" + name;
  if (size != 1284) entry += " [" + std::to_string(size) + "]";
  if (delayMs != 0) entry += " +" + std::to_string(delayMs);
  Record(entry);
  queryTimes.emplace_back(name, now);
  if (onQuery) onQuery(name);
  if (!handleOpen) return false;
  now += delayMs;
  const FakeReply reply = NextReply(name);
  now += reply.costMs;
  *replyLength = reply.reportedLength.value_or(static_cast<std::uint32_t>(reply.data.size()));
  if (reply.answered && buffer != nullptr && reply.data.size() <= size)
    std::memcpy(buffer, reply.data.data(), reply.data.size());
  if (buffer != nullptr && buffer[0] != '\0' && *replyLength <= size) buffer[*replyLength] = '\0';
  bool ok = reply.answered && reply.costMs < 30000 && parserExists;
  if (ok && std::strstr(request, "#SET#") == nullptr && size != 0)
    ok = *replyLength >= 12 && *replyLength < 1285;
  return ok;
}

// Stands in for the parser and the command hook: a CODE becomes the status,
// an INFO CONFIG answer sets the configured hardware flags.
void FakePollingHost::HandleReply(const char* text) {
  Record(std::string("reply:") + text);
  if (!parserExists || text == nullptr || *text == '\0') return;
  if (const char* code = std::strstr(text, "CODE=")) statusCode = std::atoi(code + 5);
  if (std::strstr(text, "INFO CONFIG")) hardwareFlags |= configFlags;
}

void FakePollingHost::RefreshDisplay(bool popupAllowed) {
  Record(popupAllowed ? "refresh" : "refresh:quiet");
}

void FakePollingHost::Sleep(std::uint32_t ms) {
  Record("sleep:" + std::to_string(ms));
  now += ms;
}

void FakePollingHost::SignalStop() {
  Record("signal");
  stopSignalled = true;
}

WaitResult FakePollingHost::WaitForStop(std::uint32_t ms) {
  Record("wait:" + std::to_string(ms));
  ++waits_;
  if (stopSignalled) return WaitResult::Signalled;
  if (!waitResults.empty()) {
    const WaitResult r = waitResults.front();
    waitResults.pop_front();
    if (r == WaitResult::TimedOut) now += ms;
    return r;
  }
  if (waits_ == stopAfterWaits) {
    stopSignalled = true;
    return WaitResult::Signalled;
  }
  now += ms;
  return WaitResult::TimedOut;
}

bool FakePollingHost::SetPollTimer(std::uint32_t periodMs) {
  Record("settimer:" + std::to_string(periodMs));
  return setTimerSucceeds;
}

bool FakePollingHost::KillPollTimer() {
  Record("killtimer");
  return killTimerSucceeds;
}

}  // namespace tolvan::polling::testing
