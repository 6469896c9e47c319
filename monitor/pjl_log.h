// The optional PJL log: every reply that reaches the reply handler is
// appended with a local time stamp.
#pragma once
#include "monitor_context.h"

namespace statmon {

// Appends one stamped entry for `reply` to the file `logPath`. An empty path
// means no log; a file that cannot be opened loses this entry only. The
// caller's last error is left as it was.
void AppendPjlLog(const char* logPath, const char* reply);

// The same for the log configured in the context ([Misc] PJLLog).
void AppendPjlLog(const MonitorContext& context, const char* reply);

}  // namespace statmon
