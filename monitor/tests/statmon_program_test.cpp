// The real statmon.exe under Wine: single instance, command line, templates,
// the missing resource library, and the ways it is told to close.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "wintest/gui_driver.h"
#include "monitor_sandbox.h"

namespace statmon::testing {
namespace {

constexpr int kMenuExit = 40014;

const char kMinimalIni[] =
    "[Misc]\n"
    "ResourceDLL=TSTMON_J.dll\n"
    "PJLcapabilities=1,2,5\n";

class StatmonProgram : public ::testing::Test {
 protected:
  // Every test states the personality the monitor runs in, so that no test
  // inherits another's from the shared prefix.
  void SetUp() override { ASSERT_TRUE(wintest::SetPersonality("statmon.exe", "winxp")); }
  void TearDown() override { wintest::SetPersonality("statmon.exe", "winxp"); }

  MonitorSandbox sandbox_;
};

// Environment gap: under Wine the system icons are separate handles in each
// process, so the driver cannot name the icon of another process's message
// box (LoadIcon handles differ). There the test checks that the box shows
// an icon at all, and says so.
void ExpectErrorIcon(const wintest::MessageBoxInfo& box) {
  if (box.icon != nullptr) {
    EXPECT_EQ(box.icon, IDI_HAND);
    return;
  }
  bool hasIcon = false;
  for (HWND child = GetWindow(box.window, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        wintest::ClassOf(child) == "Static") {
      hasIcon = SendMessageA(child, STM_GETICON, 0, 0) != 0;
    }
  }
  EXPECT_TRUE(hasIcon) << "the box shows an icon";
  std::printf("[ GAP ] icon kind of another process's message box not identifiable "
              "under Wine; checked that an icon is shown\n");
}

bool IsVisibleControl(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  return control != nullptr && IsWindowVisible(control);
}

TEST_F(StatmonProgram, SampleConfigurationShowsTheMainWindowInChinese) {
  ASSERT_TRUE(sandbox_.UseSampleIni());
  wintest::Process monitor;
  ASSERT_TRUE(sandbox_.Start(monitor));
  HWND window = WaitForMonitorWindow(monitor.Id());
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(wintest::WindowText(window), Acp("TOLVAN 打印机状态监视程序"));
  EXPECT_EQ(wintest::ControlText(window, 1021), Acp("打印机状态："));
  EXPECT_EQ(wintest::ControlText(window, 1015), Acp("打印机状态："));
  EXPECT_EQ(wintest::ControlText(window, 1013), Acp("打印状态："));
  EXPECT_EQ(wintest::ControlText(window, 1017), Acp("打印机状态图："));
  EXPECT_TRUE(IsVisibleControl(window, 1021));
  EXPECT_TRUE(IsVisibleControl(window, 1014));
  EXPECT_FALSE(IsVisibleControl(window, 1015));
  EXPECT_FALSE(IsVisibleControl(window, 1020)) << "the raw reply view starts hidden";
  EXPECT_TRUE(IsVisibleControl(window, 1011)) << "capability 1 (warning list) is configured";
  EXPECT_TRUE(IsVisibleControl(window, 1026));
  EXPECT_TRUE(IsVisibleControl(window, 1064)) << "only Win32s hides the line";
  EXPECT_FALSE(IsIconic(window));

  EXPECT_NE(GetMenu(window), nullptr) << "the template's menu MAINMENU";
  EXPECT_EQ(CloseMonitor(monitor, window), 0);
}

TEST_F(StatmonProgram, SecondCopyShowsTheFirstAndExitsWithZero) {
  sandbox_.WriteIni(kMinimalIni);
  wintest::Process first;
  ASSERT_TRUE(sandbox_.Start(first));
  HWND window = WaitForMonitorWindow(first.Id());
  ASSERT_NE(window, nullptr);
  // The dialog loop shows the window when its queue first empties: hide it
  // only after that, or the monitor's own start-up shows it again.
  WaitForInputIdle(first.Handle(), 5000);
  ShowWindow(window, SW_HIDE);
  ASSERT_TRUE(wintest::WaitForVisibility(window, false));

  wintest::Process second;
  ASSERT_TRUE(sandbox_.Start(second));
  EXPECT_EQ(second.Wait(), 0);
  EXPECT_TRUE(wintest::WaitForVisibility(window, true));
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(FindWindowExA(nullptr, window, "PLMStatusClass__", nullptr), nullptr)
      << "only one monitor window exists";
  EXPECT_EQ(CloseMonitor(first, window), 0);
}

TEST_F(StatmonProgram, OnlySystrayKeepsTheWindowOpen) {
  sandbox_.WriteIni(kMinimalIni);
  struct Case {
    const char* arguments;
    bool minimised;
  } cases[] = {
      {"", false},        {"SYSTRAY", false}, {"systray", false}, {"  SysTray", false},
      {"OTHER", true},    {"SYSTRAYS", true},
  };
  for (const Case& c : cases) {
    wintest::Process monitor;
    ASSERT_TRUE(sandbox_.Start(monitor, c.arguments));
    HWND window = WaitForMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr) << c.arguments;
    if (c.minimised) {
      EXPECT_TRUE(wintest::WaitUntil([&] { return IsIconic(window) != FALSE; }))
          << "arguments: '" << c.arguments << "'";
    } else {
      EXPECT_FALSE(IsIconic(window)) << "arguments: '" << c.arguments << "'";
    }
    EXPECT_EQ(CloseMonitor(monitor, window), 0);
  }
}

TEST_F(StatmonProgram, MissingResourceLibraryIsReportedAndExitsWithOne) {
  sandbox_.WriteIni("[Misc]\nResourceDLL=MISSING_J.DLL\n");
  wintest::Process monitor;
  ASSERT_TRUE(sandbox_.Start(monitor));
  wintest::MessageBoxInfo box;
  ASSERT_TRUE(wintest::WaitForMessageBox(box, wintest::kDefaultWaitMs, monitor.Id()));
  EXPECT_EQ(box.text, "ERROR: Unable to load resource DLL MISSING_J.DLL.");
  EXPECT_EQ(box.caption, "statmon");
  ExpectErrorIcon(box);
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  EXPECT_EQ(FindWindowA("PLMStatusClass__", nullptr), nullptr) << "no window is made";
  ASSERT_TRUE(wintest::AnswerMessageBox(box, IDOK));
  EXPECT_EQ(monitor.Wait(), 1);
}

TEST_F(StatmonProgram, MissingConfigurationNamesNoLibrary) {
  wintest::Process monitor;
  ASSERT_TRUE(sandbox_.Start(monitor));
  wintest::MessageBoxInfo box;
  ASSERT_TRUE(wintest::WaitForMessageBox(box, wintest::kDefaultWaitMs, monitor.Id()));
  EXPECT_EQ(box.text, "ERROR: Unable to load resource DLL .");
  ASSERT_TRUE(wintest::AnswerMessageBox(box, IDOK));
  EXPECT_EQ(monitor.Wait(), 1);
}

TEST_F(StatmonProgram, UninstallerMessageAndExitCommandCloseTheMonitor) {
  sandbox_.WriteIni(kMinimalIni);
  {
    wintest::Process monitor;
    ASSERT_TRUE(sandbox_.Start(monitor));
    HWND window = WaitForMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr);
    PostMessageA(window, RegisterWindowMessageA("TUninstClose_J"), 0, 0);
    EXPECT_EQ(monitor.Wait(), 0);
    EXPECT_TRUE(wintest::WaitForWindowGone(window));
  }
  {
    wintest::Process monitor;
    ASSERT_TRUE(sandbox_.Start(monitor));
    HWND window = WaitForMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wintest::ChooseMenuCommand(window, kMenuExit));
    EXPECT_EQ(monitor.Wait(), kMenuExit) << "the dialog ends with the command id";
  }
}

