#include "menu_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace statmon {
namespace {

bool Has(const std::vector<MenuAction>& actions, MenuActionKind kind, int id) {
  return std::any_of(actions.begin(), actions.end(), [&](const MenuAction& action) {
    return action.kind == kind && action.commandId == id;
  });
}

TEST(MenuRules, DefaultsKeepOnlyTheConfiguredCommands) {
  const std::vector<MenuAction> actions = AdjustMenu(MenuSettings{});
  EXPECT_FALSE(Has(actions, MenuActionKind::kRemove, kMenuPrinterInfo));
  EXPECT_FALSE(Has(actions, MenuActionKind::kRemove, kMenuSelectPopup));
  EXPECT_TRUE(Has(actions, MenuActionKind::kRemove, kMenuBitmapViewer));
  EXPECT_TRUE(Has(actions, MenuActionKind::kRemove, kMenuExtendedRti));
  EXPECT_TRUE(Has(actions, MenuActionKind::kRemove, kMenuPrintPrinterStatus));
  EXPECT_TRUE(Has(actions, MenuActionKind::kRemove, kMenuFactoryDefault));
  EXPECT_TRUE(Has(actions, MenuActionKind::kRemove, kMenuSuppliesStatus));
  EXPECT_FALSE(Has(actions, MenuActionKind::kSetText, kMenuReduce));
}

TEST(MenuRules, EachSettingRemovesOrKeepsItsCommand) {
  struct Case {
    const char* name;
    void (*set)(MenuSettings&);
    int id;
    bool removed;
  } cases[] = {
      {"PrinterInfo=0", [](MenuSettings& s) { s.printerInfo = 0; }, kMenuPrinterInfo, true},
      {"PrinterInfo=2", [](MenuSettings& s) { s.printerInfo = 2; }, kMenuPrinterInfo, false},
      {"PopupDialog=0", [](MenuSettings& s) { s.popupDialog = 0; }, kMenuSelectPopup, true},
      {"file BmpDebug", [](MenuSettings& s) { s.fileBmpDebug = 1; }, kMenuBitmapViewer, false},
      {"registry BmpDebug", [](MenuSettings& s) { s.registryBmpDebug = true; },
       kMenuBitmapViewer, false},
      {"PrintPrinterStatus", [](MenuSettings& s) { s.printPrinterStatus = 1; },
       kMenuPrintPrinterStatus, false},
      {"FactoryDefault", [](MenuSettings& s) { s.factoryDefault = -1; }, kMenuFactoryDefault,
       false},
      {"capability 16", [](MenuSettings& s) { s.capabilities = 0x10; }, kMenuSuppliesStatus,
       false},
      {"other capabilities", [](MenuSettings& s) { s.capabilities = 0x0F; },
       kMenuSuppliesStatus, true},
      {"extended RTI always", [](MenuSettings& s) { s.fileBmpDebug = 1; }, kMenuExtendedRti,
       true},
  };
  for (const Case& c : cases) {
    MenuSettings settings;
    c.set(settings);
    EXPECT_EQ(Has(AdjustMenu(settings), MenuActionKind::kRemove, c.id), c.removed) << c.name;
  }
}

TEST(MenuRules, LayoutCommandOfTheShownLayoutIsGreyed) {
  MenuSettings settings;
  settings.expanded = true;
  std::vector<MenuAction> actions = AdjustMenu(settings);
  EXPECT_TRUE(Has(actions, MenuActionKind::kGrey, kMenuExpand));
  EXPECT_TRUE(Has(actions, MenuActionKind::kEnable, kMenuReduce));
  settings.expanded = false;
  actions = AdjustMenu(settings);
  EXPECT_TRUE(Has(actions, MenuActionKind::kGrey, kMenuReduce));
  EXPECT_TRUE(Has(actions, MenuActionKind::kEnable, kMenuExpand));
}

TEST(MenuRules, LocalisedTextsNeedMoreThanOneCharacter) {
  struct Case {
    const char* text;
    bool replaced;
  } cases[] = {{"", false}, {"x", false}, {"Small", true}, {"\xCB\xF5", true}};
  for (const Case& c : cases) {
    MenuSettings settings;
    settings.reduceText = c.text;
    settings.expandText = c.text;
    const std::vector<MenuAction> actions = AdjustMenu(settings);
    const MenuAction reduce{MenuActionKind::kSetText, kMenuReduce, c.text};
    const MenuAction expand{MenuActionKind::kSetText, kMenuExpand, c.text};
    EXPECT_EQ(std::count(actions.begin(), actions.end(), reduce), c.replaced ? 1 : 0) << c.text;
    EXPECT_EQ(std::count(actions.begin(), actions.end(), expand), c.replaced ? 1 : 0) << c.text;
  }
}

}  // namespace
}  // namespace statmon
