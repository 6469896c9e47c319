#include "printer_engine.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace simprinter {

namespace {

constexpr size_t kQueueLimit = 64;  // unread messages kept; the oldest go first
const char* const kUstatusKinds[] = {"DEVICE", "DDEVICE", "JOB", "PAGE", "TIMED", "DTIMED"};
const char* const kOptionOrder[] = {"TRAY2",    "TRAY3",    "INTRAY2",  "INTRAY3", "INTRAY4",
                                    "INTRAY5",  "INPTRAY2", "INPTRAY3", "SHIFTRAY", "DUPLEX",
                                    "HARDDISK", "NETCARD",  "OUTOPTION"};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r\n\f";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    const std::string part = Trim(text.substr(start, end - start));
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

// Texts inside a quoted PJL value or a queued message: no quotes, no bars
// (the queue's line separator), no control characters.
std::string Printable(const std::string& text) {
  std::string out;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x20 && c != '"' && c != '|') out += c;
  }
  return out;
}

std::string Line(const std::string& text) { return text + "\r\n"; }

std::string Enumeration(const std::string& head, const std::vector<std::string>& entries) {
  std::string text = Line(head + " [" + std::to_string(entries.size()) + " ENUMERATED]");
  for (const std::string& entry : entries) text += Line("\t" + entry);
  return text;
}

// "WORD:KIND" list entries become "WORD KIND".
std::vector<std::string> Pairs(const std::string& list) {
  std::vector<std::string> entries;
  for (std::string entry : Split(list, ',')) {
    const size_t colon = entry.find(':');
    if (colon != std::string::npos) entry = Trim(entry.substr(0, colon)) + " " + Trim(entry.substr(colon + 1));
    entries.push_back(Upper(entry));
  }
  return entries;
}

std::vector<std::string> OptionStates(const std::string& option) {
  if (option == "NETCARD") return {"ETHERNETCARD", "NOTINSTALLED"};
  if (option == "OUTOPTION") {
    return {"NOTINSTALLED", "5BIN-MAILBIN", "10BIN-MAILBIN", "FINISHER", "MAILBIN-FINISHER"};
  }
  return {"INSTALLED", "NOTINSTALLED"};
}

bool IsOption(const std::string& word) {
  for (const char* option : kOptionOrder) {
    if (word == option) return true;
  }
  return false;
}

}  // namespace

PrinterEngine::PrinterEngine(StateStore& state, uint64_t nowMs) : state_(state), now_(nowMs) {}

std::string PrinterEngine::Text(const char* section, const char* key, const char* fallback) {
  const std::string value = state_.Get(section, key);
  return value.empty() ? fallback : value;
}

long long PrinterEngine::Number(const char* section, const char* key, long long fallback) {
  const std::string value = state_.Get(section, key);
  return value.empty() ? fallback : std::strtoll(value.c_str(), nullptr, 10);
}

void PrinterEngine::SetNumber(const char* section, const char* key, long long value) {
  state_.Set(section, key, std::to_string(value));
}

// ---- state over time -------------------------------------------------------

int PrinterEngine::CurrentCode() {
  if (Number("Printer", "DoorOpen", 0)) return Number("Printer", "DoorOpenCode", 200100);
  if (Number("Runtime", "Exchange", 0)) return Number("Printer", "ExchangeCode", 600500);
  if (static_cast<uint64_t>(Number("Runtime", "MoveUntil", 0)) > now_) {
    return Number("Printer", "MovingCode", 610300);
  }
  if (static_cast<uint64_t>(Number("Runtime", "TestUntil", 0)) > now_) {
    return Number("Printer", "TestCode", 610200);
  }
  if (Number("Runtime", "JobActive", 0)) return Number("Printer", "PrintingCode", 610100);
  return Number("Printer", "Code", 600100);
}

