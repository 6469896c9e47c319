// The emulated registry's INI file reached through the private-profile
// functions. Buffers grow until a section's entry list or an entry's text
// fits, so long sections and values are never cut short.
#pragma once
#include <string>
#include <vector>

#include "registry_store.h"

namespace emulation {

class PrivateProfileFile : public regfile::ProfileFile {
 public:
  // `fileName` as the profile functions take it: without a path it names a
  // file in the Windows directory.
  explicit PrivateProfileFile(std::string fileName) : fileName_(std::move(fileName)) {}

  std::string ReadEntry(const std::string& section, const std::string& entry) override;
  std::vector<std::string> EntryNames(const std::string& section) override;
  bool WriteEntry(const std::string& section, const std::string& entry,
                  const std::string& text) override;
  bool DeleteEntry(const std::string& section, const std::string& entry) override;
  bool DeleteSection(const std::string& section) override;

 private:
  std::string fileName_;
};

}  // namespace emulation
