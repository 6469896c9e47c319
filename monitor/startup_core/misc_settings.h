// Every key of the configuration file's section "Misc": its name (by string
// id), how it is read and its default. The read lengths are part of the
// behaviour: a value longer than its buffer is cut, so "100" read for
// UserDefineConsumptionPercentage (3 bytes with the terminator) gives "10".
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "profile_source.h"

namespace statmon {

enum class MiscKey {
  kResourceDll,
  kDllBitmapSize,
  kPjlCapabilities,
  kDriverName,
  kDriverId,
  kMainDlg,
  kStatusTitle,
  kAboutTitle,
  kAboutOk,
  kHelpFileName,
  kResetPrintJobInfo,
  kUseTimer,
  kTimeValue,
  kUstatusTimeOut,
  kUstatusDtimed,
  kActiveConfig,
  kJobFlag,
  kNetworkCompatable,
  kWarnUnkPjl,
  kPjlLog,
  kSysMenuExit,
  kPrinterInfo,
  kPopupDialog,
  kBmpDebug,
  kPrintPrinterStatus,
  kFactoryDefault,
  kUserDefineConsumptionPercentage,
};

enum class MiscKind { kString, kInt };

struct MiscKeyInfo {
  MiscKey key;
  int nameId;               // string id of the key name
  MiscKind kind;
  std::size_t bufferSize;   // string keys: bytes read, terminator included
  const char* defaultText;  // string keys
  int defaultInt;           // int keys
};

const MiscKeyInfo& DescribeMiscKey(MiscKey key);
const std::vector<MiscKeyInfo>& AllMiscKeys();

// Reads a string key of "Misc" with its own buffer size and default.
std::string ReadMiscString(const ProfileSource& profile, const NameTable& names, MiscKey key);
// Reads an int key of "Misc" with its own default.
int ReadMiscInt(const ProfileSource& profile, const NameTable& names, MiscKey key);

// PJLcapabilities as the capability mask (at most 32 numbers).
std::uint32_t ReadCapabilities(const ProfileSource& profile, const NameTable& names);
// ResetPrintJobInfo as at most 64 status codes.
constexpr std::size_t kResetCodeCapacity = 64;
std::vector<int> ReadResetJobCodes(const ProfileSource& profile, const NameTable& names);
// `useTimer`: Win32s always polls from a timer, and the key is then not read.
int ReadUseTimer(int platformId, const ProfileSource& profile, const NameTable& names);
// UserDefineConsumptionPercentage: two characters, as a number.
int ReadConsumptionPercentage(const ProfileSource& profile, const NameTable& names);

}  // namespace statmon
