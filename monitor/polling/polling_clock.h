// Tick-count arithmetic that survives the wrap of the 32-bit millisecond counter
// (every 49.7 days): a time is past when the signed distance to it is positive.
#pragma once

#include <cstdint>

namespace tolvan::polling {

inline bool IsPast(std::uint32_t now, std::uint32_t when) {
  return static_cast<std::int32_t>(now - when) > 0;
}

// A due time that the next check finds already past, whatever the counter reads.
inline std::uint32_t DueAtOnce(std::uint32_t now) { return now - 1; }

}  // namespace tolvan::polling
