// The choice and opening of the monitored printer.
#pragma once
#include <windows.h>

#include "monitor_context.h"

namespace statmon {

// At window creation: the last printer whose driver is [Misc] DriverName
// (default "Pelmora") becomes the context's printer name. Without one the
// status becomes 111112 and false is returned (the window then polls nothing).
bool ChooseMonitoredPrinter(MonitorContext& context);

// Closes any open handle, chooses the printer (the default printer when it
// has the monitor's driver, else the first printer with that driver), checks
// it, opens it and verifies its identity with INFO ID. True with an open,
// verified handle; otherwise the status code says why, the display is
// refreshed, and false is returned.
bool FindAndOpenPrinter(MonitorContext& context);

// OpenPrinterA with full access on `name`; false (handle cleared) on failure.
bool OpenPrinterWithFullAccess(const char* name, void** handle);

}  // namespace statmon
