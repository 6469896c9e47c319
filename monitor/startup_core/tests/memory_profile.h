// An in-memory profile file for tests: keeps values by section and key and
// cuts strings exactly as GetPrivateProfileStringA does for a buffer size.
#pragma once
#include <map>
#include <string>
#include <utility>

#include "profile_source.h"

namespace statmon::testing {

class MemoryProfile : public ProfileSource {
 public:
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    values_[{section, key}] = value;
  }
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback, std::size_t bufferSize) const override {
    ++reads;
    auto it = values_.find({section, key});
    const std::string& value = it == values_.end() ? fallback : it->second;
    return bufferSize == 0 ? std::string() : value.substr(0, bufferSize - 1);
  }
  int ReadInt(const std::string& section, const std::string& key, int fallback) const override {
    ++reads;
    auto it = values_.find({section, key});
    return it == values_.end() ? fallback : std::stoi(it->second);
  }
  mutable int reads = 0;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Names as the string table holds them, for the ids the tests use.
class LiteralNames : public NameTable {
 public:
  std::string Name(int stringId) const override;
};

}  // namespace statmon::testing
