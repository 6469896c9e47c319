#include "reply_interpretation.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "monitor_strings.h"
#include "number_list.h"
#include "pjl_keywords.h"

namespace statmon {
namespace {

std::mutex g_bindingsMutex;
std::map<const MonitorContext*, const StatusServices*>& Bindings() {
  static std::map<const MonitorContext*, const StatusServices*> bindings;
  return bindings;
}

constexpr std::uint32_t kSuppliesCapability = 16;
constexpr std::size_t kProfileValueSize = 512;

void CopyText(char* target, std::size_t size, const std::string& text) {
  std::snprintf(target, size, "%s", text.c_str());
}

std::string Section(const StatusServices& services, int id) {
  return services.names ? services.names->Name(id) : std::string();
}

std::string WarningText(const StatusServices& services, int code) {
  if (!services.profile) return {};
  return services.profile->ReadString(Section(services, IDS_SECTION_WARNING_MESSAGES),
                                      std::to_string(code), "", kProfileValueSize);
}

std::string Text(const StatusServices& services, int id) {
  return services.texts ? services.texts->Text(id) : std::string();
}

// Item index of the first Keyword item with key `key` in [begin, count), -1 if none.
int FindKeyword(int begin, int count, const PjlItem* items, std::uint16_t key) {
  for (int i = begin; i < count; ++i) {
    if (items[i].key == key && items[i].type == PJL_ITEM_KEYWORD) return i;
  }
  return -1;
}

bool Installed(int begin, int count, const PjlItem* items, std::uint16_t key) {
  const int at = FindKeyword(begin, count, items, key);
  return at >= 0 && (items[at].value.id & 0xFFFF) == PJLKW_INSTALLED;
}

// The first of `keys` present among the single items decides.
bool FirstPresentInstalled(int begin, int count, const PjlItem* items,
                           std::initializer_list<std::uint16_t> keys) {
  for (std::uint16_t key : keys) {
    if (FindKeyword(begin, count, items, key) >= 0) return Installed(begin, count, items, key);
  }
  return false;
}

std::string FormatId(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", static_cast<int>(value));
  return text;
}

void ApplyConfig(MonitorContext& context, int count, PjlItem* items) {
  std::uint32_t flags = context.hardwareFlags;
  // The tray blocks: a count item under IN or OUT followed by its entries.
  int singlesBegin = 2;
  for (int i = 2; i < count; ++i) {
    const PjlItem& item = items[i];
    if (item.type == PJL_ITEM_NUMBER && (item.key == PJLKW_IN || item.key == PJLKW_OUT)) {
      const int entries = item.value.number > 0 ? item.value.number : 0;
      const int end = (i + 1 + entries < count) ? i + 1 + entries : count;
      if (item.key == PJLKW_IN) {
        for (int j = i + 1; j < end; ++j) {
          const std::uint16_t value = static_cast<std::uint16_t>(items[j].value.id & 0xFFFF);
          if (items[j].type != PJL_ITEM_KEYWORD) continue;
          if (value == PJLKW_MANUAL || items[j].key == PJLKW_MANUAL) flags |= 0x1;
          if (items[j].key == PJLKW_INTRAY4 && value == PJLKW_LCC) flags |= 0x2000;
        }
      }
      singlesBegin = end;
      i = end - 1;
    }
  }
  const int b = singlesBegin;
  if (FirstPresentInstalled(b, count, items, {PJLKW_TRAY2, PJLKW_INTRAY2, PJLKW_INPTRAY2})) flags |= 0x2;
  if (FirstPresentInstalled(b, count, items, {PJLKW_TRAY3, PJLKW_INTRAY3, PJLKW_INPTRAY3})) flags |= 0x4;
  if (Installed(b, count, items, PJLKW_INTRAY4)) flags |= 0x8;
  if (Installed(b, count, items, PJLKW_INTRAY5)) flags |= 0x10;
  if (Installed(b, count, items, PJLKW_DUPLEX)) flags |= 0x40;
  const int out = FindKeyword(b, count, items, PJLKW_OUTOPTION);
  if (out >= 0) {
    switch (items[out].value.id & 0xFFFF) {
      case PJLKW_5BIN_MAILBIN: flags |= 0x80; break;
      case PJLKW_10BIN_MAILBIN: flags |= 0x100; break;
      case PJLKW_FINISHER: flags |= 0x200; break;
      case PJLKW_MAILBIN_FINISHER: flags |= 0x400; break;
      default: break;
    }
  }
  const int net = FindKeyword(b, count, items, PJLKW_NETCARD);
  if (net >= 0) {
    const auto value = items[net].value.id & 0xFFFF;
    if (value == PJLKW_ETHERNETCARD || value == PJLKW_INSTALLED) flags |= 0x800;
  }
  if (Installed(b, count, items, PJLKW_SHIFTRAY)) flags |= 0x1000;

  DeviceInfo& info = context.deviceInfo;
  if (const char* text = PjlStringOf(count, items, PJLKW_FIRMWARE, false)) {
    CopyText(info.firmware, sizeof info.firmware, text);
  }
  for (int i = 0; i < count; ++i) {
    if (items[i].type != PJL_ITEM_NUMBER) continue;
    if (items[i].key == PJLKW_USBVID) CopyText(info.usbVendorId, sizeof info.usbVendorId, FormatId(items[i].value.number));
    if (items[i].key == PJLKW_USBPID) CopyText(info.usbProductId, sizeof info.usbProductId, FormatId(items[i].value.number));
  }
  if (const char* text = PjlStringOf(count, items, PJLKW_ENGFW, false)) {
    CopyText(info.engineFirmware, sizeof info.engineFirmware, text);
  }
  if (const char* text = PjlStringOf(count, items, PJLKW_DEVICEID, false)) {
    CopyText(info.deviceId, sizeof info.deviceId, text);
  }
  context.hardwareFlags = flags | 0x4000;
}

void ApplyWarningList(const StatusServices& services, int count, PjlItem* items) {
  if (!services.view) return;
  StatusView& view = *services.view;
  view.ClearWarnings();
  const PjlItem* head = PjlNextWithKey(count, items, PJLKW_WARNINGLIST);
  std::size_t longest = 0;
  if (head != nullptr && head->type == PJL_ITEM_NUMBER) {
    int left = head->value.number;
    for (const PjlItem* item = head + 1; left > 0 && item < items + count; ++item) {
      if (item->type != PJL_ITEM_NUMBER) continue;  // the ENUMERATED word
      --left;
      const std::string text = WarningText(services, item->value.number);
      if (text.empty()) continue;
      view.AddWarning(text);
      if (text.size() > longest) longest = text.size();
    }
  }
  view.SetWarningExtent(static_cast<int>(10 * longest));
}

bool HasNumber(int count, const PjlItem* items, std::uint16_t key) {
  for (int i = 0; i < count; ++i) {
    if (items[i].key == key && items[i].type == PJL_ITEM_NUMBER) return true;
  }
  return false;
}

void KeepSupplies(MonitorContext& context, int count, PjlItem* items) {
  static const std::uint16_t keys[11] = {
      PJLKW_CONSUMETONERK,     PJLKW_CONSUMETONERC,     PJLKW_CONSUMETONERM,
      PJLKW_CONSUMETONERY,     PJLKW_CONSUMETRSBELT,    PJLKW_CONSUMEIMGDRUM,
      PJLKW_CONSUMEFUSER,      PJLKW_CONSUMETONERTYPEK, PJLKW_CONSUMETONERTYPEC,
      PJLKW_CONSUMETONERTYPEM, PJLKW_CONSUMETONERTYPEY};
  for (int i = 0; i < 11; ++i) {
    if (HasNumber(count, items, keys[i])) context.supplies[i] = PjlNumberOf(count, items, keys[i]);
  }
}

bool IsNoSuppliesCode(int code) {
  return code == kCodeNoConnection || code == kCodeBusy || code == kCodeBidiDisabled ||
         code == kCodePortUnsupported || code == kCodeWrongPrinter;
}

void ApplyStatus(MonitorContext& context, const StatusServices& services, int count,
                 PjlItem* items) {
  const int code = PjlNumberOf(count, items, PJLKW_CODE);
  const bool supplies = (context.capabilities & kSuppliesCapability) != 0;
  bool warning = false;
  if (supplies) {
    KeepSupplies(context, count, items);
    warning = !WarningText(services, code).empty();
  }
  if (!warning) StoreStatusCode(context, services, code);
  if (services.view) ApplyJobFieldReset(context, *services.view);
  if (supplies && !IsNoSuppliesCode(context.statusCode) && services.view) {
    services.view->CheckSupplies(context);
  }
}

void ApplyJob(MonitorContext& context, const StatusServices& services, int count,
              PjlItem* items) {
  StatusView* view = services.view;
  const bool start = PjlNextWithValue(count, items, PJLKW_START) != nullptr;
  const bool end = PjlNextWithValue(count, items, PJLKW_END) != nullptr;
  if (start) {
    if (view) {
      view->SetJobState("");
      view->SetPageNumber("");
    }
    if (context.statusCode == services.statusReady) context.statusCode = services.statusPrinting;
    context.jobActive = 1;
  }
  int page = start ? 1 : 0;
  if (HasNumber(count, items, PJLKW_PAGES)) page = PjlNumberOf(count, items, PJLKW_PAGES);
  const char* name = PjlStringOf(count, items, PJLKW_NAME, false);
  if (view && name != nullptr && *name != '\0') view->SetJobName(ShownJobName(name));
  if (view && page != 0) view->SetPageNumber(std::to_string(page));
  if (end) {
    context.jobActive = 0;
    const std::uint16_t result = PjlKeywordOf(count, items, PJLKW_RESULT);
    const bool cancelled = result == PJLKW_USER_CANCELED || result == PJLKW_HOST_CANCELED ||
                           result == PJLKW_RESOURCE_CANCELED;
    if (view) view->SetJobState(Text(services, cancelled ? IDS_JOB_CANCELLED : IDS_JOB_COMPLETE));
    if (context.statusCode == services.statusPrinting) context.statusCode = services.statusReady;
  }
}

void ApplyPage(const StatusServices& services, int count, PjlItem* items) {
  if (!services.view) return;
  for (int i = 2; i < count; ++i) {
    if (items[i].type == PJL_ITEM_NUMBER) {
      services.view->SetPageNumber(std::to_string(items[i].value.number));
      break;
    }
  }
  services.view->SetJobState("");
}

void ApplyInquire(MonitorContext& context, int count, PjlItem* items) {
  for (int i = 1; i < count; ++i) {
    const PjlItem& item = items[i];
    const std::uint16_t value = static_cast<std::uint16_t>(item.value.id & 0xFFFF);
    switch (item.key) {
      case PJLKW_POWERSAVETIME:
        if (item.type == PJL_ITEM_NUMBER) context.powerSaveTime = item.value.number;
        break;
      case PJLKW_TRANSFERBIAS:
        if (item.type == PJL_ITEM_NUMBER) context.transferBias = item.value.number;
        break;
      case PJLKW_TONERPOSITION:
        context.tonerPosition = item.type != PJL_ITEM_KEYWORD ? 99
                                : value == PJLKW_C        ? 1
                                : value == PJLKW_M        ? 2
                                : value == PJLKW_Y        ? 3
                                : value == PJLKW_K        ? 4
                                : value == PJLKW_MOVING   ? 0
                                                          : 99;
        break;
      case PJLKW_AUTOCONTINUE:
        context.autoContinue = item.type == PJL_ITEM_KEYWORD && value == PJLKW_ON ? 1 : 0;
        break;
      default:
        break;
    }
  }
}

}  // namespace

void BindStatusServices(const MonitorContext* context, const StatusServices* services) {
  std::lock_guard<std::mutex> guard(g_bindingsMutex);
  Bindings()[context] = services;
}

void UnbindStatusServices(const MonitorContext* context) {
  std::lock_guard<std::mutex> guard(g_bindingsMutex);
  Bindings().erase(context);
}

const StatusServices* BoundStatusServices(const MonitorContext* context) {
  std::lock_guard<std::mutex> guard(g_bindingsMutex);
  auto found = Bindings().find(context);
  return found == Bindings().end() ? nullptr : found->second;
}

std::string ShownJobName(const std::string& name) {
  if (name.size() <= 31) return name;
  return name.substr(0, 29) + "...";
}

void StoreStatusCode(MonitorContext& context, const StatusServices& services, int code) {
  if (context.jobActive && context.jobFlag && code == services.statusReady) {
    context.statusCode = services.statusPrinting;
  } else {
    context.statusCode = code;
  }
}

void ApplyJobFieldReset(const MonitorContext& context, StatusView& view) {
  if (!view.HasJobFields()) return;
  if (!ContainsCode(context.resetJobCodes, sizeof context.resetJobCodes / sizeof(int),
                    context.statusCode)) {
    return;
  }
  view.SetJobName("");
  view.SetPageNumber("");
  view.SetJobState("");
}

int ApplyReplyRecord(MonitorContext& context, const StatusServices& services, int code,
                     int count, PjlItem* items) {
  if (code != PJL_TOKEN_REPLY_COMPLETE || count <= 0 || items == nullptr) return 1;
  const std::uint16_t command = PjlCommandOf(count, items);
  switch (command) {
    case PJLKW_ECHO:
      return 0;
    case PJLKW_INFO: {
      switch (PjlKeywordOf(count, items, PJLKW_INFO)) {
        case PJLKW_CONFIG: ApplyConfig(context, count, items); break;
        case PJLKW_MEMORY:
          if (HasNumber(count, items, PJLKW_TOTAL)) {
            context.deviceInfo.memoryTotal = static_cast<std::uint32_t>(PjlNumberOf(count, items, PJLKW_TOTAL));
          }
          if (HasNumber(count, items, PJLKW_LARGEST)) {
            context.deviceInfo.memoryLargest = static_cast<std::uint32_t>(PjlNumberOf(count, items, PJLKW_LARGEST));
          }
          break;
        case PJLKW_PAGECOUNT:
          if (HasNumber(count, items, PJLKW_PAGECOUNT)) {
            context.deviceInfo.pageCount = PjlNumberOf(count, items, PJLKW_PAGECOUNT);
          }
          break;
        case PJLKW_COUNTER: {
          DeviceInfo& info = context.deviceInfo;
          const struct { std::uint16_t key; std::int32_t* field; } counters[] = {
              {PJLKW_COUNTTOTAL, &info.counterTotal},   {PJLKW_COUNTTONERC, &info.counterCyan},
              {PJLKW_COUNTTONERM, &info.counterMagenta}, {PJLKW_COUNTTONERY, &info.counterYellow},
              {PJLKW_COUNTTONERK, &info.counterBlack}};
          for (const auto& counter : counters) {
            if (HasNumber(count, items, counter.key)) *counter.field = PjlNumberOf(count, items, counter.key);
          }
          break;
        }
        case PJLKW_WARNINGLIST: ApplyWarningList(services, count, items); break;
        case PJLKW_STATUS:
        case PJLKW_DSTATUS: ApplyStatus(context, services, count, items); break;
        default: break;  // ID and the rest: nothing kept
      }
      return 0;
    }
    case PJLKW_USTATUS: {
      switch (PjlKeywordOf(count, items, PJLKW_USTATUS)) {
        case PJLKW_DEVICE:
        case PJLKW_TIMED:
          StoreStatusCode(context, services, PjlNumberOf(count, items, PJLKW_CODE));
          if (services.view) ApplyJobFieldReset(context, *services.view);
          break;
        case PJLKW_DDEVICE:
        case PJLKW_DTIMED: {
          const int reported = PjlNumberOf(count, items, PJLKW_CODE);
          if (WarningText(services, reported).empty()) StoreStatusCode(context, services, reported);
          if (services.view) ApplyJobFieldReset(context, *services.view);
          break;
        }
        case PJLKW_JOB: ApplyJob(context, services, count, items); break;
        case PJLKW_PAGE: ApplyPage(services, count, items); break;
        default: break;
      }
      return 0;
    }
    case PJLKW_INQUIRE:
      ApplyInquire(context, count, items);
      return 0;
    default:
      return 1;
  }
}

int ApplyReply(PjlParser* parser, int code, int count, PjlItem* items) {
  if (parser == nullptr) return 1;
  auto* context = static_cast<MonitorContext*>(parser->settings.userData);
  if (context == nullptr) return 1;
  static const StatusServices kNone;
  const StatusServices* services = BoundStatusServices(context);
  return ApplyReplyRecord(*context, services ? *services : kNone, code, count, items);
}

}  // namespace statmon
