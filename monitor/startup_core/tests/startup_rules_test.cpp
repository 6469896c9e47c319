#include "startup_rules.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(InitialShowWindow, AcceptsOnlySystrayAfterLeadingBlanks) {
  struct Case {
    const char* commandLine;
    int showCommand;
    int expected;
  } cases[] = {
      {nullptr, 1, 1},          {"", 1, 1},
      {"", kShowHide, 0},       {"", kShowMinimize, 0},
      {"SYSTRAY", 1, 1},        {"systray", 1, 1},
      {"SysTray", 10, 1},       {"  \t SYSTRAY", 1, 1},
      {"\x01\x1fSYSTRAY", 1, 1},
      {"SYSTRAY", kShowMinimize, 0},
      {"SYSTRAY ", 1, 0},       {"SYSTRAYX", 1, 0},
      {"SYSTRA", 1, 0},         {"/SYSTRAY", 1, 0},
      {"other", 1, 0},          {"   ", 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InitialShowWindow(c.commandLine, c.showCommand), c.expected)
        << (c.commandLine ? c.commandLine : "(null)") << " show " << c.showCommand;
  }
}

TEST(HasTray, OnlyWin32sAndNt3LackTheNotificationArea) {
  EXPECT_EQ(HasTray(kPlatformWin32s, 3), 0);
  EXPECT_EQ(HasTray(kPlatformWindows9x, 4), 1);
  EXPECT_EQ(HasTray(kPlatformNt, 3), 0);
  EXPECT_EQ(HasTray(kPlatformNt, 4), 1);
  EXPECT_EQ(HasTray(kPlatformNt, 5), 1);
}

TEST(MainWindowShowCommand, WithoutTrayHidingMinimisesAndTheRestRestores) {
  EXPECT_EQ(MainWindowShowCommand(1, kShowHide), kShowHide);
  EXPECT_EQ(MainWindowShowCommand(1, 5), 5);
  EXPECT_EQ(MainWindowShowCommand(0, kShowHide), kShowMinimize);
  EXPECT_EQ(MainWindowShowCommand(0, kShowMinimize), kShowMinimize);
  EXPECT_EQ(MainWindowShowCommand(0, 5), kShowRestore);
  EXPECT_EQ(MainWindowShowCommand(0, 1), kShowRestore);
}

TEST(LocateConfig, NamesTheIniAfterTheProgramInItsDirectory) {
  struct Case {
    const char* path;
    const char* directory;
    const char* baseName;
    const char* iniPath;
  } cases[] = {
      {"C:\\TOLVAN\\QXSTATUS.EXE", "C:\\TOLVAN\\", "QXSTATUS", "C:\\TOLVAN\\QXSTATUS.ini"},
      {"C:\\statmon.exe", "C:\\", "statmon", "C:\\statmon.ini"},
      {"Z:\\a.b\\mon.v2.exe", "Z:\\a.b\\", "mon.v2", "Z:\\a.b\\mon.v2.ini"},
      {"\\\\srv\\share\\mon", "\\\\srv\\share\\", "mon", "\\\\srv\\share\\mon.ini"},
      {"C:mon.exe", "C:", "mon", "C:mon.ini"},
  };
  for (const Case& c : cases) {
    const ConfigLocation location = LocateConfig(c.path);
    EXPECT_EQ(location.directory, c.directory) << c.path;
    EXPECT_EQ(location.baseName, c.baseName) << c.path;
    EXPECT_EQ(location.iniPath, c.iniPath) << c.path;
  }
}

TEST(CopyToFixed, RefusesTextThatLeavesNoRoomForTheTerminator) {
  char buffer[100];
  EXPECT_TRUE(CopyToFixed(std::string(99, 'a'), buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), std::string(99, 'a'));
  EXPECT_FALSE(CopyToFixed(std::string(100, 'b'), buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace statmon
