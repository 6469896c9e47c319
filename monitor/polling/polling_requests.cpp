#include "polling_requests.h"

#include "polling_host.h"

namespace tolvan::polling {

std::vector<std::string> UstatusOnRequests(std::uint32_t capabilities, int dtimed) {
  const std::string n = std::to_string(dtimed);
  if (capabilities & CAP_DETAILED_STATUS) {
    return {"#SET#\n@PJL USTATUS DDEVICE=ON", "#SET#\n@PJL USTATUS JOB=ON",
            "#SET#\n@PJL USTATUS PAGE=ON", "#SET#\n@PJL USTATUS DTIMED=" + n};
  }
  if (capabilities & CAP_PLAIN_STATUS) {
    return {"#SET#\n@PJL USTATUS DEVICE=ON", "#SET#\n@PJL USTATUS JOB=ON",
            "#SET#\n@PJL USTATUS PAGE=ON", "#SET#\n@PJL USTATUS TIMED=" + n};
  }
  return {};
}

}  // namespace tolvan::polling
