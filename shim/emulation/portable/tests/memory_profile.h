// An INI file in memory with the private-profile functions' behaviour that the
// registry store relies on: ordered sections and entries, names compared
// without regard to case, rewriting an entry keeps its place.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "registry_store.h"

class MemoryProfile : public regfile::ProfileFile {
 public:
  using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;

  std::string ReadEntry(const std::string& section, const std::string& entry) override;
  std::vector<std::string> EntryNames(const std::string& section) override;
  bool WriteEntry(const std::string& section, const std::string& entry,
                  const std::string& text) override;
  bool DeleteEntry(const std::string& section, const std::string& entry) override;
  bool DeleteSection(const std::string& section) override;

  // The file as the profile functions would write it.
  std::string Text() const;
  bool HasSection(const std::string& section) const;
  bool failWrites = false;

 private:
  Section* Find(const std::string& section);
  std::vector<Section> sections_;
};
