// TSPL32_J.exe: the companion of the emulated spooler. One instance; it
// keeps its objects where the emulated spooler does (the emulated registry
// under Win32s, the real one elsewhere) and runs until its window is closed.
#include <windows.h>

#include "companion_protocol.h"
#include "companion_window.h"
#include "emulated.h"

namespace {

bool RunningOnWin32s() {
  const DWORD version = GetVersion();
  return (version & 0x80000000u) != 0 && LOBYTE(LOWORD(version)) < 4;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (FindWindowA(companion::kWindowClass, nullptr)) return 0;
  emulation::Settings settings;
  settings.registryEmulated = RunningOnWin32s();
  settings.module = instance;
  emulation::Configure(settings);
  if (companion::CreateCompanionWindow(instance, true) == nullptr) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
