// Printer data through the layer on a real printer: text values keep the
// caller's ANSI (GBK) text; on the NT family they are stored as UTF-16 by
// the Unicode functions, twice the ANSI length plus 2 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "layer_test_support.h"

using namespace tspool_test;

namespace {

// "中文打印机状态" in code page 936.
const char kChineseText[] = "\xD6\xD0\xCE\xC4\xB4\xF2\xD3\xA1\xBB\xFA\xD7\xB4\xCC\xAC";
const wchar_t kChineseWide[] = L"\x4E2D\x6587\x6253\x5370\x673A\x72B6\x6001";

class PrinterData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 936u) << "the tests run in the zh_CN locale";
    ASSERT_TRUE(printer_.ok()) << "Wine's spooler refused the test printer";
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    ASSERT_TRUE(OpenPrinterA(printer_.mutableName(), &handle_, &defaults));
  }
  void TearDown() override {
    if (handle_) ClosePrinter(handle_);
  }

  DWORD SetText(const char* name, const char* text, DWORD size) {
    return SetPrinterDataA(handle_, const_cast<LPSTR>(name), REG_SZ,
                           reinterpret_cast<LPBYTE>(const_cast<char*>(text)), size);
  }

  ScopedLayer layer_;
  ScopedRealPrinter printer_{"TOLVAN Printer Data Test"};
  HANDLE handle_ = nullptr;
};

TEST_F(PrinterData, TextRoundTripsAsTheSameAnsiText) {
  ASSERT_EQ(SetText("TolvanText", kChineseText, sizeof kChineseText), 0u);
  char data[128];
  std::memset(data, 0x55, sizeof data);
  DWORD type = kCanary, needed = kCanary;
  SetLastError(kCanary);
  ASSERT_EQ(GetPrinterDataA(handle_, const_cast<LPSTR>("TolvanText"), &type,
                            reinterpret_cast<LPBYTE>(data), sizeof data, &needed), 0u);
  EXPECT_EQ(GetLastError(), 0u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, kChineseText);
}

TEST_F(PrinterData, NtStoresTextAsUtf16OfTwiceTheAnsiLengthPlusTwo) {
  if (!RunningOnNt()) GTEST_SKIP() << "the Unicode detour is the NT family's";
  ASSERT_EQ(SetText("TolvanText", kChineseText, sizeof kChineseText), 0u);
  BYTE data[128] = {};
  DWORD type = kCanary, needed = kCanary;
  ASSERT_EQ(Real().GetPrinterDataW(handle_, const_cast<LPWSTR>(L"TolvanText"), &type, data,
                                   sizeof data, &needed), 0u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(needed, 2 * std::strlen(kChineseText) + 2);
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(data)), kChineseWide);
}

TEST_F(PrinterData, TextIsNeverReadBeyondTheCallersSize) {
  if (!RunningOnNt()) GTEST_SKIP() << "the Unicode detour is the NT family's";
  // Six characters handed over with a size of three: only "ABC" is the data.
  ASSERT_EQ(SetText("TolvanShort", "ABCDEF", 3), 0u);
  char data[32] = {};
  DWORD type = 0, needed = 0;
  ASSERT_EQ(GetPrinterDataA(handle_, const_cast<LPSTR>("TolvanShort"), &type,
                            reinterpret_cast<LPBYTE>(data), sizeof data, &needed), 0u);
  EXPECT_STREQ(data, "ABC");
}

TEST_F(PrinterData, TextConvertsBackWithoutATypePointer) {
  ASSERT_EQ(SetText("TolvanText", kChineseText, sizeof kChineseText), 0u);
  char data[128] = {};
  DWORD needed = 0;
  ASSERT_EQ(GetPrinterDataA(handle_, const_cast<LPSTR>("TolvanText"), nullptr,
                            reinterpret_cast<LPBYTE>(data), sizeof data, &needed), 0u);
  EXPECT_STREQ(data, kChineseText);
}

TEST_F(PrinterData, OtherTypesPassUnchanged) {
  struct Case {
    const char* name;
    DWORD type;
    BYTE bytes[4];
  };
  const Case cases[] = {{"TolvanDword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
                        {"TolvanBinary", REG_BINARY, {0xD6, 0xD0, 0x00, 0xCE}}};
  for (const Case& c : cases) {
    ASSERT_EQ(SetPrinterDataA(handle_, const_cast<LPSTR>(c.name), c.type,
                              const_cast<LPBYTE>(c.bytes), sizeof c.bytes), 0u) << c.name;
    BYTE data[8];
    std::memset(data, 0x55, sizeof data);
    DWORD type = kCanary, needed = kCanary;
    ASSERT_EQ(GetPrinterDataA(handle_, const_cast<LPSTR>(c.name), &type, data, sizeof data,
                              &needed), 0u) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(needed, sizeof c.bytes) << c.name;
    EXPECT_EQ(std::memcmp(data, c.bytes, sizeof c.bytes), 0) << c.name;
    EXPECT_EQ(data[4], 0x55) << c.name;
  }
}

TEST_F(PrinterData, MissingValueReportsItsErrorAsResultAndLastError) {
  BYTE data[8];
  std::memset(data, 0x55, sizeof data);
  DWORD type = kCanary, needed = 0;
  SetLastError(kCanary);
  const DWORD result = GetPrinterDataA(handle_, const_cast<LPSTR>("TolvanMissing"), &type, data,
                                       sizeof data, &needed);
  EXPECT_EQ(result, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetLastError(), result);
  EXPECT_EQ(data[0], 0x55);
}

TEST_F(PrinterData, ShortBufferAsksForMoreAndLeavesItUntouched) {
  ASSERT_EQ(SetText("TolvanText", kChineseText, sizeof kChineseText), 0u);
  char data[4];
  std::memset(data, 0x55, sizeof data);
  DWORD type = 0, needed = 0;
  EXPECT_EQ(GetPrinterDataA(handle_, const_cast<LPSTR>("TolvanText"), &type,
                            reinterpret_cast<LPBYTE>(data), sizeof data, &needed),
            static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_GE(needed, sizeof kChineseText);
  EXPECT_EQ(data[0], 0x55);
}

}  // namespace
