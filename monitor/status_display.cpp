#include "status_display.h"

#include <memory>
#include <string>
#include <vector>

#include "context_lock.h"
#include "monitor_messages.h"
#include "monitor_strings.h"
#include "profile_file.h"
#include "reply_interpretation.h"
#include "status_decision.h"
#include "status_picture.h"
#include "statmon_resource.h"
#include "tray_icon.h"

namespace statmon {
namespace {

bool OnWindowThread(HWND window) {
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

class ResourceTexts : public TextSource {
 public:
  explicit ResourceTexts(HINSTANCE module) : module_(module) {}
  std::string Text(int stringId) const override {
    return LoadMonitorText(module_, static_cast<UINT>(stringId));
  }

 private:
  HINSTANCE module_;
};

// Field changes made off the window thread, applied by OnViewChangedMessage.
// Guarded by the context lock.
struct PendingFields {
  bool hasJobName = false, hasPage = false, hasJobState = false;
  std::string jobName, page, jobState;
  bool clearWarnings = false;
  std::vector<std::string> warnings;
  bool hasExtent = false;
  int extent = 0;
  bool hasError = false;
  std::string errorCaption, errorText;
};
PendingFields g_pending;
bool g_errorBoxOpen = false;

void ShowErrorBox(HWND owner, const std::string& caption, const std::string& text) {
  if (g_errorBoxOpen) return;
  g_errorBoxOpen = true;
  MessageBoxA(owner, text.c_str(), caption.c_str(), MB_ICONERROR);
  g_errorBoxOpen = false;
}

void SetTextIfChanged(HWND window, int id, const std::string& text) {
  HWND control = GetDlgItem(window, id);
  if (control == nullptr) return;
  char current[1024] = "";
  GetWindowTextA(control, current, sizeof current);
  if (text != current) SetWindowTextA(control, text.c_str());
}

// The main window's job and warning fields: direct on the window thread,
// pending and posted from any other.
class WindowStatusView : public StatusView {
 public:
  explicit WindowStatusView(const MonitorContext& context) : context_(context) {}
  HWND Window() const { return static_cast<HWND>(context_.mainWindow); }
  bool Direct() const { return OnWindowThread(Window()); }

  bool HasJobFields() const override {
    return Window() != nullptr && GetDlgItem(Window(), IDC_JOB_NAME) != nullptr;
  }
  void SetJobName(const std::string& text) override { SetField(IDC_JOB_NAME, text); }
  void SetPageNumber(const std::string& text) override { SetField(IDC_PAGE_NUMBER, text); }
  void SetJobState(const std::string& text) override { SetField(IDC_JOB_STATE, text); }
  void ClearWarnings() override {
    if (Direct()) {
      SendDlgItemMessageA(Window(), IDC_WARNING_LIST, LB_RESETCONTENT, 0, 0);
      return;
    }
    ContextLock lock;
    g_pending.clearWarnings = true;
    g_pending.warnings.clear();
    Post();
  }
  void AddWarning(const std::string& text) override {
    if (Direct()) {
      SendDlgItemMessageA(Window(), IDC_WARNING_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(text.c_str()));
      return;
    }
    ContextLock lock;
    g_pending.warnings.push_back(text);
    Post();
  }
  void SetWarningExtent(int pixels) override {
    if (Direct()) {
      SendDlgItemMessageA(Window(), IDC_WARNING_LIST, LB_SETHORIZONTALEXTENT,
                          static_cast<WPARAM>(pixels), 0);
      return;
    }
    ContextLock lock;
    g_pending.hasExtent = true;
    g_pending.extent = pixels;
    Post();
  }
  void ShowDataError(const std::string& caption, const std::string& text) override {
    if (Direct()) {
      ShowErrorBox(Window(), caption, text);
      return;
    }
    ContextLock lock;
    g_pending.hasError = true;
    g_pending.errorCaption = caption;
    g_pending.errorText = text;
    Post();
  }

 private:
  void SetField(int id, const std::string& text) {
    if (Window() == nullptr) return;
    if (Direct()) {
      SetTextIfChanged(Window(), id, text);
      return;
    }
    ContextLock lock;
    if (id == IDC_JOB_NAME) { g_pending.hasJobName = true; g_pending.jobName = text; }
    if (id == IDC_PAGE_NUMBER) { g_pending.hasPage = true; g_pending.page = text; }
    if (id == IDC_JOB_STATE) { g_pending.hasJobState = true; g_pending.jobState = text; }
    Post();
  }
  void Post() const {
    if (Window() != nullptr) PostMessageA(Window(), kViewChangedMessage, 0, 0);
  }
  const MonitorContext& context_;
};

// Configuration, names, texts and view of one context.
struct WindowServices {
  explicit WindowServices(const MonitorContext& context)
      : profile(context.iniPath),
        names(static_cast<HINSTANCE>(context.instance)),
        texts(static_cast<HINSTANCE>(context.instance)),
        view(context) {
    services.profile = &profile;
    services.names = &names;
    services.texts = &texts;
    services.view = &view;
    services.statusPrinting = profile.ReadInt(names.Name(IDS_SECTION_STATUS_OVERRIDE),
                                              names.Name(IDS_KEY_STATUS_PRINTING), 610100);
    services.statusReady = profile.ReadInt(names.Name(IDS_SECTION_STATUS_OVERRIDE),
                                           names.Name(IDS_KEY_STATUS_READY), 600100);
  }
  ProfileFile profile;
  ResourceNames names;
  ResourceTexts texts;
  WindowStatusView view;
  StatusServices services;
};

std::string SystemErrorText(DWORD error) {
  char text[512] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 text, sizeof text, nullptr);
  return text;
}

void ApplyMenus(HWND window, const DisplayDecision& decision) {
  HMENU menu = GetMenu(window);
  if (menu == nullptr) return;
  const UINT info = decision.printerInfo == MenuState::kGrayed ? MF_GRAYED : MF_ENABLED;
  const UINT maintenance = decision.maintenance == MenuState::kGrayed ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(menu, IDM_PRINTER_INFO, MF_BYCOMMAND | info);
  EnableMenuItem(menu, IDM_SUPPLIES_STATUS, MF_BYCOMMAND | info);
  EnableMenuItem(menu, IDM_MAINTENANCE, MF_BYCOMMAND | maintenance);
  EnableMenuItem(menu, IDM_TONER_REPLACE, MF_BYCOMMAND | maintenance);
  EnableMenuItem(menu, IDM_POWER_ON_TEST, MF_BYCOMMAND | maintenance);
}

// The services of the main window's context for the parser's command hook,
// kept while the parser exists.
std::unique_ptr<WindowServices> g_boundServices;

}  // namespace

void BindWindowStatusServices(MonitorContext& context) {
  {
    // Fields a polling thread left for an earlier window are not this one's.
    ContextLock lock;
    g_pending = PendingFields{};
  }
  g_boundServices = std::make_unique<WindowServices>(context);
  BindStatusServices(&context, &g_boundServices->services);
}

void UnbindWindowStatusServices(MonitorContext& context) {
  UnbindStatusServices(&context);
  g_boundServices.reset();
}

void ComputeOptions(MonitorContext& context) {
  WindowServices window(context);
  ContextLock lock;
  ComputeOptionSlots(context, window.services, CurrentOptionSlots());
}

void RefreshDisplay(MonitorContext& context, bool popupAllowed) {
  HWND target = static_cast<HWND>(context.mainWindow);
  if (target == nullptr) return;
  if (!OnWindowThread(target)) {
    PostMessageA(target, kRefreshDisplayMessage, popupAllowed ? 1 : 0, 0);
    return;
  }
  WindowServices window(context);
  DisplayDecision decision;
  {
    ContextLock lock;
    if (!DecideDisplay(context, window.services, CurrentOptionSlots(), popupAllowed, decision)) {
      return;
    }
  }
  ApplyMenus(target, decision);
  if (decision.popup) {
    ShowMainWindow(context, SW_RESTORE);
    SetForegroundWindow(target);
  }
  DrawStatusPicture(context, window.services, target);
  std::string statusText = decision.statusText;
  if (decision.appendSystemError) statusText += "\n" + SystemErrorText(context.lastError);
  SetTextIfChanged(target, IDC_STATUS_TEXT, statusText);
  SetTextIfChanged(target, IDC_RECOVERY_TEXT, decision.recoveryText);
  // UpdateTrayIcon makes the tray's form of the tip (MakeTrayTip).
  UpdateTrayIcon(context, kTrayModify, decision.trayTip.c_str());
  ApplyJobFieldReset(context, window.view);
}

void OnRefreshDisplayMessage(MonitorContext& context, WPARAM wParam) {
  RefreshDisplay(context, wParam != 0);
}

void OnViewChangedMessage(MonitorContext& context) {
  PendingFields pending;
  {
    ContextLock lock;
    pending = std::move(g_pending);
    g_pending = PendingFields{};
  }
  HWND window = static_cast<HWND>(context.mainWindow);
  if (window == nullptr) return;
  if (pending.hasJobName) SetTextIfChanged(window, IDC_JOB_NAME, pending.jobName);
  if (pending.hasPage) SetTextIfChanged(window, IDC_PAGE_NUMBER, pending.page);
  if (pending.hasJobState) SetTextIfChanged(window, IDC_JOB_STATE, pending.jobState);
  if (pending.clearWarnings) SendDlgItemMessageA(window, IDC_WARNING_LIST, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : pending.warnings) {
    SendDlgItemMessageA(window, IDC_WARNING_LIST, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(line.c_str()));
  }
  if (pending.hasExtent) {
    SendDlgItemMessageA(window, IDC_WARNING_LIST, LB_SETHORIZONTALEXTENT,
                        static_cast<WPARAM>(pending.extent), 0);
  }
  if (pending.hasError) ShowErrorBox(window, pending.errorCaption, pending.errorText);
}

}  // namespace statmon
