// Emulated spooler and registry entry points that have no emulation yet:
// each fails the way the layer reports a call it does not implement (120).
#include "../emulated.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace emulation {

WINBOOL WINAPI AddPortA(LPSTR pName,HWND hWnd,LPSTR pMonitorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePortA(LPSTR pName,HWND hWnd,LPSTR pPortName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI ConfigurePortA(LPSTR pName,HWND hWnd,LPSTR pPortName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI AddPrintProcessorA(LPSTR pName,LPSTR pEnvironment,LPSTR pPathName,LPSTR pPrintProcessorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrintProcessorsA(LPSTR pName,LPSTR pEnvironment,DWORD Level,LPBYTE pPrintProcessorInfo,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI DeletePrintProcessorA(LPSTR pName,LPSTR pEnvironment,LPSTR pPrintProcessorName) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI EnumPrintProcessorDatatypesA(LPSTR pName,LPSTR pPrintProcessorName,DWORD Level,LPBYTE pDatatypes,DWORD cbBuf,LPDWORD pcbNeeded,LPDWORD pcReturned) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
WINBOOL WINAPI SetPrinterA(HANDLE hPrinter,DWORD Level,LPBYTE pPrinter,DWORD Command) { SetLastError(ERROR_CALL_NOT_IMPLEMENTED); return 0; }
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


}  // namespace emulation
