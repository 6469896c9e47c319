// The main window and its secondary dialogs, run in this process from
// statmon.exe's own resources on a window thread of their own, so that the
// test thread can read the window's menus (menus are per process) while the
// window's modal loop runs.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "main_window.h"
#include "monitor_context.h"
#include "monitor_sandbox.h"
#include "startup_rules.h"
#include "wintest/gui_driver.h"

namespace statmon::testing {
namespace {

constexpr UINT kTrayCallback = WM_USER + 102;

const char kBaseIni[] =
    "[Misc]\n"
    "ResourceDLL=TSTMON_J.dll\n"
    "AboutTitle=About the monitor\n"
    "AboutOK=Close it\n";

// The main window on its own thread, made from the sandbox's statmon.exe.
class RunningWindow {
 public:
  RunningWindow(const MonitorSandbox& sandbox, int hasTray, std::uint32_t capabilities = 0,
                const char* templateName = "MAIN") {
    module_ = LoadLibraryExA((sandbox.Directory() + "\\statmon.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
    context_ = MonitorContext{};
    context_.instance = module_;
    context_.hasTray = hasTray;
    context_.platformId = hasTray ? kPlatformNt : kPlatformWin32s;
    context_.capabilities = capabilities;
    context_.showWindow = 1;
    // The codes the window may show without a printer: connecting, open error.
    context_.resetJobCodes[0] = kCodeConnecting;
    context_.resetJobCodes[1] = kCodeOpenError;
    CopyToFixed(sandbox.IniPath(), context_.iniPath, sizeof context_.iniPath);
    templateName_ = templateName;
    if (module_ == nullptr || !RegisterMonitorClass(module_)) return;
    thread_ = CreateThread(nullptr, 0, &RunningWindow::Run, this, 0, nullptr);
    wintest::WaitUntil([&] { return window() != nullptr && IsWindowVisible(window()); });
  }
  ~RunningWindow() {
    if (thread_ != nullptr) {
      if (IsWindow(window())) PostMessageA(window(), WM_CLOSE, 0, 0);
      WaitForSingleObject(thread_, 10000);
      CloseHandle(thread_);
    }
    UnregisterClassA("PLMStatusClass__", module_);
    if (module_ != nullptr) FreeLibrary(module_);
  }
  HWND window() const { return static_cast<HWND>(context_.mainWindow); }
  MonitorContext& context() { return context_; }
  // Waits for the window thread's end and returns the dialog's result.
  INT_PTR WaitForEnd() {
    WaitForSingleObject(thread_, 10000);
    return result_;
  }
  // A command chosen from a menu; posted, because it may open a modal dialog.
  void Choose(int command) { PostMessageA(window(), WM_COMMAND, command, 0); }
  HMENU MainMenu() {
    HMENU menu = GetMenu(window());
    SendMessageA(window(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    return menu;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* running = static_cast<RunningWindow*>(self);
    running->result_ = RunMainWindow(running->context_, running->templateName_);
    return 0;
  }
  HMODULE module_ = nullptr;
  HANDLE thread_ = nullptr;
  MonitorContext context_{};
  const char* templateName_ = "MAIN";
  INT_PTR result_ = -2;
};

bool HasCommand(HMENU menu, int id) {
  return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) != static_cast<UINT>(-1);
}

// Wine's notification area answers NIM_MODIFY only for an icon it holds:
// that tells from outside whether the monitor's icon is in the tray.
bool TrayHoldsIcon(HWND window) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = 42;
  record.uFlags = NIF_TIP;
  std::strcpy(record.szTip, "probe");
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

HWND WaitForDialog(const std::string& title) {
  return wintest::WaitForWindow("#32770", title, wintest::kDefaultWaitMs, GetCurrentProcessId());
}

class MainWindowTest : public ::testing::Test {
 protected:
  void WriteIni(const std::string& extra) { sandbox_.WriteIni(std::string(kBaseIni) + extra); }
  MonitorSandbox sandbox_;
};

TEST_F(MainWindowTest, EscAndCloseBoxHideTheWindowAndTheTrayIconStays) {
  WriteIni("");
  RunningWindow running(sandbox_, 1);
  HWND window = running.window();
  ASSERT_NE(window, nullptr);
  const bool trayObservable = TrayHoldsIcon(window);
  if (!trayObservable) {
    std::printf("[ GAP ] this Wine has no notification area that answers NIM_MODIFY; "
                "the tray icon is not checked\n");
  }

  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
  } cases[] = {{"Esc", WM_COMMAND, IDCANCEL}, {"close box", WM_SYSCOMMAND, SC_CLOSE}};
  for (const Case& c : cases) {
    SendMessageA(window, c.message, c.wParam, 0);
    EXPECT_TRUE(wintest::WaitForVisibility(window, false)) << c.name;
    EXPECT_TRUE(IsWindow(window)) << c.name << ": the monitor keeps running";
    EXPECT_EQ(running.context().showWindow, 0) << c.name;
    if (trayObservable) {
      EXPECT_TRUE(TrayHoldsIcon(window)) << c.name;
    }

    SendMessageA(window, kTrayCallback, 42, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(wintest::WaitForVisibility(window, true)) << c.name;
    EXPECT_EQ(running.context().showWindow, 1) << c.name;
  }

  PostMessageA(window, WM_CLOSE, 0, 0);
  running.WaitForEnd();
  if (trayObservable) {
    EXPECT_FALSE(TrayHoldsIcon(window)) << "closing deletes the icon";
  }
}

TEST_F(MainWindowTest, WithoutATrayHidingMinimisesAndTheWindowShowsTheStateIcon) {
  WriteIni("");
  RunningWindow running(sandbox_, 0);
  HWND window = running.window();
  ASSERT_NE(window, nullptr);
  EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0) << "the state icon";
  SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wintest::WaitUntil([&] { return IsIconic(window) != FALSE; }));
  EXPECT_TRUE(IsWindowVisible(window)) << "reachable from the task bar";
  SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(wintest::WaitUntil([&] { return IsIconic(window) == FALSE; }));
  EXPECT_EQ(running.context().showWindow, 1);
}

TEST_F(MainWindowTest, WindowMenuLosesMaximiseAndSizeAndGainsExitUnlessSwitchedOff) {
  for (int sysMenuExit : {1, 0}) {
    WriteIni("SysMenuExit=" + std::to_string(sysMenuExit) + "\n");
    RunningWindow running(sandbox_, 1);
    ASSERT_NE(running.window(), nullptr);
    HMENU menu = GetSystemMenu(running.window(), FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(HasCommand(menu, SC_MAXIMIZE));
    EXPECT_FALSE(HasCommand(menu, SC_SIZE));
    const std::vector<wintest::MenuItem> items = wintest::MenuItems(menu);
    ASSERT_GE(items.size(), 2u);
    if (sysMenuExit) {
      EXPECT_EQ(items.back().id, 40014);
      EXPECT_EQ(items.back().text, "E&xit");
      EXPECT_TRUE(items[items.size() - 2].state & MF_SEPARATOR);
    } else {
      EXPECT_FALSE(HasCommand(menu, 40014));
      EXPECT_FALSE(items.back().state & MF_SEPARATOR) << "no separator is left at the end";
    }
  }
}

TEST_F(MainWindowTest, WindowMenuExitEndsTheWindowWithItsCommand) {
  WriteIni("");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  PostMessageA(running.window(), WM_SYSCOMMAND, 40014, 0);
  EXPECT_EQ(running.WaitForEnd(), 40014);
}

TEST_F(MainWindowTest, UninstallerMessageClosesTheWindow) {
  WriteIni("");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  PostMessageA(running.window(), RegisterWindowMessageA("TUninstClose_J"), 0, 0);
  EXPECT_EQ(running.WaitForEnd(), 0);
  EXPECT_FALSE(IsWindow(running.window()));
}

// The registry switch of the bitmap viewer, removed again at the end.
class BmpDebugKey {
 public:
  explicit BmpDebugKey(DWORD value) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TOLVAN\\TSTMON_J", 0, nullptr, 0, KEY_WRITE,
                    nullptr, &key_, nullptr);
    RegSetValueExA(key_, "BmpDebug", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
  }
  ~BmpDebugKey() {
    RegDeleteValueA(key_, "BmpDebug");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
};

TEST_F(MainWindowTest, MenuFollowsTheConfiguration) {
  struct Case {
    const char* name;
    const char* ini;
    std::uint32_t capabilities;
    DWORD registryBmpDebug;  // 0xFFFFFFFF: no registry value
    int id;
    bool present;
  } cases[] = {
      {"PrinterInfo default", "", 0, 0xFFFFFFFF, 40012, true},
      {"PrinterInfo=0", "PrinterInfo=0\n", 0, 0xFFFFFFFF, 40012, false},
      {"PopupDialog=0", "PopupDialog=0\n", 0, 0xFFFFFFFF, 40015, false},
      {"PopupDialog default", "", 0, 0xFFFFFFFF, 40015, true},
      {"BmpDebug default", "", 0, 0xFFFFFFFF, 40019, false},
      {"BmpDebug=1 in the file", "BmpDebug=1\n", 0, 0xFFFFFFFF, 40019, true},
      {"BmpDebug=1 in the registry", "", 0, 1, 40019, true},
      {"BmpDebug=0 in the registry, 1 in the file", "BmpDebug=1\n", 0, 0, 40019, true},
      {"extended RTI", "BmpDebug=1\n", 0, 0xFFFFFFFF, 40020, false},
      {"PrintPrinterStatus default", "", 0, 0xFFFFFFFF, 40033, false},
      {"PrintPrinterStatus=1", "PrintPrinterStatus=1\n", 0, 0xFFFFFFFF, 40033, true},
      {"FactoryDefault default", "", 0, 0xFFFFFFFF, 40004, false},
      {"without capability 16", "", 0x0F, 0xFFFFFFFF, 40032, false},
      {"capability 16", "", 0x10, 0xFFFFFFFF, 40032, true},
  };
  for (const Case& c : cases) {
    WriteIni(c.ini);
    std::unique_ptr<BmpDebugKey> key;
    if (c.registryBmpDebug != 0xFFFFFFFF) key = std::make_unique<BmpDebugKey>(c.registryBmpDebug);
    RunningWindow running(sandbox_, 1, c.capabilities);
    ASSERT_NE(running.window(), nullptr) << c.name;
    EXPECT_EQ(HasCommand(running.MainMenu(), c.id), c.present) << c.name;
  }
}

TEST_F(MainWindowTest, LayoutCommandsGreyTheShownLayoutAndTakeLocalisedTexts) {
  WriteIni("[Localize]\nMnuDispReduce=Small view\nMnuDispExpand=L\n");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  HMENU menu = running.MainMenu();
  EXPECT_TRUE(GetMenuState(menu, 40017, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, 40016, MF_BYCOMMAND) & MF_GRAYED);
  char text[64] = "";
  GetMenuStringA(menu, 40016, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Small view");
  GetMenuStringA(menu, 40017, text, sizeof text, MF_BYCOMMAND);
  EXPECT_EQ(std::string(text), Acp("状态 (放大)(&E)")) << "one character replaces nothing";

  SendMessageA(running.window(), WM_COMMAND, 40016, 0);
  menu = running.MainMenu();
  EXPECT_TRUE(GetMenuState(menu, 40016, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, 40017, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindowTest, ReduceEnclosesTheReducedGroupAndExpandRestoresTheSize) {
  WriteIni("");
  for (const char* templateName : {"MAIN", "MAIN_601W"}) {
    RunningWindow running(sandbox_, 1, 0, templateName);
    HWND window = running.window();
    ASSERT_NE(window, nullptr);
    RECT expanded;
    GetWindowRect(window, &expanded);

    SendMessageA(window, WM_COMMAND, 40016, 0);
    EXPECT_EQ(running.context().expanded, 0);
    RECT reduced;
    RECT group;
    GetWindowRect(window, &reduced);
    GetWindowRect(GetDlgItem(window, 1015), &group);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1015))) << templateName;
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1021))) << templateName;
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1014))) << templateName;
    EXPECT_EQ(reduced.left, expanded.left);
    EXPECT_EQ(reduced.top, expanded.top);
    const int margin = group.left - reduced.left;
    EXPECT_GT(margin, 0);
    EXPECT_EQ(reduced.right - group.right, margin) << templateName;
    EXPECT_EQ(reduced.bottom - group.bottom, margin) << templateName;
    EXPECT_LT(reduced.bottom - reduced.top, expanded.bottom - expanded.top);

    SendMessageA(window, WM_COMMAND, 40016, 0);  // already reduced: nothing changes
    RECT again;
    GetWindowRect(window, &again);
    EXPECT_TRUE(EqualRect(&again, &reduced));

    SendMessageA(window, WM_COMMAND, 40017, 0);
    RECT restored;
    GetWindowRect(window, &restored);
    EXPECT_TRUE(EqualRect(&restored, &expanded)) << templateName;
    EXPECT_EQ(running.context().expanded, 1);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1021)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1015)));
  }
}

