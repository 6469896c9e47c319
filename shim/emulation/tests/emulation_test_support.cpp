#include "emulation_test_support.h"

#include <cstring>
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

bool Win32s() { return (GetVersion() & 0x80000000u) != 0 && LOBYTE(LOWORD(GetVersion())) < 4; }

std::string ExeDirectory() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  *std::strrchr(path, '\\') = '\0';
  return path;
}

void DeleteTree(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyA(root, path.c_str(), &key) == ERROR_SUCCESS) {
    char name[MAX_PATH];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteTree(root, path + "\\" + name);
    RegCloseKey(key);
  }
  RegDeleteKeyA(root, path.c_str());
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace emutest
