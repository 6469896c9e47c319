// The PJL log's entry format: a local time stamp line, then the reply text as
// it came, without a terminator.
#pragma once
#include <string>

namespace statmon {

struct LogTime {
  int year, month, day, hour, minute, second, milliseconds;
};

// "\r\n[YYYY/MM/DD hh:mm:ss.mmmm]\r\n"; milliseconds take four digits.
std::string FormatPjlLogStamp(const LogTime& time);

}  // namespace statmon