TEST_F(MainWindowTest, ShiftGesturesResetTheJobFieldsAndSwapTheRawReplyView) {
  WriteIni("");
  RunningWindow running(sandbox_, 1, 1);
  HWND window = running.window();
  ASSERT_NE(window, nullptr);
  SetDlgItemTextA(window, 1024, "report.doc");
  SetDlgItemTextA(window, 1025, "3");
  RECT group;
  GetWindowRect(GetDlgItem(window, 1013), &group);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&group), 2);
  const LPARAM inside = MAKELPARAM(group.left + 5, group.top + 12);

  SendMessageA(window, WM_LBUTTONDBLCLK, 0, inside);
  EXPECT_EQ(wintest::ControlText(window, 1024), "report.doc") << "no Shift, no Ctrl";
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_SHIFT, MAKELPARAM(2, 2));
  EXPECT_EQ(wintest::ControlText(window, 1024), "report.doc") << "outside the job area";
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_CONTROL, inside);
  EXPECT_EQ(wintest::ControlText(window, 1024), "");
  EXPECT_EQ(wintest::ControlText(window, 1025), "");

  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1026)));
  SendMessageA(window, WM_RBUTTONDOWN, 0, inside);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1020))) << "no Shift, no Ctrl";
  SendMessageA(window, WM_RBUTTONDOWN, MK_SHIFT, inside);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1020)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1026)));
  SendMessageA(window, WM_RBUTTONDBLCLK, MK_CONTROL, inside);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1020)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1026)));
}

