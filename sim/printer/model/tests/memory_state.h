// The printer's state file in memory, loadable from INI text (such as the
// sample state file), for native tests of the printer engine.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "state_store.h"

class MemoryState : public simprinter::StateStore {
 public:
  MemoryState() = default;
  // Sections and "key=value" lines; ";" starts a comment line.
  explicit MemoryState(const std::string& iniText);
  static MemoryState FromFile(const std::string& path);

  std::string Get(const std::string& section, const std::string& key) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;
  std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) override;
  void RemoveSection(const std::string& section) override;

 private:
  using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
  Section* Find(const std::string& section, bool create);
  std::vector<Section> sections_;
};
