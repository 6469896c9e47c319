#include "registry_settings.h"

#include <windows.h>

namespace statmon {

static_assert(KEY_READ == 0x20019, "the key is opened for reading only");

bool RegistryKeepsBitmapViewer() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TOLVAN\\TSTMON_J", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG result =
      RegQueryValueExA(key, "BmpDebug", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && value != 0;
}

}  // namespace statmon
