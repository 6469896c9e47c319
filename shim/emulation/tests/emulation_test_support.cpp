#include "emulation_test_support.h"

#include <fstream>
#include <sstream>

namespace emutest {

std::string WindowsFile(const char* name) {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\" + name;
}

std::string IniText(const std::string& path) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush
  std::ifstream in(path, std::ios::binary);
  std::string line, text;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) text += line + "\n";
  }
  return text;
}

void RemoveIni(const std::string& path) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  DeleteFileA(path.c_str());
}

}  // namespace emutest
