#include "misc_settings.h"

#include <cstdlib>

#include "monitor_strings.h"
#include "number_list.h"
#include "startup_rules.h"

namespace statmon {
namespace {

MiscKeyInfo Text(MiscKey key, int nameId, std::size_t bufferSize, const char* fallback = "") {
  return {key, nameId, MiscKind::kString, bufferSize, fallback, 0};
}
MiscKeyInfo Number(MiscKey key, int nameId, int fallback) {
  return {key, nameId, MiscKind::kInt, 0, "", fallback};
}

// Number lists have no length of their own in the file's description; 512
// bytes hold 32 numbers of any width the printer reports.
constexpr std::size_t kNumberListBuffer = 512;

}  // namespace

const std::vector<MiscKeyInfo>& AllMiscKeys() {
  static const std::vector<MiscKeyInfo> keys = {
      Text(MiscKey::kResourceDll, IDS_KEY_RESOURCE_DLL, 32),
      Text(MiscKey::kDllBitmapSize, IDS_KEY_DLL_BITMAP_SIZE, 64),
      Text(MiscKey::kPjlCapabilities, IDS_KEY_PJL_CAPABILITIES, kNumberListBuffer),
      Text(MiscKey::kDriverName, IDS_KEY_DRIVER_NAME, 64),
      Text(MiscKey::kDriverId, IDS_KEY_DRIVER_ID, 1284),
      Text(MiscKey::kMainDlg, IDS_KEY_MAIN_DLG, 64, "MAIN"),
      Text(MiscKey::kStatusTitle, IDS_KEY_STATUS_TITLE, 128),
      Text(MiscKey::kAboutTitle, IDS_KEY_ABOUT_TITLE, 128),
      Text(MiscKey::kAboutOk, IDS_KEY_ABOUT_OK, 128),
      Text(MiscKey::kHelpFileName, IDS_KEY_HELP_FILE_NAME, 64),
      Text(MiscKey::kResetPrintJobInfo, IDS_KEY_RESET_PRINT_JOB_INFO, 512),
      Number(MiscKey::kUseTimer, IDS_KEY_USE_TIMER, 0),
      Number(MiscKey::kTimeValue, IDS_KEY_TIME_VALUE, 5),
      Number(MiscKey::kUstatusTimeOut, IDS_KEY_USTATUS_TIMEOUT, 40),
      Number(MiscKey::kUstatusDtimed, IDS_KEY_USTATUS_DTIMED, 20),
      Number(MiscKey::kActiveConfig, IDS_KEY_ACTIVE_CONFIG, -1),
      Number(MiscKey::kJobFlag, IDS_KEY_JOB_FLAG, 0),
      Number(MiscKey::kNetworkCompatable, IDS_KEY_NETWORK_COMPATABLE, 0),
      Number(MiscKey::kWarnUnkPjl, IDS_KEY_WARN_UNK_PJL, 1),
      Text(MiscKey::kPjlLog, IDS_KEY_PJL_LOG, 64),
      Number(MiscKey::kSysMenuExit, IDS_KEY_SYS_MENU_EXIT, 1),
      Number(MiscKey::kPrinterInfo, IDS_KEY_PRINTER_INFO, 1),
      Number(MiscKey::kPopupDialog, IDS_KEY_POPUP_DIALOG, 1),
      Number(MiscKey::kBmpDebug, IDS_KEY_BMP_DEBUG, 0),
      Number(MiscKey::kPrintPrinterStatus, IDS_KEY_PRINT_PRINTER_STATUS, 0),
      Number(MiscKey::kFactoryDefault, IDS_KEY_FACTORY_DEFAULT, 0),
      Text(MiscKey::kUserDefineConsumptionPercentage, IDS_KEY_USER_DEFINE_CONSUMPTION, 3),
  };
  return keys;
}

const MiscKeyInfo& DescribeMiscKey(MiscKey key) {
  return AllMiscKeys()[static_cast<std::size_t>(key)];
}

std::string ReadMiscString(const ProfileSource& profile, const NameTable& names, MiscKey key) {
  const MiscKeyInfo& info = DescribeMiscKey(key);
  return profile.ReadString(names.Name(IDS_SECTION_MISC), names.Name(info.nameId),
                            info.defaultText, info.bufferSize);
}

int ReadMiscInt(const ProfileSource& profile, const NameTable& names, MiscKey key) {
  const MiscKeyInfo& info = DescribeMiscKey(key);
  return profile.ReadInt(names.Name(IDS_SECTION_MISC), names.Name(info.nameId), info.defaultInt);
}

std::uint32_t ReadCapabilities(const ProfileSource& profile, const NameTable& names) {
  return CapabilityMask(
      ParseNumberList(ReadMiscString(profile, names, MiscKey::kPjlCapabilities)));
}

std::vector<int> ReadResetJobCodes(const ProfileSource& profile, const NameTable& names) {
  return ParseNumberList(ReadMiscString(profile, names, MiscKey::kResetPrintJobInfo),
                         kResetCodeCapacity);
}

int ReadUseTimer(int platformId, const ProfileSource& profile, const NameTable& names) {
  if (platformId == kPlatformWin32s) return 1;
  return ReadMiscInt(profile, names, MiscKey::kUseTimer);
}

int ReadConsumptionPercentage(const ProfileSource& profile, const NameTable& names) {
  return std::atoi(
      ReadMiscString(profile, names, MiscKey::kUserDefineConsumptionPercentage).c_str());
}

}  // namespace statmon
