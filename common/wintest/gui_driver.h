// Drives real windows of another (or the same) process from a Windows test:
// finds top-level windows, reads and sets control texts, presses buttons,
// chooses menu commands and reads or answers message boxes. Every wait polls
// with a bound and never sleeps a fixed time on success.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

constexpr DWORD kDefaultWaitMs = 10000;

// A top-level window whose class and/or title match (empty = any), visible or
// not; `processId` 0 = any process. Returns nullptr after `timeoutMs`.
HWND WaitForWindow(const std::string& className, const std::string& title,
                   DWORD timeoutMs = kDefaultWaitMs, DWORD processId = 0);
// Waits until `window` is gone (destroyed). True when it went within the bound.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultWaitMs);
// Waits until IsWindowVisible(window) equals `visible`.
bool WaitForVisibility(HWND window, bool visible, DWORD timeoutMs = kDefaultWaitMs);
// Polls `condition` until it holds or the bound passes.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDefaultWaitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

// Texts in the ANSI code page (936 under the test locale), like the suite's own.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);
bool SetControlText(HWND dialog, int controlId, const std::string& text);
std::string ClassOf(HWND window);
// The items of a list box or combo box, in order.
std::vector<std::string> ListItems(HWND dialog, int controlId);

// Presses a push button the way a click does (BN_CLICKED to its parent).
bool PressButton(HWND dialog, int controlId);
// Sends WM_COMMAND with a menu item id to the window, as choosing it does.
bool ChooseMenuCommand(HWND window, int commandId);

// A menu of a window as a user sees it: item texts (separators as ""), ids
// (-1 for a pop-up), and state flags from GetMenuState.
struct MenuItem {
  std::string text;
  int id;
  UINT state;
};
std::vector<MenuItem> MenuItems(HMENU menu);

// A standard message box (dialog class "#32770" with a static of id 0xFFFF).
struct MessageBoxInfo {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  // IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK or nullptr.
  LPCSTR icon = nullptr;
  std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, IDNO ... present
};
// Waits for a message box (optionally of one process); false after the bound.
bool WaitForMessageBox(MessageBoxInfo& info, DWORD timeoutMs = kDefaultWaitMs,
                       DWORD processId = 0);
// Presses the button with `buttonId` (IDOK, IDYES ...) and waits until the box is gone.
bool AnswerMessageBox(const MessageBoxInfo& info, int buttonId);

// A program started for a test, killed at the end of the scope if still running.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  // Starts `commandLine` in `directory` (empty = current). False on failure.
  bool Start(const std::string& commandLine, const std::string& directory = "");
  // Waits for the exit; returns the exit code, or -1 after the bound.
  long Wait(DWORD timeoutMs = kDefaultWaitMs);
  bool Running() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// Sets the Windows personality that Wine reports to programs named `exeName`
// (win31, win95, win98, winme, nt40, win2k, winxp) for processes started later.
bool SetPersonality(const std::string& exeName, const std::string& version);

// Directories handed in by the test runner (TOLVAN_BIN_WIN, TOLVAN_SOURCE_WIN),
// or the test program's own directory when unset.
std::string BinDirectory();
std::string SourceDirectory();

}  // namespace wintest
