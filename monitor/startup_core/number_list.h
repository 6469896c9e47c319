// Number lists of the configuration file ("1,2,5"): decimal numbers separated
// by commas, each converted like atoi, empty items skipped.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace statmon {

constexpr std::size_t kDefaultNumberListCount = 32;

// At most `maxCount` numbers, left to right. A number beyond the int range is
// clamped instead of overflowing as atoi would.
std::vector<int> ParseNumberList(const std::string& text,
                                 std::size_t maxCount = kDefaultNumberListCount);

// Capability number k sets the mask 1 << (k - 1). Numbers outside 1..32 name
// no capability and are ignored (a shift by them would be undefined).
std::uint32_t CapabilityMask(const std::vector<int>& numbers);

// Copies up to `capacity` codes into `codes` and zero-fills the rest, so that
// a reader stopping at the first 0 (or at the end) sees the list.
void StoreZeroTerminated(const std::vector<int>& numbers, int* codes, std::size_t capacity);

// True when `code` is one of the codes of a zero-terminated list of at most
// `capacity` entries; never reads past the array, even when it is full.
bool ContainsCode(const int* codes, std::size_t capacity, int code);

}  // namespace statmon
