#include "query_channel.h"

#include <winspool.h>

#include <string>

#include "context_lock.h"
#include "misc_settings.h"
#include "pjl_log.h"
#include "polling_requests.h"
#include "printer_data_query.h"
#include "profile_file.h"
#include "reply_feed.h"
#include "statmon_resource.h"

namespace statmon {
namespace {

constexpr int kRawReplyControl = 1020;

// The raw text waiting for the window thread; guarded by the context lock.
std::string g_pendingRawReply;

bool OnWindowThread(const MonitorContext& context) {
  HWND window = static_cast<HWND>(context.mainWindow);
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

class SpoolerDataPort : public channel::PrinterDataPort {
 public:
  explicit SpoolerDataPort(MonitorContext& context) : context_(context) {}
  bool HandleOpen() override { return handle() != nullptr; }
  bool AnnouncesRequests() override { return context_.platformId == 2; }
  void Announce(const char* request) override {
    BYTE nothing = 0;
    SetPrinterDataA(handle(), const_cast<LPSTR>(request), REG_BINARY, &nothing, 0);
  }
  std::uint32_t Read(const char* request, char* buffer, std::uint32_t size,
                     std::uint32_t* replyLength) override {
    DWORD length = 0;
    const DWORD result = GetPrinterDataA(handle(), const_cast<LPSTR>(request), nullptr,
                                         reinterpret_cast<LPBYTE>(buffer), size, &length);
    *replyLength = length;
    return result;
  }
  bool ParserExists() override {
    ContextLock lock;
    return context_.replyParser != nullptr;
  }
  void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
  std::uint32_t TickCount() override { return GetTickCount(); }

 private:
  HANDLE handle() { return static_cast<HANDLE>(context_.printerHandle); }
  MonitorContext& context_;
};

int UstatusDtimed(const MonitorContext& context) {
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(static_cast<HINSTANCE>(context.instance));
  return ReadMiscInt(profile, names, MiscKey::kUstatusDtimed);
}

}  // namespace

bool QueryPrinterData(MonitorContext& context, const char* request, char* buffer, DWORD size,
                      DWORD* replyLength, DWORD delayMs) {
  SpoolerDataPort port(context);
  std::uint32_t length = 0;
  const bool result = channel::RunPrinterDataQuery(port, request, buffer, size, &length, delayMs);
  if (replyLength != nullptr) *replyLength = length;
  return result;
}

void HandleReply(const char* text, MonitorContext& context) {
  if (text == nullptr || text[0] == '\0') return;
  {
    ContextLock lock;
    if (context.replyParser == nullptr) return;
  }
  HWND window = static_cast<HWND>(context.mainWindow);
  if (OnWindowThread(context)) {
    SetDlgItemTextA(window, kRawReplyControl, text);
  } else if (window != nullptr) {
    {
      ContextLock lock;
      g_pendingRawReply = text;
    }
    PostMessageA(window, kRawReplyMessage, 0, 0);
  }
  AppendPjlLog(context, text);
  ContextLock lock;
  PjlFeedReply(static_cast<PjlParser*>(context.replyParser), text);
}

void OnRawReplyMessage(MonitorContext& context) {
  std::string text;
  {
    ContextLock lock;
    text.swap(g_pendingRawReply);
  }
  if (!text.empty()) SetDlgItemTextA(static_cast<HWND>(context.mainWindow), kRawReplyControl, text.c_str());
}

void UstatusOn(MonitorContext& context) {
  const auto requests = tolvan::polling::UstatusOnRequests(context.capabilities, UstatusDtimed(context));
  for (const std::string& request : requests) {
    char reply[channel::kReplyBufferSize + 1] = {};
    DWORD length = 0;
    QueryPrinterData(context, request.c_str(), reply, channel::kReplyBufferSize, &length,
                     channel::kStatusDelayMs);
  }
}

void UstatusOff(MonitorContext& context) {
  char reply[channel::kReplyBufferSize + 1] = {};
  DWORD length = 0;
  QueryPrinterData(context, tolvan::polling::kUstatusOff, reply, channel::kReplyBufferSize, &length,
                   channel::kStatusDelayMs);
}

}  // namespace statmon
