// The monitor's Windows layer called in-process: the real profile functions
// with the real string table, the platform, the PJL log and the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "expected_names.h"
#include "wintest/gui_driver.h"
#include "misc_settings.h"
#include "monitor_context.h"
#include "monitor_sandbox.h"
#include "monitor_strings.h"
#include "pjl_log.h"
#include "profile_file.h"
#include "registry_settings.h"
#include "startup.h"

namespace statmon::testing {
namespace {

// statmon.exe's resources, loaded as data for its string table.
class StatmonResources {
 public:
  StatmonResources()
      : module_(LoadLibraryExA((wintest::BinDirectory() + "\\statmon.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE)) {}
  ~StatmonResources() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

std::string TempFile(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  return std::string(temp) + name + std::to_string(GetCurrentProcessId());
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(StringTable, HoldsEveryConfigurationName) {
  StatmonResources statmon;
  ASSERT_NE(statmon.get(), nullptr);
  for (const ExpectedName& name : kExpectedNames) {
    EXPECT_STREQ(LoadMonitorText(statmon.get(), name.id), name.name) << "string " << name.id;
  }
  EXPECT_EQ(std::string(LoadMonitorText(statmon.get(), IDS_PRINTER_STATUS)), Acp("打印机状态："));
  EXPECT_EQ(std::string(LoadMonitorText(statmon.get(), IDS_UNDEFINED_PJL_RECOVERY)),
            Acp("打印机发送了未定义的状态代码。\r\n如果存在打印问题，请重新安装驱动程序。"));
  EXPECT_STREQ(LoadMonitorText(statmon.get(), 9999), "");
}

TEST(Menus, MainMenuAndTrayMenuHoldEveryCommand) {
  StatmonResources statmon;
  ASSERT_NE(statmon.get(), nullptr);
  HMENU menu = LoadMenuA(statmon.get(), "MAINMENU");
  ASSERT_NE(menu, nullptr);
  const std::vector<wintest::MenuItem> bar = wintest::MenuItems(menu);
  ASSERT_EQ(bar.size(), 4u);
  EXPECT_EQ(bar[0].text, Acp("文件(&F)"));
  EXPECT_EQ(bar[1].text, Acp("显示(&D)"));
  EXPECT_EQ(bar[2].text, Acp("打印机(&P)"));
  EXPECT_EQ(bar[3].text, Acp("帮助(&H)"));
  struct Expected {
    int menu;
    std::vector<std::pair<int, const char*>> items;
  } expected[] = {
      {0, {{40014, "退出(&X)"}}},
      {1, {{40015, "选择弹出消息(&S)..."}, {40016, "状态 (缩小)(&R)"}, {40017, "状态 (放大)(&E)"},
           {40012, "打印机信息(&I)..."}, {40019, "位图查看器... ->"}, {40020, "扩展 RTI — B3"},
           {40032, "耗材状态(&P)..."}}},
      {2, {{40003, "上电测试(&O)"}, {40034, "维护(&M)..."}, {40035, "碳粉更换(&R)..."},
           {40031, "打印状态页(&P)"}, {40033, "打印打印机状态(&T)"}}},
      {3, {{40018, "目录(&C)"}, {0, ""}, {40022, "关于(&A)"}}},
  };
  for (const Expected& e : expected) {
    const auto items = wintest::MenuItems(GetSubMenu(menu, e.menu));
    ASSERT_EQ(items.size(), e.items.size()) << "menu " << e.menu;
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].id, e.items[i].first) << "menu " << e.menu << " item " << i;
      EXPECT_EQ(items[i].text, Acp(e.items[i].second)) << "menu " << e.menu << " item " << i;
    }
  }
  DestroyMenu(menu);

  HMENU tray = LoadMenuA(statmon.get(), "POPUP");
  ASSERT_NE(tray, nullptr);
  const auto trayItems = wintest::MenuItems(GetSubMenu(tray, 0));
  ASSERT_EQ(trayItems.size(), 3u);
  EXPECT_EQ(trayItems[0].id, 40006);
  EXPECT_EQ(trayItems[0].text, Acp("显示状态"));
  EXPECT_EQ(trayItems[1].text, "");
  EXPECT_EQ(trayItems[2].id, 40011);
  EXPECT_EQ(trayItems[2].text, Acp("退出"));
  DestroyMenu(tray);
}

class ProfileRead : public ::testing::Test {
 protected:
  void TearDown() override { DeleteFileA(path_.c_str()); }
  void Write(const std::string& text) { WriteText(path_, text); }

  StatmonResources statmon_;
  std::string path_ = TempFile("statmon-profile-") + ".ini";
};

TEST_F(ProfileRead, ReadLengthsCutValuesAsTheFileFunctionsDo) {
  Write("[Misc]\r\nUserDefineConsumptionPercentage=100\r\n"
        "ResourceDLL=" + std::string(40, 'R') + "\r\n"
        "ActiveConfig=-1\r\nTimeValue=12\r\nMainDlg=MAINSMALL\r\n");
  const ProfileFile profile(path_);
  const ResourceNames names(statmon_.get());
  EXPECT_EQ(ReadConsumptionPercentage(profile, names), 10);
  EXPECT_EQ(ReadMiscString(profile, names, MiscKey::kResourceDll), std::string(31, 'R'));
  EXPECT_EQ(ReadMiscInt(profile, names, MiscKey::kActiveConfig), -1);
  EXPECT_EQ(ReadMiscInt(profile, names, MiscKey::kTimeValue), 12);
  EXPECT_EQ(ReadMiscString(profile, names, MiscKey::kMainDlg), "MAINSMALL");
}

TEST_F(ProfileRead, MissingFileGivesTheDefaults) {
  const ProfileFile profile(path_ + ".missing");
  const ResourceNames names(statmon_.get());
  EXPECT_EQ(ReadMiscString(profile, names, MiscKey::kMainDlg), "MAIN");
  EXPECT_EQ(ReadMiscInt(profile, names, MiscKey::kActiveConfig), -1);
  EXPECT_EQ(ReadMiscInt(profile, names, MiscKey::kWarnUnkPjl), 1);
  EXPECT_EQ(ReadMiscInt(profile, names, MiscKey::kUstatusTimeOut), 40);
  EXPECT_EQ(ReadCapabilities(profile, names), 0u);
}

TEST_F(ProfileRead, LateSettingsTakeCapabilitiesAndDriverName) {
  Write("[Misc]\r\nPJLcapabilities=1,2,5\r\nDriverName=TOLVAN Pelmora CL20\r\n"
        "DLLBitmapSize=IDB_NONE\r\n");
  auto context = std::make_unique<MonitorContext>();
  context->resourceLibrary = GetModuleHandleA(nullptr);
  ReadLateSettings(*context, ProfileFile(path_), ResourceNames(statmon_.get()));
  EXPECT_EQ(context->capabilities, 0x13u);
  EXPECT_STREQ(context->driverName, "TOLVAN Pelmora CL20");
  EXPECT_EQ(context->pictureWidth, 0) << "a bitmap that does not load leaves no size";
  EXPECT_EQ(context->pictureHeight, 0);
}

// Early settings read in the platform the test program runs in; each test
// group is run under its own personality (see CMakeLists.txt).
class EarlySettings : public ProfileRead {
 protected:
  std::unique_ptr<MonitorContext> Read(const std::string& ini) {
    Write(ini);
    auto context = std::make_unique<MonitorContext>();
    EXPECT_TRUE(LearnPlatform(*context));
    ReadEarlySettings(*context, ProfileFile(path_), ResourceNames(statmon_.get()));
    return context;
  }
};
using Win32sPlatform = EarlySettings;
using Win9xPlatform = EarlySettings;
using NtPlatform = EarlySettings;

TEST_F(Win32sPlatform, IgnoresUseTimerAndHasNoTray) {
  const auto context = Read("[Misc]\r\nUseTimer=0\r\nResetPrintJobInfo=600100,,410100\r\n");
  EXPECT_EQ(context->platformId, 0);
  EXPECT_EQ(context->hasTray, 0);
  EXPECT_EQ(context->useTimer, 1);
  EXPECT_EQ(context->resetJobCodes[0], 600100);
  EXPECT_EQ(context->resetJobCodes[1], 410100);
  EXPECT_EQ(context->resetJobCodes[2], 0);
}

TEST_F(Win9xPlatform, ReadsUseTimerAndHasATray) {
  const auto context = Read("[Misc]\r\nUseTimer=1\r\n");
  EXPECT_EQ(context->platformId, 1);
  EXPECT_EQ(context->hasTray, 1);
  EXPECT_EQ(context->useTimer, 1);
}

TEST_F(NtPlatform, ReadsUseTimerAndHasATray) {
  auto context = Read("[Misc]\r\nUseTimer=0\r\n");
  EXPECT_EQ(context->platformId, 2);
  EXPECT_EQ(context->hasTray, 1);
  EXPECT_EQ(context->useTimer, 0);
  context = Read("[Misc]\r\nUseTimer=1\r\n");
  EXPECT_EQ(context->useTimer, 1);
}

class PjlLog : public ::testing::Test {
 protected:
  void SetUp() override { DeleteFileA(path_.c_str()); }
  void TearDown() override { DeleteFileA(path_.c_str()); }
  std::string path_ = TempFile("statmon-pjl-") + ".log";
};

const std::regex kStamp(R"(\r\n\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\.\d{4}\]\r\n)");

std::size_t CountStamps(const std::string& text) {
  return std::distance(std::sregex_iterator(text.begin(), text.end(), kStamp),
                       std::sregex_iterator());
}

TEST_F(PjlLog, EveryReplyAddsOneStampedEntry) {
  WriteText(path_, "earlier");
  AppendPjlLog(path_.c_str(), "@PJL INFO STATUS\r\nCODE=600100\r\n\f");
  AppendPjlLog(path_.c_str(), "CODE=999999");
  const std::string log = ReadFile(path_);
  EXPECT_EQ(CountStamps(log), 2u) << "two replies, even in one millisecond, get two stamps";
  const std::regex whole(
      "earlier\\r\\n\\[[^\\]]+\\]\\r\\n@PJL INFO STATUS\\r\\nCODE=600100\\r\\n\\f"
      "\\r\\n\\[[^\\]]+\\]\\r\\nCODE=999999");
  EXPECT_TRUE(std::regex_match(log, whole)) << log;

  SYSTEMTIME now;
  GetLocalTime(&now);
  char year[8];
  wsprintfA(year, "[%04d/", now.wYear);
  EXPECT_NE(log.find(year), std::string::npos) << "the stamp is the local date";
}

TEST_F(PjlLog, KeepsTheCallersLastError) {
  SetLastError(1234);
  AppendPjlLog(path_.c_str(), "CODE=600100");
  EXPECT_EQ(GetLastError(), 1234u);
  SetLastError(4321);
  AppendPjlLog("Z:\\no\\such\\directory\\pjl.log", "CODE=600100");
  EXPECT_EQ(GetLastError(), 4321u);
}

TEST_F(PjlLog, ContextPathIsUsedAndEmptyMeansNoLog) {
  auto context = std::make_unique<MonitorContext>();
  AppendPjlLog(*context, "CODE=600100");
  ASSERT_LT(path_.size(), sizeof context->pjlLogPath);
  lstrcpynA(context->pjlLogPath, path_.c_str(), sizeof context->pjlLogPath);
  AppendPjlLog(*context, "CODE=600100");
  EXPECT_EQ(CountStamps(ReadFile(path_)), 1u);
}

TEST_F(PjlLog, FileHeldByAnotherLosesOnlyThatEntry) {
  AppendPjlLog(path_.c_str(), "first");
  HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  AppendPjlLog(path_.c_str(), "lost");
  CloseHandle(held);
  AppendPjlLog(path_.c_str(), "third");
  const std::string log = ReadFile(path_);
  EXPECT_EQ(CountStamps(log), 2u);
  EXPECT_EQ(log.find("lost"), std::string::npos);
  EXPECT_NE(log.find("third"), std::string::npos);
}

class RegistryValue : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }
  void Set(DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "BmpDebug", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
    RegCloseKey(key);
  }
  static constexpr const char* kKey = "Software\\TOLVAN\\TSTMON_J";
};

TEST_F(RegistryValue, BmpDebugKeepsTheBitmapViewerOnlyWhenNonZero) {
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  EXPECT_FALSE(RegistryKeepsBitmapViewer()) << "no key";
  Set(0);
  EXPECT_FALSE(RegistryKeepsBitmapViewer());
  Set(7);
  EXPECT_TRUE(RegistryKeepsBitmapViewer());
}

}  // namespace
}  // namespace statmon::testing
