#include "profile_file.h"

#include <vector>

#include "string_ring.h"

namespace statmon {

std::string ProfileFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& fallback,
                                    std::size_t bufferSize) const {
  if (bufferSize == 0) return std::string();
  // Exactly the buffer the value is read into: a longer value is cut here.
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                           static_cast<DWORD>(bufferSize), path_.c_str());
  buffer.back() = '\0';
  return buffer.data();
}

int ProfileFile::ReadInt(const std::string& section, const std::string& key,
                         int fallback) const {
  return static_cast<int>(
      GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path_.c_str()));
}

std::string ResourceNames::Name(int stringId) const {
  return LoadMonitorText(module_, static_cast<UINT>(stringId));
}

const char* LoadMonitorText(HINSTANCE module, UINT id) {
  static StringRing ring;
  char* buffer = ring.Next();
  if (LoadStringA(module, id, buffer, static_cast<int>(StringRing::kBufferSize)) <= 0) {
    buffer[0] = '\0';
  }
  return buffer;
}

}  // namespace statmon
