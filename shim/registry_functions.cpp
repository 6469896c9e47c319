// The registry: the real one everywhere but Win32s, where the emulation file
// answers. Registry functions return their error code and are never locked.
// The layer defines these functions itself, so the headers must not declare
// them as imports here.
#define _ADVAPI32_
#include "emulated.h"
#include "dispatch.h"
#include "system_functions.h"

using tspool::ForwardRegistry;
using tspool::System;

extern "C" {

LONG WINAPI RegCreateKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
  return ForwardRegistry(System().RegCreateKeyA, &emulation::RegCreateKeyA, key, subKey, result);
}

LONG WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className,
                            DWORD options, REGSAM access, LPSECURITY_ATTRIBUTES security,
                            PHKEY result, LPDWORD disposition) {
  return ForwardRegistry(System().RegCreateKeyExA, &emulation::RegCreateKeyExA, key, subKey,
                         reserved, className, options, access, security, result, disposition);
}

LONG WINAPI RegOpenKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
  return ForwardRegistry(System().RegOpenKeyA, &emulation::RegOpenKeyA, key, subKey, result);
}

LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  return ForwardRegistry(System().RegOpenKeyExA, &emulation::RegOpenKeyExA, key, subKey, options,
                         access, result);
}

LONG WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                           CONST BYTE* data, DWORD size) {
  return ForwardRegistry(System().RegSetValueExA, &emulation::RegSetValueExA, key, valueName,
                         reserved, type, data, size);
}

LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type,
                             LPBYTE data, LPDWORD size) {
  return ForwardRegistry(System().RegQueryValueExA, &emulation::RegQueryValueExA, key, valueName,
                         reserved, type, data, size);
}

LONG WINAPI RegEnumValueA(HKEY key, DWORD index, LPSTR valueName, LPDWORD valueNameLength,
                          LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  return ForwardRegistry(System().RegEnumValueA, &emulation::RegEnumValueA, key, index,
                         valueName, valueNameLength, reserved, type, data, size);
}

LONG WINAPI RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameLength) {
  return ForwardRegistry(System().RegEnumKeyA, &emulation::RegEnumKeyA, key, index, name,
                         nameLength);
}

LONG WINAPI RegCloseKey(HKEY key) {
  return ForwardRegistry(System().RegCloseKey, &emulation::RegCloseKey, key);
}

LONG WINAPI RegDeleteValueA(HKEY key, LPCSTR valueName) {
  return ForwardRegistry(System().RegDeleteValueA, &emulation::RegDeleteValueA, key, valueName);
}

LONG WINAPI RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  return ForwardRegistry(System().RegDeleteKeyA, &emulation::RegDeleteKeyA, key, subKey);
}

}  // extern "C"
