// The emulated registry functions against the real "RAVA32V.INI" in the
// Windows directory, in the Win32s personality.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "emulated.h"
#include "emulation_test_support.h"

namespace {

class EmulatedRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    emulation::Configure({true, GetModuleHandleA(nullptr)});
    file = emutest::WindowsFile("RAVA32V.INI");
    emutest::RemoveIni(file);
  }
  void TearDown() override {
    for (HKEY key : open) emulation::RegCloseKey(key);
    emutest::RemoveIni(file);
  }
  HKEY Create(HKEY parent, const char* subkey) {
    HKEY key = reinterpret_cast<HKEY>(0xDEADBEEF);
    EXPECT_EQ(emulation::RegCreateKeyA(parent, subkey, &key), ERROR_SUCCESS) << subkey;
    open.push_back(key);
    return key;
  }
  LONG SetString(HKEY key, const char* name, const char* text) {
    return emulation::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                     static_cast<DWORD>(strlen(text) + 1));
  }
  LONG SetBinary(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    return emulation::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  std::string file;
  std::vector<HKEY> open;
};

TEST_F(EmulatedRegistry, RunsInTheWin32sPersonality) {
  EXPECT_NE(GetVersion() & 0x80000000u, 0u) << "the test must run with Wine's win31 personality";
}

