// The reply area of one polling routine: 2048 zeroed bytes of which at most
// 1284 (plus the terminator) are used per query. Everything from byte 1284 on
// stays zero as long as every query respects the size it is given, so the held
// text is always terminated within the area, whatever a query reports.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tolvan::polling {

inline constexpr std::uint32_t kReplyBufferSize = 1284;
inline constexpr std::size_t kReplyAreaSize = 2048;

class ReplyArea {
 public:
  // Forget the previous answer, so that a query that fails after reporting a
  // long length can never hand an older answer on as if it were its own.
  void Clear();
  void Preset(const char* text);  // Clear, then hold `text` (shorter than the buffer)
  char* data() { return bytes_.data(); }
  const char* text() const { return bytes_.data(); }
  std::uint32_t HeldLength() const;  // length of the held text, at most kReplyBufferSize
  bool Contains(const char* needle) const;

 private:
  std::array<char, kReplyAreaSize> bytes_{};
};

}  // namespace tolvan::polling
