#include "main_window_messages.h"

#include <string>

#include "about_dialog.h"
#include "bitmap_viewer.h"
#include "menu_rules.h"
#include "misc_settings.h"
#include "monitor_strings.h"
#include "number_list.h"
#include "popup_selection_dialog.h"
#include "profile_file.h"
#include "registry_settings.h"
#include "secondary_dialog.h"
#include "statmon_resource.h"
#include "status_display.h"
#include "tray_icon.h"
#include "window_layout.h"


namespace statmon {
namespace {

// Registered by the shell when the taskbar is (re)created, e.g. after
// Explorer restarted: every tray icon must be added again.
UINT g_taskbarCreatedMessage = 0;

HINSTANCE InstanceOf(const MonitorContext& context) {
  return static_cast<HINSTANCE>(context.instance);
}

void ShowControl(HWND window, int id, bool show) {
  if (HWND control = GetDlgItem(window, id)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

bool IsControlVisible(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  return control != nullptr && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void HideMainWindow(MonitorContext& context) {
  context.showWindow = 0;
  ShowMainWindow(context, SW_HIDE);
}

void RestoreMainWindow(HWND window, MonitorContext& context, bool foreground) {
  context.showWindow = 1;
  ShowMainWindow(context, SW_RESTORE);
  if (foreground) SetForegroundWindow(window);
}

void TrimSystemMenu(HWND window, const MonitorContext& context) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (menu == nullptr) return;
  RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(InstanceOf(context));
  if (ReadMiscInt(profile, names, MiscKey::kSysMenuExit) != 0) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_EXIT, LoadMonitorText(InstanceOf(context), IDS_SYSMENU_EXIT));
  }
}

void AdjustMainMenu(HMENU menu, const MonitorContext& context) {
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(InstanceOf(context));
  MenuSettings settings;
  settings.printerInfo = ReadMiscInt(profile, names, MiscKey::kPrinterInfo);
  settings.popupDialog = ReadMiscInt(profile, names, MiscKey::kPopupDialog);
  settings.registryBmpDebug = RegistryKeepsBitmapViewer();
  if (!settings.registryBmpDebug) {
    settings.fileBmpDebug = ReadMiscInt(profile, names, MiscKey::kBmpDebug);
  }
  settings.printPrinterStatus = ReadMiscInt(profile, names, MiscKey::kPrintPrinterStatus);
  settings.factoryDefault = ReadMiscInt(profile, names, MiscKey::kFactoryDefault);
  const std::string localize = names.Name(IDS_SECTION_LOCALIZE);
  settings.reduceText = profile.ReadString(localize, names.Name(IDS_KEY_MNU_DISP_REDUCE), "", 128);
  settings.expandText = profile.ReadString(localize, names.Name(IDS_KEY_MNU_DISP_EXPAND), "", 128);
  settings.expanded = context.expanded != 0;
  settings.capabilities = context.capabilities;

  // MF_BYCOMMAND finds the commands inside the menu's pop-ups.
  for (const MenuAction& action : AdjustMenu(settings)) {
    const UINT id = static_cast<UINT>(action.commandId);
    switch (action.kind) {
      case MenuActionKind::kRemove:
        RemoveMenu(menu, id, MF_BYCOMMAND);
        break;
      case MenuActionKind::kSetText:
        ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, action.text.c_str());
        break;
      case MenuActionKind::kGrey:
        EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        break;
      case MenuActionKind::kEnable:
        EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
        break;
    }
  }
}

void OnTrayCallback(HWND window, MonitorContext& context, LPARAM lParam) {
  switch (static_cast<UINT>(lParam)) {
    case WM_RBUTTONUP: {
      if (context.trayMenu == nullptr) context.trayMenu = LoadMenuA(InstanceOf(context), "POPUP");
      HMENU popup = GetSubMenu(static_cast<HMENU>(context.trayMenu), 0);
      if (popup == nullptr) return;
      // Without the foreground the menu would not close when the user
      // clicks elsewhere.
      SetForegroundWindow(window);
      POINT cursor;
      GetCursorPos(&cursor);
      TrackPopupMenu(popup, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
      PostMessageA(window, WM_NULL, 0, 0);
      break;
    }
    case WM_LBUTTONDBLCLK:
      RestoreMainWindow(window, context, true);
      break;
  }
}

// A double click with Shift or Ctrl on the job area clears its fields when
// the current code is one of [Misc] ResetPrintJobInfo. The group box lets
// the click through to the window, so the point decides.
void OnJobAreaDoubleClick(HWND window, MonitorContext& context, LPARAM lParam) {
  HWND group = GetDlgItem(window, IDC_JOB_GROUP);
  if (group == nullptr) return;
  RECT area;
  GetWindowRect(group, &area);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (!PtInRect(&area, point)) return;
  if (GetDlgItem(window, IDC_JOB_NAME) == nullptr) return;
  if (!ContainsCode(context.resetJobCodes, sizeof context.resetJobCodes / sizeof(int),
                    context.statusCode)) {
    return;
  }
  SetDlgItemTextA(window, IDC_JOB_NAME, "");
  SetDlgItemTextA(window, IDC_PAGE_NUMBER, "");
  SetDlgItemTextA(window, IDC_JOB_STATE, "");
}

// Shift or Ctrl with the right button swaps the warning list for the raw
// reply of the last query (a diagnostic view) and back.
void ToggleRawReplyView(HWND window) {
  const bool rawShown = IsControlVisible(window, IDC_RAW_REPLY);
  ShowControl(window, IDC_RAW_REPLY, !rawShown);
  ShowControl(window, IDC_WARNING_LIST, rawShown);
}

bool OnCommand(HWND window, MonitorContext& context, int id) {
  switch (id) {
    case IDCANCEL:
      HideMainWindow(context);
      return true;
    case IDM_SHOW_STATUS:
      RestoreMainWindow(window, context, true);
      return true;
    case IDM_TRAY_EXIT:
    case IDM_EXIT:
      PostMessageA(window, WM_CLOSE, static_cast<WPARAM>(id), 0);
      return true;
    case IDM_SELECT_POPUP:
      RunPopupSelectionDialog(context);
      return true;
    case IDM_REDUCE:
      ReduceWindow(window, context);
      return true;
    case IDM_EXPAND:
      ExpandWindow(window, context);
      return true;
    case IDM_HELP_CONTENTS: {
      const ProfileFile profile(context.iniPath);
      const ResourceNames names(InstanceOf(context));
      const std::string help = ReadMiscString(profile, names, MiscKey::kHelpFileName);
      if (!help.empty()) WinHelpA(window, help.c_str(), HELP_FINDER, 0);
      return true;
    }
    case IDM_BITMAP_VIEWER:
      RunBitmapViewer(context);
      return true;
    case IDM_ABOUT:
      RunAboutDialog(context);
      return true;
  }
  return false;
}

bool OnSystemCommand(HWND window, MonitorContext& context, WPARAM wParam) {
  if (LOWORD(wParam) == IDM_EXIT) {
    PostMessageA(window, WM_CLOSE, IDM_EXIT, 0);
    return true;
  }
  switch (wParam & 0xFFF0) {
    case SC_CLOSE:
      HideMainWindow(context);
      return true;
    case SC_RESTORE:
      RestoreMainWindow(window, context, false);
      return true;
  }
  return false;
}

}  // namespace

void InitialiseWindowParts(HWND window, MonitorContext& context) {
  if (g_taskbarCreatedMessage == 0) g_taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
  UpdateTrayIcon(context, kTrayAdd, nullptr);
  TrimSystemMenu(window, context);
  RememberExpandedSize(window);
}

bool HandleMainWindowMessage(HWND window, MonitorContext& context, UINT message, WPARAM wParam,
                             LPARAM lParam, INT_PTR& result) {
  result = TRUE;
  if (message != 0 && message == g_taskbarCreatedMessage) {
    UpdateTrayIcon(context, kTrayAdd, nullptr);
    RefreshDisplay(context, false);  // the state icon and tip again
    return true;
  }
  switch (message) {
    case kTrayCallbackMessage:
      OnTrayCallback(window, context, lParam);
      return true;
    case WM_INITMENU:
      // Also sent for the window menu, which has its own fixed items.
      if (reinterpret_cast<HMENU>(wParam) != GetMenu(window)) return false;
      AdjustMainMenu(reinterpret_cast<HMENU>(wParam), context);
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != context.pictureControlId) return false;
      RefreshDisplay(context, false);
      result = reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
      return true;
    case WM_LBUTTONDBLCLK:
      if ((wParam & (MK_SHIFT | MK_CONTROL)) == 0) return false;
      OnJobAreaDoubleClick(window, context, lParam);
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if ((wParam & (MK_SHIFT | MK_CONTROL)) == 0) return false;
      ToggleRawReplyView(window);
      return true;
    case WM_SYSCOMMAND:
      return OnSystemCommand(window, context, wParam);
    case WM_COMMAND:
      return OnCommand(window, context, LOWORD(wParam));
  }
  return false;
}

// Message boxes the window owns (the data-error box) are answered with
// Cancel, so that a closing monitor never waits for a user who is not there.
static BOOL CALLBACK CancelOwnedBox(HWND candidate, LPARAM owner) {
  char className[16] = "";
  GetClassNameA(candidate, className, sizeof className);
  if (GetWindow(candidate, GW_OWNER) == reinterpret_cast<HWND>(owner) &&
      lstrcmpA(className, "#32770") == 0 && candidate != OpenSecondaryDialog()) {
    PostMessageA(candidate, WM_COMMAND, IDCANCEL, 0);
  }
  return TRUE;
}

void BeginClosingWindow(HWND window, MonitorContext& context) {
  if (HWND dialog = OpenSecondaryDialog()) EndDialog(dialog, IDCANCEL);
  EnumThreadWindows(GetCurrentThreadId(), CancelOwnedBox, reinterpret_cast<LPARAM>(window));
  UpdateTrayIcon(context, kTrayDelete, nullptr);
  if (context.trayMenu != nullptr) {
    DestroyMenu(static_cast<HMENU>(context.trayMenu));
    context.trayMenu = nullptr;
  }
}

}  // namespace statmon
