// The function table a port monitor fills in its InitializeMonitorEx: the
// Windows 95 layout, with ANSI strings, so that any port monitor written for
// Windows 95 loads. Thirteen function pointers in this order (offsets on the
// 32-bit product in brackets):
//   EnumPorts [0], OpenPort [4], OpenPortEx [8], StartDocPort [12],
//   WritePort [16], ReadPort [20], EndDocPort [24], ClosePort [28],
//   AddPort [32], AddPortEx [36], ConfigurePort [40], DeletePort [44],
//   GetPrinterDataFromPort [48]  -- 52 bytes in all.
// The caller hands over a zeroed table; an entry the monitor leaves null is a
// function it does not offer. MinGW's <winsplp.h> MONITOR is the later NT
// table (Unicode, more entries) and does not fit here. The members carry a
// "pfn" prefix so that the spooler header's A/W macros (EnumPorts, AddPort,
// ...) never rename them.
#pragma once
#include <windows.h>

#include <cstddef>

struct PortMonitorTable {
  BOOL(WINAPI* pfnEnumPorts)(LPSTR name, DWORD level, LPBYTE ports, DWORD bufferSize,
                          LPDWORD needed, LPDWORD returned);
  BOOL(WINAPI* pfnOpenPort)(LPSTR portName, PHANDLE port);
  // The last argument is the language monitor's own table, when it sits on top
  // of another port monitor.
  BOOL(WINAPI* pfnOpenPortEx)(LPSTR portName, LPSTR printerName, PHANDLE port,
                           PortMonitorTable* portMonitor);
  BOOL(WINAPI* pfnStartDocPort)(HANDLE port, LPSTR printerName, DWORD jobId, DWORD level,
                             LPBYTE docInfo);
  BOOL(WINAPI* pfnWritePort)(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD written);
  BOOL(WINAPI* pfnReadPort)(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD read);
  BOOL(WINAPI* pfnEndDocPort)(HANDLE port);
  BOOL(WINAPI* pfnClosePort)(HANDLE port);
  BOOL(WINAPI* pfnAddPort)(LPSTR name, HWND window, LPSTR monitorName);
  BOOL(WINAPI* pfnAddPortEx)(LPSTR name, DWORD level, LPBYTE buffer, LPSTR monitorName);
  BOOL(WINAPI* pfnConfigurePort)(LPSTR name, HWND window, LPSTR portName);
  BOOL(WINAPI* pfnDeletePort)(LPSTR name, HWND window, LPSTR portName);
  // Printer data straight from the port: with control id 0 the value name is
  // a request (for a language monitor "#GET#...", "#SET#..." or "READ") and
  // the answer's bytes go to the out buffer, their count to *returned.
  BOOL(WINAPI* pfnGetPrinterDataFromPort)(HANDLE port, DWORD controlId, LPSTR valueName,
                                       LPSTR inBuffer, DWORD inSize, LPSTR outBuffer,
                                       DWORD outSize, LPDWORD returned);
};

static_assert(sizeof(PortMonitorTable) == 13 * sizeof(void*), "thirteen pointers, no padding");
static_assert(offsetof(PortMonitorTable, pfnGetPrinterDataFromPort) == 12 * sizeof(void*),
              "GetPrinterDataFromPort is the last entry");
#if TOLVAN_PRODUCT_32BIT
static_assert(sizeof(PortMonitorTable) == 52, "the Windows 95 monitor table is 52 bytes");
#endif

// The port monitor's one export: `registryRoot` is the monitor's key path,
// `table` the zeroed PortMonitorTable to fill.
using InitializeMonitorExFunction = BOOL(WINAPI*)(LPSTR registryRoot, LPVOID table);
constexpr char kInitializeMonitorExName[] = "InitializeMonitorEx";
