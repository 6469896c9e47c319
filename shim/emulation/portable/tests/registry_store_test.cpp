// The registry operations on an INI file kept in memory.
#include "registry_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "memory_profile.h"

using namespace regfile;

namespace {

const char kRoot[] = "HKEY_LOCAL_MACHINE";
const char kTolvan[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN";

class RegistryStoreTest : public ::testing::Test {
 protected:
  long SetString(const std::string& path, const char* name, const char* text) {
    return store.SetValue(path, name, kTypeString, reinterpret_cast<const uint8_t*>(text),
                          static_cast<uint32_t>(strlen(text) + 1));
  }
  MemoryProfile file;
  RegistryStore store{file};
};

}  // namespace

TEST_F(RegistryStoreTest, CreatingThreeLevelsWritesOnlyTheLastMarker) {
  ASSERT_EQ(store.CreateKey("HKEY_LOCAL_MACHINE\\A\\B\\C"), kSuccess);
  EXPECT_EQ(file.Text(), "[HKEY_LOCAL_MACHINE\\A\\B]\nC=__\n");
  EXPECT_EQ(store.OpenKey("HKEY_LOCAL_MACHINE\\A\\B\\C"), kSuccess);  // marker in parent
  EXPECT_EQ(store.OpenKey("HKEY_LOCAL_MACHINE\\A\\B"), kSuccess);     // entries of its own
  EXPECT_EQ(store.OpenKey("HKEY_LOCAL_MACHINE\\A"), kFileNotFound);   // neither
  ASSERT_EQ(store.CreateKey("HKEY_LOCAL_MACHINE\\A"), kSuccess);
  EXPECT_EQ(store.OpenKey("HKEY_LOCAL_MACHINE\\A"), kSuccess);
}

TEST_F(RegistryStoreTest, CreateReportsAFailedWrite) {
  file.failWrites = true;
  EXPECT_EQ(store.CreateKey("HKEY_LOCAL_MACHINE\\A"), kInvalidParameter);
  EXPECT_EQ(SetString(kTolvan, "x", "y"), kInvalidParameter);
}

TEST_F(RegistryStoreTest, SetValueRejectsMissingArguments) {
  const uint8_t data[4] = {1, 2, 3, 4};
  EXPECT_EQ(store.SetValue("", "n", kTypeBinary, data, 4), kInvalidParameter);
  EXPECT_EQ(store.SetValue(kTolvan, nullptr, kTypeBinary, data, 4), kInvalidParameter);
  EXPECT_EQ(store.SetValue(kTolvan, "n", kTypeBinary, nullptr, 4), kInvalidParameter);
  EXPECT_EQ(store.SetValue(kTolvan, "n", kTypeBinary, data, 0), kInvalidParameter);
  EXPECT_EQ(store.SetValue(kTolvan, "n", kTypeDword, data, 2), kInvalidParameter);
  EXPECT_EQ(file.Text(), "");
}

TEST_F(RegistryStoreTest, ValuesReadBackWithTypeAndSize) {
  const uint32_t dword = 0x01020304;
  const uint8_t binary[4] = {9, 8, 7, 6};
  ASSERT_EQ(store.SetValue(kTolvan, "D", kTypeDword, reinterpret_cast<const uint8_t*>(&dword), 4), kSuccess);
  ASSERT_EQ(store.SetValue(kTolvan, "B4", kTypeBinary, binary, 4), kSuccess);
  ASSERT_EQ(store.SetValue(kTolvan, "B2", kTypeBinary, binary, 2), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "S", "hello"), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "Looks", "ab,cd"), kSuccess);
  EXPECT_EQ(file.Text(),
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\nD=04,03,02,01\nB4=09,08,07,06\nB2=09,08\n"
            "S=hello\nLooks=ab,cd\n");

  const struct { const char* name; uint32_t type; uint32_t size; } cases[] = {
      {"D", kTypeDword, 4}, {"B4", kTypeDword, 4}, {"B2", kTypeBinary, 2},
      {"S", kTypeString, 6}, {"Looks", kTypeBinary, 2},
  };
  for (const auto& c : cases) {
    uint32_t type = 0xDEADBEEF, size = 64;
    uint8_t data[64] = {};
    ASSERT_EQ(store.QueryValue(kTolvan, c.name, &type, data, &size), kSuccess) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(size, c.size) << c.name;
  }
  uint32_t value = 0, size = 4;
  ASSERT_EQ(store.QueryValue(kTolvan, "D", nullptr, reinterpret_cast<uint8_t*>(&value), &size), kSuccess);
  EXPECT_EQ(value, dword);
}

TEST_F(RegistryStoreTest, QueryReportsMissingShortAndSizeOnly) {
  ASSERT_EQ(SetString(kTolvan, "S", "hello"), kSuccess);
  uint8_t data[8];
  memset(data, 0xEE, sizeof data);
  uint32_t type = 0, size = 5;
  EXPECT_EQ(store.QueryValue(kTolvan, "S", &type, data, &size), kMoreData);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(data[0], 0xEE);  // nothing copied

  size = 0;
  EXPECT_EQ(store.QueryValue(kTolvan, "S", &type, nullptr, &size), kSuccess);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(store.QueryValue(kTolvan, "S", nullptr, data, nullptr), kInvalidParameter);
  EXPECT_EQ(store.QueryValue(kTolvan, "missing", &type, data, &size), kFileNotFound);
  EXPECT_EQ(store.QueryValue("", "S", &type, data, &size), kInvalidParameter);
}

