#include "string_ring.h"

namespace statmon {

char* StringRing::Next() {
  const unsigned index = next_.fetch_add(1, std::memory_order_relaxed) % kBufferCount;
  char* buffer = buffers_[index];
  buffer[0] = '\0';
  return buffer;
}

}  // namespace statmon
