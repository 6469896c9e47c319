// The portable part of the display refresh: from the context and the
// configuration, what the window, menus, tray icon and picture show. The
// Windows layer applies the result; the context fields the refresh owns
// (multiplied status code, lastPopupCode, showWindow, layers, iconColour) are
// updated here.
#pragma once
#include <cstdint>
#include <string>

#include "monitor_context.h"
#include "status_view.h"

namespace statmon {

// Option slots of the picture: slot i is 1 when option i is on.
constexpr int kOptionSlotCount = 16;

// Process-wide option slots (they persist until the next ComputeOptions, as
// the layers do until the next CodesToBmps lookup that finds an entry).
struct OptionSlots {
  int slot[kOptionSlotCount];
};
OptionSlots& CurrentOptionSlots();

// Recomputes the option slots and context.optionString from [BMPOptions].
// Returns false when DEFAULT is missing (all slots off); with
// warnUnknownPjl set the view then shows the corrupt-data message.
bool ComputeOptionSlots(MonitorContext& context, const StatusServices& services,
                        OptionSlots& slots);

// One row of the option walk: the keyword of [BMPOptions] read when `mask`
// is set in the hardware flags, in this order.
struct OptionRow {
  const char* keyword;
  std::uint32_t mask;
};
extern const OptionRow kOptionRows[];
extern const int kOptionRowCount;

enum class MenuState { kEnabled, kGrayed };

struct DisplayDecision {
  int statusCode = 0;        // after the output-bin multiplier
  MenuState printerInfo = MenuState::kEnabled;   // 40012 and 40032
  MenuState maintenance = MenuState::kGrayed;    // 40034, 40035 and 40003
  bool popup = false;        // show restored and bring to the foreground
  bool layersChanged = false;  // CodesToBmps had an entry
  int iconColour = 0;
  std::string statusText;    // control 1000, line feeds
  std::string recoveryText;  // control 1001, carriage return and line feed
  bool appendSystemError = false;  // add the text of context.lastError
  // The tip before the tray's own shortening (MakeTrayTip); "QXStatus"
  // when the status text is empty.
  std::string trayTip;
};

// Runs steps that decide: multiplier, menu states, pop-up rule, layers,
// texts and tray tip. Updates the context as the refresh does. Nothing is
// decided (false) without a reply parser.
bool DecideDisplay(MonitorContext& context, const StatusServices& services,
                   const OptionSlots& slots, bool popupAllowed, DisplayDecision& decision);

// Greyed states of the menu commands for a status code.
MenuState PrinterInfoMenuState(int code);
MenuState MaintenanceMenuState(int code);

// The name of bitmap `index` from [BMPNames], without "IDB_"; empty when none.
std::string BitmapName(const StatusServices& services, int index);

}  // namespace statmon
