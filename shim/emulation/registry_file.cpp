// The eleven registry functions answered from "RAVA32V.INI" in the Windows
// directory, for Win32s where there is no 32-bit registry. An open key is a
// heap string holding the key's full path; the predefined handles stand for
// their root names.
#include "../emulated.h"

#include <new>
#include <string>

#include "profile_file.h"
#include "registry_store.h"

namespace emulation {

namespace {

constexpr char kRegistryFileName[] = "RAVA32V.INI";

regfile::RegistryStore& Store() {
  static PrivateProfileFile file(kRegistryFileName);
  static regfile::RegistryStore store(file);
  return store;
}

// The predefined handles are compared as handles: on 64-bit they are the
// sign-extended 32-bit values, so a raw number comparison would miss them.
const char* PredefinedRoot(HKEY key) {
  static const HKEY kPredefined[] = {
      HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
      HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA,
  };
  for (HKEY predefined : kPredefined) {
    if (key == predefined) {
      return regfile::RootName(static_cast<uint32_t>(reinterpret_cast<ULONG_PTR>(key)));
    }
  }
  return nullptr;
}

// The key path a handle stands for; empty for a null handle.
std::string PathOf(HKEY key) {
  if (key == nullptr) return {};
  if (const char* root = PredefinedRoot(key)) return root;
  return reinterpret_cast<const char*>(key);
}

std::string FullPath(HKEY key, LPCSTR subkey) {
  const std::string base = PathOf(key);
  return base.empty() ? base : regfile::BuildKeyPath(base, subkey);
}

// A new handle holding `path`; false when it cannot be allocated.
bool NewHandle(const std::string& path, PHKEY result) {
  char* copy = new (std::nothrow) char[path.size() + 1];
  if (copy == nullptr) return false;
  path.copy(copy, path.size());
  copy[path.size()] = '\0';
  *result = reinterpret_cast<HKEY>(copy);
  return true;
}

LONG OpenOrCreate(HKEY key, LPCSTR subkey, PHKEY result, bool create, LPDWORD disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  const std::string path = FullPath(key, subkey);
  if (path.empty()) return ERROR_INVALID_PARAMETER;
  const bool existed = Store().OpenKey(path) == regfile::kSuccess;
  if (!create && !existed) return ERROR_FILE_NOT_FOUND;
  if (create) {
    const LONG written = Store().CreateKey(path);
    if (written != ERROR_SUCCESS) return written;
  }
  if (!NewHandle(path, result)) return ERROR_INVALID_PARAMETER;
  if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  return ERROR_SUCCESS;
}

}  // namespace

LONG WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, true, nullptr);
}

LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM,
                            LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, true, lpdwDisposition);
}

LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, false, nullptr);
}

LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, false, nullptr);
}

LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, CONST BYTE* lpData,
                           DWORD cbData) {
  return Store().SetValue(PathOf(hKey), lpValueName, dwType, lpData, cbData);
}

LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData) {
  uint32_t type = 0, size = lpcbData ? *lpcbData : 0;
  const LONG result = Store().QueryValue(PathOf(hKey), lpValueName, &type, lpData,
                                         lpcbData ? &size : nullptr);
  if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    if (lpType) *lpType = type;
    if (lpcbData) *lpcbData = size;
  }
  return result;
}

LONG WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                          LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  uint32_t nameChars = lpcchValueName ? *lpcchValueName : 0;
  uint32_t type = 0, size = lpcbData ? *lpcbData : 0;
  const LONG result =
      Store().EnumValue(PathOf(hKey), dwIndex, lpValueName, lpcchValueName ? &nameChars : nullptr,
                        &type, lpData, lpcbData ? &size : nullptr);
  if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    *lpcchValueName = nameChars;
    if (lpType) *lpType = type;
    if (lpcbData) *lpcbData = size;
  }
  return result;
}

LONG WINAPI RegEnumKeyA(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD cchName) {
  return Store().EnumKey(PathOf(hKey), dwIndex, lpName, cchName);
}

LONG WINAPI RegCloseKey(HKEY hKey) {
  if (hKey == nullptr) return ERROR_INVALID_PARAMETER;
  if (PredefinedRoot(hKey) == nullptr) delete[] reinterpret_cast<char*>(hKey);
  return ERROR_SUCCESS;
}

LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  return Store().DeleteValue(PathOf(hKey), lpValueName);
}

LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (lpSubKey == nullptr || *lpSubKey == '\0') return ERROR_INVALID_PARAMETER;
  return Store().DeleteKey(FullPath(hKey, lpSubKey));
}

}  // namespace emulation