std::string ReadSection(const std::string& iniPath, const char* section) {
  char buffer[4096] = {};
  const DWORD length =
      GetPrivateProfileSectionA(section, buffer, sizeof buffer, iniPath.c_str());
  std::string lines;
  for (DWORD i = 0; i < length; ++i) lines += buffer[i] == '\0' ? '|' : buffer[i];
  return lines;
}

TEST_F(MainWindowTest, PopupSelectionListsStatusesAndOkWritesTheInactiveList) {
  WriteIni(
      "[PopUpCfg]\nEnabledTitle=Pops up\nDisabledTitle=Stays quiet\n"
      "[CodesToBmps]\n600100=1\n600100_C_11=1\n410100=2\n410101=2\n430100=3\n420800=4\n"
      "[ErrorMessages]\n600100=2;Ready;Nothing to do\n600100_C_11=2;Variant;x\n"
      "410100=1;Paper jam\\nTray 2;Open it\n410101=1;Paper jam\\nTray 2;Open it\n"
      "430100=1;Toner low without recovery\n420800=1;;no status\n"
      "[InactivePopups]\n410100=1\n");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  running.Choose(40015);
  HWND dialog = WaitForDialog(Acp("选择弹出消息"));
  ASSERT_NE(dialog, nullptr);

  EXPECT_EQ(wintest::ControlText(dialog, 1032), "Pops up");
  EXPECT_EQ(wintest::ControlText(dialog, 1033), "Stays quiet");
  EXPECT_EQ(wintest::ListItems(dialog, 1003),
            (std::vector<std::string>{"Ready", "Toner low without recovery"}));
  EXPECT_EQ(wintest::ListItems(dialog, 1004), std::vector<std::string>{"Paper jam--Tray 2"});
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 50)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 51)));

  // Select "Ready" in the active list and move it across.
  SendDlgItemMessageA(dialog, 1003, LB_SETSEL, TRUE, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1003, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1003)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 51)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 50)));
  ASSERT_TRUE(wintest::PressButton(dialog, 51));
  EXPECT_TRUE(wintest::WaitUntil([&] { return wintest::ListItems(dialog, 1004).size() == 2; }));
  EXPECT_EQ(wintest::ListItems(dialog, 1003),
            std::vector<std::string>{"Toner low without recovery"});
  EXPECT_EQ(wintest::ListItems(dialog, 1004).size(), 2u);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 51)));

  ASSERT_TRUE(wintest::PressButton(dialog, IDOK));
  EXPECT_TRUE(wintest::WaitForWindowGone(dialog));
  // The folded twin 410101 follows its line.
  EXPECT_EQ(ReadSection(sandbox_.IniPath(), "InactivePopups"), "410100=1|410101=1|600100=1|");
}