TEST_F(RegistryStoreTest, AnEmptyTextReadsAsMissing) {
  file.WriteEntry(kTolvan, "Empty", "");
  uint32_t size = 0;
  EXPECT_EQ(store.QueryValue(kTolvan, "Empty", nullptr, nullptr, &size), kFileNotFound);
}

TEST_F(RegistryStoreTest, EnumValueSkipsMarkers) {
  ASSERT_EQ(SetString(kTolvan, "First", "1st"), kSuccess);
  ASSERT_EQ(store.CreateKey(std::string(kTolvan) + "\\Sub"), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "Second", "2nd"), kSuccess);

  const char* expected[] = {"First", "Second"};
  for (uint32_t i = 0; i < 2; ++i) {
    char name[16];
    uint32_t chars = sizeof name, type = 0, size = 16;
    uint8_t data[16];
    ASSERT_EQ(store.EnumValue(kTolvan, i, name, &chars, &type, data, &size), kSuccess);
    EXPECT_STREQ(name, expected[i]);
    EXPECT_EQ(chars, strlen(expected[i]));
    EXPECT_EQ(type, kTypeString);
    EXPECT_EQ(size, 4u);
  }
  char name[16];
  uint32_t chars = sizeof name;
  EXPECT_EQ(store.EnumValue(kTolvan, 2, name, &chars, nullptr, nullptr, nullptr), kNoMoreItems);
  chars = 5;  // "First" needs 6
  EXPECT_EQ(store.EnumValue(kTolvan, 0, name, &chars, nullptr, nullptr, nullptr), kInsufficientBuffer);
  chars = 6;
  uint32_t size = 2;
  uint8_t data[2];
  EXPECT_EQ(store.EnumValue(kTolvan, 0, name, &chars, nullptr, data, &size), kMoreData);
}

TEST_F(RegistryStoreTest, EnumKeyListsValuesAndSubkeysInFileOrder) {
  ASSERT_EQ(SetString(kTolvan, "Value", "v"), kSuccess);
  ASSERT_EQ(store.CreateKey(std::string(kTolvan) + "\\Sub"), kSuccess);
  char name[8];
  ASSERT_EQ(store.EnumKey(kTolvan, 0, name, sizeof name), kSuccess);
  EXPECT_STREQ(name, "Value");
  ASSERT_EQ(store.EnumKey(kTolvan, 1, name, sizeof name), kSuccess);
  EXPECT_STREQ(name, "Sub");
  EXPECT_EQ(store.EnumKey(kTolvan, 2, name, sizeof name), kNoMoreItems);
  EXPECT_EQ(store.EnumKey(kTolvan, 0, name, 5), kInsufficientBuffer);
  EXPECT_EQ(store.EnumKey(kTolvan, 0, name, 6), kSuccess);
}

TEST_F(RegistryStoreTest, DeletingTheLastValueCascadesOneLevelAtATime) {
  // HKLM\SOFTWARE holds only the marker of TOLVAN; TOLVAN holds one value.
  ASSERT_EQ(store.CreateKey(std::string(kRoot) + "\\SOFTWARE"), kSuccess);
  ASSERT_EQ(store.CreateKey(kTolvan), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "Only", "x"), kSuccess);
  ASSERT_EQ(SetString(kRoot, "Keep", "k"), kSuccess);

  ASSERT_EQ(store.DeleteValue(kTolvan, "Only"), kSuccess);
  // TOLVAN emptied, its marker removed; SOFTWARE emptied, its marker removed;
  // the root keeps its other value.
  EXPECT_EQ(file.Text(), "[HKEY_LOCAL_MACHINE]\nKeep=k\n");
  EXPECT_EQ(store.DeleteValue("", "x"), kInvalidParameter);
}

TEST_F(RegistryStoreTest, DeletingAValueOfAKeyWithOthersKeepsTheKey) {
  ASSERT_EQ(store.CreateKey(kTolvan), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "A", "a"), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "B", "b"), kSuccess);
  ASSERT_EQ(store.DeleteValue(kTolvan, "A"), kSuccess);
  EXPECT_EQ(file.Text(),
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\nTOLVAN=__\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN]\nB=b\n");
}

TEST_F(RegistryStoreTest, DeleteKeyRemovesItsSectionAndMarkerButNotDeeperSections) {
  const std::string sub = std::string(kTolvan) + "\\Sub";
  const std::string deeper = sub + "\\Deeper";
  ASSERT_EQ(store.CreateKey(kTolvan), kSuccess);
  ASSERT_EQ(SetString(kTolvan, "Stay", "s"), kSuccess);
  ASSERT_EQ(store.CreateKey(sub), kSuccess);
  ASSERT_EQ(SetString(sub, "V", "v"), kSuccess);
  ASSERT_EQ(SetString(deeper, "W", "w"), kSuccess);

  ASSERT_EQ(store.DeleteKey(sub), kSuccess);
  EXPECT_FALSE(file.HasSection(sub));
  EXPECT_TRUE(file.HasSection(deeper));
  EXPECT_EQ(file.ReadEntry(kTolvan, "Sub"), "");
  EXPECT_EQ(file.ReadEntry(kTolvan, "Stay"), "s");
}
