#include "profile_state.h"

#include <windows.h>

#include <vector>

namespace simprinter {

namespace {

// Grows the buffer until the profile function no longer cuts the text off.
std::string Read(const char* section, const char* key, const std::string& path) {
  const DWORD margin = key ? 1 : 2;
  std::vector<char> buffer(2048);
  for (;;) {
    const DWORD got = GetPrivateProfileStringA(section, key, "", buffer.data(),
                                               static_cast<DWORD>(buffer.size()), path.c_str());
    if (got + margin < buffer.size() || buffer.size() >= (1u << 22)) return std::string(buffer.data(), got);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ProfileState::Get(const std::string& section, const std::string& key) {
  return Read(section.c_str(), key.c_str(), path_);
}

void ProfileState::Set(const std::string& section, const std::string& key, const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

void ProfileState::Remove(const std::string& section, const std::string& key) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path_.c_str());
}

std::vector<std::pair<std::string, std::string>> ProfileState::Entries(const std::string& section) {
  const std::string names = Read(section.c_str(), nullptr, path_);
  std::vector<std::pair<std::string, std::string>> entries;
  for (size_t start = 0; start < names.size();) {
    size_t end = names.find('\0', start);
    if (end == std::string::npos) end = names.size();
    if (end > start) {
      const std::string key = names.substr(start, end - start);
      entries.push_back({key, Get(section, key)});
    }
    start = end + 1;
  }
  return entries;
}

void ProfileState::RemoveSection(const std::string& section) {
  WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path_.c_str());
}

}  // namespace simprinter
