#include "pjl_log_format.h"

#include <cstdio>

namespace statmon {

std::string FormatPjlLogStamp(const LogTime& t) {
  char stamp[96];
  std::snprintf(stamp, sizeof stamp, "\r\n[%04d/%02d/%02d %02d:%02d:%02d.%04d]\r\n", t.year,
                t.month, t.day, t.hour, t.minute, t.second, t.milliseconds);
  return stamp;
}

}  // namespace statmon
