// What reply interpretation and the display refresh need from the window,
// the configuration file and the string table, as narrow interfaces: the
// Windows layer implements them on the main window, tests record the calls.
#pragma once
#include <string>

#include "monitor_context.h"
#include "profile_source.h"

namespace statmon {

// The job and warning fields of the main window and the monitor's own
// message boxes. Off the window thread an implementation keeps the field
// changes pending and hands them to the window thread.
class StatusView {
 public:
  virtual ~StatusView() = default;
  // The window has the job name control (1024); without it the job-field
  // reset does nothing.
  virtual bool HasJobFields() const = 0;
  virtual void SetJobName(const std::string& text) = 0;    // control 1024
  virtual void SetPageNumber(const std::string& text) = 0; // control 1025
  virtual void SetJobState(const std::string& text) = 0;   // control 1027
  // Warning list box (1026): empty it, add one line, set the horizontal extent.
  virtual void ClearWarnings() = 0;
  virtual void AddWarning(const std::string& text) = 0;
  virtual void SetWarningExtent(int pixels) = 0;
  // An error box owned by the main window; `caption` and `text` are final.
  // Implementations show at most one such box at a time.
  virtual void ShowDataError(const std::string& caption, const std::string& text) = 0;
  // Hook for the consumables check that runs after a status reply with
  // supplies. Nothing is checked yet: the default does nothing.
  virtual void CheckSupplies(MonitorContext& /*context*/) {}
};

// The string table's texts by id (monitor_strings.h), UTF-8 as stored.
class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::string Text(int stringId) const = 0;
};

// Everything ApplyReply, ComputeOptions and the display decision read
// besides the context. The printing and ready codes come from
// [Status_Override].
struct StatusServices {
  const ProfileSource* profile = nullptr;
  const NameTable* names = nullptr;
  const TextSource* texts = nullptr;
  StatusView* view = nullptr;
  int statusPrinting = 610100;
  int statusReady = 600100;
};

// The parser's command hook finds the services through its context: bind
// them before the first reply, unbind before the services go away. One
// binding per context; binding again replaces it.
void BindStatusServices(const MonitorContext* context, const StatusServices* services);
void UnbindStatusServices(const MonitorContext* context);
const StatusServices* BoundStatusServices(const MonitorContext* context);

}  // namespace statmon
