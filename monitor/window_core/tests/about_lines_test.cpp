#include "about_lines.h"

#include <gtest/gtest.h>

namespace statmon {
namespace {

TEST(AboutLines, VersionPartsArePaddedToTwoDigits) {
  EXPECT_EQ(FormatFileVersion({0x00010000, 0x00000001}), "1.00.00.01");
  EXPECT_EQ(FormatFileVersion({0x0004000A, 0x08AE0C00}), "4.10.2222.3072");
  EXPECT_EQ(FormatFileVersion({0xFFFFFFFF, 0}), "65535.65535.00.00");
}

TEST(AboutLines, ModuleLineIsTheUpperCaseNameADashAndTheVersion) {
  const FileVersion version{0x00010000, 0x00000001};
  struct Case {
    const char* name;
    const FileVersion* version;
    const char* line;
  } cases[] = {
      {"statmon.exe", &version, "STATMON.EXE - 1.00.00.01"},
      {"C:\\Program Files\\Tolvan\\Tstmon_j.dll", &version, "TSTMON_J.DLL - 1.00.00.01"},
      {"c:/x/qx.exe", &version, "QX.EXE - 1.00.00.01"},
      {"noversion.dll", nullptr, "NOVERSION.DLL"},
      {"", &version, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ModuleVersionLine(c.name, c.version), c.line) << c.name;
}

TEST(AboutLines, DoubleByteNamesKeepTheirTrailBytes) {
  // "\xB4\x61" is a GBK pair whose trail byte is the letter 'a'.
  EXPECT_EQ(ModuleVersionLine("\xB4\x61.ini", nullptr), "\xB4\x61.INI");
  // "\xD5\x5C" ends in the byte of a backslash: it is no directory separator.
  EXPECT_EQ(ModuleVersionLine("C:\\dir\\\xD5\x5Cx.ini", nullptr), "\xD5\x5CX.INI");
}

TEST(AboutLines, FileTimeLinePadsDateAndTimeToTenCharacters) {
  EXPECT_EQ(FileTimeLine("statmon.ini", "2026/12/8", "10:30"),
            "STATMON.INI - 2026/12/8  10:30     ");
  EXPECT_EQ(FileTimeLine("a.ini", "2026-12-08", "23:59"), "A.INI - 2026-12-08 23:59     ");
  EXPECT_EQ(FileTimeLine("a.ini", "", ""), "A.INI");
}

TEST(AboutLines, SystemLineNamesThePlatform) {
  struct Case {
    SystemVersion system;
    const char* line;
  } cases[] = {
      {{0, 3, 10, 0, "Win32s 1.3"}, "Windows Win32s v3.10 [0] Win32s 1.3"},
      {{1, 4, 0, 0x040003B6, ""}, "Windows 95 v4.0 [950] "},
      {{1, 4, 10, 0x040A08AE, " A "}, "Windows 98 v4.10 [2222]  A "},
      {{1, 4, 90, 0x045A0BB8, " "}, "Windows v4.90 [3000]  "},
      {{2, 5, 1, 2600, "Service Pack 3"}, "Windows NT v5.1 [2600] Service Pack 3"},
      {{2, 6, 0, 0x00010000, ""}, "Windows NT v6.0 [65536] "},
      {{3, 1, 0, 7, "x"}, "Windows v1.0 [7] x"},
  };
  for (const Case& c : cases) EXPECT_EQ(SystemLine(c.system), c.line) << c.line;
}

}  // namespace
}  // namespace statmon
