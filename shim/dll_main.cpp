// TSPOOL_J.dll initialises the layer when it is loaded and terminates it
// when it is unloaded, so that a program that only imports the Win32
// functions needs no call of its own.
#include "tspool.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(module);
    TspoolInitialise(module);
  } else if (reason == DLL_PROCESS_DETACH) {
    TspoolTerminate();
  }
  return TRUE;
}
