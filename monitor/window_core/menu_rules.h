// How the main menu is adjusted each time it opens: which commands are
// removed for good, which texts come from the configuration file, and which
// of the two layout commands is greyed. A decision table over plain settings,
// so that the Windows layer only carries the actions out.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace statmon {

// Menu commands the adjustment touches (ids of MAINMENU).
constexpr int kMenuFactoryDefault = 40004;
constexpr int kMenuPrinterInfo = 40012;
constexpr int kMenuSelectPopup = 40015;
constexpr int kMenuReduce = 40016;
constexpr int kMenuExpand = 40017;
constexpr int kMenuBitmapViewer = 40019;
constexpr int kMenuExtendedRti = 40020;
constexpr int kMenuSuppliesStatus = 40032;
constexpr int kMenuPrintPrinterStatus = 40033;

// Capability mask that keeps the supplies status command.
constexpr std::uint32_t kCapabilitySupplies = 16;

struct MenuSettings {
  int printerInfo = 1;          // [Misc] PrinterInfo
  int popupDialog = 1;          // [Misc] PopupDialog
  bool registryBmpDebug = false;  // HKCU Software\TOLVAN\TSTMON_J BmpDebug exists, non-zero
  int fileBmpDebug = 0;         // [Misc] BmpDebug
  int printPrinterStatus = 0;   // [Misc] PrintPrinterStatus
  int factoryDefault = 0;       // [Misc] FactoryDefault
  std::string reduceText;       // [Localize] MnuDispReduce
  std::string expandText;       // [Localize] MnuDispExpand
  bool expanded = true;
  std::uint32_t capabilities = 0;
};

enum class MenuActionKind { kRemove, kSetText, kGrey, kEnable };

struct MenuAction {
  MenuActionKind kind;
  int commandId;
  std::string text;  // kSetText only
  bool operator==(const MenuAction& other) const {
    return kind == other.kind && commandId == other.commandId && text == other.text;
  }
};

// The actions in the order they are carried out. Removals are permanent in
// the menu; repeating them on a menu that no longer has the item is harmless.
std::vector<MenuAction> AdjustMenu(const MenuSettings& settings);

}  // namespace statmon
