#include "status_decision.h"

#include <cstdio>
#include <string>

#include "message_text.h"
#include "monitor_strings.h"
#include "number_list.h"

namespace statmon {
namespace {

constexpr std::size_t kOptionValueSize = 512;
constexpr std::size_t kProfileValueSize = 512;

std::string Section(const StatusServices& services, int id) {
  return services.names ? services.names->Name(id) : std::string();
}

std::string Read(const StatusServices& services, int sectionId, const std::string& key,
                 std::size_t size = kProfileValueSize) {
  if (!services.profile) return {};
  return services.profile->ReadString(Section(services, sectionId), key, "", size);
}

std::string Text(const StatusServices& services, int id) {
  return services.texts ? services.texts->Text(id) : std::string();
}

// printf with one string argument, without trusting the format's length.
std::string FillOne(const std::string& format, const std::string& value) {
  std::string out;
  const std::size_t at = format.find("%s");
  if (at == std::string::npos) return format;
  out = format.substr(0, at) + value + format.substr(at + 2);
  return out;
}

bool IsUnavailableCode(int code) {
  return code == kCodeNoConnection || code == kCodeBusy || code == kCodeBidiDisabled ||
         code == kCodePortUnsupported || code == kCodeWrongPrinter;
}

}  // namespace

const OptionRow kOptionRows[] = {
    {"MANUAL", 0x1},         {"MANUAL", 0x2},          {"TRAY2", 0x2},
    {"INTRAY2", 0x2},        {"INPTRAY2", 0x2},        {"INPTRAY3", 0x4},
    {"INTRAY3", 0x4},        {"INTRAY4 LCC", 0x8},     {"INTRAY4", 0x8},
    {"LCC", 0x2000},         {"INTRAY5", 0x10},        {"DUPLEX", 0x40},
    {"5BIN-MAILBIN", 0x80},  {"10BIN-MAILBIN", 0x100}, {"FINISHER", 0x200},
    {"MAILBIN-FINISHER", 0x400}, {"NETCARD", 0x800},   {"SHIFTRAY", 0x1000},
    {"CONFIG", 0x4000},
};
const int kOptionRowCount = static_cast<int>(sizeof kOptionRows / sizeof kOptionRows[0]);

OptionSlots& CurrentOptionSlots() {
  static OptionSlots slots{};
  return slots;
}

bool ComputeOptionSlots(MonitorContext& context, const StatusServices& services,
                        OptionSlots& slots) {
  slots = OptionSlots{};
  context.optionString[0] = '\0';
  const std::string defaults = Read(services, IDS_SECTION_BMP_OPTIONS,
                                    Section(services, IDS_KEY_DEFAULT), kOptionValueSize);
  if (defaults.empty()) {
    if (context.warnUnknownPjl && services.view) {
      char extended[16];
      std::snprintf(extended, sizeof extended, "%d", 1);
      std::string text = Text(services, IDS_ENTRY_MISSING);
      // Filled piece by piece: the path comes from the configuration.
      const std::string values[] = {context.iniPath, Section(services, IDS_SECTION_BMP_OPTIONS),
                                    Section(services, IDS_KEY_DEFAULT)};
      for (const std::string& value : values) text = FillOne(text, value);
      const std::size_t at = text.find("%d");
      if (at != std::string::npos) text = text.substr(0, at) + extended + text.substr(at + 2);
      services.view->ShowDataError(Text(services, IDS_INI_DATA_MISSING), text);
    }
    return false;
  }
  std::string digits;
  const std::vector<int> numbers = ParseNumberList(defaults, kOptionSlotCount);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    slots.slot[i] = numbers[i];
    digits += std::to_string(numbers[i]);
  }
  if (context.hardwareFlags != 0) {
    for (int row = 0; row < kOptionRowCount; ++row) {
      if ((context.hardwareFlags & kOptionRows[row].mask) == 0) continue;
      const std::vector<int> changes =
          ParseNumberList(Read(services, IDS_SECTION_BMP_OPTIONS, kOptionRows[row].keyword,
                               kOptionValueSize),
                          kOptionSlotCount);
      for (std::size_t i = 0; i < changes.size(); ++i) {
        if (changes[i] != 1 && changes[i] != 2) continue;
        slots.slot[i] = changes[i] == 1 ? 1 : 0;
        // Slots beyond the DEFAULT digits have no character to change.
        if (i < digits.size()) digits[i] = changes[i] == 1 ? '1' : '0';
      }
    }
  }
  std::snprintf(context.optionString, sizeof context.optionString, "%s", digits.c_str());
  return true;
}