void PrinterEngine::Tick() {
  const auto events = state_.Entries("Events");
  if (!events.empty()) {
    state_.RemoveSection("Events");
    for (const auto& event : events) ApplyActions(event.second);
  }

  const auto timeline = state_.Entries("Timeline");
  if (!timeline.empty()) {
    if (state_.Get("Runtime", "TimelineStart").empty()) SetNumber("Runtime", "TimelineStart", static_cast<long long>(now_));
    const uint64_t start = static_cast<uint64_t>(Number("Runtime", "TimelineStart", 0));
    size_t done = static_cast<size_t>(Number("Runtime", "TimelineDone", 0));
    for (; done < timeline.size(); ++done) {
      const std::string& step = timeline[done].second;
      const size_t semicolon = step.find(';');
      const uint64_t at = std::strtoull(Trim(step.substr(0, semicolon)).c_str(), nullptr, 10);
      if (now_ < start + at) break;
      if (semicolon != std::string::npos) ApplyActions(step.substr(semicolon + 1));
    }
    SetNumber("Runtime", "TimelineDone", static_cast<long long>(done));
  }

  const uint64_t moveUntil = static_cast<uint64_t>(Number("Runtime", "MoveUntil", 0));
  if (moveUntil != 0 && now_ >= moveUntil) {
    state_.Set("Settings", "TONERPOSITION", Text("Runtime", "MoveTarget", "K"));
    state_.Remove("Runtime", "MoveUntil");
    state_.Remove("Runtime", "MoveTarget");
    SetNumber("Runtime", "Exchange", 1);
  }
  // At the exchange position the user opens the door, changes the cartridge
  // and closes it again; then the printer is ready.
  if (Number("Runtime", "Exchange", 0)) {
    if (Number("Printer", "DoorOpen", 0)) {
      SetNumber("Runtime", "DoorWasOpen", 1);
    } else if (Number("Runtime", "DoorWasOpen", 0)) {
      state_.Remove("Runtime", "Exchange");
      state_.Remove("Runtime", "DoorWasOpen");
      SetNumber("Printer", "Code", Number("Printer", "ReadyCode", 600100));
    }
  }
  const uint64_t testUntil = static_cast<uint64_t>(Number("Runtime", "TestUntil", 0));
  if (testUntil != 0 && now_ >= testUntil) state_.Remove("Runtime", "TestUntil");

  NoteDeviceChange();
  RepeatTimed();
}

void PrinterEngine::ApplyActions(const std::string& actions) {
  for (const std::string& action : Split(actions, ';')) ApplyAction(action);
}

void PrinterEngine::ApplyAction(const std::string& action) {
  const size_t equals = action.find('=');
  if (equals == std::string::npos) return;
  const std::string target = Trim(action.substr(0, equals));
  const std::string value = Trim(action.substr(equals + 1));
  const size_t dot = target.find('.');
  if (dot != std::string::npos) {
    const std::string section = target.substr(0, dot), key = target.substr(dot + 1);
    if (value.empty()) {
      state_.Remove(section, key);
    } else {
      state_.Set(section, key, value);
    }
  } else if (target == "JobStart") {
    JobStarted(value);
  } else if (target == "JobPage") {
    const long long page = std::strtoll(value.c_str(), nullptr, 10);
    SetNumber("Runtime", "JobPages", page);
    SetNumber("Counters", "PageCount", Number("Counters", "PageCount", 0) + 1);
    SetNumber("Counters", "Total", Number("Counters", "Total", 0) + 1);
    if (UstatusOn("PAGE")) Enqueue("@PJL USTATUS PAGE\r\n" + Line(std::to_string(page)) + "\f");
  } else if (target == "JobEnd") {
    const std::vector<std::string> parts = Split(value, ',');
    if (!parts.empty()) state_.Set("Runtime", "JobName", parts[0]);
    JobEnded(parts.size() > 1 ? std::atoi(parts[1].c_str()) : 1, parts.size() > 2 ? parts[2] : "OK");
  }
}

bool PrinterEngine::UstatusOn(const std::string& kind) { return !state_.Get("Ustatus", kind).empty(); }

void PrinterEngine::NoteDeviceChange() {
  const int code = CurrentCode();
  const std::string last = state_.Get("Runtime", "LastCode");
  if (last == std::to_string(code)) return;
  SetNumber("Runtime", "LastCode", code);
  if (last.empty()) return;
  if (UstatusOn("DEVICE")) Enqueue("@PJL USTATUS DEVICE\r\n" + StatusBody(code) + "\f");
  if (UstatusOn("DDEVICE")) Enqueue("@PJL USTATUS DDEVICE\r\n" + ConsumablesBody(code) + "\f");
}

