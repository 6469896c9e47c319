#include "main_window.h"

#include "main_window_messages.h"
#include "misc_settings.h"
#include "context_lock.h"
#include "monitor_messages.h"
#include "polling_runtime.h"
#include "printer_finder.h"
#include "query_channel.h"
#include "reply_parser.h"
#include "status_display.h"
#include "monitor_strings.h"
#include "profile_file.h"
#include "startup_rules.h"
#include "statmon_resource.h"

namespace statmon {
namespace {

// "TUninstClose_J", registered when the window is created. The uninstaller
// broadcasts it to close a running monitor.
UINT g_uninstallCloseMessage = 0;

// The modal loop shows a dialog normally the first time its queue runs
// empty (Wine does so even when the dialog is visible but minimised), which
// would undo a minimised start. A short one-shot timer, which cannot fire
// before that moment, applies the start-up show command again. Timer 1
// belongs to the polling timer.
constexpr UINT_PTR kStartShowTimer = 2;
constexpr UINT kStartShowDelayMs = 100;

MonitorContext* ContextOf(HWND window) {
  return reinterpret_cast<MonitorContext*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ShowControl(HWND window, int id, bool show) {
  if (HWND control = GetDlgItem(window, id)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

// Centred over the desktop and kept inside the screen.
void CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  const int screenWidth = GetDeviceCaps(screen, HORZRES);
  const int screenHeight = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(nullptr, screen);
  int left = (screenWidth - width) / 2;
  int top = (screenHeight - height) / 2;
  if (left + width > screenWidth) left = screenWidth - width;
  if (top + height > screenHeight) top = screenHeight - height;
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyStartShow(HWND window, const MonitorContext& context) {
  ShowWindow(window, MainWindowShowCommand(context.hasTray,
                                           context.showWindow ? SW_SHOW : SW_MINIMIZE));
}

void InitialiseWindow(HWND window, MonitorContext& context) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&context));
  context.mainWindow = window;
  HINSTANCE instance = static_cast<HINSTANCE>(context.instance);
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(instance);

  context.statusCode = kCodeConnecting;
  context.pollState = 0;
  context.printerHandle = nullptr;
  context.printerName[0] = '\0';
  context.expanded = 1;
  context.pictureControlId = kPictureControlId;
  context.timeValue = ReadMiscInt(profile, names, MiscKey::kTimeValue);
  ShowControl(window, IDC_STATUS_GROUP_EXPANDED, true);
  ShowControl(window, IDC_RECOVERY_LABEL, true);
  ShowControl(window, IDC_STATUS_GROUP_REDUCED, false);
  if ((context.capabilities & 1) == 0) {
    ShowControl(window, IDC_WARNING_GROUP, false);
    ShowControl(window, IDC_WARNING_LIST, false);
  }

  CopyToFixed(ReadMiscString(profile, names, MiscKey::kPjlLog), context.pjlLogPath,
              sizeof context.pjlLogPath);
  context.jobFlag = ReadMiscInt(profile, names, MiscKey::kJobFlag);
  context.networkCompatible = ReadMiscInt(profile, names, MiscKey::kNetworkCompatable);
  context.warnUnknownPjl = ReadMiscInt(profile, names, MiscKey::kWarnUnkPjl);
  context.activeConfigCount = ReadMiscInt(profile, names, MiscKey::kActiveConfig);

  {
    // Without a parser every query fails; the window still opens.
    ContextLock lock;
    CreateReplyParser(context);
  }
  InitialiseWindowParts(window, context);
  g_uninstallCloseMessage = RegisterWindowMessageA("TUninstClose_J");

  const char* statusCaption = LoadMonitorText(instance, IDS_PRINTER_STATUS);
  SetDlgItemTextA(window, IDC_STATUS_GROUP_REDUCED, statusCaption);
  SetDlgItemTextA(window, IDC_STATUS_GROUP_EXPANDED, statusCaption);

  const std::string title = ReadMiscString(profile, names, MiscKey::kStatusTitle);
  if (!title.empty()) SetWindowTextA(window, title.c_str());
  if (context.platformId == kPlatformWin32s) ShowControl(window, IDC_TOP_LINE, false);

  const bool havePrinter = ChooseMonitoredPrinter(context);
  if (!havePrinter) RefreshDisplay(context, false);

  CentreOnScreen(window);
  ApplyStartShow(window, context);
  if (!context.showWindow) SetTimer(window, kStartShowTimer, kStartShowDelayMs, nullptr);

  if (havePrinter) {
    if (context.useTimer) UstatusOff(context);
    StartPolling(context);
  }
}

void EndMainWindow(HWND window, WPARAM result) {
  MonitorContext* context = ContextOf(window);
  if (context != nullptr) BeginClosingWindow(window, *context);
  if (context != nullptr && context->showWindow) ShowWindow(window, SW_HIDE);
  if (context != nullptr) {
    {
      // From here on every query fails and every reply is dropped, which
      // ends a polling thread that is still inside a query.
      ContextLock lock;
      DestroyReplyParser(*context);
    }
    StopPolling(*context);
  }
  EndDialog(window, static_cast<INT_PTR>(result));
}

}  // namespace

bool RegisterMonitorClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(nullptr, "#32770", &windowClass)) return false;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, STATMON_ICON_NAME);
  windowClass.lpszClassName = STATMON_CLASS_NAME;
  return RegisterClassA(&windowClass) != 0;
}

INT_PTR RunMainWindow(MonitorContext& context, const char* templateName) {
  return DialogBoxParamA(static_cast<HINSTANCE>(context.instance), templateName, nullptr,
                         MainWindowProc, reinterpret_cast<LPARAM>(&context));
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != 0 && message == g_uninstallCloseMessage) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
  }
  if (message != WM_INITDIALOG) {
    if (MonitorContext* context = ContextOf(window)) {
      INT_PTR result = FALSE;
      if (HandleMainWindowMessage(window, *context, message, wParam, lParam, result)) {
        return result;
      }
    }
  }
  switch (message) {
    case WM_INITDIALOG:
      InitialiseWindow(window, *reinterpret_cast<MonitorContext*>(lParam));
      return FALSE;  // the focus stays where the window put it
    case kPollingEndedMessage:
      if (MonitorContext* context = ContextOf(window)) OnPollingEnded(*context);
      return TRUE;
    case kRefreshDisplayMessage:
      if (MonitorContext* context = ContextOf(window)) OnRefreshDisplayMessage(*context, wParam);
      return TRUE;
    case kViewChangedMessage:
      if (MonitorContext* context = ContextOf(window)) OnViewChangedMessage(*context);
      return TRUE;
    case kRawReplyMessage:
      if (MonitorContext* context = ContextOf(window)) OnRawReplyMessage(*context);
      return TRUE;
    case WM_CLOSE:
      EndMainWindow(window, wParam);
      return TRUE;
    case WM_TIMER:
      if (wParam == kPollTimerId) {
        if (MonitorContext* context = ContextOf(window)) OnPollTimer(*context);
        return TRUE;
      }
      if (wParam == kStartShowTimer) {
        KillTimer(window, kStartShowTimer);
        MonitorContext* context = ContextOf(window);
        if (context != nullptr && !context->showWindow) ApplyStartShow(window, *context);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace statmon
