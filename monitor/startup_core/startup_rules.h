// Start-up decisions of the monitor that depend only on data: the command
// line, the platform, and where the configuration file lies.
#pragma once
#include <cstddef>
#include <string>

namespace statmon {

// Show commands that matter here (values of SW_HIDE, SW_MINIMIZE, SW_RESTORE).
constexpr int kShowHide = 0;
constexpr int kShowMinimize = 6;
constexpr int kShowRestore = 9;

// `showWindow` at start-up: 1 unless the show command is SW_HIDE or
// SW_MINIMIZE. A non-empty command line must be "SYSTRAY" (any letter case)
// after its leading characters up to code 32; anything else gives 0.
int InitialShowWindow(const char* commandLine, int showCommand);

// Platform ids of GetVersionExA.
constexpr int kPlatformWin32s = 0;
constexpr int kPlatformWindows9x = 1;
constexpr int kPlatformNt = 2;

// The notification area exists everywhere except on Win32s and NT 3.x.
int HasTray(int platformId, unsigned majorVersion);

// Without a tray the window must stay reachable from the task bar: hiding
// becomes minimising and every other command restores.
int MainWindowShowCommand(int hasTray, int showCommand);

// The monitor's own path split the way the start-up needs it.
struct ConfigLocation {
  std::string directory;  // drive and directory, with the trailing separator
  std::string baseName;   // file name without extension, e.g. "qxstatus"
  std::string iniPath;    // directory + baseName + ".ini"
};
ConfigLocation LocateConfig(const std::string& modulePath);

// Copies `text` with its terminator into a fixed buffer; false, leaving an
// empty string, when it does not fit.
bool CopyToFixed(const std::string& text, char* buffer, std::size_t capacity);

}  // namespace statmon
