#include "printer_data_query.h"

#include <cstring>

namespace statmon::channel {

bool ReplyLengthValid(std::uint32_t replyLength) {
  return replyLength >= kShortestReply && replyLength <= kReplyBufferSize;
}

bool IsSetRequest(const char* request) {
  return request != nullptr && std::strstr(request, "#SET#") != nullptr;
}

bool ReplyWorthHandling(bool queryResult, std::uint32_t replyLength) {
  return queryResult && replyLength > kShortestReply;
}

bool RunPrinterDataQuery(PrinterDataPort& port, const char* request, char* buffer,
                         std::uint32_t size, std::uint32_t* replyLength,
                         std::uint32_t delayMs) {
  std::uint32_t ignored = 0;
  if (replyLength == nullptr) replyLength = &ignored;
  // A failing read need not write the length; never judge a stale one.
  *replyLength = 0;
  if (request == nullptr || !port.HandleOpen()) return false;
  if (port.AnnouncesRequests()) port.Announce(request);
  if (delayMs != 0) port.Sleep(delayMs);

  const std::uint32_t start = port.TickCount();
  const std::uint32_t status = port.Read(request, buffer, size, replyLength);
  // Elapsed time, so that a query across the wrap of the tick counter is
  // judged by its duration like any other.
  const std::uint32_t elapsed = port.TickCount() - start;
  bool result = status == 0 && elapsed < kQueryDeadlineMs;

  if (!port.ParserExists()) result = false;
  // A length beyond the size passed means the data did not fit the buffer.
  if (result && !IsSetRequest(request) && size != 0) {
    result = ReplyLengthValid(*replyLength) && *replyLength <= size;
  }
  if (buffer != nullptr && buffer[0] != '\0' && *replyLength <= size) buffer[*replyLength] = '\0';
  return result;
}

}  // namespace statmon::channel
