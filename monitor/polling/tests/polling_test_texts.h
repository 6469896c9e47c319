// Printer answers and helpers shared by the polling tests.
#pragma once

#include <string>
#include <vector>

namespace tolvan::polling::testing {

inline const std::string kDstatusReady = "@PJL INFO DSTATUS\r\nCODE=600100\r\n\f";
inline const std::string kStatusReady = "@PJL INFO STATUS\r\nCODE=600100\r\n\f";
inline const std::string kConfigAnswer = "@PJL INFO CONFIG\r\nDUPLEX=INSTALLED\r\n\f";
inline const std::string kWarnings = "@PJL INFO WARNINGLIST\r\nWARNINGLIST=0\r\n\f";
inline const std::string kDeviceReady = "@PJL USTATUS DEVICE\r\nCODE=600100\r\n\f";
inline const std::string kDevicePrinting = "@PJL USTATUS DEVICE\r\nCODE=610100\r\n\f";
inline const std::string kNoConnection = "@PJL INFO DSTATUS\r\nCODE=111111\r\n\f";
inline const std::string kBusy = "@PJL INFO DSTATUS\r\nCODE=999999\r\n\f";

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Lines Repeat(int times, const Lines& block) {
  Lines out;
  for (int i = 0; i < times; ++i) out = out + block;
  return out;
}

}  // namespace tolvan::polling::testing
