#include "menu_rules.h"

namespace statmon {
namespace {

MenuAction Remove(int id) { return {MenuActionKind::kRemove, id, {}}; }

// A localised text replaces the built-in one only when it says something:
// one character (or none) is taken for a placeholder.
bool IsUsableText(const std::string& text) { return text.size() > 1; }

}  // namespace

std::vector<MenuAction> AdjustMenu(const MenuSettings& settings) {
  std::vector<MenuAction> actions;
  if (settings.printerInfo == 0) actions.push_back(Remove(kMenuPrinterInfo));
  if (settings.popupDialog == 0) actions.push_back(Remove(kMenuSelectPopup));
  // The registry value wins when it is set; the file's key is asked only
  // when it is not.
  const bool keepViewer = settings.registryBmpDebug || settings.fileBmpDebug != 0;
  if (!keepViewer) actions.push_back(Remove(kMenuBitmapViewer));
  actions.push_back(Remove(kMenuExtendedRti));
  if (IsUsableText(settings.reduceText)) {
    actions.push_back({MenuActionKind::kSetText, kMenuReduce, settings.reduceText});
  }
  if (IsUsableText(settings.expandText)) {
    actions.push_back({MenuActionKind::kSetText, kMenuExpand, settings.expandText});
  }
  // The command for the layout already shown is greyed.
  actions.push_back({settings.expanded ? MenuActionKind::kGrey : MenuActionKind::kEnable,
                     kMenuExpand, {}});
  actions.push_back({settings.expanded ? MenuActionKind::kEnable : MenuActionKind::kGrey,
                     kMenuReduce, {}});
  if (settings.printPrinterStatus == 0) actions.push_back(Remove(kMenuPrintPrinterStatus));
  if (settings.factoryDefault == 0) actions.push_back(Remove(kMenuFactoryDefault));
  if ((settings.capabilities & kCapabilitySupplies) == 0) {
    actions.push_back(Remove(kMenuSuppliesStatus));
  }
  return actions;
}

}  // namespace statmon
