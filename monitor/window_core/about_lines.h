// The four lines of the About box: the monitor, the resource library, the
// configuration file and the system, each formatted from plain values that
// the Windows layer learns (file names, fixed file versions, a file time
// already in local short-date and time form, GetVersionExA's answer).
#pragma once
#include <cstdint>
#include <string>

namespace statmon {

// The four 16-bit parts of a fixed file version (dwFileVersionMS/LS).
struct FileVersion {
  std::uint32_t mostSignificant = 0;
  std::uint32_t leastSignificant = 0;
};

// "%u.%02u.%02u.%02u" from the four parts.
std::string FormatFileVersion(const FileVersion& version);

// "STATMON.EXE - 1.00.00.01": the file name (a path's directory is dropped)
// in upper case, a dash and the version. Without a version (a file that
// carries none) only the name is shown; without a name the line is empty.
std::string ModuleVersionLine(const std::string& fileName, const FileVersion* version);

// "STATMON.INI - 2026/12/8  10:30     ": the file name in upper case, a dash,
// then the short date and the 24-hour time, each padded to 10 characters.
// Empty date and time (a file that cannot be read) leave only the name.
std::string FileTimeLine(const std::string& fileName, const std::string& shortDate,
                         const std::string& time24);

// GetVersionExA's answer.
struct SystemVersion {
  std::uint32_t platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 NT family
  std::uint32_t major = 0, minor = 0;
  std::uint32_t build = 0;       // dwBuildNumber as returned
  std::string servicePack;       // szCSDVersion
};

// "Windows 98 v4.10 [2222] A". On Windows 9x (and Win32s) dwBuildNumber
// carries the major and minor version in its high word: only its low word is
// the build number, so that is what is shown.
std::string SystemLine(const SystemVersion& system);

}  // namespace statmon
