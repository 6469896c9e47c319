// What the monitor takes from each parsed reply record: status codes by the
// job rule, job fields, warnings, hardware flags, device information,
// supplies and the INQUIRE answers kept for the dialog library.
#pragma once

#include "monitor_context.h"
#include "pjl_parser.h"
#include "status_view.h"

namespace statmon {

// The parser's command hook. The parser's user data is the context; the
// services bound to it (BindStatusServices) supply the configuration, texts
// and view. Returns 0 for ECHO, INFO, INQUIRE and USTATUS records of a
// completed reply, 1 for every other record and every other code.
int ApplyReply(PjlParser* parser, int code, int count, PjlItem* items);

// The same on an explicit context and services (tests and the hook itself).
// `release` frees strings taken from the items; null when none are taken.
int ApplyReplyRecord(MonitorContext& context, const StatusServices& services, int code,
                     int count, PjlItem* items);

// Job rule: during a job with JobFlag set a reported ready code is stored as
// the printing code; any other code is stored unchanged.
void StoreStatusCode(MonitorContext& context, const StatusServices& services, int code);

// Empties the job name, page number and job state fields when the window has
// them and the status code is one of [Misc] ResetPrintJobInfo.
void ApplyJobFieldReset(const MonitorContext& context, StatusView& view);

// The job name as shown: names longer than 31 characters become their first
// 29 characters and "...".
std::string ShownJobName(const std::string& name);

}  // namespace statmon