void PrinterEngine::RepeatTimed() {
  for (const char* kind : {"TIMED", "DTIMED"}) {
    const long long seconds = Number("Ustatus", kind, 0);
    if (seconds <= 0) continue;
    const std::string lastKey = std::string("Last") + kind;
    const uint64_t last = static_cast<uint64_t>(Number("Runtime", lastKey.c_str(), 0));
    if (now_ < last + static_cast<uint64_t>(seconds) * 1000) continue;
    SetNumber("Runtime", lastKey.c_str(), static_cast<long long>(now_));
    const int code = CurrentCode();
    const std::string body = std::string(kind) == "TIMED" ? StatusBody(code) : ConsumablesBody(code);
    Enqueue(std::string("@PJL USTATUS ") + kind + "\r\n" + body + "\f");
  }
}

// Queued messages are kept one per entry, their CR LF written as "|" and the
// closing form feed left off, so that the INI file stays line-oriented.
void PrinterEngine::Enqueue(const std::string& message) {
  std::string stored;
  for (size_t i = 0; i < message.size(); ++i) {
    if (message.compare(i, 2, "\r\n") == 0) {
      stored += '|';
      ++i;
    } else if (message[i] != '\f') {
      stored += message[i];
    }
  }
  auto entries = state_.Entries("Queue");
  for (size_t i = 0; i + kQueueLimit <= entries.size(); ++i) state_.Remove("Queue", entries[i].first);
  const long long next = Number("Runtime", "QueueNext", 1);
  SetNumber("Runtime", "QueueNext", next + 1);
  state_.Set("Queue", std::to_string(next), stored);
}

std::string PrinterEngine::Dequeue(size_t capacity) {
  std::string answer;
  for (const auto& entry : state_.Entries("Queue")) {
    std::string message;
    for (char c : entry.second) message += c == '|' ? std::string("\r\n") : std::string(1, c);
    message += '\f';
    if (answer.size() + message.size() + 1 > capacity) break;
    answer += message;
    state_.Remove("Queue", entry.first);
  }
  return answer;
}

// ---- jobs ------------------------------------------------------------------

void PrinterEngine::JobStarted(const std::string& name) {
  const std::string clean = Printable(name);
  state_.Set("Runtime", "JobName", clean);
  SetNumber("Runtime", "JobPages", 0);
  SetNumber("Runtime", "JobActive", 1);
  if (UstatusOn("JOB")) Enqueue("@PJL USTATUS JOB\r\nSTART\r\n" + Line("NAME=\"" + clean + "\"") + "\f");
  NoteDeviceChange();
}

void PrinterEngine::JobEnded(int pages, const std::string& result) {
  for (long long page = Number("Runtime", "JobPages", 0) + 1; page <= pages; ++page) {
    ApplyAction("JobPage=" + std::to_string(page));
  }
  const std::string name = Text("Runtime", "JobName", "");
  state_.Remove("Runtime", "JobActive");
  state_.Remove("Runtime", "JobPages");
  if (UstatusOn("JOB")) {
    Enqueue("@PJL USTATUS JOB\r\nEND\r\n" + Line("NAME=\"" + name + "\"") +
            Line("PAGES=" + std::to_string(pages)) + Line("RESULT=" + Upper(result)) + "\f");
  }
  NoteDeviceChange();
}

// ---- requests --------------------------------------------------------------

bool PrinterEngine::Answer(const std::string& request, size_t capacity, std::string* reply) {
  const bool isRead = request == "READ";
  const bool isGet = request.compare(0, 5, "#GET#") == 0;
  const bool isSet = request.compare(0, 5, "#SET#") == 0;
  if (!isRead && !isGet && !isSet) return false;
  Tick();
  reply->clear();
  if (!Number("Printer", "Power", 1) || !Number("Printer", "Connected", 1)) {
    *reply = PseudoReply(111111);
    return true;
  }
  const long long busyRequests = Number("Printer", "BusyRequests", 0);
  if (busyRequests > 0) SetNumber("Printer", "BusyRequests", busyRequests - 1);
  if (Number("Printer", "Busy", 0) || busyRequests > 0) {
    *reply = PseudoReply(999999);
    return true;
  }
  if (isRead) {
    *reply = Dequeue(capacity);
    return true;
  }
  std::string command = request.substr(5);
  if (!command.empty() && command[0] == '\n') command.erase(0, 1);
  *reply = Execute(Trim(command), isGet);
  return true;
}

