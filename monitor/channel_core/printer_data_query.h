// One printer-data query of the monitor: the request text goes to the spooler
// as the value name (announced first with SetPrinterDataA on the NT family),
// the language monitor's answer comes back as the value's data. The rules of
// what counts as an answer live here, behind a narrow port to the spooler, so
// that they run without <windows.h>.
#pragma once

#include <cstdint>

namespace statmon::channel {

// Every caller passes this size; the buffer holds one more byte for the NUL.
inline constexpr std::uint32_t kReplyBufferSize = 1284;
// Shortest answer a query accepts; callers that hand an answer on want more.
inline constexpr std::uint32_t kShortestReply = 12;
// A query that takes this long counts as failed even when data came back.
inline constexpr std::uint32_t kQueryDeadlineMs = 30000;

// Delays before the read back, by kind of traffic.
inline constexpr std::uint32_t kStatusDelayMs = 0;
inline constexpr std::uint32_t kInteractiveDelayMs = 500;
inline constexpr std::uint32_t kConfigDelayMs = 1024;

// What the query needs from the spooler and the rest of the monitor.
class PrinterDataPort {
 public:
  virtual ~PrinterDataPort() = default;
  virtual bool HandleOpen() = 0;
  virtual bool AnnouncesRequests() = 0;  // NT family: SetPrinterDataA before each read
  virtual void Announce(const char* request) = 0;  // SetPrinterDataA, REG_BINARY, no data
  // GetPrinterDataA: returns its result code (0 on success) and the length.
  virtual std::uint32_t Read(const char* request, char* buffer, std::uint32_t size,
                             std::uint32_t* replyLength) = 0;
  virtual bool ParserExists() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
  virtual std::uint32_t TickCount() = 0;
};

// Whether a reported length makes a valid reply: 12 to 1284 bytes.
bool ReplyLengthValid(std::uint32_t replyLength);
// "#SET#" requests expect no answer and are exempt from the length rule.
bool IsSetRequest(const char* request);
// The stricter rule of callers that hand an answer on: more than 12 bytes.
bool ReplyWorthHandling(bool queryResult, std::uint32_t replyLength);

// The query: true when the request was answered in time, the monitor still
// has its parser, and (unless it is a "#SET#" request or no buffer size is
// given) the length is valid. `buffer` may be null with `size` 0; it must
// have room for size + 1 bytes. The reply is terminated at its reported
// length whenever that lies within the buffer.
bool RunPrinterDataQuery(PrinterDataPort& port, const char* request, char* buffer,
                         std::uint32_t size, std::uint32_t* replyLength,
                         std::uint32_t delayMs);

}  // namespace statmon::channel
