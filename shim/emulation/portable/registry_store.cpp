#include "registry_store.h"

#include <cstring>

namespace regfile {

long RegistryStore::CreateKey(const std::string& path) {
  if (path.empty()) return kInvalidParameter;
  const std::string parent = ParentPath(path);
  if (parent.empty()) return kSuccess;  // a root needs no marker
  return file_.WriteEntry(parent, LeafName(path), kSubkeyMarker) ? kSuccess : kInvalidParameter;
}

long RegistryStore::OpenKey(const std::string& path) {
  if (path.empty()) return kInvalidParameter;
  if (!file_.EntryNames(path).empty()) return kSuccess;
  const std::string parent = ParentPath(path);
  if (!parent.empty() && !file_.ReadEntry(parent, LeafName(path)).empty()) return kSuccess;
  return kFileNotFound;
}

long RegistryStore::SetValue(const std::string& path, const char* name, uint32_t type,
                             const uint8_t* data, uint32_t size) {
  if (path.empty() || name == nullptr || data == nullptr || size == 0) return kInvalidParameter;
  std::string text;
  if (!EncodeValue(type, data, size, &text)) return kInvalidParameter;
  return file_.WriteEntry(path, name, text) ? kSuccess : kInvalidParameter;
}

long RegistryStore::QueryText(const std::string& text, uint32_t* type, uint8_t* data,
                              uint32_t* size) {
  if (text.empty()) return kFileNotFound;
  if (data != nullptr && size == nullptr) return kInvalidParameter;
  const DecodedValue value = DecodeValue(text);
  if (data != nullptr && *size < value.size) {
    *size = static_cast<uint32_t>(value.size);
    if (type) *type = value.type;
    return kMoreData;
  }
  if (data != nullptr) std::memcpy(data, value.bytes.data(), value.bytes.size());
  if (size) *size = static_cast<uint32_t>(value.size);
  if (type) *type = value.type;
  return kSuccess;
}

long RegistryStore::QueryValue(const std::string& path, const char* name, uint32_t* type,
                               uint8_t* data, uint32_t* size) {
  if (path.empty()) return kInvalidParameter;
  return QueryText(file_.ReadEntry(path, name ? name : ""), type, data, size);
}

long RegistryStore::EnumValue(const std::string& path, uint32_t index, char* name,
                              uint32_t* nameChars, uint32_t* type, uint8_t* data,
                              uint32_t* size) {
  if (path.empty() || name == nullptr || nameChars == nullptr) return kInvalidParameter;
  uint32_t seen = 0;
  for (const std::string& entry : file_.EntryNames(path)) {
    const std::string text = file_.ReadEntry(path, entry);
    if (text == kSubkeyMarker) continue;
    if (seen++ != index) continue;
    if (*nameChars < entry.size() + 1) return kInsufficientBuffer;
    std::memcpy(name, entry.c_str(), entry.size() + 1);
    *nameChars = static_cast<uint32_t>(entry.size());
    return QueryText(text, type, data, size);
  }
  return kNoMoreItems;
}

long RegistryStore::EnumKey(const std::string& path, uint32_t index, char* name,
                            uint32_t nameChars) {
  if (path.empty() || name == nullptr) return kInvalidParameter;
  const std::vector<std::string> entries = file_.EntryNames(path);
  if (index >= entries.size()) return kNoMoreItems;
  const std::string& entry = entries[index];
  if (nameChars < entry.size() + 1) return kInsufficientBuffer;
  std::memcpy(name, entry.c_str(), entry.size() + 1);
  return kSuccess;
}

void RegistryStore::RemoveEntryCascading(const std::string& section, const std::string& entry) {
  std::string key = section;
  std::string name = entry;
  for (;;) {
    file_.DeleteEntry(key, name);
    if (!file_.EntryNames(key).empty()) return;
    file_.DeleteSection(key);
    const std::string parent = ParentPath(key);
    if (parent.empty()) return;
    name = LeafName(key);
    key = parent;
  }
}

long RegistryStore::DeleteValue(const std::string& path, const char* name) {
  if (path.empty()) return kInvalidParameter;
  RemoveEntryCascading(path, name ? name : "");
  return kSuccess;
}

long RegistryStore::DeleteKey(const std::string& subkeyPath) {
  if (subkeyPath.empty()) return kInvalidParameter;
  file_.DeleteSection(subkeyPath);
  const std::string parent = ParentPath(subkeyPath);
  if (!parent.empty()) RemoveEntryCascading(parent, LeafName(subkeyPath));
  return kSuccess;
}

}  // namespace regfile
