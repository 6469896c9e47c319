// Helpers shared by the emulation's Wine tests: the Windows directory's INI
// files as they really are on disk, and a fresh start for each test.
#pragma once
#include <windows.h>

#include <string>

namespace emutest {

// Full path of a file in the Windows directory.
std::string WindowsFile(const char* name);
// The file's lines without carriage returns and blank lines, joined by "\n"
// (each line followed by "\n"); empty when the file does not exist.
std::string IniText(const std::string& path);
// Deletes the file after making the profile functions drop their cached copy.
void RemoveIni(const std::string& path);

// True under Win32s (high bit of GetVersion, major version below 4).
bool Win32s();
// The directory of the running test program.
std::string ExeDirectory();
// Deletes a registry key with all its subkeys.
void DeleteTree(HKEY root, const std::string& path);
// A file's bytes; empty when it cannot be read.
std::string FileText(const std::string& path);

}  // namespace emutest