TEST_F(MainWindowTest, PopupSelectionCancelWritesNothing) {
  WriteIni("[CodesToBmps]\n600100=1\n[ErrorMessages]\n600100=2;Ready;x\n[InactivePopups]\n600100=1\n");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  running.Choose(40015);
  HWND dialog = WaitForDialog(Acp("选择弹出消息"));
  ASSERT_NE(dialog, nullptr);
  SendDlgItemMessageA(dialog, 1004, LB_SETSEL, TRUE, 0);
  ASSERT_TRUE(wintest::PressButton(dialog, 50));
  EXPECT_TRUE(wintest::WaitUntil([&] { return wintest::ListItems(dialog, 1003).size() == 1; }));
  ASSERT_TRUE(wintest::PressButton(dialog, IDCANCEL));
  EXPECT_TRUE(wintest::WaitForWindowGone(dialog));
  EXPECT_EQ(ReadSection(sandbox_.IniPath(), "InactivePopups"), "600100=1|");
}

TEST_F(MainWindowTest, ClosingTheMonitorEndsAnOpenDialog) {
  WriteIni("");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  running.Choose(40022);
  HWND about = WaitForDialog("About the monitor");
  ASSERT_NE(about, nullptr);
  PostMessageA(running.window(), RegisterWindowMessageA("TUninstClose_J"), 0, 0);
  EXPECT_TRUE(wintest::WaitForWindowGone(about));
  EXPECT_EQ(running.WaitForEnd(), 0);
}

