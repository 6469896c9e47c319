// What the spooler emulation shares between its parts: the settings handed
// over by the dispatch, the key paths and value names from the layer's string
// resources, the registry it keeps its objects in (the emulated one under
// Win32s, the real one otherwise) and the companion's window.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "../emulated.h"

namespace emulation {

// String resource ids of the object keys and the status value.
enum StringId : UINT {
  kPrintersKeyId = 1,
  kDriversKeyId = 2,
  kProcessorsKeyId = 3,
  kPrinterDataKeyId = 4,
  kMonitorsKeyId = 5,
  kStatusValueId = 50,
};

const Settings& CurrentSettings();
// A string of the configured module; empty when it has none of that id.
std::string LoadText(UINT id);

// Registry calls on the store of the spooler's objects, below
// HKEY_LOCAL_MACHINE. Paths are relative to that root.
namespace spoolreg {
LONG Create(const std::string& path, HKEY* key);
LONG Open(const std::string& path, HKEY* key);
void Close(HKEY key);
LONG SetValue(HKEY key, const std::string& name, DWORD type, const void* data, DWORD size);
LONG QueryValue(HKEY key, const std::string& name, DWORD* type, void* data, DWORD* size);
// A whole value: false when missing.
bool ReadValue(HKEY key, const std::string& name, DWORD* type, std::vector<BYTE>* data);
LONG DeleteValue(HKEY key, const std::string& name);
// Deletes `path\name` below the key at `path`.
LONG DeleteKey(const std::string& path, const std::string& name);
// Subkey names (under the emulated registry: every entry name of the key).
std::vector<std::string> Subkeys(const std::string& path);
// Value names of the key at `path`.
std::vector<std::string> ValueNames(const std::string& path);
}  // namespace spoolreg

// The printer-data subkey path of a printer.
std::string PrinterKeyPath(const std::string& printer);
std::string PrinterDataKeyPath(const std::string& printer);

// The companion's window, or nullptr when it does not run.
HWND FindCompanion();

}  // namespace emulation
