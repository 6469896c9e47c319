#include "polling_reply_area.h"

#include <cstring>

namespace tolvan::polling {

void ReplyArea::Clear() { std::memset(bytes_.data(), 0, kReplyBufferSize + 1); }

void ReplyArea::Preset(const char* text) {
  Clear();
  std::strncpy(bytes_.data(), text, kReplyBufferSize);
}

std::uint32_t ReplyArea::HeldLength() const {
  std::uint32_t n = 0;
  while (n < kReplyBufferSize && bytes_[n] != '\0') ++n;
  return n;
}

bool ReplyArea::Contains(const char* needle) const {
  return std::strstr(bytes_.data(), needle) != nullptr;
}

}  // namespace tolvan::polling
