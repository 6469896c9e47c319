#include "number_list.h"

#include <climits>

namespace statmon {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi on [begin, end): leading blanks, an optional sign, then digits.
int ConvertLikeAtoi(const char* begin, const char* end) {
  const char* p = begin;
  while (p < end && IsBlank(*p)) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  long long value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

}  // namespace

std::vector<int> ParseNumberList(const std::string& text, std::size_t maxCount) {
  std::vector<int> numbers;
  const char* p = text.c_str();
  const char* const end = p + text.size();
  while (p < end && numbers.size() < maxCount) {
    const char* itemEnd = p;
    while (itemEnd < end && *itemEnd != ',') ++itemEnd;
    if (itemEnd > p) numbers.push_back(ConvertLikeAtoi(p, itemEnd));
    p = itemEnd < end ? itemEnd + 1 : end;
  }
  return numbers;
}

std::uint32_t CapabilityMask(const std::vector<int>& numbers) {
  std::uint32_t mask = 0;
  for (int k : numbers) {
    if (k >= 1 && k <= 32) mask |= std::uint32_t{1} << (k - 1);
  }
  return mask;
}

void StoreZeroTerminated(const std::vector<int>& numbers, int* codes, std::size_t capacity) {
  for (std::size_t i = 0; i < capacity; ++i) codes[i] = i < numbers.size() ? numbers[i] : 0;
}

bool ContainsCode(const int* codes, std::size_t capacity, int code) {
  for (std::size_t i = 0; i < capacity && codes[i] != 0; ++i) {
    if (codes[i] == code) return true;
  }
  return false;
}

}  // namespace statmon
