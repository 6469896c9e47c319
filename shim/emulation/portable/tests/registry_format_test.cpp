// The text forms of keys and values in the registry emulation file.
#include "registry_format.h"

#include <gtest/gtest.h>

using namespace regfile;

TEST(RegistryFormat, NamesEveryPredefinedRootAndNothingElse) {
  const struct { uint32_t value; const char* name; } cases[] = {
      {0x80000000u, "HKEY_CLASSES_ROOT"},   {0x80000001u, "HKEY_CURRENT_USER"},
      {0x80000002u, "HKEY_LOCAL_MACHINE"},  {0x80000003u, "HKEY_USERS"},
      {0x80000004u, "HKEY_PERFORMANCE_DATA"}, {0x80000005u, "HKEY_CURRENT_CONFIG"},
      {0x80000006u, "HKEY_DYN_DATA"},
  };
  for (const auto& c : cases) EXPECT_STREQ(RootName(c.value), c.name) << std::hex << c.value;
  EXPECT_EQ(RootName(0x80000007u), nullptr);
  EXPECT_EQ(RootName(0x7FFFFFFFu), nullptr);
  EXPECT_EQ(RootName(0), nullptr);
}

TEST(RegistryFormat, BuildsPathsFromBaseAndSubkey) {
  const struct { const char* base; const char* subkey; const char* path; } cases[] = {
      {"HKEY_LOCAL_MACHINE", "SOFTWARE\\TOLVAN", "HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVAN"},
      {"HKEY_LOCAL_MACHINE", "\\SOFTWARE", "HKEY_LOCAL_MACHINE\\SOFTWARE"},
      {"HKEY_CURRENT_USER\\Software", nullptr, "HKEY_CURRENT_USER\\Software"},
      {"HKEY_CURRENT_USER\\Software", "", "HKEY_CURRENT_USER\\Software"},
      {"", nullptr, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildKeyPath(c.base, c.subkey), c.path) << c.base << " + " << (c.subkey ? c.subkey : "(null)");
  }
  EXPECT_EQ(ParentPath("A\\B\\C"), "A\\B");
  EXPECT_EQ(LeafName("A\\B\\C"), "C");
  EXPECT_EQ(ParentPath("HKEY_USERS"), "");
  EXPECT_EQ(LeafName("HKEY_USERS"), "HKEY_USERS");
}

TEST(RegistryFormat, EncodesBinaryAsLowerCasePairsAndDwordAsElevenCharacters) {
  const uint8_t bytes[] = {0x00, 0xAB, 0x7f, 0x10, 0xFF};
  std::string text;
  ASSERT_TRUE(EncodeValue(kTypeBinary, bytes, 5, &text));
  EXPECT_EQ(text, "00,ab,7f,10,ff");
  ASSERT_TRUE(EncodeValue(kTypeBinary, bytes, 1, &text));
  EXPECT_EQ(text, "00");

  const uint32_t dword = 0x12345678;  // memory order: little-endian on every target
  ASSERT_TRUE(EncodeValue(kTypeDword, reinterpret_cast<const uint8_t*>(&dword), 8, &text));
  EXPECT_EQ(text, "78,56,34,12");
  EXPECT_EQ(text.size(), 11u);
  EXPECT_FALSE(EncodeValue(kTypeDword, bytes, 3, &text));
}

TEST(RegistryFormat, EncodesStringsUpToTheirTerminatorWithinTheGivenSize) {
  const char text1[] = "Tolvan\0rest";
  std::string text;
  ASSERT_TRUE(EncodeValue(kTypeString, reinterpret_cast<const uint8_t*>(text1), sizeof text1, &text));
  EXPECT_EQ(text, "Tolvan");
  // A string without terminator inside the stated size is not read beyond it.
  ASSERT_TRUE(EncodeValue(kTypeString, reinterpret_cast<const uint8_t*>("abcdef"), 3, &text));
  EXPECT_EQ(text, "abc");
  // Any type other than binary and DWORD is stored as text.
  ASSERT_TRUE(EncodeValue(7, reinterpret_cast<const uint8_t*>("a\0b\0"), 4, &text));
  EXPECT_EQ(text, "a");
}

TEST(RegistryFormat, DecidesTheTypeFromTheTextAlone) {
  const struct { const char* text; uint32_t type; size_t size; std::vector<uint8_t> bytes; } cases[] = {
      {"ab,cd", kTypeBinary, 2, {0xab, 0xcd}},         // a string that looks binary is binary
      {"01,02,03,04", kTypeDword, 4, {1, 2, 3, 4}},    // four pairs are a DWORD
      {"AB,Cd,eF", kTypeBinary, 3, {0xab, 0xcd, 0xef}},
      {"12", kTypeBinary, 1, {0x12}},
      {"01,02,03,04,05", kTypeBinary, 5, {1, 2, 3, 4, 5}},
      {"ON", kTypeString, 3, {'O', 'N', 0}},           // not hexadecimal: stays a string
      {"zz,01", kTypeString, 6, {'z', 'z', ',', '0', '1', 0}},
      {"ab;cd", kTypeString, 6, {'a', 'b', ';', 'c', 'd', 0}},
      {"ab,cd,", kTypeString, 7, {'a', 'b', ',', 'c', 'd', ',', 0}},
      {"hello", kTypeString, 6, {'h', 'e', 'l', 'l', 'o', 0}},
      {"__", kTypeString, 3, {'_', '_', 0}},
  };
  for (const auto& c : cases) {
    const DecodedValue v = DecodeValue(c.text);
    EXPECT_EQ(v.type, c.type) << c.text;
    EXPECT_EQ(v.size, c.size) << c.text;
    EXPECT_EQ(v.bytes, c.bytes) << c.text;
  }
}

TEST(RegistryFormat, BinaryRoundTripsThroughText) {
  std::vector<uint8_t> bytes(300);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  std::string text;
  ASSERT_TRUE(EncodeValue(kTypeBinary, bytes.data(), bytes.size(), &text));
  const DecodedValue v = DecodeValue(text);
  EXPECT_EQ(v.type, kTypeBinary);
  EXPECT_EQ(v.bytes, bytes);
}