std::string PrinterEngine::Execute(const std::string& command, bool wantsReply) {
  if (Upper(command.substr(0, 4)) != "@PJL") return {};
  const std::string rest = Trim(command.substr(4));
  const size_t blank = rest.find_first_of(" \t");
  const std::string word = Upper(rest.substr(0, blank));
  const std::string argument = blank == std::string::npos ? std::string() : Trim(rest.substr(blank));
  const size_t equals = argument.find('=');
  const std::string name = Upper(Trim(argument.substr(0, equals)));
  const std::string value = equals == std::string::npos ? std::string() : Trim(argument.substr(equals + 1));

  std::string reply;
  if (word == "INFO") {
    reply = Info(name);
  } else if (word == "INQUIRE" || word == "DINQUIRE") {
    reply = Inquire(word, name, word == "DINQUIRE");
  } else if (word == "SET") {
    SetVariable(name, value);
  } else if (word == "INITIALIZE") {
    for (const auto& entry : state_.Entries("Defaults")) state_.Set("Settings", entry.first, entry.second);
  } else if (word == "USTATUS") {
    SetUstatus(name, Upper(value));
  } else if (word == "USTATUSOFF") {
    state_.RemoveSection("Ustatus");
    state_.RemoveSection("Queue");
  } else if (word == "ECHO") {
    reply = "@PJL ECHO " + argument + "\r\n\f";
  }
  return wantsReply ? reply : std::string();
}

void PrinterEngine::SetUstatus(const std::string& kind, const std::string& value) {
  bool known = false;
  for (const char* k : kUstatusKinds) known = known || kind == k;
  if (!known) return;
  if (kind == "TIMED" || kind == "DTIMED") {
    const long long seconds = std::strtoll(value.c_str(), nullptr, 10);
    if (seconds > 0) {
      SetNumber("Ustatus", kind.c_str(), seconds);
      SetNumber("Runtime", ("Last" + kind).c_str(), static_cast<long long>(now_));
    } else {
      state_.Remove("Ustatus", kind);
    }
    return;
  }
  if (value != "ON" && value != "VERBOSE") {
    state_.Remove("Ustatus", kind);
    return;
  }
  state_.Set("Ustatus", kind, value);
  // Switching device status on reports the current state at once.
  const int code = CurrentCode();
  SetNumber("Runtime", "LastCode", code);
  if (kind == "DEVICE") Enqueue("@PJL USTATUS DEVICE\r\n" + StatusBody(code) + "\f");
  if (kind == "DDEVICE") Enqueue("@PJL USTATUS DDEVICE\r\n" + ConsumablesBody(code) + "\f");
}

void PrinterEngine::SetVariable(const std::string& variable, const std::string& value) {
  const std::string upperValue = Upper(value);
  if (variable == "TONERPOSITION") {
    if (upperValue != "C" && upperValue != "M" && upperValue != "Y" && upperValue != "K") return;
    state_.Set("Runtime", "MoveTarget", upperValue);
    SetNumber("Runtime", "MoveUntil", static_cast<long long>(now_ + Number("Printer", "MoveMs", 3000)));
    state_.Remove("Runtime", "Exchange");
    state_.Remove("Runtime", "DoorWasOpen");
  } else if (variable.size() == 10 && variable.compare(0, 9, "TONERTYPE") == 0 &&
             std::string("KCMY").find(variable[9]) != std::string::npos) {
    // A new cartridge of the given capacity: full again.
    const std::string colour(1, variable[9]);
    state_.Set("Supplies", "Type" + colour, value);
    state_.Set("Supplies", "Toner" + colour, "100");
  } else if (variable == "AIDCCONTROL") {
    if (value == "1") SetNumber("Runtime", "TestUntil", static_cast<long long>(now_ + Number("Printer", "TestMs", 4000)));
  } else if (!variable.empty()) {
    state_.Set("Settings", variable, upperValue);
  }
  NoteDeviceChange();
}

// ---- replies ---------------------------------------------------------------

std::string PrinterEngine::DisplayFor(int code) {
  const std::string own = state_.Get("Display", std::to_string(code));
  return Printable(own.empty() ? Text("Printer", "Display", "READY") : own);
}

std::string PrinterEngine::StatusBody(int code) {
  return Line("CODE=" + std::to_string(code)) + Line("DISPLAY=\"" + DisplayFor(code) + "\"") +
         Line("ONLINE=" + Upper(Text("Printer", "Online", "TRUE")));
}

