// Emulated spooler and registry entry points that have no emulation yet:
// each fails the way the layer reports a call it does not implement (120).
#include "../emulated.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace emulation {

WINBOOL WINAPI EnumPortsA(LPSTR pName,DWORD Level,LPBYTE pPorts,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddPortA(LPSTR pName,HWND hWnd,LPSTR pMonitorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePortA(LPSTR pName,HWND hWnd,LPSTR pPortName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI ConfigurePortA(LPSTR pName,HWND hWnd,LPSTR pPortName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddMonitorA(LPSTR pName,DWORD Level,LPBYTE pMonitorInfo) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeleteMonitorA(LPSTR pName,LPSTR pEnvironment,LPSTR pMonitorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumMonitorsA(LPSTR pName,DWORD Level,LPBYTE pMonitor,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddPrinterDriverA(LPSTR pName,DWORD Level,LPBYTE pDriverInfo) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI GetPrinterDriverA(HANDLE hPrinter,LPSTR pEnvironment,DWORD Level,LPBYTE pDriverInfo,DWORD cbBuf,LPDWORD pcbNeeded) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePrinterDriverA(LPSTR pName,LPSTR pEnvironment,LPSTR pDriverName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrinterDriversA(LPSTR pName,LPSTR pEnvironment,DWORD Level,LPBYTE pDriverInfo,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddPrintProcessorA(LPSTR pName,LPSTR pEnvironment,LPSTR pPathName,LPSTR pPrintProcessorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrintProcessorsA(LPSTR pName,LPSTR pEnvironment,DWORD Level,LPBYTE pPrintProcessorInfo,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePrintProcessorA(LPSTR pName,LPSTR pEnvironment,LPSTR pPrintProcessorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrintProcessorDatatypesA(LPSTR pName,LPSTR pPrintProcessorName,DWORD Level,LPBYTE pDatatypes,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI OpenPrinterA(LPSTR pPrinterName,LPHANDLE phPrinter,LPPRINTER_DEFAULTSA pDefault) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI ClosePrinter(HANDLE hPrinter) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
HANDLE WINAPI AddPrinterA(LPSTR pName,DWORD Level,LPBYTE pPrinter) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return nullptr; }
WINBOOL WINAPI GetPrinterA(HANDLE hPrinter,DWORD Level,LPBYTE pPrinter,DWORD cbBuf,LPDWORD pcbNeeded) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI SetPrinterA(HANDLE hPrinter,DWORD Level,LPBYTE pPrinter,DWORD Command) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrintersA(DWORD Flags,LPSTR Name,DWORD Level,LPBYTE pPrinterEnum,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePrinter(HANDLE hPrinter) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
DWORD WINAPI SetPrinterDataA(HANDLE hPrinter,LPSTR pValueName,DWORD Type,LPBYTE pData,DWORD cbData) { return ERROR_CALL_NOT_IMPLEMENTED; }
DWORD WINAPI GetPrinterDataA(HANDLE hPrinter,LPSTR pValueName,LPDWORD pType,LPBYTE pData,DWORD nSize,LPDWORD pcbNeeded) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG WINAPI DocumentPropertiesA(HWND hWnd,HANDLE hPrinter,LPSTR pDeviceName,PDEVMODEA pDevModeOutput,PDEVMODEA pDevModeInput,DWORD fMode) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return -1; }
int WINAPI DeviceCapabilitiesA(LPCSTR pDevice,LPCSTR pPort,WORD fwCapability,LPSTR pOutput,CONST DEVMODEA *pDevMode) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return -1; }
WINBOOL WINAPI PrinterProperties(HWND hWnd,HANDLE hPrinter) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddJobA(HANDLE hPrinter,DWORD Level,LPBYTE pData,DWORD cbBuf,LPDWORD pcbNeeded) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI ScheduleJob(HANDLE hPrinter,DWORD JobId) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI GetJobA(HANDLE hPrinter,DWORD JobId,DWORD Level,LPBYTE pJob,DWORD cbBuf,LPDWORD pcbNeeded) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI SetJobA(HANDLE hPrinter,DWORD JobId,DWORD Level,LPBYTE pJob,DWORD Command) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumJobsA(HANDLE hPrinter,DWORD FirstJob,DWORD NoJobs,DWORD Level,LPBYTE pJob,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
DWORD WINAPI StartDocPrinterA(HANDLE hPrinter,DWORD Level,LPBYTE pDocInfo) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI WritePrinter(HANDLE hPrinter,LPVOID pBuf,DWORD cbBuf,LPDWORD pcWritten) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EndDocPrinter(HANDLE hPrinter) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }

void Configure(const Settings&) {}

}  // namespace emulation