TEST_F(EmulatedRegistry, CreatingThreeLevelsWritesOnlyTheThirdMarker) {
  HKEY c = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN\\Setup");
  EXPECT_EQ(emutest::IniText(file), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\nSetup=__\n");
  EXPECT_STREQ(reinterpret_cast<const char*>(c), "HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN\\Setup");

  HKEY key = reinterpret_cast<HKEY>(0xDEADBEEF);
  EXPECT_EQ(emulation::RegOpenKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, reinterpret_cast<HKEY>(0xDEADBEEF));
  ASSERT_EQ(emulation::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN", 0, KEY_READ, &key), ERROR_SUCCESS);
  open.push_back(key);
  ASSERT_EQ(emulation::RegOpenKeyA(key, "Setup", &key), ERROR_SUCCESS);
  open.push_back(key);

  Create(HKEY_LOCAL_MACHINE, "SOFTWARE");
  EXPECT_EQ(emulation::RegOpenKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE", &key), ERROR_SUCCESS);
  open.push_back(key);
}

TEST_F(EmulatedRegistry, CreateKeyExReportsTheDispositionAndSubkeysMayStartWithABackslash) {
  HKEY key;
  DWORD disposition = 0;
  ASSERT_EQ(emulation::RegCreateKeyExA(HKEY_CURRENT_USER, "\\Software\\TOLVAN", 0, nullptr, 0,
                                       KEY_ALL_ACCESS, nullptr, &key, &disposition), ERROR_SUCCESS);
  open.push_back(key);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  ASSERT_EQ(emulation::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TOLVAN", 0, nullptr, 0,
                                       KEY_ALL_ACCESS, nullptr, &key, &disposition), ERROR_SUCCESS);
  open.push_back(key);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  EXPECT_EQ(emutest::IniText(file), "[HKEY_CURRENT_USER\\Software]\nTOLVAN=__\n");
  EXPECT_EQ(emulation::RegCreateKeyA(HKEY_CURRENT_USER, "x", nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(emulation::RegCreateKeyA(nullptr, "x", &key), ERROR_INVALID_PARAMETER);
}

TEST_F(EmulatedRegistry, WritesEachTypeAsThePartsOfTheFileSay) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  const DWORD dword = 0x0000ABCD;
  const BYTE bytes[] = {0x00, 0x1F, 0xA0, 0xFF, 0x42};
  const DWORD zero = 0;
  ASSERT_EQ(SetBinary(key, "Dword", REG_DWORD, &dword, 4), ERROR_SUCCESS);
  ASSERT_EQ(SetBinary(key, "Zero", REG_DWORD, &zero, 4), ERROR_SUCCESS);
  ASSERT_EQ(SetBinary(key, "Binary", REG_BINARY, bytes, 5), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "Text", "C:\\TOLVAN"), ERROR_SUCCESS);
  ASSERT_EQ(SetBinary(key, "Expand", REG_EXPAND_SZ, "%TEMP%", 7), ERROR_SUCCESS);
  EXPECT_EQ(emutest::IniText(file),
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\nTOLVAN=__\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\n"
            "Dword=cd,ab,00,00\nZero=00,00,00,00\nBinary=00,1f,a0,ff,42\nText=C:\\TOLVAN\nExpand=%TEMP%\n");
}

TEST_F(EmulatedRegistry, SetValueRejectsMissingArguments) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  const BYTE data[4] = {1, 2, 3, 4};
  EXPECT_EQ(SetBinary(nullptr, "n", REG_BINARY, data, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetBinary(key, nullptr, REG_BINARY, data, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetBinary(key, "n", REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetBinary(key, "n", REG_BINARY, data, 0), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(emutest::IniText(file), "[HKEY_LOCAL_MACHINE\\SOFTWARE]\nTOLVAN=__\n");
}

TEST_F(EmulatedRegistry, ReadsTheTypeBackFromTheText) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  const BYTE four[] = {1, 2, 3, 4};
  ASSERT_EQ(SetString(key, "LooksBinary", "0a,0b"), ERROR_SUCCESS);
  ASSERT_EQ(SetBinary(key, "FourBytes", REG_BINARY, four, 4), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "Word", "ON"), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "Path", "C:\\WINDOWS"), ERROR_SUCCESS);

  const struct { const char* name; DWORD type; DWORD size; } cases[] = {
      {"LooksBinary", REG_BINARY, 2}, {"FourBytes", REG_DWORD, 4},
      {"Word", REG_SZ, 3}, {"Path", REG_SZ, 11},
  };
  for (const auto& c : cases) {
    BYTE data[32];
    DWORD type = 0xDEADBEEF, size = sizeof data;
    ASSERT_EQ(emulation::RegQueryValueExA(key, c.name, nullptr, &type, data, &size), ERROR_SUCCESS) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(size, c.size) << c.name;
  }
  DWORD value = 0, size = sizeof value;
  ASSERT_EQ(emulation::RegQueryValueExA(key, "FourBytes", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
  EXPECT_EQ(value, 0x04030201u);
}

TEST_F(EmulatedRegistry, QueryReportsMissingAndShortBuffers) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  ASSERT_EQ(SetString(key, "Text", "abcdef"), ERROR_SUCCESS);
  BYTE data[8];
  memset(data, 0xEE, sizeof data);
  DWORD type = 0xDEADBEEF, size = 6;
  EXPECT_EQ(emulation::RegQueryValueExA(key, "Text", nullptr, &type, data, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(data[0], 0xEE);
  size = 0;
  EXPECT_EQ(emulation::RegQueryValueExA(key, "Text", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  size = sizeof data;
  EXPECT_EQ(emulation::RegQueryValueExA(key, "Missing", nullptr, &type, data, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(emulation::RegQueryValueExA(nullptr, "Text", nullptr, &type, data, &size), ERROR_INVALID_PARAMETER);
}

TEST_F(EmulatedRegistry, EnumerationsSeeValuesAndSubkeysAsThePartSays) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  ASSERT_EQ(SetString(key, "Alpha", "a"), ERROR_SUCCESS);
  Create(key, "Child");
  ASSERT_EQ(SetString(key, "Beta", "b"), ERROR_SUCCESS);

  // RegEnumKeyA lists every entry name, value or marker.
  const char* entries[] = {"Alpha", "Child", "Beta"};
  for (DWORD i = 0; i < 3; ++i) {
    char name[16];
    ASSERT_EQ(emulation::RegEnumKeyA(key, i, name, sizeof name), ERROR_SUCCESS);
    EXPECT_STREQ(name, entries[i]);
  }
  char name[16];
  EXPECT_EQ(emulation::RegEnumKeyA(key, 3, name, sizeof name), ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(emulation::RegEnumKeyA(key, 0, name, 5), ERROR_INSUFFICIENT_BUFFER);

  // RegEnumValueA skips the marker.
  const char* values[] = {"Alpha", "Beta"};
  for (DWORD i = 0; i < 2; ++i) {
    DWORD chars = sizeof name, type = 0, size = 8;
    BYTE data[8];
    ASSERT_EQ(emulation::RegEnumValueA(key, i, name, &chars, nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_STREQ(name, values[i]);
    EXPECT_EQ(chars, strlen(values[i]));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2u);
  }
  DWORD chars = sizeof name;
  EXPECT_EQ(emulation::RegEnumValueA(key, 2, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
  chars = 5;
  EXPECT_EQ(emulation::RegEnumValueA(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_INSUFFICIENT_BUFFER);
}

TEST_F(EmulatedRegistry, DeletingTheLastValueRemovesKeysUpwards) {
  HKEY tolvan = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  HKEY software = Create(HKEY_LOCAL_MACHINE, "SOFTWARE");
  ASSERT_EQ(SetString(tolvan, "Only", "x"), ERROR_SUCCESS);
  ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, "Other", "y"), ERROR_SUCCESS);
  (void)software;
  EXPECT_EQ(emutest::IniText(file),
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\nTOLVAN=__\n[HKEY_LOCAL_MACHINE]\nSOFTWARE=__\nOther=y\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\nOnly=x\n");
  ASSERT_EQ(emulation::RegDeleteValueA(tolvan, "Only"), ERROR_SUCCESS);
  EXPECT_EQ(emutest::IniText(file), "[HKEY_LOCAL_MACHINE]\nOther=y\n");
  EXPECT_EQ(emulation::RegDeleteValueA(nullptr, "Only"), ERROR_INVALID_PARAMETER);
}

TEST_F(EmulatedRegistry, DeleteKeyLeavesDeeperSections) {
  HKEY tolvan = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN");
  ASSERT_EQ(SetString(tolvan, "Keep", "k"), ERROR_SUCCESS);
  HKEY child = Create(tolvan, "Child");
  ASSERT_EQ(SetString(child, "V", "v"), ERROR_SUCCESS);
  HKEY grandchild = Create(child, "Grandchild");
  ASSERT_EQ(SetString(grandchild, "W", "w"), ERROR_SUCCESS);

  ASSERT_EQ(emulation::RegDeleteKeyA(tolvan, "Child"), ERROR_SUCCESS);
  EXPECT_EQ(emutest::IniText(file),
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\nTOLVAN=__\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\nKeep=k\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN\\Child\\Grandchild]\nW=w\n");
  EXPECT_EQ(emulation::RegDeleteKeyA(tolvan, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(EmulatedRegistry, CloseFreesHandlesAndRejectsNull) {
  HKEY key;
  ASSERT_EQ(emulation::RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TOLVAN", &key), ERROR_SUCCESS);
  EXPECT_EQ(emulation::RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(emulation::RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
  EXPECT_EQ(emulation::RegCloseKey(nullptr), ERROR_INVALID_PARAMETER);
}

}  // namespace
