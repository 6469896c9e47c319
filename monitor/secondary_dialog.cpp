#include "secondary_dialog.h"

#include <vector>

namespace statmon {
namespace {

HWND g_openDialog = nullptr;

}  // namespace

void CentreOver(HWND dialog, HWND owner) {
  RECT rect;
  GetWindowRect(dialog, &rect);
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT over = area;
  if (owner != nullptr && !IsIconic(owner) && IsWindowVisible(owner)) GetWindowRect(owner, &over);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int left = over.left + ((over.right - over.left) - width) / 2;
  int top = over.top + ((over.bottom - over.top) - height) / 2;
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetOpenSecondaryDialog(HWND dialog) { g_openDialog = dialog; }
HWND OpenSecondaryDialog() { return g_openDialog; }

std::string ReadSectionKeys(const char* iniPath, const std::string& section,
                            std::size_t bufferSize, DWORD& length) {
  std::vector<char> buffer(bufferSize + 2, '\0');
  length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                    static_cast<DWORD>(bufferSize), iniPath);
  return std::string(buffer.data(), length + 1 <= bufferSize ? length + 1 : length);
}

}  // namespace statmon
