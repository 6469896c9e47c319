#include "startup.h"

#include <cstdio>
#include <memory>

#include "main_window.h"
#include "misc_settings.h"
#include "monitor_strings.h"
#include "number_list.h"
#include "profile_file.h"
#include "startup_rules.h"
#include "statmon_resource.h"
#include "string_ring.h"

namespace statmon {
namespace {

void ShowResourceLibraryError(HINSTANCE instance, const std::string& libraryName,
                              const std::string& caption) {
  char text[StringRing::kBufferSize + 64];
  std::snprintf(text, sizeof text, LoadMonitorText(instance, IDS_RESOURCE_DLL_MISSING),
                libraryName.c_str());
  MessageBoxA(nullptr, text, caption.c_str(), MB_ICONERROR);
}

void ReadPictureSize(MonitorContext& context, const ProfileSource& profile,
                     const NameTable& names) {
  const std::string bitmapName = ReadMiscString(profile, names, MiscKey::kDllBitmapSize);
  if (bitmapName.empty()) return;
  HBITMAP bitmap =
      LoadBitmapA(static_cast<HINSTANCE>(context.resourceLibrary), bitmapName.c_str());
  if (bitmap == nullptr) return;
  BITMAP info{};
#if TOLVAN_PRODUCT_32BIT
  static_assert(sizeof(BITMAP) == 24, "GetObjectA fills a 24-byte BITMAP");
#endif
  if (GetObjectA(bitmap, sizeof info, &info) != 0) {
    context.pictureWidth = info.bmWidth;
    context.pictureHeight = info.bmHeight;
  }
  DeleteObject(bitmap);
}

}  // namespace

bool LearnPlatform(MonitorContext& context) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return false;
  context.platformId = static_cast<std::int32_t>(version.dwPlatformId);
  context.hasTray = HasTray(context.platformId, version.dwMajorVersion);
  return true;
}

void ReadEarlySettings(MonitorContext& context, const ProfileSource& profile,
                       const NameTable& names) {
  StoreZeroTerminated(ReadResetJobCodes(profile, names), context.resetJobCodes,
                      kResetCodeCapacity);
  context.useTimer = ReadUseTimer(context.platformId, profile, names);
}

void ReadLateSettings(MonitorContext& context, const ProfileSource& profile,
                      const NameTable& names) {
  ReadPictureSize(context, profile, names);
  context.capabilities = ReadCapabilities(profile, names);
  CopyToFixed(ReadMiscString(profile, names, MiscKey::kDriverName), context.driverName,
              sizeof context.driverName);
}

int RunMonitor(HINSTANCE instance, const char* commandLine, int showCommand) {
  if (HWND running = FindWindowA(STATMON_CLASS_NAME, nullptr)) {
    ShowWindow(running, SW_SHOW);
    return 0;
  }
  // Zero-filled, alive as long as the main window.
  auto context = std::make_unique<MonitorContext>();
  context->instance = instance;
  context->showWindow = InitialShowWindow(commandLine, showCommand);

  char modulePath[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(instance, modulePath, sizeof modulePath);
  if (length == 0 || length >= sizeof modulePath) return 0;
  const ConfigLocation location = LocateConfig(modulePath);
  SetCurrentDirectoryA(location.directory.c_str());
  // The context holds the path in 100 bytes; a longer one cannot be used
  // without reading some other file, so it counts as an unknown name.
  if (!CopyToFixed(location.iniPath, context->iniPath, sizeof context->iniPath)) return 0;

  if (!LearnPlatform(*context)) return 0;
  const ProfileFile profile(context->iniPath);
  const ResourceNames names(instance);
  ReadEarlySettings(*context, profile, names);

  const std::string libraryName = ReadMiscString(profile, names, MiscKey::kResourceDll);
  HMODULE library = LoadLibraryExA(libraryName.c_str(), nullptr, 0);
  if (library == nullptr) {
    ShowResourceLibraryError(instance, libraryName, location.baseName);
    return 1;
  }
  context->resourceLibrary = library;
  ReadLateSettings(*context, profile, names);

  if (!RegisterMonitorClass(instance)) {
    FreeLibrary(library);
    return 1;
  }
  const std::string templateName = ReadMiscString(profile, names, MiscKey::kMainDlg);
  const INT_PTR result = RunMainWindow(*context, templateName.c_str());
  FreeLibrary(library);
  UnregisterClassA(STATMON_CLASS_NAME, instance);
  return static_cast<int>(result);
}

}  // namespace statmon
