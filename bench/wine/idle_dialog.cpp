// A trivial dialog program that does nothing but exist: one modal dialog made
// from an in-memory template, closed by WM_CLOSE. The baseline for the
// monitor's resource measurement.
#include <windows.h>

namespace {

INT_PTR CALLBACK IdleProc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  struct alignas(4) {
    DLGTEMPLATE header;
    WORD menu, windowClass, title[5];
  } dialog{};
  dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER;
  dialog.header.cx = 200;
  dialog.header.cy = 100;
  const WORD title[] = {'I', 'd', 'l', 'e', 0};
  for (int i = 0; i < 5; ++i) dialog.title[i] = title[i];
  return static_cast<int>(DialogBoxIndirectParamA(instance, &dialog.header, nullptr, IdleProc, 0));
}
