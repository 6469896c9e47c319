// The request texts of the polling traffic and the USTATUS sequences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvan::polling {

inline constexpr const char kInfoStatus[] = "#GET#\n@PJL INFO STATUS";
inline constexpr const char kInfoDstatus[] = "#GET#\n@PJL INFO DSTATUS";
inline constexpr const char kInfoConfig[] = "#GET#\n@PJL INFO CONFIG";
inline constexpr const char kInfoWarningList[] = "#GET#\n@PJL INFO WARNINGLIST";
inline constexpr const char kUstatusOff[] = "#SET#\n@PJL USTATUSOFF";
inline constexpr const char kRead[] = "READ";

// Pseudo replies of the language monitor, found by substring search.
inline constexpr const char kReplyNoConnection[] = "CODE=111111";
inline constexpr const char kReplyBusy[] = "CODE=999999";

// The requests that turn unsolicited status on: the detailed family when the
// printer has it, else the plain family, else none.
std::vector<std::string> UstatusOnRequests(std::uint32_t capabilities, int dtimed);

}  // namespace tolvan::polling
