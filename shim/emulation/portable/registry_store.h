// The emulated registry's operations on its INI file, independent of how the
// file is reached: a key is a section named by its full path, a value an
// entry, a subkey an entry whose text is the marker "__" in its parent's
// section. The Windows layer supplies the file through the private-profile
// functions; tests supply one in memory.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "registry_format.h"

namespace regfile {

// The INI primitives the store needs. Section and entry names compare without
// regard to ASCII case; entries keep their file order.
class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  // The entry's text; empty when the entry is missing.
  virtual std::string ReadEntry(const std::string& section, const std::string& entry) = 0;
  // The entry names of a section in file order; empty when it has none.
  virtual std::vector<std::string> EntryNames(const std::string& section) = 0;
  virtual bool WriteEntry(const std::string& section, const std::string& entry,
                          const std::string& text) = 0;
  virtual bool DeleteEntry(const std::string& section, const std::string& entry) = 0;
  virtual bool DeleteSection(const std::string& section) = 0;
};

// Every operation returns the system's error code (kSuccess on success).
// Buffer sizes follow the registry functions: in, the caller's capacity; out,
// what was (or would be) written.
class RegistryStore {
 public:
  explicit RegistryStore(ProfileFile& file) : file_(file) {}

  // Records the key by writing its marker into its parent's section.
  long CreateKey(const std::string& path);
  // The key exists when its section has entries or its parent holds its marker.
  long OpenKey(const std::string& path);
  long SetValue(const std::string& path, const char* name, uint32_t type, const uint8_t* data,
                uint32_t size);
  // `type`, `data` and `size` may each be null; `data` needs `size`.
  long QueryValue(const std::string& path, const char* name, uint32_t* type, uint8_t* data,
                  uint32_t* size);
  // The index-th value, markers not counted. `nameChars` holds the name
  // buffer's capacity and receives the name's length without terminator.
  long EnumValue(const std::string& path, uint32_t index, char* name, uint32_t* nameChars,
                 uint32_t* type, uint8_t* data, uint32_t* size);
  // The index-th entry name of the key's section, values and subkeys alike.
  long EnumKey(const std::string& path, uint32_t index, char* name, uint32_t nameChars);
  // Removes the value; a key left without entries goes too, and so on upwards.
  long DeleteValue(const std::string& path, const char* name);
  // Removes the section of `subkeyPath` and its marker in the parent's section.
  long DeleteKey(const std::string& subkeyPath);

 private:
  long QueryText(const std::string& text, uint32_t* type, uint8_t* data, uint32_t* size);
  void RemoveEntryCascading(const std::string& section, const std::string& entry);

  ProfileFile& file_;
};

}  // namespace regfile
