#include "profile_file.h"

#include <windows.h>

namespace emulation {

namespace {

// GetPrivateProfileStringA into a buffer that doubles until the result is no
// longer cut off: the function reports truncation by returning size - 1 for a
// value and size - 2 for a list of names.
std::string ReadProfile(const char* section, const char* entry, const std::string& file) {
  const DWORD truncatedMargin = entry ? 1 : 2;
  std::vector<char> buffer(4096);
  for (;;) {
    const DWORD got = GetPrivateProfileStringA(section, entry, "", buffer.data(),
                                               static_cast<DWORD>(buffer.size()), file.c_str());
    if (got + truncatedMargin < buffer.size() || buffer.size() >= (1u << 24)) {
      return std::string(buffer.data(), got);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string PrivateProfileFile::ReadEntry(const std::string& section, const std::string& entry) {
  return ReadProfile(section.c_str(), entry.c_str(), fileName_);
}

std::vector<std::string> PrivateProfileFile::EntryNames(const std::string& section) {
  const std::string list = ReadProfile(section.c_str(), nullptr, fileName_);
  std::vector<std::string> names;
  for (size_t start = 0; start < list.size();) {
    const size_t end = list.find('\0', start);
    const size_t stop = end == std::string::npos ? list.size() : end;
    if (stop > start) names.push_back(list.substr(start, stop - start));
    start = stop + 1;
  }
  return names;
}

bool PrivateProfileFile::WriteEntry(const std::string& section, const std::string& entry,
                                    const std::string& text) {
  return WritePrivateProfileStringA(section.c_str(), entry.c_str(), text.c_str(),
                                    fileName_.c_str()) != FALSE;
}

bool PrivateProfileFile::DeleteEntry(const std::string& section, const std::string& entry) {
  return WritePrivateProfileStringA(section.c_str(), entry.c_str(), nullptr, fileName_.c_str()) !=
         FALSE;
}

bool PrivateProfileFile::DeleteSection(const std::string& section) {
  return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, fileName_.c_str()) != FALSE;
}

}  // namespace emulation
