// statmon.exe: the tray status monitor of the printer family.
#include <windows.h>

#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  return statmon::RunMonitor(instance, commandLine, showCommand);
}
