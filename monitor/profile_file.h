// The configuration file read with the private-profile functions, and the
// section and key names taken from the monitor's string table.
#pragma once
#include <windows.h>

#include <string>

#include "profile_source.h"

namespace statmon {

class ProfileFile : public ProfileSource {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback, std::size_t bufferSize) const override;
  int ReadInt(const std::string& section, const std::string& key, int fallback) const override;

 private:
  std::string path_;
};

// Names by string id from `module`'s string table (statmon.exe itself).
class ResourceNames : public NameTable {
 public:
  explicit ResourceNames(HINSTANCE module) : module_(module) {}
  std::string Name(int stringId) const override;

 private:
  HINSTANCE module_;
};

// Loads text `id` of `module` into the next buffer of the monitor's ring of
// four 512-byte buffers; valid until four further loads. Empty when missing.
const char* LoadMonitorText(HINSTANCE module, UINT id);

}  // namespace statmon
