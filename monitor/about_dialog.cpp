#include "about_dialog.h"

#include <string>
#include <vector>

#include "about_lines.h"
#include "misc_settings.h"
#include "profile_file.h"
#include "secondary_dialog.h"
#include "statmon_resource.h"

namespace statmon {
namespace {

// The fixed file version of `path`; false for a file without one.
bool ReadFileVersion(const char* path, FileVersion& version) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return false;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path, 0, size, data.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof *fixed) {
    return false;
  }
  version = {fixed->dwFileVersionMS, fixed->dwFileVersionLS};
  return true;
}

std::string VersionLine(const char* path) {
  FileVersion version;
  const bool known = ReadFileVersion(path, version);
  return ModuleVersionLine(path, known ? &version : nullptr);
}

std::string MonitorLine() {
  char path[MAX_PATH] = "";
  if (GetModuleFileNameA(nullptr, path, sizeof path) == 0) return std::string();
  return VersionLine(path);
}

std::string LibraryLine(const std::string& libraryName) {
  if (libraryName.empty()) return std::string();
  char path[MAX_PATH] = "";
  char* filePart = nullptr;
  if (SearchPathA(nullptr, libraryName.c_str(), nullptr, sizeof path, path, &filePart) == 0) {
    return std::string();
  }
  return VersionLine(path);
}

std::string ConfigLine(const char* iniPath) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  std::string date;
  std::string time;
  FILETIME local;
  SYSTEMTIME stamp;
  if (GetFileAttributesExA(iniPath, GetFileExInfoStandard, &attributes) &&
      FileTimeToLocalFileTime(&attributes.ftLastWriteTime, &local) &&
      FileTimeToSystemTime(&local, &stamp)) {
    char text[64];
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &stamp, nullptr, text, sizeof text)) {
      date = text;
    }
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &stamp,
                       nullptr, text, sizeof text)) {
      time = text;
    }
  }
  return FileTimeLine(iniPath, date, time);
}

std::string SystemText() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return std::string();
  SystemVersion system;
  system.platformId = info.dwPlatformId;
  system.major = info.dwMajorVersion;
  system.minor = info.dwMinorVersion;
  system.build = info.dwBuildNumber;
  system.servicePack = info.szCSDVersion;
  return SystemLine(system);
}

void Initialise(HWND dialog, MonitorContext& context) {
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(static_cast<HINSTANCE>(context.instance));
  const std::string title = ReadMiscString(profile, names, MiscKey::kAboutTitle);
  if (!title.empty()) SetWindowTextA(dialog, title.c_str());
  SetDlgItemTextA(dialog, IDOK, ReadMiscString(profile, names, MiscKey::kAboutOk).c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT_MONITOR, MonitorLine().c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT_LIBRARY,
                  LibraryLine(ReadMiscString(profile, names, MiscKey::kResourceDll)).c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT_CONFIG, ConfigLine(context.iniPath).c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT_SYSTEM, SystemText().c_str());
  CentreOver(dialog, static_cast<HWND>(context.mainWindow));
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetOpenSecondaryDialog(dialog);
      Initialise(dialog, *reinterpret_cast<MonitorContext*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      SetOpenSecondaryDialog(nullptr);
      return FALSE;
  }
  return FALSE;
}

}  // namespace

INT_PTR RunAboutDialog(MonitorContext& context) {
  return DialogBoxParamA(static_cast<HINSTANCE>(context.instance), "ABOUTDLG",
                         static_cast<HWND>(context.mainWindow), AboutProc,
                         reinterpret_cast<LPARAM>(&context));
}

}  // namespace statmon