std::string PrinterEngine::ConsumablesBody(int code) {
  std::string text = Line("CODE=" + std::to_string(code));
  const struct { const char* word; const char* key; long long fallback; } fields[] = {
      {"CONSUMETONERK", "TonerK", 100}, {"CONSUMETONERC", "TonerC", 100},
      {"CONSUMETONERM", "TonerM", 100}, {"CONSUMETONERY", "TonerY", 100},
      {"CONSUMETRSBELT", "Belt", 100},  {"CONSUMEIMGDRUM", "Drum", 100},
      {"CONSUMEFUSER", "Fuser", 100},   {"CONSUMETONERTYPEK", "TypeK", 4500},
      {"CONSUMETONERTYPEC", "TypeC", 4500}, {"CONSUMETONERTYPEM", "TypeM", 4500},
      {"CONSUMETONERTYPEY", "TypeY", 4500},
  };
  for (const auto& f : fields) text += Line(std::string(f.word) + "=" + std::to_string(Number("Supplies", f.key, f.fallback)));
  return text;
}

std::string PrinterEngine::TonerPosition() {
  if (static_cast<uint64_t>(Number("Runtime", "MoveUntil", 0)) > now_) return "MOVING";
  return Upper(Text("Settings", "TONERPOSITION", "K"));
}

std::string PrinterEngine::Info(const std::string& category) {
  const std::string head = Line("@PJL INFO " + category);
  if (category == "ID") return head + Line("\"" + Printable(Text("Printer", "Id", "TOLVAN CLP-2600")) + "\"") + "\f";
  if (category == "STATUS") return head + StatusBody(CurrentCode()) + "\f";
  if (category == "DSTATUS") return head + ConsumablesBody(CurrentCode()) + "\f";
  if (category == "CONFIG") return head + ConfigReply() + "\f";
  if (category == "MEMORY") {
    return head + Line("TOTAL=" + std::to_string(Number("Memory", "Total", 134217728))) +
           Line("LARGEST=" + std::to_string(Number("Memory", "Largest", 100663296))) + "\f";
  }
  if (category == "PAGECOUNT") return head + Line("PAGECOUNT=" + std::to_string(Number("Counters", "PageCount", 0))) + "\f";
  if (category == "COUNTER") {
    return head + Line("COUNTTOTAL=" + std::to_string(Number("Counters", "Total", 0))) +
           Line("COUNTTONERC=" + std::to_string(Number("Counters", "TonerC", 0))) +
           Line("COUNTTONERM=" + std::to_string(Number("Counters", "TonerM", 0))) +
           Line("COUNTTONERY=" + std::to_string(Number("Counters", "TonerY", 0))) +
           Line("COUNTTONERK=" + std::to_string(Number("Counters", "TonerK", 0))) + "\f";
  }
  if (category == "WARNINGLIST") return head + WarningListReply() + "\f";
  if (category == "VARIABLES") return head + VariablesReply() + "\f";
  if (category == "USTATUS") return head + UstatusInfoReply() + "\f";
  return {};  // a category this printer does not know: no answer
}

std::string PrinterEngine::WarningListReply() {
  const auto warnings = state_.Entries("Warnings");
  std::string text = Line("WARNINGLIST [" + std::to_string(warnings.size()) + " ENUMERATED]");
  for (const auto& w : warnings) text += Line(Upper(w.first) + "=" + w.second);
  return text;
}

std::string PrinterEngine::ConfigReply() {
  std::string text;
  const auto block = [&](const char* head, const char* key, const char* fallback) {
    const std::vector<std::string> entries = Pairs(Text("Config", key, fallback));
    if (!entries.empty()) text += Enumeration(head, entries);
  };
  block("IN TRAYS", "InTrays", "INTRAY1:MP,MANUAL");
  block("OUT TRAYS", "OutTrays", "NORMAL:FACEDOWN");
  block("PAPERS", "Papers", "A4,LETTER");
  block("LANGUAGES", "Languages", "PCL");
  block("USTATUS", "Ustatus", "DEVICE,DDEVICE,TIMED,DTIMED,JOB,PAGE");
  for (const char* option : kOptionOrder) {
    const std::string state = Upper(state_.Get("Options", option));
    if (!state.empty()) text += Enumeration(std::string(option) + "=" + state, OptionStates(option));
  }
  block("XINTERFACES", "Interfaces", "");
  block("MAILBINTYPE", "MailbinTypes", "");
  block("MAILBOXNAME", "MailboxNames", "");
  text += Line("MEMORY=" + std::to_string(Number("Config", "Memory", 134217728)));
  text += Line("FIRMWARE=\"" + Printable(Text("Config", "Firmware", "V1.00")) + "\"");
  const std::string deviceId = Printable(state_.Get("Config", "DeviceId"));
  if (!deviceId.empty()) text += Line("DEVICEID=\"" + deviceId + "\"");
  if (!state_.Get("Config", "UsbVid").empty()) text += Line("USBVID=" + std::to_string(Number("Config", "UsbVid", 0)));
  if (!state_.Get("Config", "UsbPid").empty()) text += Line("USBPID=" + std::to_string(Number("Config", "UsbPid", 0)));
  const std::string engine = Printable(state_.Get("Config", "EngineFirmware"));
  if (!engine.empty()) text += Line("ENGFW=\"" + engine + "\"");
  return text;
}