MenuState PrinterInfoMenuState(int code) {
  if (IsUnavailableCode(code) || (code > 609900 && code < 609945) || code == 610100) {
    return MenuState::kGrayed;
  }
  return MenuState::kEnabled;
}

MenuState MaintenanceMenuState(int code) {
  if (code == 600100 || code == 600300 || (code >= 400800 && code <= 400803)) {
    return MenuState::kEnabled;
  }
  return MenuState::kGrayed;
}

std::string BitmapName(const StatusServices& services, int index) {
  return Read(services, IDS_SECTION_BMP_NAMES, std::to_string(index));
}

bool DecideDisplay(MonitorContext& context, const StatusServices& services,
                   const OptionSlots& slots, bool popupAllowed, DisplayDecision& decision) {
  decision = DisplayDecision{};
  if (context.replyParser == nullptr) return false;

  // Output-bin multiplier for the bin codes 420801 to 420807.
  if (context.hardwareFlags & 0x80) {
    context.binMultiplier = 1;
  } else if (context.hardwareFlags & 0x100) {
    context.binMultiplier = 10;
  } else if (context.hardwareFlags & (0x200 | 0x400)) {
    context.binMultiplier = 100;
  }
  if (context.binMultiplier != 0 && context.statusCode > 420800 && context.statusCode < 420808) {
    context.statusCode *= context.binMultiplier;
  }
  const int code = context.statusCode;
  const std::string codeText = std::to_string(code);
  decision.statusCode = code;
  decision.printerInfo = PrinterInfoMenuState(code);
  decision.maintenance = MaintenanceMenuState(code);

  // Pop-up: each new code at most once, never for an inactive one.
  if (popupAllowed && code != context.lastPopupCode) {
    context.lastPopupCode = code;
    const std::string inactive = Read(services, IDS_SECTION_INACTIVE_POPUPS, codeText);
    if (std::atoi(inactive.c_str()) == 0) {
      decision.popup = true;
      context.showWindow = 1;
    }
  }

  // Layers: the option variant first, then the plain code.
  std::string list = Read(services, IDS_SECTION_CODES_TO_BMPS,
                          codeText + "_C_" + context.optionString);
  if (list.size() < 2) list = Read(services, IDS_SECTION_CODES_TO_BMPS, codeText);
  if (!list.empty()) {
    const std::vector<int> indices = ParseNumberList(list, kDefaultNumberListCount);
    context.layerCount = static_cast<int>(indices.size() < 16 ? indices.size() : 16);
    for (int i = 0; i < 16; ++i) {
      const int index = i < context.layerCount ? indices[static_cast<std::size_t>(i)] : 0;
      context.layers[i] = (slots.slot[i] == 1 && index != 0) ? index : 0;
    }
    decision.layersChanged = true;
  }

  // Texts.
  const std::string message = Read(services, IDS_SECTION_ERROR_MESSAGES, codeText);
  if (!message.empty()) {
    const std::size_t first = message.find(';');
    context.iconColour = std::atoi(message.substr(0, first).c_str());
    if (first != std::string::npos) {
      const std::size_t second = message.find(';', first + 1);
      decision.statusText = ExpandMessageText(
          message.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1),
          LineBreak::kLineFeed);
      if (second != std::string::npos) {
        decision.recoveryText =
            ExpandMessageText(message.substr(second + 1), LineBreak::kCarriageReturn);
      }
    }
    decision.appendSystemError = code == kCodeOpenError && context.lastError != 0;
  } else if (codeText.find("999999") != std::string::npos && code > 999999) {
    decision.statusText = FillOne(Text(services, IDS_UNDEFINED_INTERNAL_CODE), codeText);
    decision.recoveryText = Text(services, IDS_UNDEFINED_INTERNAL_RECOVERY);
  } else if (context.warnUnknownPjl) {
    decision.statusText = FillOne(Text(services, IDS_UNDEFINED_PJL_CODE), codeText);
    decision.recoveryText = Text(services, IDS_UNDEFINED_PJL_RECOVERY);
  }
  decision.iconColour = context.iconColour;
  decision.trayTip = decision.statusText.empty() ? "QXStatus" : decision.statusText;
  return true;
}

}  // namespace statmon
