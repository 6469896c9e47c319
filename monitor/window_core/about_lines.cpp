#include "about_lines.h"

#include <algorithm>
#include <cstdio>

namespace statmon {
namespace {

bool IsLeadByte(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// The name after the last separator; a trail byte 0x5C of a double-byte
// character is not a backslash.
std::string UpperFileName(const std::string& path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i])) {
      ++i;
    } else if (path[i] == '\\' || path[i] == '/' || path[i] == ':') {
      start = i + 1;
    }
  }
  std::string name = path.substr(std::min(start, path.size()));
  // Only ASCII letters change: a double-byte character (lead byte 0x81-0xFE
  // in the Chinese code page) is kept whole, its trail byte may look like a letter.
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(name[i])) {
      ++i;
    } else if (c >= 'a' && c <= 'z') {
      name[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return name;
}

std::string PadTo(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

const char* SystemName(const SystemVersion& system) {
  switch (system.platformId) {
    case 0: return "Windows Win32s";
    case 1:
      if (system.minor < 10) return "Windows 95";
      if (system.minor == 10) return "Windows 98";
      return "Windows";
    case 2: return "Windows NT";
    default: return "Windows";
  }
}

}  // namespace

std::string FormatFileVersion(const FileVersion& version) {
  char text[64];
  std::snprintf(text, sizeof text, "%u.%02u.%02u.%02u",
                static_cast<unsigned>(version.mostSignificant >> 16),
                static_cast<unsigned>(version.mostSignificant & 0xFFFF),
                static_cast<unsigned>(version.leastSignificant >> 16),
                static_cast<unsigned>(version.leastSignificant & 0xFFFF));
  return text;
}

std::string ModuleVersionLine(const std::string& fileName, const FileVersion* version) {
  std::string line = UpperFileName(fileName);
  if (line.empty() || version == nullptr) return line;
  return line + " - " + FormatFileVersion(*version);
}

std::string FileTimeLine(const std::string& fileName, const std::string& shortDate,
                         const std::string& time24) {
  std::string line = UpperFileName(fileName);
  if (line.empty() || (shortDate.empty() && time24.empty())) return line;
  return line + " - " + PadTo(shortDate, 10) + " " + PadTo(time24, 10);
}

std::string SystemLine(const SystemVersion& system) {
  const std::uint32_t build = system.platformId == 2 ? system.build : (system.build & 0xFFFF);
  char text[256];
  std::snprintf(text, sizeof text, "%s v%u.%u [%u] %s", SystemName(system),
                static_cast<unsigned>(system.major), static_cast<unsigned>(system.minor),
                static_cast<unsigned>(build), system.servicePack.c_str());
  return text;
}

}  // namespace statmon
