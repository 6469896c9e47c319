// What the configuration code needs from a profile file and from the string
// table, as narrow interfaces: the Windows layer reads the real file with the
// private-profile functions, tests keep the values in memory.
#pragma once
#include <cstddef>
#include <string>

namespace statmon {

class ProfileSource {
 public:
  virtual ~ProfileSource() = default;
  // Reads `key` of `section` the way GetPrivateProfileStringA does into a
  // buffer of `bufferSize` bytes: at most bufferSize - 1 characters of the
  // value, or of `fallback` when the key is missing.
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback,
                                 std::size_t bufferSize) const = 0;
  // Reads `key` the way GetPrivateProfileIntA does; `fallback` when missing.
  virtual int ReadInt(const std::string& section, const std::string& key,
                      int fallback) const = 0;
};

// Section and key names by string id (monitor_strings.h).
class NameTable {
 public:
  virtual ~NameTable() = default;
  virtual std::string Name(int stringId) const = 0;
};

}  // namespace statmon