TEST_F(MainWindowTest, BitmapViewerOffersCodesAndOptionsOfTheConfiguration) {
  WriteIni(
      "BmpDebug=1\n"
      "[CodesToBmps]\n600100=1,0\n111110=1,0\n600100_C_11=1,2\n111112=1,0\n"
      "[BMPOptions]\nDEFAULT=1,0\nDUPLEX=0,1\n");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  // Connecting, or the open error when this prefix has no printer of the driver.
  const int current = running.context().statusCode;
  running.Choose(40019);
  HWND viewer = WaitForDialog("Bitmap Browser - " + std::to_string(current));
  ASSERT_NE(viewer, nullptr) << "the current code is preselected";
  EXPECT_EQ(wintest::ListItems(viewer, 1055),
            (std::vector<std::string>{"600100", "111110", "111112"}))
      << "plain codes in file order";
  EXPECT_EQ(wintest::ListItems(viewer, 1059), (std::vector<std::string>{"DEFAULT", "DUPLEX"}));
  SendDlgItemMessageA(viewer, 1055, CB_SETCURSEL, 0, 0);
  SendMessageA(viewer, WM_COMMAND, MAKEWPARAM(1055, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(viewer, 1055)));
  EXPECT_EQ(wintest::WindowText(viewer), "Bitmap Browser - 600100");
  EXPECT_EQ(running.context().statusCode, current) << "the viewer works on a copy";
  PostMessageA(viewer, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wintest::WaitForWindowGone(viewer));
}

