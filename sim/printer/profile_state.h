// The printer's state file reached through the private-profile functions,
// so that the printer sees every edit made from outside at its next request.
#pragma once
#include <string>

#include "state_store.h"

namespace simprinter {

class ProfileState : public StateStore {
 public:
  explicit ProfileState(std::string path) : path_(std::move(path)) {}
  std::string Get(const std::string& section, const std::string& key) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;
  std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) override;
  void RemoveSection(const std::string& section) override;

 private:
  std::string path_;
};

}  // namespace simprinter
