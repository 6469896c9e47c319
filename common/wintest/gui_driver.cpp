#include "wintest/gui_driver.h"

#include <cstdlib>

namespace wintest {
namespace {

struct WindowQuery {
  const std::string* className;
  const std::string* title;
  DWORD processId;
  HWND found;
};

bool Matches(HWND window, const WindowQuery& query) {
  if (query.processId != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId) return false;
  }
  if (!query.className->empty() && ClassOf(window) != *query.className) return false;
  if (!query.title->empty() && WindowText(window) != *query.title) return false;
  return true;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  if (!Matches(window, *query)) return TRUE;
  query->found = window;
  return FALSE;
}

HWND FindOnce(const std::string& className, const std::string& title, DWORD processId) {
  WindowQuery query{&className, &title, processId, nullptr};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

// Message-box icons are the shared system icons; compare handles with them.
LPCSTR IconKind(HWND box) {
  HWND iconStatic = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      iconStatic = child;
      break;
    }
  }
  if (!iconStatic) return nullptr;
  auto shown = reinterpret_cast<HICON>(SendMessageA(iconStatic, STM_GETICON, 0, 0));
  static const LPCSTR kinds[] = {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
  for (LPCSTR kind : kinds) {
    if (LoadIconA(nullptr, kind) == shown) return kind;
  }
  return nullptr;
}

bool IsMessageBox(HWND window) {
  return ClassOf(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr &&
         IsWindowVisible(window);
}

struct BoxQuery {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<BoxQuery*>(param);
  if (query->processId != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query->processId) return TRUE;
  }
  if (!IsMessageBox(window)) return TRUE;
  query->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForWindow(const std::string& className, const std::string& title, DWORD timeoutMs,
                   DWORD processId) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindOnce(className, title, processId)) != nullptr; },
            timeoutMs);
  return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

bool WaitForVisibility(HWND window, bool visible, DWORD timeoutMs) {
  return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, timeoutMs);
}

std::string WindowText(HWND window) {
  // WM_GETTEXT works across processes (the system marshals it); GetWindowText
  // would not read a control of another process.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

std::string ControlText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control ? WindowText(control) : std::string();
}

bool SetControlText(HWND dialog, int controlId, const std::string& text) {
  HWND control = GetDlgItem(dialog, controlId);
  if (!control) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<std::string> ListItems(HWND dialog, int controlId) {
  std::vector<std::string> items;
  HWND control = GetDlgItem(dialog, controlId);
  if (!control) return items;
  const bool combo = ClassOf(control) == "ComboBox";
  const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
  const UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  const UINT get = combo ? CB_GETLBTEXT : LB_GETTEXT;
  const LRESULT n = SendMessageA(control, count, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    const LRESULT size = SendMessageA(control, length, i, 0);
    std::string text(size > 0 ? size + 1 : 1, '\0');
    SendMessageA(control, get, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size > 0 ? size : 0);
    items.push_back(text);
  }
  return items;
}

bool PressButton(HWND dialog, int controlId) {
  HWND button = GetDlgItem(dialog, controlId);
  if (!button) return false;
  // Posted, so that a modal loop the button starts does not block the test.
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != 0;
}

bool ChooseMenuCommand(HWND window, int commandId) {
  return PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0) != 0;
}

std::vector<MenuItem> MenuItems(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    const bool popup = GetSubMenu(menu, i) != nullptr;
    items.push_back({text, popup ? -1 : static_cast<int>(GetMenuItemID(menu, i)), state});
  }
  return items;
}

bool WaitForMessageBox(MessageBoxInfo& info, DWORD timeoutMs, DWORD processId) {
  BoxQuery query{processId, nullptr};
  const bool found = WaitUntil(
      [&] {
        query.found = nullptr;
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&query));
        return query.found != nullptr;
      },
      timeoutMs);
  if (!found) return false;
  info = MessageBoxInfo{};
  info.window = query.found;
  info.caption = WindowText(query.found);
  info.text = ControlText(query.found, 0xFFFF);
  info.icon = IconKind(query.found);
  static const int buttons[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
  for (int id : buttons) {
    HWND button = GetDlgItem(query.found, id);
    if (button && IsWindowVisible(button)) info.buttons.push_back(id);
  }
  return true;
}

bool AnswerMessageBox(const MessageBoxInfo& info, int buttonId) {
  if (!PressButton(info.window, buttonId)) return false;
  return WaitForWindowGone(info.window);
}

Process::Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    info_ = other.info_;
    other.info_ = {};
  }
  return *this;
}

Process::~Process() { Kill(); }

bool Process::Start(const std::string& commandLine, const std::string& directory) {
  Kill();
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = commandLine;
  return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup,
                        &info_) != 0;
}

long Process::Wait(DWORD timeoutMs) {
  if (!info_.hProcess) return -1;
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<long>(code);
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  info_ = {};
}

bool SetPersonality(const std::string& exeName, const std::string& version) {
  const std::string path = "Software\\Wine\\AppDefaults\\" + exeName;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExA(key, "Version", 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(version.c_str()),
                                     static_cast<DWORD>(version.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

namespace {
std::string EnvOrOwnDirectory(const char* name) {
  if (const char* value = std::getenv(name); value && *value) return value;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string own = path;
  const auto slash = own.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : own.substr(0, slash);
}
}  // namespace

std::string BinDirectory() { return EnvOrOwnDirectory("TOLVAN_BIN_WIN"); }
std::string SourceDirectory() { return EnvOrOwnDirectory("TOLVAN_SOURCE_WIN"); }

}  // namespace wintest
