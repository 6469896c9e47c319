// Where the simulated printer keeps its state: sections of key/value texts,
// in practice the INI file beside the port-monitor DLL, which tests and the
// demo edit from outside while the printer runs.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace simprinter {

class StateStore {
 public:
  virtual ~StateStore() = default;
  // The value's text, or empty when the key is missing.
  virtual std::string Get(const std::string& section, const std::string& key) = 0;
  virtual void Set(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual void Remove(const std::string& section, const std::string& key) = 0;
  // The section's entries in file order.
  virtual std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) = 0;
  virtual void RemoveSection(const std::string& section) = 0;
};

}  // namespace simprinter
