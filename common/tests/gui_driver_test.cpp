// Checks the GUI test driver against windows this program makes itself, and
// the runner's per-program personality through a child process.
#include "wintest/gui_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

constexpr int kEditId = 101;
constexpr int kButtonId = 102;
constexpr int kMenuCommand = 201;
std::atomic<int> lastCommand{0};

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) lastCommand = LOWORD(wParam);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

// A window with an edit field, a button and a menu, on a thread of its own
// that pumps its messages, as the suite's programs do.
class TestWindow {
 public:
  TestWindow() {
    thread_ = std::thread([this] { Run(); });
    wintest::WaitUntil([this] { return window_ != nullptr; });
  }
  ~TestWindow() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }

 private:
  void Run() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = TestWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "GuiDriverTestClass";
    RegisterClassA(&cls);
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kMenuCommand, "\xCD\xCB\xB3\xF6");  // "退出" in code page 936
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING | MF_GRAYED, kMenuCommand + 1, "Gray");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    HWND window = CreateWindowA("GuiDriverTestClass", "Driver test", WS_OVERLAPPEDWINDOW, 0, 0,
                                300, 200, nullptr, menu, cls.hInstance, nullptr);
    CreateWindowA("Edit", "hello", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, window,
                  reinterpret_cast<HMENU>(kEditId), cls.hInstance, nullptr);
    CreateWindowA("Button", "OK", WS_CHILD | WS_VISIBLE, 10, 40, 60, 20, window,
                  reinterpret_cast<HMENU>(kButtonId), cls.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    window_ = window;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  }
  std::thread thread_;
  std::atomic<HWND> window_{nullptr};
};

TEST(GuiDriver, FindsWindowReadsAndSetsControlsPressesButtonsAndMenus) {
  TestWindow test;
  HWND found = wintest::WaitForWindow("GuiDriverTestClass", "", 5000, GetCurrentProcessId());
  ASSERT_EQ(found, test.window());
  EXPECT_EQ(wintest::WaitForWindow("", "Driver test", 5000), test.window());
  EXPECT_EQ(wintest::WaitForWindow("NoSuchClass", "", 100), nullptr);
  EXPECT_EQ(wintest::ControlText(found, kEditId), "hello");
  ASSERT_TRUE(wintest::SetControlText(found, kEditId, "\xB4\xF2\xD3\xA1"));  // "打印"
  EXPECT_EQ(wintest::ControlText(found, kEditId), "\xB4\xF2\xD3\xA1");
  EXPECT_EQ(wintest::ControlText(found, 999), "");

  ASSERT_TRUE(wintest::PressButton(found, kButtonId));
  EXPECT_TRUE(wintest::WaitUntil([] { return lastCommand == kButtonId; }, 5000));
  ASSERT_TRUE(wintest::ChooseMenuCommand(found, kMenuCommand));
  EXPECT_TRUE(wintest::WaitUntil([] { return lastCommand == kMenuCommand; }, 5000));

  auto items = wintest::MenuItems(GetSubMenu(GetMenu(found), 0));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "\xCD\xCB\xB3\xF6");
  EXPECT_EQ(items[0].id, kMenuCommand);
  EXPECT_NE(items[1].state & MF_SEPARATOR, 0u);
  EXPECT_NE(items[2].state & MF_GRAYED, 0u);
}

TEST(GuiDriver, ReadsAndAnswersMessageBox) {
  std::atomic<int> answer{0};
  std::thread box([&] {
    answer = MessageBoxA(nullptr, "\xD6\xBD\xBC\xD0\xA1\xA3", "Caption",  // "纸夹。"
                         MB_YESNO | MB_ICONEXCLAMATION);
  });
  wintest::MessageBoxInfo info;
  ASSERT_TRUE(wintest::WaitForMessageBox(info, 5000, GetCurrentProcessId()));
  EXPECT_EQ(info.caption, "Caption");
  EXPECT_EQ(info.text, "\xD6\xBD\xBC\xD0\xA1\xA3");
  EXPECT_EQ(info.icon, IDI_EXCLAMATION);
  EXPECT_EQ(info.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_TRUE(wintest::AnswerMessageBox(info, IDNO));
  box.join();
  EXPECT_EQ(answer, IDNO);
}

TEST(GuiDriver, StartsWaitsAndKillsProcesses) {
  wintest::Process exits;
  ASSERT_TRUE(exits.Start("cmd.exe /c exit 3"));
  EXPECT_EQ(exits.Wait(10000), 3);

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  wintest::Process hangs;
  ASSERT_TRUE(hangs.Start(std::string("\"") + self + "\" --hang"));
  EXPECT_EQ(hangs.Wait(200), -1);
  hangs.Kill();
  EXPECT_FALSE(hangs.Running());
  EXPECT_FALSE(exits.Start("no-such-program.exe"));
}

// The child reports its platform id as exit code; the personality set for the
// program's name before it starts is what it sees.
TEST(GuiDriver, PersonalityAppliesToProgramsStartedLater) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string exe = std::strrchr(self, '\\') + 1;
  const struct {
    const char* version;
    long platform;
  } cases[] = {{"win98", 1}, {"nt40", 2}, {"win31", 0}, {"winxp", 2}};
  for (const auto& c : cases) {
    ASSERT_TRUE(wintest::SetPersonality(exe, c.version));
    wintest::Process child;
    ASSERT_TRUE(child.Start(std::string("\"") + self + "\" --report-platform"));
    EXPECT_EQ(child.Wait(20000), c.platform) << c.version;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--report-platform") == 0) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return static_cast<int>(version.dwPlatformId);
  }
  if (argc == 2 && std::strcmp(argv[1], "--hang") == 0) {
    Sleep(INFINITE);
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