std::string PrinterEngine::VariablesReply() {
  std::string text;
  for (const char* variable : {"DENSITY", "POWERSAVETIME", "TIMEOUT"}) {
    const std::string value = state_.Get("Settings", variable);
    if (value.empty()) continue;
    text += Line(std::string(variable) + "=" + value);
    text += Line("RANGE " + Text("Ranges", variable, "300"));
  }
  const std::vector<std::string> papers = Pairs(Text("Config", "TraySizes", "A4,LETTER"));
  for (const char* tray : {"INTRAY1SIZE", "INTRAY2SIZE", "INTRAY3SIZE"}) {
    const std::string size = Upper(state_.Get("Settings", tray));
    if (!size.empty()) text += Enumeration(std::string(tray) + "=" + size, papers);
  }
  const std::string powerSave = Upper(state_.Get("Settings", "POWERSAVE"));
  if (!powerSave.empty()) text += Enumeration("POWERSAVE=" + powerSave, {"ON", "OFF"});
  text += Line("TONERPOSITION=" + TonerPosition());
  return text;
}

std::string PrinterEngine::UstatusInfoReply() {
  std::string text;
  for (const char* kind : {"DEVICE", "DDEVICE", "JOB", "PAGE"}) {
    const std::string value = state_.Get("Ustatus", kind);
    text += Enumeration(std::string(kind) + "=" + (value.empty() ? "OFF" : value), {"ON", "OFF", "VERBOSE"});
  }
  for (const char* kind : {"TIMED", "DTIMED"}) {
    text += Line(std::string(kind) + "=" + std::to_string(Number("Ustatus", kind, 0)));
    text += Line("RANGE " + Text("Ranges", kind, "300"));
  }
  return text;
}

std::string PrinterEngine::Inquire(const std::string& command, const std::string& variable, bool defaults) {
  std::string value;
  const struct { const char* variable; const char* key; } counters[] = {
      {"PAGECOUNT", "PageCount"}, {"TONERCCOUNT", "TonerC"}, {"TONERKCOUNT", "TonerK"},
      {"TONERMCOUNT", "TonerM"},  {"TONERYCOUNT", "TonerY"},
  };
  for (const auto& c : counters) {
    if (variable == c.variable) value = std::to_string(Number("Counters", c.key, 0));
  }
  if (!value.empty()) {
  } else if (variable == "TONERPOSITION" && !defaults) {
    value = TonerPosition();
  } else if (variable == "FIRMWARE") {
    value = Text("Config", "Firmware", "V1.00");
  } else if (variable == "VERSION") {
    value = Text("Config", "Version", "1.0");
  } else if (IsOption(variable)) {
    const std::string state = Upper(state_.Get("Options", variable));
    value = !state.empty() && state != "NOTINSTALLED" ? "1" : "0";
  } else {
    if (defaults) value = state_.Get("Defaults", variable);
    if (value.empty()) value = state_.Get("Settings", variable);
    if (value.empty()) value = "?";
  }
  return Line("@PJL " + command + " " + variable) + Line(Printable(value)) + "\f";
}

// ---- helpers for the Windows layer ------------------------------------------

std::string EscapeRequest(const std::string& request) {
  std::string out;
  for (char c : request) {
    const unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\f': out += "\\f"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default:
        if (u < 0x20 || u >= 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", u);
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string PseudoReply(int code) {
  return "@PJL INFO STATUS\r\nCODE=" + std::to_string(code) + "\r\n\f";
}

}  // namespace simprinter