TEST_F(MainWindowTest, BitmapViewerReportsAMissingSection) {
  WriteIni("BmpDebug=1\n[BMPOptions]\nDEFAULT=1\n");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  running.Choose(40019);
  wintest::MessageBoxInfo box;
  ASSERT_TRUE(wintest::WaitForMessageBox(box, wintest::kDefaultWaitMs, GetCurrentProcessId()));
  EXPECT_EQ(box.caption, Acp("丢失 INI 数据"));
  EXPECT_NE(box.text.find(Acp("无法定位 [CodesToBmps] 段（INI 文件：“") + sandbox_.IniPath()),
            std::string::npos)
      << box.text;
  EXPECT_NE(box.text.find(Acp("扩充信息 =0")), std::string::npos) << box.text;
  ASSERT_TRUE(wintest::AnswerMessageBox(box, IDOK));
  EXPECT_TRUE(wintest::WaitUntil([] { return FindWindowA(nullptr, "Bitmap Browser") == nullptr; }))
      << "the viewer does not open";
}

// The About box in the personality this run was started with.
TEST_F(MainWindowTest, AboutBoxShowsVersionsConfigurationAndSystem) {
  WriteIni("");
  RunningWindow running(sandbox_, 1);
  ASSERT_NE(running.window(), nullptr);
  running.Choose(40022);
  HWND about = WaitForDialog("About the monitor");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(wintest::ControlText(about, IDOK), "Close it");
  // This test program, which carries no version, is the monitor's module here.
  EXPECT_EQ(wintest::ControlText(about, 1029), "STATMON_WINDOW_TEST.EXE");
  EXPECT_EQ(wintest::ControlText(about, 1030), "TSTMON_J.DLL - 1.00.00.01");
  const std::string config = wintest::ControlText(about, 1031);
  EXPECT_EQ(config.rfind("STATMON.INI - ", 0), 0u) << config;
  EXPECT_EQ(config.size(), std::string("STATMON.INI - ").size() + 21) << "two 10-character fields";

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  const char* name = "Windows";
  if (version.dwPlatformId == 0) name = "Windows Win32s";
  if (version.dwPlatformId == 1 && version.dwMinorVersion < 10) name = "Windows 95";
  if (version.dwPlatformId == 1 && version.dwMinorVersion == 10) name = "Windows 98";
  if (version.dwPlatformId == 2) name = "Windows NT";
  const DWORD build =
      version.dwPlatformId == 2 ? version.dwBuildNumber : LOWORD(version.dwBuildNumber);
  char expected[256];
  std::snprintf(expected, sizeof expected, "%s v%lu.%lu [%lu] %s", name, version.dwMajorVersion,
                version.dwMinorVersion, build, version.szCSDVersion);
  EXPECT_EQ(wintest::ControlText(about, 1067), expected);
  std::printf("[ INFO ] system line: %s\n", expected);
  ASSERT_TRUE(wintest::PressButton(about, IDOK));
  EXPECT_TRUE(wintest::WaitForWindowGone(about));
}

}  // namespace
}  // namespace statmon::testing
