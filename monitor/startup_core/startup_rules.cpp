#include "startup_rules.h"

#include <cstring>

namespace statmon {
namespace {

bool EqualsIgnoringCase(const char* text, const char* upperWord) {
  for (; *text && *upperWord; ++text, ++upperWord) {
    char c = *text;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != *upperWord) return false;
  }
  return *text == '\0' && *upperWord == '\0';
}

}  // namespace

int InitialShowWindow(const char* commandLine, int showCommand) {
  int show = (showCommand == kShowHide || showCommand == kShowMinimize) ? 0 : 1;
  if (commandLine != nullptr && *commandLine != '\0') {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine);
    while (*p != 0 && *p <= 32) ++p;
    if (!EqualsIgnoringCase(reinterpret_cast<const char*>(p), "SYSTRAY")) show = 0;
  }
  return show;
}

int HasTray(int platformId, unsigned majorVersion) {
  if (platformId == kPlatformWin32s) return 0;
  if (platformId == kPlatformNt && majorVersion < 4) return 0;
  return 1;
}

int MainWindowShowCommand(int hasTray, int showCommand) {
  if (hasTray) return showCommand;
  return (showCommand == kShowHide || showCommand == kShowMinimize) ? kShowMinimize
                                                                     : kShowRestore;
}

ConfigLocation LocateConfig(const std::string& modulePath) {
  const std::size_t slash = modulePath.find_last_of("\\/");
  std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  // A bare "C:name" has a drive but no separator.
  if (slash == std::string::npos && modulePath.size() >= 2 && modulePath[1] == ':') nameStart = 2;
  ConfigLocation location;
  location.directory = modulePath.substr(0, nameStart);
  const std::string fileName = modulePath.substr(nameStart);
  const std::size_t dot = fileName.find_last_of('.');
  location.baseName = dot == std::string::npos ? fileName : fileName.substr(0, dot);
  location.iniPath = location.directory + location.baseName + ".ini";
  return location;
}

bool CopyToFixed(const std::string& text, char* buffer, std::size_t capacity) {
  if (capacity == 0) return false;
  if (text.size() >= capacity) {
    buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

}  // namespace statmon
