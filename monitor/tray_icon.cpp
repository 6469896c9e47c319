#include "tray_icon.h"

#include <shellapi.h>

#include <cstddef>

#include "startup_rules.h"

namespace statmon {
namespace {

// The record is the first shell version's: its size is part of what the
// oldest shells accept.
#ifndef NOTIFYICONDATAA_V1_SIZE
#define NOTIFYICONDATAA_V1_SIZE FIELD_OFFSET(NOTIFYICONDATAA, szTip[64])
#endif
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the tray record is 88 bytes on 32-bit Windows");
#endif

// Icons from LoadIconA are shared: they are never destroyed here.
HICON LoadStateIcon(const MonitorContext& context, const char* name) {
  return LoadIconA(static_cast<HINSTANCE>(context.instance), name);
}

void SetWindowIcons(HWND window, HICON icon) {
  SendMessageA(window, WM_SETICON, ICON_BIG, 0);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, 0);
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

const char* IconNameForColour(int iconColour) {
  switch (iconColour) {
    case 0: return "!STATUS";
    case 2: return "BLUEICON";
    case 3: return "YELLOWICON";
    case 4: return "CYANICON";
    case 5: return "PURPLEICON";
    default: return "REDICON";
  }
}

// A double-byte character is judged as one character: byte by byte every
// Chinese text would become blank, so a pair is kept whole when the wide
// character is alphanumeric (ideographs are) and becomes one space otherwise,
// and a pair is never cut in half at the end.
void MakeTrayTip(const char* text, char* tip) {
  constexpr std::size_t kTipSize = 64;
  std::size_t out = 0;
  for (std::size_t in = 0; text != nullptr && text[in] != '\0';) {
    const char c = text[in];
    if (IsDBCSLeadByte(static_cast<BYTE>(c)) && text[in + 1] != '\0') {
      WCHAR wide = 0;
      const bool alnum = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text + in, 2, &wide, 1) == 1 &&
                         IsCharAlphaNumericW(wide);
      if (alnum) {
        if (out + 2 > kTipSize - 1) break;
        tip[out++] = c;
        tip[out++] = text[in + 1];
      } else {
        if (out + 1 > kTipSize - 1) break;
        tip[out++] = ' ';
      }
      in += 2;
      continue;
    }
    if (out + 1 > kTipSize - 1) break;
    tip[out++] = IsCharAlphaNumericA(c) ? c : ' ';
    ++in;
  }
  tip[out] = '\0';
}

BOOL UpdateTrayIcon(MonitorContext& context, int operation, const char* tip) {
  HWND window = static_cast<HWND>(context.mainWindow);
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  DWORD message = NIM_DELETE;
  switch (operation) {
    case kTrayAdd:
      message = NIM_ADD;
      record.hIcon = LoadStateIcon(context, "YELLOWICON");
      MakeTrayTip("QXStatus", record.szTip);
      break;
    case kTrayModify:
      message = NIM_MODIFY;
      record.hIcon = LoadStateIcon(context, IconNameForColour(context.iconColour));
      MakeTrayTip(tip, record.szTip);
      break;
    default:
      break;
  }
  if (!context.hasTray) {
    if (window != nullptr) SetWindowIcons(window, record.hIcon);
    return TRUE;
  }
  return Shell_NotifyIconA(message, &record);
}

BOOL ShowMainWindow(const MonitorContext& context, int showCommand) {
  return ShowWindow(static_cast<HWND>(context.mainWindow),
                    MainWindowShowCommand(context.hasTray, showCommand));
}

}  // namespace statmon
