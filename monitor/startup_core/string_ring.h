// Texts loaded from the string table land in a ring of four 512-byte
// buffers, so a caller may hold a few loaded texts at once without owning
// memory: a text stays valid until four further loads.
#pragma once
#include <atomic>
#include <cstddef>

namespace statmon {

class StringRing {
 public:
  static constexpr std::size_t kBufferCount = 4;
  static constexpr std::size_t kBufferSize = 512;

  // The next buffer of the ring, emptied. Both monitor threads load texts;
  // the index is atomic so that two loads never take the same buffer.
  char* Next();

 private:
  std::atomic<unsigned> next_{0};
  char buffers_[kBufferCount][kBufferSize] = {};
};

}  // namespace statmon
