#include "emulation_context.h"

namespace emulation {

namespace {
Settings g_settings;
}  // namespace

void Configure(const Settings& settings) { g_settings = settings; }

const Settings& CurrentSettings() { return g_settings; }

std::string LoadText(UINT id) {
  char text[512];
  const int length = LoadStringA(g_settings.module, id, text, sizeof text);
  return length > 0 ? std::string(text, length) : std::string();
}

std::string PrinterKeyPath(const std::string& printer) { return LoadText(kPrintersKeyId) + "\\" + printer; }

std::string PrinterDataKeyPath(const std::string& printer) {
  return PrinterKeyPath(printer) + "\\" + LoadText(kPrinterDataKeyId);
}

HWND FindCompanion() { return FindWindowA("TSPL32_JClass", nullptr); }

namespace spoolreg {

namespace {
bool Emulated() { return g_settings.registryEmulated; }
}  // namespace

LONG Create(const std::string& path, HKEY* key) {
  return Emulated() ? emulation::RegCreateKeyA(HKEY_LOCAL_MACHINE, path.c_str(), key)
                    : ::RegCreateKeyA(HKEY_LOCAL_MACHINE, path.c_str(), key);
}

LONG Open(const std::string& path, HKEY* key) {
  return Emulated() ? emulation::RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), key)
                    : ::RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), key);
}

void Close(HKEY key) {
  if (key) Emulated() ? emulation::RegCloseKey(key) : ::RegCloseKey(key);
}

LONG SetValue(HKEY key, const std::string& name, DWORD type, const void* data, DWORD size) {
  const BYTE* bytes = static_cast<const BYTE*>(data);
  return Emulated() ? emulation::RegSetValueExA(key, name.c_str(), 0, type, bytes, size)
                    : ::RegSetValueExA(key, name.c_str(), 0, type, bytes, size);
}

LONG QueryValue(HKEY key, const std::string& name, DWORD* type, void* data, DWORD* size) {
  BYTE* bytes = static_cast<BYTE*>(data);
  return Emulated() ? emulation::RegQueryValueExA(key, name.c_str(), nullptr, type, bytes, size)
                    : ::RegQueryValueExA(key, name.c_str(), nullptr, type, bytes, size);
}

bool ReadValue(HKEY key, const std::string& name, DWORD* type, std::vector<BYTE>* data) {
  DWORD size = 0;
  if (QueryValue(key, name, type, nullptr, &size) != ERROR_SUCCESS) return false;
  data->assign(size, 0);
  if (size == 0) return true;
  return QueryValue(key, name, type, data->data(), &size) == ERROR_SUCCESS;
}

LONG DeleteValue(HKEY key, const std::string& name) {
  return Emulated() ? emulation::RegDeleteValueA(key, name.c_str()) : ::RegDeleteValueA(key, name.c_str());
}

LONG DeleteKey(const std::string& path, const std::string& name) {
  HKEY parent = nullptr;
  LONG result = Open(path, &parent);
  if (result != ERROR_SUCCESS) return result;
  result = Emulated() ? emulation::RegDeleteKeyA(parent, name.c_str()) : ::RegDeleteKeyA(parent, name.c_str());
  Close(parent);
  return result;
}

std::vector<std::string> Subkeys(const std::string& path) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (Open(path, &key) != ERROR_SUCCESS) return names;
  char name[MAX_PATH];
  for (DWORD i = 0;; ++i) {
    const LONG result = Emulated() ? emulation::RegEnumKeyA(key, i, name, sizeof name)
                                   : ::RegEnumKeyA(key, i, name, sizeof name);
    if (result != ERROR_SUCCESS) break;
    names.push_back(name);
  }
  Close(key);
  return names;
}

std::vector<std::string> ValueNames(const std::string& path) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (Open(path, &key) != ERROR_SUCCESS) return names;
  char name[MAX_PATH];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    const LONG result = Emulated() ? emulation::RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr)
                                   : ::RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) break;
    names.push_back(name);
  }
  Close(key);
  return names;
}

}  // namespace spoolreg

}  // namespace emulation
