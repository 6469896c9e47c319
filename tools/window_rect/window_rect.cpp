// Prints the screen rectangle of the first visible top-level window of a class
// as "left top width height" into a file, so that a script outside Windows can
// crop a screenshot to it. Waits up to the given seconds for the window.
//   window_rect <class name> <output file> [seconds] [--tray]
// With --tray the rectangle is the notification area of the task bar instead.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool TrayRect(RECT* rect) {
  HWND bar = FindWindowA("Shell_TrayWnd", nullptr);
  if (bar == nullptr) return false;
  HWND tray = FindWindowExA(bar, nullptr, "TrayNotifyWnd", nullptr);
  return GetWindowRect(tray != nullptr ? tray : bar, rect) != 0;
}

bool ClassRect(const char* className, RECT* rect) {
  HWND window = FindWindowA(className, nullptr);
  return window != nullptr && IsWindowVisible(window) && !IsIconic(window) &&
         GetWindowRect(window, rect) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_rect <class name> <output file> [seconds] [--tray]\n");
    return 2;
  }
  const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
  const bool tray = argc > 4 && std::strcmp(argv[4], "--tray") == 0;
  RECT rect{};
  bool found = false;
  for (int waited = 0; waited <= seconds * 10 && !found; ++waited) {
    found = tray ? TrayRect(&rect) : ClassRect(argv[1], &rect);
    if (!found) Sleep(100);
  }
  if (!found) return 1;
  FILE* out = std::fopen(argv[2], "w");
  if (out == nullptr) return 1;
  std::fprintf(out, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top);
  std::fclose(out);
  return 0;
}