TEST_F(StatmonProgram, MainDlgChoosesTheTemplate) {
  struct Case {
    const char* mainDlg;
    bool hasJobArea;
  } cases[] = {{"MAIN", true}, {"MAINSMALL", false}, {"MAIN_601W", true}};
  std::vector<RECT> sizes;
  for (const Case& c : cases) {
    sandbox_.WriteIni(std::string(kMinimalIni) + "MainDlg=" + c.mainDlg +
                      "\nStatusTitle=Template " + c.mainDlg + "\n");
    wintest::Process monitor;
    ASSERT_TRUE(sandbox_.Start(monitor));
    HWND window = WaitForMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr) << c.mainDlg;
    EXPECT_EQ(wintest::WindowText(window), std::string("Template ") + c.mainDlg);
    EXPECT_EQ(GetDlgItem(window, 1024) != nullptr, c.hasJobArea) << c.mainDlg;
    EXPECT_NE(GetDlgItem(window, 1016), nullptr) << c.mainDlg;
    RECT client;
    GetClientRect(window, &client);
    sizes.push_back(client);
    EXPECT_EQ(CloseMonitor(monitor, window), 0);
  }
  ASSERT_EQ(sizes.size(), 3u);
  // MAIN 363 x 206, MAINSMALL 316 x 133, MAIN_601W 320 x 196 dialog units.
  EXPECT_GT(sizes[0].right, sizes[2].right);
  EXPECT_GT(sizes[2].right, sizes[1].right);
  EXPECT_GT(sizes[0].bottom, sizes[2].bottom);
  EXPECT_GT(sizes[2].bottom, sizes[1].bottom);
}

TEST_F(StatmonProgram, WarningAreaNeedsCapabilityOne) {
  sandbox_.WriteIni("[Misc]\nResourceDLL=TSTMON_J.dll\nPJLcapabilities=2,5\n");
  wintest::Process monitor;
  ASSERT_TRUE(sandbox_.Start(monitor));
  HWND window = WaitForMonitorWindow(monitor.Id());
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsVisibleControl(window, 1011));
  EXPECT_FALSE(IsVisibleControl(window, 1026));
  EXPECT_EQ(CloseMonitor(monitor, window), 0);
}

TEST_F(StatmonProgram, Win32sStartsWithoutTheLine) {
  sandbox_.WriteIni(std::string(kMinimalIni) + "UseTimer=0\n");
  ASSERT_TRUE(wintest::SetPersonality("statmon.exe", "win31"));
  wintest::Process monitor;
  ASSERT_TRUE(sandbox_.Start(monitor));
  HWND window = WaitForMonitorWindow(monitor.Id());
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsVisibleControl(window, 1064));
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(CloseMonitor(monitor, window), 0);
}

}  // namespace
}  // namespace statmon::testing
