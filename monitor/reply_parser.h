// The monitor's reply parser: created when the main window opens, with the
// monitor's keyword table installed, global-memory allocation, room for 500
// items, ApplyReply as its command hook and the grammar-argument token hook.
// The parser's user data is the context. Create and destroy it under the
// context lock; once it is destroyed every query fails.
#pragma once

#include "monitor_context.h"

namespace statmon {

// Installs the keyword table and creates the parser into
// context.replyParser. False (and replyParser null) when either fails.
bool CreateReplyParser(MonitorContext& context);

// Destroys the parser and clears context.replyParser; harmless when none.
void DestroyReplyParser(MonitorContext& context);

}  // namespace statmon
