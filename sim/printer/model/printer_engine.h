// The simulated printer and its language monitor, as one state machine: it
// answers the printer-data requests a status monitor makes ("#GET#\n@PJL ...",
// "#SET#\n@PJL ...", "READ") with the PJL a printer of the family sends (CR LF
// line ends, a closing form feed), applies SET commands to its state, queues
// unsolicited USTATUS messages for READ, and follows a scripted timeline.
//
// State file sections (all optional; missing keys take the defaults below):
//   [Printer]   Power, Connected (0 = the pseudo reply CODE=111111), Busy,
//               BusyRequests (CODE=999999 always / for the next n requests),
//               Code, Display, Online, Id, DoorOpen, ReadyCode, PrintingCode,
//               ExchangeCode, DoorOpenCode, TestCode, TestMs, MoveMs
//   [Display]   <code>=<display text> overriding Printer.Display
//   [Supplies]  TonerK/C/M/Y, Belt, Drum, Fuser (levels), TypeK/C/M/Y (capacity)
//   [Config]    InTrays, OutTrays (lists of WORD or WORD:KIND), Papers,
//               TraySizes, Languages, Ustatus, Interfaces, MailbinTypes, MailboxNames,
//               Memory, Firmware, DeviceId, UsbVid, UsbPid, EngineFirmware, Version
//   [Options]   <option>=<state> for TRAY2 ... OUTOPTION
//   [Memory]    Total, Largest        [Counters] PageCount, Total, TonerC/M/Y/K
//   [Warnings]  <W1 word>=<code>, in order
//   [Settings]  PJL variables as SET stores them (TONERPOSITION, TRANSFERBIAS,
//               POWERSAVETIME, AUTOCONTINUE, DENSITY, TIMEOUT, POWERSAVE, ...)
//   [Defaults]  factory values: INITIALIZE copies them into [Settings];
//               DINQUIRE answers from them
//   [Ranges]    upper bounds shown by INFO VARIABLES
//   [Events]    one-shot action lists, applied at the next request and removed
//   [Timeline]  <n>=<ms after the timeline started>;<action>;<action>...
//   [Runtime], [Queue]  written by the printer itself
// An action is "Section.Key=Value" or a job event: "JobStart=<name>",
// "JobPage=<n>", "JobEnd=<name>,<pages>,<RESULT>".
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "state_store.h"

namespace simprinter {

class PrinterEngine {
 public:
  // `nowMs` is a millisecond clock shared by every process that talks to the
  // printer (the system tick count); timeline and movements are measured on it.
  PrinterEngine(StateStore& state, uint64_t nowMs);

  // Answers a printer-data request. Returns false for value names a language
  // monitor does not interpret (the caller then reads ordinary printer data).
  // `capacity` is the caller's buffer size in bytes including the terminator;
  // a READ answer holds as many whole queued messages as fit. An empty reply
  // means the printer sent nothing.
  bool Answer(const std::string& request, size_t capacity, std::string* reply);

  // A print job reaching the printer through its port.
  void JobStarted(const std::string& name);
  void JobEnded(int pages, const std::string& result);

  // The status code the printer reports now (pseudo codes aside).
  int CurrentCode();

 private:
  void Tick();
  void ApplyActions(const std::string& actions);
  void ApplyAction(const std::string& action);
  void Enqueue(const std::string& message);
  std::string Dequeue(size_t capacity);
  void NoteDeviceChange();
  void RepeatTimed();
  bool UstatusOn(const std::string& kind);

  std::string Execute(const std::string& command, bool wantsReply);
  std::string Info(const std::string& category);
  std::string Inquire(const std::string& command, const std::string& variable, bool defaults);
  void SetVariable(const std::string& variable, const std::string& value);
  void SetUstatus(const std::string& kind, const std::string& value);

  std::string StatusBody(int code);
  std::string ConsumablesBody(int code);
  std::string ConfigReply();
  std::string VariablesReply();
  std::string UstatusInfoReply();
  std::string WarningListReply();
  std::string TonerPosition();
  std::string DisplayFor(int code);

  std::string Text(const char* section, const char* key, const char* fallback);
  long long Number(const char* section, const char* key, long long fallback);
  void SetNumber(const char* section, const char* key, long long value);

  StateStore& state_;
  uint64_t now_;
};

// The request as one log line: control characters as \n, \r, \f or \xHH.
std::string EscapeRequest(const std::string& request);

// The pseudo reply the language monitor gives for `code` (111111 when the
// printer cannot be reached, 999999 when the port is busy): an INFO STATUS
// record, so that it reaches the status monitor's parser as that code.
std::string PseudoReply(int code);

}  // namespace simprinter
