// Spool path arithmetic.
#include "spool_names.h"

#include <cstdio>

namespace tspool {

std::string DriveAndDirectory(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string_view::npos) return std::string(path.substr(0, slash + 1));
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  return std::string();
}

std::string SpoolFileName(std::string_view directory, unsigned job) {
  char number[16];
  std::snprintf(number, sizeof number, "%05u", job);
  std::string name(directory);
  name += number;
  name += ".SPL";
  return name;
}

}  // namespace tspool
